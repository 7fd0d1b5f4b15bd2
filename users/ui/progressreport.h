// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/practice.h"
#include "users/progress.h"

#include <QDate>

class QPainter;
class QPrinter;
class QWidget;

// One child's progress on one page: name, date, the table per topic and the
// chart, printed or saved as PDF the way worksheets are; and when the child
// has a practice box, a second page: the practice per topic and the map of
// the times tables.
namespace ProgressReport {

// Paints the page on a printer of any resolution.
void paint(QPrinter &printer, const Progress::Figures &figures, const Practice::Box &practice, const QDate &printedOn);

// Asks for a printer and prints; false when the dialog was cancelled.
bool print(QWidget *parent, const Progress::Figures &figures, const Practice::Box &practice);
// Asks for a file name and saves the page there; the file's name, or an empty
// text when the dialog was cancelled or the file could not be written (which
// is reported).
QString savePdf(QWidget *parent, const Progress::Figures &figures, const Practice::Box &practice);

} // namespace ProgressReport
