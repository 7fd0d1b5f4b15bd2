// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/completion.h"

#include "base/store/storechange.h"
#include "content/topics.h"
#include "exercise/exercise.h"
#include "users/accounts.h"
#include "users/scorebook.h"

void Completion::save(const Exercise &exercise, const QDateTime &when, std::function<void(bool)> done)
{
    const ScoreRecord record{exercise.playerName(), exercise.topicName(), QString::number(exercise.cluesUsed()),
                             QString::number(exercise.choicesUsed()), QString::number(exercise.score()),
                             ScoreBook::timeText(when)};
    // A practice is no topic of the list of exercises to do, which it leaves alone.
    const StoreChange alongside = exercise.topicName() == Topics::practice
        ? StoreChange()
        : Accounts::completing(exercise.playerName(), exercise.topicName());
    ScoreBook::appendLater(record, alongside, std::move(done));
}
