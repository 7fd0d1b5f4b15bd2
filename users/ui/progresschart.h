// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/progress.h"

class QChart;

// The chart of a child's scores over time: one line per topic, each exercise
// at its place in the child's timeline, labelled with dates below.
namespace ProgressChart {

// A new chart, owned by the caller (or the view it is given to). The seven
// topics and four templates have lines of their own colours; any more
// templates share a grey line and the legend entry "Other topics".
QChart *build(const Progress::Figures &figures);
// Leaves room at the right for the last date, in the date labels' font now.
void keepLastDateInside(QChart *chart);

} // namespace ProgressChart
