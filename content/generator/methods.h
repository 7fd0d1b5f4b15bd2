// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/generator/draft.h"

// The four operations as a teacher would show them: each gives the answer, a
// clue fitted to the numbers (counting on, making ten, partitioning, column
// methods...) and the mistakes children make with such numbers. The topics
// put the question text around them.
namespace Methods {

Draft adding(int a, int b);
// a - b, a the larger.
Draft takingAway(int a, int b);
// "Count up from 275 to 280, then to 300, then to 1000."
QString countingUp(int from, int to);
// a x b: a is the number counted in, b how many of them.
Draft multiplying(int a, int b);
// a divided by b, b a divisor of a.
Draft dividing(int a, int b);

} // namespace Methods
