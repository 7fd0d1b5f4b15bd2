// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/scorebook.h"

#include "users/store.h"

namespace {

QList<ScoreRecord> &cache()
{
    static QList<ScoreRecord> records;
    return records;
}

ScoreRecord readRecord(QSettings &store, int number)
{
    auto field = [&](int k) { return store.value(Keys::scoreField(number, k)).toString(); };
    return {field(ScoreRecord::Player), field(ScoreRecord::Topic), field(ScoreRecord::Clues),
            field(ScoreRecord::Choices), field(ScoreRecord::Score)};
}

} // namespace

QString ScoreRecord::field(int index) const
{
    switch (index) {
    case Player: return player;
    case Topic: return topic;
    case Clues: return clues;
    case Choices: return choices;
    case Score: return score;
    default: return {};
    }
}

int ScoreBook::count()
{
    return Store::settings().value(Keys::scoreCount, 0).toInt();
}

int ScoreBook::appendTo(QSettings &store, const ScoreRecord &record)
{
    const int number = std::max(store.value(Keys::scoreCount, 0).toInt(), 0) + 1;
    store.setValue(Keys::scoreCount, number);
    for (int k = 0; k < ScoreRecord::FieldCount; ++k)
        store.setValue(Keys::scoreField(number, k), record.field(k));
    return number;
}

int ScoreBook::append(const ScoreRecord &record)
{
    int number = 0;
    const bool written = Store::update([&](QSettings &store) { number = appendTo(store, record); });
    return written ? number : 0;
}

const QList<ScoreRecord> &ScoreBook::records()
{
    QSettings &store = Store::settings();
    QList<ScoreRecord> &known = cache();
    const int stored = std::max(count(), 0);
    // Records are only appended; when the oldest or newest known one has changed,
    // the records were cleared meanwhile and are read afresh.
    if (stored < known.size()
        || (!known.isEmpty()
            && (readRecord(store, 1) != known.constFirst() || readRecord(store, static_cast<int>(known.size())) != known.constLast())))
        known.clear();
    known.reserve(stored);
    for (int n = static_cast<int>(known.size()) + 1; n <= stored; ++n)
        known.append(readRecord(store, n));
    return known;
}

void ScoreBook::clear()
{
    Store::removeGroup(Keys::scoresGroup);
    cache().clear();
}

QList<ScoreRecord> ScoreBook::recordsOf(const QList<ScoreRecord> &all, const QString &player)
{
    QList<ScoreRecord> result;
    for (const ScoreRecord &record : all) {
        if (record.player == player)
            result.append(record);
    }
    return result;
}

QStringList ScoreBook::recentTopicsOf(const QList<ScoreRecord> &all, const QString &player, int limit)
{
    QStringList result;
    for (auto it = all.crbegin(); it != all.crend() && result.size() < limit; ++it) {
        if (it->player == player)
            result.append(it->topic);
    }
    return result;
}

ScoreBook::Totals ScoreBook::totalsOf(const QList<ScoreRecord> &all, const QString &player)
{
    Totals totals;
    for (const ScoreRecord &record : all) {
        if (record.player == player) {
            totals.clues += record.clues.toInt();
            totals.choices += record.choices.toInt();
            totals.score += record.score.toInt();
        }
    }
    return totals;
}
