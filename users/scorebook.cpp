// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/scorebook.h"

#include "base/store/store.h"

#include <QHash>

namespace {

// Records appended here, with the number of the change that writes them.
QList<std::pair<quint64, ScoreRecord>> &appended()
{
    static QList<std::pair<quint64, ScoreRecord>> records;
    return records;
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

} // namespace

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

int ScoreBook::appendTo(StoreMap &store, const ScoreRecord &record)
{
    const int number = ScoreRecords::extentOf(store).last + 1;
    store.setValue(Keys::scoreCount, number);
    ScoreRecords::write(store, number, record);
    return number;
}

StoreChange ScoreBook::appending(const ScoreRecord &record)
{
    return {Append, fieldsOf(record)};
}

void ScoreBook::appendLater(const ScoreRecord &record, const StoreChange &alongside, std::function<void(bool)> done)
{
    const quint64 change = Store::post(appending(record).then(alongside), std::move(done));
    appended().append({change, record});
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

ScoreBook::Merged ScoreBook::mergeInto(StoreMap &store, const QList<ScoreRecord> &records, QList<ScoreRecord> known,
                                       const std::function<void(const ScoreRecord &)> &added)
{
    ScoreRecords::readInto(known, store);
    QHash<ScoreRecord, int> unmatched;
    unmatched.reserve(known.size());
    for (const ScoreRecord &record : std::as_const(known))
        ++unmatched[record];

    // Numbered once: the store's size, which bounds the numbers a reader
    // trusts, is that of the file before these records were added.
    int number = ScoreRecords::extentOf(store).last;
    Merged merged;
    for (const ScoreRecord &record : records) {
        const auto match = unmatched.find(record);
        if (match != unmatched.end() && *match > 0) {
            --*match;
            ++merged.skipped;
            continue;
        }
        ScoreRecords::write(store, ++number, record);
        ++merged.added;
        if (added)
            added(record);
    }
    if (merged.added > 0)
        store.setValue(Keys::scoreCount, number);
    return merged;
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
