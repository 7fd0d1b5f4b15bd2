// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/store/scorerecord.h"
#include "base/store/storechange.h"
#include "users/sharedfolder.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// One computer's rounds of sharing its score records through a shared folder
// (SharedFolder): its own file written when its records have changed, and the
// files of the others that have changed since it last read them read and their
// missing records gathered into one change of the store. It reads and writes
// files, which on a network may take long or hang: it runs beside the window
// (RecordSharing), and remembers between rounds what it has read and written.
class SharingRound
{
public:
    // A file as the folder's file system describes it: a file replaced has
    // another, even when it was replaced within the same second.
    struct Stamp
    {
        qint64 size = -1; // -1: no file
        quint64 inode = 0;
        qint64 modified = 0; // nanoseconds
        qint64 changed = 0;  // nanoseconds
        bool operator==(const Stamp &other) const
        {
            return size == other.size && inode == other.inode && modified == other.modified && changed == other.changed;
        }
    };

    struct Input
    {
        QString folder;
        QString identity;
        QList<ScoreRecord> records; // every record of the store, as written
        bool everything = false;    // read every other file, changed or not
    };

    struct Outcome
    {
        // Records of other computers, merged by `change` (empty when there are none).
        StoreChange change;
        int arriving = 0;
        // The files read, to be known as read once the change is written (merged()).
        QHash<QString, Stamp> read;
        // What to tell the person, each told once: a folder that cannot be
        // reached, a file left out, another computer under this one's identity.
        QStringList told;
        bool written = false; // this computer's file holds its records
        bool cloned = false;  // another computer writes this one's file: take a new identity
    };

    Outcome run(const Input &input);
    // The files of a round whose change has been written.
    void merged(const QHash<QString, Stamp> &files);

    static Stamp stampOf(const QString &path);
    static Stamp stampOf(int fd);

private:
    // Whether this computer's file holds its records now, after writing it if need be.
    bool writeOwn(const Input &input, Outcome &outcome);
    // The other computers' files that have changed since last read, each read whole.
    QList<SharedFolder::File> readOthers(const Input &input, Outcome &outcome);
    void tellUnreachable(const QString &problem, Outcome &outcome);

    QString m_folder;
    QString m_identity;
    QHash<QString, Stamp> m_read;  // other computers' files, as last merged
    QHash<QString, Stamp> m_told;  // files left out, as last told of
    Stamp m_written;               // this computer's file, as last written or found to be right
    QByteArray m_writtenBytes;
    bool m_suspected = false;      // the file held records this computer never made, last round
    bool m_unreachableTold = false;
};
