// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/scorebook.h"

#include "users/store.h"

namespace {

// Every record has five fields of at least this many bytes in the file, so a
// file of a given size holds at most its size / this many records. Counts and
// record numbers beyond that are damage, and are never walked to.
constexpr qint64 MinRecordBytes = 50;

QList<ScoreRecord> &cache()
{
    static QList<ScoreRecord> records;
    return records;
}

ScoreRecord readRecord(const StoreMap &store, int number)
{
    auto field = [&](int k) { return store.value(Keys::scoreField(number, k)).toString(); };
    return {field(ScoreRecord::Player), field(ScoreRecord::Topic), field(ScoreRecord::Clues),
            field(ScoreRecord::Choices), field(ScoreRecord::Score)};
}

bool isPresent(const StoreMap &store, int number)
{
    for (int k = 0; k < ScoreRecord::FieldCount; ++k) {
        if (store.contains(Keys::scoreField(number, k)))
            return true;
    }
    return false;
}

int recordBound()
{
    return static_cast<int>(std::min<qint64>(Store::fileSize() / MinRecordBytes, std::numeric_limits<int>::max() - 1));
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

ScoreBook::Extent ScoreBook::extentOf(const StoreMap &store, int bound)
{
    bool ok = false;
    const int stored = store.value(Keys::scoreCount, 0).toInt(&ok);
    Extent extent;
    // A count that claims more records than are there ends at the last one there.
    extent.count = ok ? std::clamp(stored, 0, bound) : 0;
    while (extent.count > 0 && !isPresent(store, extent.count))
        --extent.count;
    // Records beyond the count (a program that lost its count) are never overwritten.
    extent.last = extent.count;
    while (extent.last < bound && isPresent(store, extent.last + 1))
        ++extent.last;
    return extent;
}

int ScoreBook::count()
{
    int count = 0;
    Store::read([&](const StoreMap &store) { count = extentOf(store, recordBound()).count; });
    return count;
}

int ScoreBook::appendTo(StoreMap &store, const ScoreRecord &record)
{
    const int number = extentOf(store, recordBound()).last + 1;
    store.setValue(Keys::scoreCount, number);
    for (int k = 0; k < ScoreRecord::FieldCount; ++k)
        store.setValue(Keys::scoreField(number, k), record.field(k));
    return number;
}

int ScoreBook::append(const ScoreRecord &record)
{
    int number = 0;
    const bool written = Store::update([&](StoreMap &store) { number = appendTo(store, record); });
    return written ? number : 0;
}

const QList<ScoreRecord> &ScoreBook::records()
{
    QList<ScoreRecord> &known = cache();
    Store::read([&](const StoreMap &store) {
        const int stored = extentOf(store, recordBound()).count;
        // Records are only appended; when the oldest or newest known one has
        // changed, the records were cleared meanwhile and are read afresh.
        if (stored < known.size()
            || (!known.isEmpty()
                && (readRecord(store, 1) != known.constFirst()
                    || readRecord(store, static_cast<int>(known.size())) != known.constLast())))
            known.clear();
        known.reserve(stored);
        for (int n = static_cast<int>(known.size()) + 1; n <= stored; ++n)
            known.append(readRecord(store, n));
    });
    return known;
}

bool ScoreBook::clear()
{
    const bool cleared = Store::removeGroups({Keys::scoresGroup});
    cache().clear();
    return cleared;
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
