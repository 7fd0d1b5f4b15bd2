// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/generator/draft.h"
#include "content/generator/words.h"

// The generator's own checks: a draft that fails one is written again. They
// look at what a teacher would hand back: a clue that says something untrue
// about the digits, a quantity no child believes, the same fact twice in a
// set, a choice line that only repeats the question's numbers, a sentence
// that starts with a digit.
namespace Checks {

// The columns of a + b that make 10 or more, with what is carried into them,
// as a place mask.
int carries(int a, int b);
// The columns of a - b that take ten from the column on their left, as column
// subtraction does it: 503 - 34 exchanges into the tens, then into the ones.
int exchanges(int a, int b);
bool holds(const Claim &claim);

// What is wrong with a question and its choice line; empty when nothing is.
QString ofQuestion(const Draft &draft, const QList<int> &options, Tongue tongue);
// What is wrong with it beside the questions before it in its set.
QString besideEarlier(const Draft &draft, const QList<Draft> &earlier);
// Whether it adds variety to the set: a story not told yet, a clue not yet
// written twice in the same words.
bool varied(const Draft &draft, const QList<Draft> &earlier);

} // namespace Checks
