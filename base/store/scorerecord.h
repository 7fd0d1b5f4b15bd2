// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QHashFunctions>
#include <QList>
#include <QString>

class StoreMap;

// One completed exercise: who played, which topic, the clues and choices used,
// the final score and when it was completed, each kept as text, and which
// computer of a shared folder it was made on.
struct ScoreRecord
{
    // Fields 0 to 4 are those every reader of the store knows. The completion
    // time follows them as field 5: records written before it was kept have
    // none, and readers that know only the five fields never see it. Field 6
    // is kept only for a record that arrived from another computer through a
    // shared folder (RecordSharing): that computer's identity. Readers of the
    // first six fields never see it.
    enum Field { Player, Topic, Clues, Choices, Score, FieldCount, Completed = FieldCount, Origin, StoredFields };

    QString player;
    QString topic;
    QString clues;
    QString choices;
    QString score;
    QString completed = QString(); // ISO 8601 with the offset from UTC, or empty: undated
    QString origin = QString();    // the identity of the computer it was made on, or empty: made here

    QString field(int index) const;
    // When it was completed, or an invalid time for an undated record.
    QDateTime completedAt() const;
    // Alike when their first six fields are: where a record was made is not
    // part of what it says.
    bool operator==(const ScoreRecord &other) const
    {
        return player == other.player && topic == other.topic && clues == other.clues && choices == other.choices
            && score == other.score && completed == other.completed;
    }
    bool operator!=(const ScoreRecord &other) const { return !(*this == other); }
};

// Hashed as compared: by the first six fields.
inline size_t qHash(const ScoreRecord &record, size_t seed = 0)
{
    return qHashMulti(seed, record.player, record.topic, record.clues, record.choices, record.score, record.completed);
}

// How the score records lie in the store: numbered 1 to "/scores/scoreNum" in
// the order of completion, field by field. Records are only appended, or
// cleared all at once, so a reader keeps what it has read and reads only the
// records added since. The store reads them on its own thread with these;
// ScoreBook keeps the rules of adding them.
namespace ScoreRecords {

// How far the records of a store reach. `count` is the number that readers
// read: the stored count, but never past the last record actually there.
// `last` is the highest record number there, which a new record follows, so
// it never overwrites one. Neither goes past what the file's size can hold.
struct Extent
{
    int count = 0;
    int last = 0;
};
Extent extentOf(const StoreMap &store);

// Brings a list of records read from a store up to date with it.
void readInto(QList<ScoreRecord> &known, const StoreMap &store);
// Writes a record under its number; an undated one stays as records were
// before they were dated, and one made here has no origin.
void write(StoreMap &store, int number, const ScoreRecord &record);

} // namespace ScoreRecords
