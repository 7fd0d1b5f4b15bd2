// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The wrong answers that children really give, worked out from the numbers of
// a question, for its choice line.
namespace Mistakes {

// a + b added column by column, forgetting to carry: 47 + 35 gives 72. The
// leftmost column keeps its whole sum, as a child writes it: 68 + 57 gives 115.
int carryForgotten(int a, int b);
// a - b with, in each column, the smaller digit taken from the larger instead
// of exchanging: 63 - 28 gives 45.
int smallerFromLarger(int a, int b);
// The last two digits swapped: 48 gives 84, 694 gives 649. A number whose last
// two digits are equal, or that has one digit, stays as it is.
int digitsSwapped(int n);
// Two-digit a + b with each column's sum written down whole: 47 + 35 gives 712.
int columnsWritten(int a, int b);

} // namespace Mistakes
