// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/practicelog.h"

#include "base/clock.h"
#include "base/store/store.h"

#include <algorithm>

namespace {

size_t at(int index)
{
    return size_t(std::clamp(index, 0, QuestionsPerExercise - 1));
}

} // namespace

PracticeLog::PracticeLog(const QString &player, const QString &topic, const QuestionRecords &asWritten)
    : m_player(player)
    , m_questions(asWritten)
{
    for (int i = 0; i < QuestionsPerExercise; ++i)
        m_origins[size_t(i)] = {topic, i, Practice::levelAt(i), TimesFacts::recognised(asWritten[size_t(i)].text)};
}

void PracticeLog::setOrigins(const std::array<PracticeOrigin, QuestionsPerExercise> &origins)
{
    m_origins = origins;
}

const PracticeOrigin &PracticeLog::origin(int index) const
{
    return m_origins[at(index)];
}

void PracticeLog::missed(int index)
{
    if (m_missed[at(index)] || m_player.isEmpty())
        return;
    m_missed[at(index)] = true;
    Store::post(Practice::missing(m_player, m_origins[at(index)], m_questions[at(index)], Clock::now()));
}

void PracticeLog::answeredRight(int index)
{
    if (m_missed[at(index)] || m_player.isEmpty())
        return;
    const QuestionRecord &question = m_questions[at(index)];
    const TimesFact &fact = m_origins[at(index)].fact;
    const QDate today = Clock::today();
    // Most right answers change nothing, and then nothing is written.
    if (Practice::of(m_player).answerRight(question, fact, today))
        Store::post(Practice::answering(m_player, question, fact, today));
}
