// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/practice.h"

#include <array>

// What one exercise tells its player's practice box while the child answers
// (Practice says what the box does with it). A question missed is in the box
// the moment it is missed, so closing the window without finishing loses
// nothing; a question answered right at the first try without help is told
// only when that moves it on, or makes its times-table fact known.
class PracticeLog
{
public:
    PracticeLog() = default;
    // An exercise of a topic or a template: its question i is that topic's
    // question i, the questions as written (before their placeholders are filled).
    PracticeLog(const QString &player, const QString &topic, const QuestionRecords &asWritten);
    // A practice exercise: each question from where the set says.
    void setOrigins(const std::array<PracticeOrigin, QuestionsPerExercise> &origins);
    const PracticeOrigin &origin(int index) const;

    // The question at `index` was answered wrong, or its clue or choice line shown.
    void missed(int index);
    // It was answered right: it counts when it was not missed before.
    void answeredRight(int index);

private:
    QString m_player;
    QuestionRecords m_questions{};
    std::array<PracticeOrigin, QuestionsPerExercise> m_origins{};
    std::array<bool, QuestionsPerExercise> m_missed{};
};
