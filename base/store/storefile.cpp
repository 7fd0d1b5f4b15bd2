// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/store/storefile.h"

#include "base/safefile.h"

#include <algorithm>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("StoreFile", text);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString tooLarge()
{
    return QCoreApplication::translate("StoreFile", "It is larger than %1 MB, more than a settings file can be.")
        .arg(StoreFile::MaxBytes / (1024 * 1024));
}

// The working copies need no disk: the file in memory that the session keeps
// for programs like this one, when there is one, is far quicker to write.
QString scratchFolder()
{
    for (const QString &folder : {qEnvironmentVariable("XDG_RUNTIME_DIR"), QStringLiteral("/dev/shm")}) {
        const QFileInfo info(folder);
        if (!folder.isEmpty() && info.isDir() && info.isWritable())
            return folder;
    }
    return QDir::tempPath();
}

int openForReading(const QString &path)
{
    // Without waiting, so that a pipe put where the file belongs cannot block.
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}

qint64 nanoseconds(const struct timespec &time)
{
    return static_cast<qint64>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// The whole file, or why it could not be read whole: a read that fails part
// way (a failing disk, a network mount) or ends before the size the file had
// when it was opened is a problem, never the whole file.
std::optional<QByteArray> readAll(int fd, qint64 expected, QString &problem)
{
    // Read straight into room for the size the file has now and one byte more
    // (the end is seen without growing), so a large store is copied once; a
    // file that grew meanwhile gets more room as it comes.
    QByteArray content(expected + 1, Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == content.size()) {
            if (have > StoreFile::MaxBytes) {
                problem = tooLarge();
                return std::nullopt;
            }
            content.resize(have + 64 * 1024);
        }
        const ssize_t got = ::read(fd, content.data() + have, size_t(content.size() - have));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            problem = systemError(errno);
            return std::nullopt;
        }
        if (got == 0)
            break;
        have += got;
    }
    content.truncate(have);
    if (content.size() > StoreFile::MaxBytes) {
        problem = tooLarge();
        return std::nullopt;
    }
    if (content.size() < expected) {
        problem = QCoreApplication::translate("StoreFile", "Only %1 of its %2 bytes could be read.")
                      .arg(content.size())
                      .arg(expected);
        return std::nullopt;
    }
    return content;
}

// The number of keys in a settings file as the toolkit writes it: a line each,
// under "[section]" lines, with blank lines between the sections.
qsizetype keyLines(const QByteArray &content)
{
    qsizetype keys = 0;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        if (end > start && content.at(start) != '[')
            ++keys;
        start = end + 1;
    }
    return keys;
}

// The file without one of its sections, found by its heading line as the
// toolkit writes it; a file laid out otherwise is left whole.
QByteArray withoutSection(const QByteArray &content, const QByteArray &heading)
{
    qsizetype start = content.startsWith(heading + '\n') ? 0 : content.indexOf('\n' + heading + '\n');
    if (start < 0)
        return content;
    if (start > 0)
        ++start;
    // The next line that starts a section, found by its bracket: the
    // records' section is most of a large file, and this is its only scan.
    qsizetype next = -1;
    for (qsizetype at = start + heading.size(); at < content.size();) {
        const void *found = std::memchr(content.constData() + at, '[', size_t(content.size() - at));
        if (!found)
            break;
        at = static_cast<const char *>(found) - content.constData();
        if (content.at(at - 1) == '\n') {
            next = at - 1;
            break;
        }
        ++at;
    }
    return content.left(start) + (next < 0 ? QByteArray() : content.mid(next + 1));
}

} // namespace

bool StoreFile::Identity::operator==(const Identity &other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size
        && modified == other.modified && changed == other.changed;
}

StoreFile::StoreFile(const QString &path, Scope scope)
    : m_path(path)
    , m_scope(scope)
    , m_scratch(scratchFolder() + QStringLiteral("/brightsum-XXXXXX"))
{
}

StoreFile::~StoreFile()
{
    if (m_pinned >= 0)
        ::close(m_pinned);
}

StoreFile::Identity StoreFile::identityOf(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return {};
    return {true, static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino), info.st_size,
            nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)};
}

StoreFile::Identity StoreFile::identityOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true, static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino), info.st_size,
            nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)};
}

bool StoreFile::isCurrent() const
{
    // A file that could not be read is tried again now and then, though it looks the same.
    if (!m_readProblem.isEmpty() && m_lastLoad.isValid() && m_lastLoad.elapsed() >= RetryReadMs)
        return false;
    return m_loaded && identityOf(m_path) == m_identity;
}

const StoreMap &StoreFile::current()
{
    if (!isCurrent())
        load();
    return m_copy;
}

QString StoreFile::scratchFile()
{
    // The toolkit keeps no second reading of a file whose size and time look
    // unchanged: every file it is given here has a name of its own.
    return m_scratch.filePath(QStringLiteral("store-%1.conf").arg(++m_scratchFiles));
}

void StoreFile::pin(int fd)
{
    if (m_pinned >= 0)
        ::close(m_pinned);
    m_pinned = fd;
    m_identity = fd >= 0 ? identityOf(fd) : Identity{};
}

void StoreFile::forget()
{
    m_loaded = false;
}

void StoreFile::load()
{
    const int fd = openForReading(m_path);
    loadFrom(fd, fd < 0 ? errno : 0);
}

void StoreFile::loadFrom(int fd, int openError)
{
    m_copy.clear();
    if (std::optional<QByteArray> content = readFrom(fd, openError))
        parse(std::move(*content));
}

std::optional<QByteArray> StoreFile::readFrom(int fd, int openError)
{
    m_readProblem.clear();
    m_unreadable.clear();
    m_loaded = true;
    m_lastLoad.start();
    m_contentHash.reset();

    std::optional<QByteArray> content = QByteArray();
    if (fd < 0) {
        // No file there (nor a folder for it): an empty store.
        if (openError != ENOENT && openError != ENOTDIR)
            m_readProblem = systemError(openError);
        pin(-1);
        m_identity = identityOf(m_path);
    } else {
        pin(fd);
        struct stat info {};
        if (::fstat(fd, &info) != 0)
            m_readProblem = systemError(errno);
        else if (!S_ISREG(info.st_mode))
            m_readProblem = tr("It is not a file.");
        else if (info.st_size > MaxBytes)
            m_readProblem = tooLarge();
        else
            content = readAll(fd, info.st_size, m_readProblem);
    }
    if (!m_readProblem.isEmpty())
        return std::nullopt;
    return content;
}

void StoreFile::parse(QByteArray content)
{
    // Only a copy that is changed and written compares bytes with the file.
    if (m_scope == Scope::Everything)
        m_contentHash = qHash(content);
    m_copy.clear();
    m_copy.setFileBytes(content.size());
    if (m_scope == Scope::AllButScores)
        content = withoutSection(content, QByteArrayLiteral("[scores]"));
    if (content.isEmpty())
        return;
    const qint64 bytes = m_copy.fileBytes();
    m_copy = StoreMap::fromIni(content);
    if (m_scope == Scope::AllButScores)
        m_copy.remove(QStringLiteral("scores"));
    m_copy.setFileBytes(bytes);
    m_unreadable = unreadableLines(content);
}

std::optional<QByteArray> StoreFile::contentOf(QString &problem)
{
    if (std::optional<QByteArray> content = m_copy.toIni())
        return content;
    // A value of a kind this program never stores (put there by another
    // program): the toolkit writes the file, and what it wrote is checked.
    const QString copyPath = scratchFile();
    const auto remove = qScopeGuard([&] { QFile::remove(copyPath); });
    qsizetype keys = 0;
    {
        QSettings copy(copyPath, QSettings::IniFormat);
        const QStringList all = m_copy.allKeys();
        for (const QString &key : all)
            copy.setValue(key, m_copy.value(key));
        copy.sync();
        keys = copy.allKeys().size();
    }
    QFile written(copyPath);
    QByteArray content;
    if (written.open(QIODevice::ReadOnly))
        content = written.readAll();
    // A copy cut short (a full disk) loses keys at its end.
    if (keyLines(content) != keys || (!content.isEmpty() && !content.endsWith('\n'))) {
        problem = tr("No working copy can be made in %1.").arg(QDir::toNativeSeparators(m_scratch.path()));
        return std::nullopt;
    }
    return content;
}

StoreFile::Outcome StoreFile::change(const std::function<void(StoreMap &)> &apply, const StoreLock::Waiting &waiting)
{
    // A copy without the score records would write a file without them.
    Q_ASSERT(m_scope == Scope::Everything);
    if (m_scope != Scope::Everything)
        return {false, tr("Only part of the settings was read."), {}};
    const StoreLock lock(QFileInfo(m_path).absolutePath(), waiting);
    if (!lock.isHeld())
        return {false, lock.problem(), {}};
    // Whether another program has written since is told by the file's bytes,
    // read afresh under the lock: a network file system may answer questions
    // about a file (its size and times) from what it remembers, but gives the
    // bytes of a file opened now as the server has them. Only when they have
    // changed are they parsed again.
    const int fd = openForReading(m_path);
    const std::optional<size_t> known = m_readProblem.isEmpty() ? m_contentHash : std::nullopt;
    std::optional<QByteArray> found = readFrom(fd, fd < 0 ? errno : 0);
    // What could not be read is never replaced by what was.
    if (!found) {
        m_copy.clear();
        return {false, m_readProblem, {}};
    }
    const QByteArray before = *found; // shared, not copied
    if (known && *known == qHash(before)) {
        m_contentHash = known;
        m_copy.setFileBytes(before.size());
    } else {
        parse(std::move(*found));
    }

    // A change that leaves the keys, or else every byte, as they were has
    // nothing to write; lines that could not be read go with the next write.
    const quint64 edits = m_copy.edits();
    apply(m_copy);
    if (m_copy.edits() == edits)
        return {true, {}, {}};
    QString problem;
    const std::optional<QByteArray> content = contentOf(problem);
    if (content && *content == before && m_unreadable.isEmpty())
        return {true, {}, {}};
    const QFileInfo file(m_path);
    const QString target = file.isSymLink() ? file.symLinkTarget() : m_path;
    if (!content || !(problem = SafeFile::replace(target, *content, [&lock] { return lock.stillHeld(); })).isEmpty()) {
        // The change is dropped with the copy that holds it.
        forget();
        return {false, problem, {}};
    }
    const int written = openForReading(m_path);
    pin(written);
    m_copy.setFileBytes(content->size());
    m_contentHash = qHash(*content);
    if (written < 0 || m_identity.size != content->size())
        forget();
    return {true, {}, std::exchange(m_unreadable, {})};
}

QList<int> StoreFile::unreadableLines(const QByteArray &content)
{
    QList<int> lines;
    int number = 0;
    for (qsizetype start = 0; start <= content.size();) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        ++number;
        const QByteArrayView line = QByteArrayView(content).sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        const bool readable = line.startsWith('[') ? line.contains(']') : line.contains('=');
        if (!readable)
            lines.append(number);
    }
    return lines;
}
