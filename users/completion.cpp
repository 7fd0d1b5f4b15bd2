// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/completion.h"

#include "base/store/storechange.h"
#include "exercise/exercise.h"
#include "users/accounts.h"
#include "users/scorebook.h"

void Completion::save(const Exercise &exercise, const QDateTime &when, std::function<void(bool)> done)
{
    const ScoreRecord record{exercise.playerName(), exercise.topicName(), QString::number(exercise.cluesUsed()),
                             QString::number(exercise.choicesUsed()), QString::number(exercise.score()),
                             ScoreBook::timeText(when)};
    ScoreBook::appendLater(record, Accounts::completing(exercise.playerName(), exercise.topicName()), std::move(done));
}
