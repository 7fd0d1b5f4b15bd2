// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/generator/draft.h"
#include "content/generator/words.h"

// The four operations as a teacher would show them: each gives the answer, a
// clue fitted to the numbers (counting on, making ten, partitioning, column
// methods...) with what it says about the digits, the fact it asks about and
// the mistakes children make with such numbers. The topics put the question
// text around them.
namespace Methods {

Draft adding(Writer &w, int a, int b);
// a - b, a the larger.
Draft takingAway(Writer &w, int a, int b);
// "First estimate: 3456 is about 3500 and 2789 about 2800, so the answer is near 6300...", or nothing when
// rounding would not change both numbers or would leave nothing to take away.
QString estimate(Writer &w, int a, int b, bool adding);
// "Count up from 275 to 280, then to 300, then to 1000."
QString countingUp(Writer &w, int from, int to);
// a x b: a is the number counted in, b how many of them.
Draft multiplying(Writer &w, int a, int b);
// a divided by b, b a divisor of a.
Draft dividing(Writer &w, int a, int b);

// The name of a place (0 the ones, 1 the tens...): "tens", "dizaines", "decenas".
QString places(Tongue tongue, int place);
// One of a place: "one ten", "une dizaine", "una decena".
QString onePlace(Tongue tongue, int place);
// "3 tens", "1 ten", "3 dizaines".
QString counted(Tongue tongue, int count, int place);
// The digit of a number at a place.
int digitAt(int value, int place);

} // namespace Methods
