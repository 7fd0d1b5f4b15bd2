// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/sharinground.h"

#include "base/safefile.h"
#include "users/scorecsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SharingRound", text);
}

SharingRound::Stamp stampFrom(const struct stat &info)
{
    return {static_cast<qint64>(info.st_size), static_cast<quint64>(info.st_ino),
            static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
            static_cast<qint64>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec};
}

// A file's bytes, no more than a shared file may hold, with the stamp of the
// file they were read from; nothing when it cannot be read.
std::optional<QByteArray> readWhole(const QString &path, SharingRound::Stamp &stamp)
{
    QFile file;
    if (!SafeFile::openRegular(file, path))
        return std::nullopt;
    // Of the file opened: one that takes its place meanwhile is another file.
    stamp = SharingRound::stampOf(file.handle());
    const QByteArray bytes = file.read(ScoreCsv::MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

SharingRound::Stamp SharingRound::stampOf(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? stampFrom(info) : Stamp();
}

SharingRound::Stamp SharingRound::stampOf(int fd)
{
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? stampFrom(info) : Stamp();
}

SharingRound::Outcome SharingRound::run(const Input &input)
{
    Outcome outcome;
    if (input.folder != m_folder || input.identity != m_identity) {
        *this = SharingRound();
        m_folder = input.folder;
        m_identity = input.identity;
    }
    if (!QFileInfo(input.folder).isDir()) {
        tellUnreachable(tr("The shared folder %1 cannot be reached: the records are kept on this computer, and "
                           "shared once it can be reached again.")
                            .arg(QDir::toNativeSeparators(input.folder)),
                        outcome);
        return outcome;
    }
    outcome.written = writeOwn(input, outcome);
    if (outcome.cloned)
        return outcome;
    const QList<SharedFolder::File> files = readOthers(input, outcome);
    const QList<ScoreRecord> missing = SharedFolder::missing(files, input.records);
    outcome.arriving = static_cast<int>(missing.size());
    if (missing.isEmpty())
        merged(std::exchange(outcome.read, {}));
    else
        outcome.change = SharedFolder::merging(missing);
    if (outcome.written && m_unreachableTold) {
        m_unreachableTold = false;
        outcome.told.append(tr("The shared folder can be reached again: the records are shared with the other "
                               "computers."));
    }
    return outcome;
}

void SharingRound::merged(const QHash<QString, Stamp> &files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        m_read.insert(it.key(), it.value());
}

void SharingRound::tellUnreachable(const QString &problem, Outcome &outcome)
{
    // Once until it can be reached again: every round meanwhile would say the same.
    if (!m_unreachableTold)
        outcome.told.append(problem);
    m_unreachableTold = true;
}

bool SharingRound::writeOwn(const Input &input, Outcome &outcome)
{
    const QString path = SharedFolder::fileOf(input.folder, input.identity);
    const QByteArray bytes = SharedFolder::fileFor(input.records);
    const Stamp now = stampOf(path);
    if (now.size >= 0 && now == m_written) {
        if (bytes == m_writtenBytes)
            return true;
    } else if (now.size >= 0) {
        // Written by something other than this computer since (or before this
        // program started): by this computer's twin when it holds records
        // this one never made.
        Stamp there;
        const std::optional<QByteArray> found = readWhole(path, there);
        if (found && *found == bytes) {
            m_written = there;
            m_writtenBytes = bytes;
            m_suspected = false;
            return true;
        }
        const SharedFolder::Read read = found ? SharedFolder::read(*found, path) : SharedFolder::Read();
        const QList<ScoreRecord> own = ScoreCsv::read(bytes).records; // as another computer reads them
        if (found && read.problem.isEmpty() && !SharedFolder::missing({{input.identity, read.records}}, own).isEmpty()) {
            // Left to its writer this round: seen twice, it is no passing
            // overlap of two programs of this store.
            if (m_suspected) {
                outcome.cloned = true;
                outcome.told.append(tr("Another computer shares records under this computer's name (a copy of its "
                                       "disk?): this computer now shares them under a new one."));
            }
            m_suspected = true;
            return false;
        }
    }
    m_suspected = false;
    const QString problem = SafeFile::replace(path, bytes);
    if (!problem.isEmpty()) {
        tellUnreachable(tr("Brightsum cannot write in the shared folder %1 (%2): the records are kept on this "
                           "computer, and shared once it can.")
                            .arg(QDir::toNativeSeparators(input.folder), problem),
                        outcome);
        return false;
    }
    m_written = stampOf(path);
    m_writtenBytes = bytes;
    return true;
}

QList<SharedFolder::File> SharingRound::readOthers(const Input &input, Outcome &outcome)
{
    QList<SharedFolder::File> files;
    const QDir folder(input.folder);
    const QStringList names = folder.entryList({QStringLiteral("*.csv")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QString identity = name.chopped(4);
        if (identity == input.identity || !SharedFolder::isIdentity(identity))
            continue;
        const QString path = folder.filePath(name);
        if (!input.everything && m_read.value(identity) == stampOf(path))
            continue;
        Stamp stamp;
        const std::optional<QByteArray> bytes = readWhole(path, stamp);
        if (!bytes)
            continue; // gone meanwhile, or not a file: it is looked at again next round
        SharedFolder::Read read = SharedFolder::read(*bytes, path);
        if (!read.problem.isEmpty()) {
            // Told once for each state of the file.
            if (!(m_told.value(identity) == stamp))
                outcome.told.append(read.problem);
            m_told.insert(identity, stamp);
            continue;
        }
        m_told.remove(identity);
        files.append({identity, std::move(read.records)});
        outcome.read.insert(identity, stamp);
    }
    return files;
}
