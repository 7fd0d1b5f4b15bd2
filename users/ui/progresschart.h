// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/progress.h"

class QChart;

// The chart of a child's scores over time: one line per topic, each exercise
// at its place in the child's timeline, labelled with dates below.
namespace ProgressChart {

// A new chart, owned by the caller (or the view it is given to).
QChart *build(const Progress::Figures &figures);

} // namespace ProgressChart
