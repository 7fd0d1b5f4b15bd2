// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/generator/draft.h"

#include <QList>

// The number-skills questions about how a number is written: what its digits
// are worth, 10, 100 or 1000 more or less, rounding, ordering, and numbers
// made from digits or split into parts.
namespace PlaceValue {

constexpr int Listed = 5; // numbers a "which of these" question lists

// The place of a step: 10 the tens (1), 100 the hundreds (2)...
int placeOf(int step);
// The listed numbers, the ones closest to the answer first: the most tempting.
QList<int> byTemptation(QList<int> numbers, int answer);

// 10, 100 or 1000 more or less than a number.
Draft moreOrLess(Writer &w, int step, int low, int high);
Draft rounding(Writer &w, int to, int low, int high);
// The smallest or largest of five numbers made from the same digits.
Draft ordering(Writer &w, int digits);
// What a digit is worth in a number.
Draft placeValue(Writer &w, int low, int high);
Draft tensAndOnes(Writer &w);
// 47 = 40 + __, or 47 = __ + 7.
Draft partition(Writer &w, int low, int high);
// The largest or smallest number made from some digits.
Draft fromDigits(Writer &w, int count);

} // namespace PlaceValue
