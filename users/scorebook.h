// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/store/scorerecord.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class StoreChange;
class StoreMap;

// The score records in the settings store (ScoreRecords tells how they lie in
// it): the records the windows see, and the rules of adding them.
namespace ScoreBook {

// The records as the windows see them: those read on the store's thread, and
// those appended here and not yet written. Empty until the first reading is
// done (see isRead).
const QList<ScoreRecord> &records();
bool isRead();

// Appends a record, together with `alongside`, without waiting: the record is
// among records() at once. `done` is told whether it was written. It takes the
// number that follows the records stored at the moment of writing, so
// exercises open side by side or in other programs never overwrite one another
// nor leave gaps.
void appendLater(const ScoreRecord &record, const StoreChange &alongside, std::function<void(bool written)> done);
// The same as a change of the store, and within a change already under way.
StoreChange appending(const ScoreRecord &record);
int appendTo(StoreMap &store, const ScoreRecord &record);

// A completion time as records keep it, "2025-03-14T15:42:07+01:00": the
// wall-clock time the child saw and its offset from UTC, so it means the same
// instant on a computer in another time zone and sorts as text within one.
QString timeText(const QDateTime &when);

// Appends, in one change, the records not already in the store, and tells how
// many were added and how many were there already. Records are counted: a
// record present twice in the store lets the same record come twice more
// before a third is added, so undated records that are alike stay apart.
struct Merged
{
    int added = 0;
    int skipped = 0;
};
// `known` may hold records read from this store before (Store::records()):
// they are checked against it, and only the records stored since are read.
// `added`, when given, is told of each record added.
Merged mergeInto(StoreMap &store, const QList<ScoreRecord> &records, QList<ScoreRecord> known = {},
                 const std::function<void(const ScoreRecord &)> &added = {});

// Plain summaries of a list of records for one player.
QList<ScoreRecord> recordsOf(const QList<ScoreRecord> &all, const QString &player);
// The player's most recent topics, newest first, at most `limit` of them.
QStringList recentTopicsOf(const QList<ScoreRecord> &all, const QString &player, int limit = 5);

// Wide enough for any number of records of any stored values.
struct Totals
{
    qint64 clues = 0;
    qint64 choices = 0;
    qint64 score = 0;
};
Totals totalsOf(const QList<ScoreRecord> &all, const QString &player);

} // namespace ScoreBook
