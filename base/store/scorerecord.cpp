// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/store/scorerecord.h"

#include "base/store/store.h"

namespace {

// Every record has five fields of at least this many bytes in the file, so a
// file of a given size holds at most its size / this many records. Counts and
// record numbers beyond that are damage, and are never walked to.
constexpr qint64 MinRecordBytes = 50;

ScoreRecord readRecord(const StoreMap &store, int number)
{
    auto field = [&](int k) { return store.value(Keys::scoreField(number, k)).toString(); };
    return {field(ScoreRecord::Player), field(ScoreRecord::Topic),     field(ScoreRecord::Clues),
            field(ScoreRecord::Choices), field(ScoreRecord::Score),    field(ScoreRecord::Completed),
            field(ScoreRecord::Origin)};
}

bool isPresent(const StoreMap &store, int number)
{
    for (int k = 0; k < ScoreRecord::FieldCount; ++k) {
        if (store.contains(Keys::scoreField(number, k)))
            return true;
    }
    return false;
}

int recordBound(const StoreMap &store)
{
    return static_cast<int>(std::min<qint64>(store.fileBytes() / MinRecordBytes, std::numeric_limits<int>::max() - 1));
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
    case Completed: return completed;
    case Origin: return origin;
    default: return {};
    }
}

QDateTime ScoreRecord::completedAt() const
{
    return completed.isEmpty() ? QDateTime() : QDateTime::fromString(completed, Qt::ISODate);
}

ScoreRecords::Extent ScoreRecords::extentOf(const StoreMap &store)
{
    const int bound = recordBound(store);
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

void ScoreRecords::readInto(QList<ScoreRecord> &known, const StoreMap &store)
{
    const int stored = extentOf(store).count;
    // As the store holds them, when all of them lie in its table of records:
    // shared, not copied.
    if (store.scoresAreAllInTable()) {
        known = store.scores().records().mid(0, stored);
        return;
    }
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
}

void ScoreRecords::write(StoreMap &store, int number, const ScoreRecord &record)
{
    for (int k = 0; k < ScoreRecord::FieldCount; ++k)
        store.setValue(Keys::scoreField(number, k), record.field(k));
    // An undated record stays as records were before they were dated, and one
    // made here names no computer.
    if (!record.completed.isEmpty())
        store.setValue(Keys::scoreField(number, ScoreRecord::Completed), record.completed);
    if (!record.origin.isEmpty())
        store.setValue(Keys::scoreField(number, ScoreRecord::Origin), record.origin);
}
