// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class StoreMap;

// One completed exercise: who played, which topic, the clues and choices used
// and the final score, each kept as text.
struct ScoreRecord
{
    enum Field { Player, Topic, Clues, Choices, Score, FieldCount };

    QString player;
    QString topic;
    QString clues;
    QString choices;
    QString score;

    QString field(int index) const;
    bool operator==(const ScoreRecord &other) const
    {
        return player == other.player && topic == other.topic && clues == other.clues && choices == other.choices
            && score == other.score;
    }
    bool operator!=(const ScoreRecord &other) const { return !(*this == other); }
};

// The score records in the settings store, numbered 1 to "/scores/scoreNum" in
// the order of completion. Records are only appended, or cleared all at once,
// so a reader keeps what it has read and reads only the records added since.
namespace ScoreBook {

// The records as the windows see them: those read on the store's thread, and
// those appended here and not yet written. Empty until the first reading is
// done (see isRead).
const QList<ScoreRecord> &records();
bool isRead();
// The number of records there.
int count();

// How far the records of a store reach. `count` is the number that readers
// read: the stored count, but never past the last record actually there.
// `last` is the highest record number there, which a new record follows, so
// it never overwrites one. Neither goes past `bound`.
struct Extent
{
    int count = 0;
    int last = 0;
};
Extent extentOf(const StoreMap &store);

// Appends a record under the number that follows the records stored at the
// moment of writing, so exercises open side by side or in other programs never
// overwrite one another nor leave gaps, and waits: returns the record's
// number, or 0 when the store could not be written.
int append(const ScoreRecord &record);
// Appends a record, together with `alongside`, without waiting: the record is
// among records() at once. `done` is told whether it was written.
void appendLater(const ScoreRecord &record, const std::function<void(StoreMap &)> &alongside,
                 std::function<void(bool written)> done);
// The same within a change of the store already under way.
int appendTo(StoreMap &store, const ScoreRecord &record);
// Brings a list of records read from a store up to date with it.
void readInto(QList<ScoreRecord> &known, const StoreMap &store);

// Removes every record; false when the store could not be written.
bool clear();

// Plain summaries of a list of records for one player.
QList<ScoreRecord> recordsOf(const QList<ScoreRecord> &all, const QString &player);
// The player's most recent topics, newest first, at most `limit` of them.
QStringList recentTopicsOf(const QList<ScoreRecord> &all, const QString &player, int limit = 5);

struct Totals
{
    int clues = 0;
    int choices = 0;
    int score = 0;
};
Totals totalsOf(const QList<ScoreRecord> &all, const QString &player);

} // namespace ScoreBook
