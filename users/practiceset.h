// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/practice.h"

#include <array>

// A practice exercise: twenty questions as written, and where each came from.
struct PracticeSet
{
    QuestionRecords questions{};
    std::array<PracticeOrigin, QuestionsPerExercise> origins{};
    // How many of the twenty are due, how many are practised before their day,
    // and how many are fresh; in that order.
    int due = 0;
    int early = 0;
    int fresh = 0;
};

namespace Practice {

// The twenty questions of a practice: first those due, the longest due first;
// then those not yet due, from the lowest box up; then, when that makes fewer
// than twenty, fresh questions from the generator in the topics and levels of
// the child's mistakes, the most frequent first. When the child's mistakes
// were all in templates, whose questions the generator does not write, the
// child's own questions come again instead. Nothing for an empty box. The
// seed makes the fresh questions; the language is the one they are written in.
PracticeSet compose(const Box &box, const QDate &today, quint32 seed, const QString &language);

} // namespace Practice
