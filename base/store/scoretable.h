// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/store/scorerecord.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

// The score records' fields of a store, apart from its other keys and in the
// form the program reads them: one ScoreRecord per record number, each field a
// text, null where the file has no such key. Texts that repeat (names, topics,
// small numbers) share one copy, and readers share the whole list, so a
// school's years of records take a few megabytes, not a map of every key.
//
// Only plain texts of keys written as the program writes them live here:
// "scores/score<n>/<k>", n from 1 in decimal without a leading zero, k from 0
// to 6. Anything else under "scores" stays one of the store's keys.
class ScoreTable
{
public:
    static constexpr int Fields = ScoreRecord::StoredFields;
    // The prefix every key of the table starts with.
    static QString prefix();

    // Whether a normalized key is a field kept here, and which.
    static bool parse(QStringView key, int &number, int &field);
    static QString keyOf(int number, int field);

    // The field's text, or nullptr when the table has no such key.
    const QString *find(int number, int field) const;
    // Sets a field; false when the number lies too far beyond the records
    // there (a damaged file): such a key is left to the store's other keys.
    bool set(int number, int field, const QString &text);
    // Room for records up to this number, taken at once (a file read whole).
    void reserveUpTo(int number);
    void remove(int number, int field);
    void removeRecord(int number);
    void clear() { m_records.clear(); m_fields = 0; }

    // Record n at index n - 1; absent records have every field null.
    const QList<ScoreRecord> &records() const { return m_records; }
    int fieldCount() const { return m_fields; }
    bool isEmpty() const { return m_fields == 0; }
    // Every key and its text, in the order of the keys' texts (the file's order).
    void forEach(const std::function<void(const QString &key, const QString &text)> &visit) const;
    bool operator==(const ScoreTable &other) const;

private:
    void trim();

    QList<ScoreRecord> m_records;
    int m_fields = 0;
};
