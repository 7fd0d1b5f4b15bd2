// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
// The store's file is read by the toolkit itself, and written in the same
// settings format as the toolkit writes it, so that every program reading the
// file through the toolkit reads what was written. Writing is done here
// because the toolkit's own writer takes half a second for a school's years
// of score records; values of kinds the program never stores are left to it.
class StoreMap
{
public:
    QVariant value(const QString &key, const QVariant &fallback = QVariant()) const;
    bool contains(const QString &key) const;
    void setValue(const QString &key, const QVariant &value);
    // Removes the key and every key under it; an empty key removes everything.
    void remove(const QString &key);
    void clear() { m_values.clear(); }
    QStringList allKeys() const { return m_values.keys(); }
    bool operator==(const StoreMap &other) const { return m_values == other.m_values; }
    qsizetype size() const { return m_values.size(); }

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
    QMap<QString, QVariant> m_values;
    qint64 m_fileBytes = 0;
};
