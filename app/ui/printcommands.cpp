// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the active exercise and turning it into a worksheet.

#include "app/ui/applicationwindow.h"

#include "exercise/ui/mdiwindow.h"
#include "users/ui/adminpassword.h"

// Any exercise window can be printed, whether its topic is built in or a template.
void ApplicationWindow::printFile()
{
    if (MDIWindow *exercise = exerciseOrTell())
        exercise->printExercise();
}

// The worksheet creator is for the adult: it can put the answers on paper.
void ApplicationWindow::worksheet()
{
    MDIWindow *exercise = exerciseOrTell();
    if (exercise && m_password->checkPassword())
        exercise->worksheetExport();
}
