// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/generator/draft.h"

// The number-skills questions about what numbers are: below zero, in Roman
// numerals or in words, prime, square or a multiple, their common multiples
// and factors, squares and cubes.
namespace NumberFacts {

Draft temperature(Writer &w, int most);
Draft romanNumerals(Writer &w, int low, int high);
Draft inDigits(Writer &w, int low, int high);
// Which of four numbers, up to high, is prime, square or a multiple of a table.
Draft whichIs(Writer &w, int high);
Draft common(Writer &w);
Draft powers(Writer &w);
// A pattern going down past zero.
Draft belowZero(Writer &w);

} // namespace NumberFacts
