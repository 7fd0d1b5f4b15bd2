// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window tells when a command cannot do what it says.

#include "app/ui/applicationwindow.h"

#include "base/ui/status.h"
#include "exercise/ui/mdiwindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QStatusTipEvent>

#include <algorithm>

void ApplicationWindow::tell(const QString &message)
{
    m_told = message;
    statusBar()->showMessage(message, StatusTimeout);
}

bool ApplicationWindow::event(QEvent *event)
{
    // A command's button takes its tip away as the pointer leaves it, which
    // would take away what was just told about that command with it.
    if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent *>(event)->tip().isEmpty()
        && !m_told.isEmpty() && statusBar()->currentMessage() == m_told)
        return true;
    return QMainWindow::event(event);
}

MDIWindow *ApplicationWindow::exerciseOrTell()
{
    if (MDIWindow *exercise = activeExercise())
        return exercise;
    const QList<QMdiSubWindow *> windows = m_workspace->subWindowList();
    const bool anyOpen = std::any_of(windows.cbegin(), windows.cend(), [](const QMdiSubWindow *frame) {
        return qobject_cast<MDIWindow *>(frame->widget()) != nullptr;
    });
    tell(anyOpen ? tr("Click in the exercise's window first") : tr("Open an exercise first"));
    return nullptr;
}
