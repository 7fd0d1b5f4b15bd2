// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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
// so the book keeps what it has read and reads only the records added since.
namespace ScoreBook {

// The number of records stored now.
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
Extent extentOf(const StoreMap &store, int bound);

// Appends a record under the number that follows the count stored at this
// moment, so exercises open side by side never overwrite one another nor leave
// gaps. Returns the record's number, or 0 when the store could not be written.
int append(const ScoreRecord &record);
// The same within a change of the store already under way (see Store::update).
int appendTo(StoreMap &store, const ScoreRecord &record);

// Every stored record, oldest first.
const QList<ScoreRecord> &records();

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
