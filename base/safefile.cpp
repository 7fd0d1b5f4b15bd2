// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/safefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Room left beside a new file, so that writing it never takes the last blocks
// of a disk that other programs are writing to as well.
constexpr qint64 SpareBytes = 64 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate("SafeFile", text);
}

// The new name is the folder's business: only a synced folder keeps it after a
// power cut. File systems that cannot sync a folder (some network and FUSE
// ones) say so, and have nothing more to offer; the file is in place either way.
void syncFolderOf(const QString &path)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    if (::fsync(folder) != 0 && errno != EINVAL && errno != ENOTSUP && errno != ENOSYS && errno != EROFS)
        qWarning("The folder of %s could not be synced: %s", qPrintable(path), strerror(errno));
    ::close(folder);
}

} // namespace

bool SafeFile::openRegular(QFile &file, const QString &path)
{
    // Opened without waiting, so that a pipe cannot block here; checked before
    // any byte is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

QString SafeFile::replace(const QString &path, const QByteArray &bytes, const std::function<bool()> &mayReplace)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return tr("It is not a file.");
    const QStorageInfo disk(target.absolutePath());
    if (disk.isValid() && disk.bytesAvailable() < bytes.size() + SpareBytes)
        return tr("The disk is full.");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // Each step is checked before the new file may take the old one's place:
    // a failed flush or sync would otherwise still let it replace the old file.
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError
        && ::fsync(file.handle()) == 0;
    if (!written) {
        // The system's own reason ("File too large"): the toolkit may only say "Unknown error".
        const int failure = errno;
        const QString reason = failure != 0 ? QString::fromLocal8Bit(strerror(failure)) : file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (mayReplace && !mayReplace()) {
        file.cancelWriting();
        return tr("Another program took over the file meanwhile.");
    }
    if (!file.commit())
        return file.errorString();
    syncFolderOf(target.absoluteFilePath());
    return {};
}
