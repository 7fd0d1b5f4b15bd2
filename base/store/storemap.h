// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/store/scoretable.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

class QSettings;

// The keys and values of the settings store, held in memory, with the part of
// the toolkit's settings interface that the program uses: keys are paths with
// "/" between their parts (a leading, trailing or doubled "/" means nothing),
// and removing a key removes everything under it.
//
// The store's file is read and written here in the toolkit's own settings
// format, byte for byte as the toolkit reads and writes it, so that every
// program reading the file through the toolkit reads what was written; the
// toolkit's own reader and writer take seconds and hundreds of megabytes for a
// school's years of score records. Those records' fields are kept in a table
// of their own (ScoreTable); values of kinds the program never stores are left
// to the toolkit's writer.
class StoreMap
{
public:
    QVariant value(const QString &key, const QVariant &fallback = QVariant()) const;
    bool contains(const QString &key) const;
    void setValue(const QString &key, const QVariant &value);
    // Removes the key and every key under it; an empty key removes everything.
    void remove(const QString &key);
    void clear()
    {
        m_values.clear();
        m_scores.clear();
        ++m_edits;
    }
    // How many times a key has been set to another value or removed: what a
    // change left at the same count changed nothing.
    quint64 edits() const { return m_edits; }
    // Every key, in the order of their texts.
    QStringList allKeys() const;
    bool operator==(const StoreMap &other) const { return m_values == other.m_values && m_scores == other.m_scores; }
    qsizetype size() const { return m_values.size() + m_scores.fieldCount(); }

    // The score records' fields, and whether the table holds all of them
    // (none was stored in another form, such as a list).
    const ScoreTable &scores() const { return m_scores; }
    bool scoresAreAllInTable() const;

    // The size of the file these keys were read from or written to: a file
    // can hold only so much, and counts read from it are bounded by it.
    qint64 fileBytes() const { return m_fileBytes; }
    void setFileBytes(qint64 bytes) { m_fileBytes = bytes; }
    // The same keys without those of one group.
    StoreMap without(const QString &group) const;

    // Every key and value the toolkit read.
    static StoreMap from(const QSettings &settings);
    // The keys and values the toolkit reads from a file of these bytes.
    static StoreMap fromIni(QByteArrayView data);
    // The whole file, or nothing when a value is of a kind that only the
    // toolkit can write.
    std::optional<QByteArray> toIni() const;

    static QString normalizedKey(const QString &key);

private:
    // Sets a key known to be normalized; a record's field in plain text goes to the table.
    void insert(const QString &key, const QVariant &value);

    QMap<QString, QVariant> m_values; // every key but those in the table
    ScoreTable m_scores;
    qint64 m_fileBytes = 0;
    quint64 m_edits = 0;
};
