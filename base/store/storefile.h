// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/store/storelock.h"
#include "base/store/storemap.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// The settings file on disk and the copy of it that this program reads from.
//
// The copy is a parse of the file as it was at one moment. Whether the file
// has changed since is told by the file's identity (device, inode, size and
// the times of its last change, to the nanosecond), not by its size and
// modification time alone: a change of another program that leaves both alike
// is still seen. The copy keeps the file it was read from open, so its inode
// cannot be given to a newer file meanwhile.
//
// A change is one transaction: take the lock, read the file afresh if it has
// changed, apply the change, write the whole file anew, and let the new file
// take the old one's place only once it is known to be complete on disk. A
// change that cannot be written is dropped: the copy is read again from disk,
// so it is never written later over other programs' changes.
class StoreFile
{
public:
    // Which keys the copy holds. A program's window reads every key but the
    // score records, which are most of a school's file: it can read the rest
    // in a moment, and leave the records to be read beside it.
    enum class Scope { Everything, AllButScores };

    struct Identity
    {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modified = 0; // nanoseconds
        qint64 changed = 0;  // nanoseconds
        bool operator==(const Identity &other) const;
    };

    explicit StoreFile(const QString &path, Scope scope = Scope::Everything);
    ~StoreFile();

    QString path() const { return m_path; }

    // The copy, read afresh first when the file has changed on disk.
    const StoreMap &current();
    // Whether the file on disk is still the one the copy was read from.
    bool isCurrent() const;
    // The file the copy was read from, and the identity of that file now.
    Identity identity() const { return m_identity; }
    static Identity identityOf(const QString &path);
    // Why the file could not be read (it is then read as empty, and never
    // written), or an empty text.
    QString readProblem() const { return m_readProblem; }

    struct Outcome
    {
        bool written = false;
        QString problem;           // why nothing was written
        QList<int> repairedLines;  // lines of the earlier file that could not be read and are now gone
    };
    Outcome change(const std::function<void(StoreMap &)> &apply, const StoreLock::Waiting &waiting);

    // Lines that are neither a section, a key with its value, a comment nor
    // blank: what the toolkit's reader skips. Numbered from 1.
    static QList<int> unreadableLines(const QByteArray &content);
    // Settings files larger than this are not read: about five million score
    // records, far beyond a school's years of them.
    static constexpr qint64 MaxBytes = 512 * 1024 * 1024;
    // A file that could not be read is tried again after this long.
    static constexpr qint64 RetryReadMs = 2000;

private:
    static Identity identityOf(int fd);

    void load();
    // Reads the file opened as `fd` (taken over), or tells why it could not be opened.
    void loadFrom(int fd, int openError);
    // Its bytes, or nothing when they could not be read whole (the problem is kept).
    std::optional<QByteArray> readFrom(int fd, int openError);
    void parse(QByteArray content);
    void forget();
    // The file the copy makes, through the toolkit's own writer when needed.
    std::optional<QByteArray> contentOf(QString &problem);
    QString scratchFile();
    void pin(int fd);

    QString m_path;
    Scope m_scope;
    QTemporaryDir m_scratch;
    int m_scratchFiles = 0;
    StoreMap m_copy;
    bool m_loaded = false;
    Identity m_identity;
    int m_pinned = -1;
    QString m_readProblem;
    std::optional<size_t> m_contentHash; // of the bytes the copy holds
    QElapsedTimer m_lastLoad;
    QList<int> m_unreadable;
};
