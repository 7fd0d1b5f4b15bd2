// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/scorebook.h"

#include "base/store/store.h"

#include <QHash>

namespace {

// Every record has five fields of at least this many bytes in the file, so a
// file of a given size holds at most its size / this many records. Counts and
// record numbers beyond that are damage, and are never walked to.
constexpr qint64 MinRecordBytes = 50;

// Records appended here, with the number of the change that writes them.
QList<std::pair<quint64, ScoreRecord>> &appended()
{
    static QList<std::pair<quint64, ScoreRecord>> records;
    return records;
}

ScoreRecord readRecord(const StoreMap &store, int number)
{
    auto field = [&](int k) { return store.value(Keys::scoreField(number, k)).toString(); };
    return {field(ScoreRecord::Player), field(ScoreRecord::Topic), field(ScoreRecord::Clues),
            field(ScoreRecord::Choices), field(ScoreRecord::Score), field(ScoreRecord::Completed)};
}

void writeRecord(StoreMap &store, int number, const ScoreRecord &record)
{
    for (int k = 0; k < ScoreRecord::FieldCount; ++k)
        store.setValue(Keys::scoreField(number, k), record.field(k));
    // An undated record stays as records were before they were dated.
    if (!record.completed.isEmpty())
        store.setValue(Keys::scoreField(number, ScoreRecord::Completed), record.completed);
}

bool isPresent(const StoreMap &store, int number)
{
    for (int k = 0; k < ScoreRecord::FieldCount; ++k) {
        if (store.contains(Keys::scoreField(number, k)))
            return true;
    }
    return false;
}

QStringList fieldsOf(const ScoreRecord &record)
{
    return {record.player, record.topic, record.clues, record.choices, record.score, record.completed};
}

const StoreChange::Kind Append("scores.append", [](StoreMap &store, const QVariant &data) {
    const QStringList fields = data.toStringList();
    if (fields.size() == ScoreRecord::FieldCount + 1)
        ScoreBook::appendTo(store, {fields.at(0), fields.at(1), fields.at(2), fields.at(3), fields.at(4), fields.at(5)});
});

int recordBound(const StoreMap &store)
{
    return static_cast<int>(std::min<qint64>(store.fileBytes() / MinRecordBytes, std::numeric_limits<int>::max() - 1));
}

} // namespace

// Records are told apart by all six fields.
static size_t qHash(const ScoreRecord &record, size_t seed = 0)
{
    return qHashMulti(seed, record.player, record.topic, record.clues, record.choices, record.score, record.completed);
}

QString ScoreRecord::field(int index) const
{
    switch (index) {
    case Player: return player;
    case Topic: return topic;
    case Clues: return clues;
    case Choices: return choices;
    case Score: return score;
    case Completed: return completed;
    default: return {};
    }
}

QDateTime ScoreRecord::completedAt() const
{
    return completed.isEmpty() ? QDateTime() : QDateTime::fromString(completed, Qt::ISODate);
}

ScoreBook::Extent ScoreBook::extentOf(const StoreMap &store)
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

const QList<ScoreRecord> &ScoreBook::records()
{
    static QList<ScoreRecord> shown;
    QList<std::pair<quint64, ScoreRecord>> &mine = appended();
    mine.removeIf([](const auto &entry) { return entry.first <= Store::settled(); });
    shown = Store::records();
    for (const auto &entry : std::as_const(mine))
        shown.append(entry.second);
    return shown;
}

bool ScoreBook::isRead()
{
    return Store::recordsRead();
}

int ScoreBook::count()
{
    return static_cast<int>(records().size());
}

int ScoreBook::appendTo(StoreMap &store, const ScoreRecord &record)
{
    const int number = extentOf(store).last + 1;
    store.setValue(Keys::scoreCount, number);
    writeRecord(store, number, record);
    return number;
}

StoreChange ScoreBook::appending(const ScoreRecord &record)
{
    return {Append, fieldsOf(record)};
}

int ScoreBook::append(const ScoreRecord &record)
{
    return Store::update(appending(record)) ? count() : 0;
}

void ScoreBook::appendLater(const ScoreRecord &record, const StoreChange &alongside, std::function<void(bool)> done)
{
    const quint64 change = Store::post(appending(record).then(alongside), std::move(done));
    appended().append({change, record});
}

void ScoreBook::readInto(QList<ScoreRecord> &known, const StoreMap &store)
{
    const int stored = extentOf(store).count;
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

QString ScoreBook::timeText(const QDateTime &when)
{
    // Written out here: the toolkit writes "Z" for UTC, and records keep one form.
    const int offset = when.offsetFromUtc();
    const QDateTime there = when.toOffsetFromUtc(offset);
    const int minutes = std::abs(offset) / 60;
    return there.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + (offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        + QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

ScoreBook::Merged ScoreBook::mergeInto(StoreMap &store, const QList<ScoreRecord> &records, QList<ScoreRecord> known)
{
    readInto(known, store);
    QHash<ScoreRecord, int> unmatched;
    unmatched.reserve(known.size());
    for (const ScoreRecord &record : std::as_const(known))
        ++unmatched[record];

    // Numbered once: the store's size, which bounds the numbers a reader
    // trusts, is that of the file before these records were added.
    int number = extentOf(store).last;
    Merged merged;
    for (const ScoreRecord &record : records) {
        const auto match = unmatched.find(record);
        if (match != unmatched.end() && *match > 0) {
            --*match;
            ++merged.skipped;
            continue;
        }
        writeRecord(store, ++number, record);
        ++merged.added;
    }
    if (merged.added > 0)
        store.setValue(Keys::scoreCount, number);
    return merged;
}

bool ScoreBook::clear()
{
    return Store::removeGroups({Keys::scoresGroup});
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
