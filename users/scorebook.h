// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

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

// Appends a record under the number that follows the count stored at this
// moment, so exercises open side by side never overwrite one another nor leave
// gaps. Returns the record's number, or 0 when the store could not be written.
int append(const ScoreRecord &record);
// The same within a change of the store already under way (see Store::update).
int appendTo(QSettings &store, const ScoreRecord &record);

// Every stored record, oldest first.
const QList<ScoreRecord> &records();

// Removes every record.
void clear();

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
