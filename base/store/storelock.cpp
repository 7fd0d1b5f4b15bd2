// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/store/storelock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>

#include <atomic>
#include <sys/stat.h>

namespace {

// A holder that is quick is waited for without a word; after this long the
// wait is shown.
constexpr qint64 QuietWaitMs = 300;
// Asked again soon at first, then less and less often: on a network home each
// look at the lock is a call to the file server.
constexpr int FirstPauseUs = 1000;
constexpr int LongestPauseUs = 100000;
// A lock file that cannot be made for this long, though none is there to
// wait for, cannot be made at all.
constexpr qint64 RefusedForMs = 5000;

std::atomic<qint64> otherComputerAfter{StoreLock::OtherComputerAfterMs};

QString tr(const char *text)
{
    return QCoreApplication::translate("StoreLock", text);
}

struct LockFileState
{
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modified = 0;
    qint64 changed = 0;
    QByteArray content;
    bool operator==(const LockFileState &o) const
    {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size && modified == o.modified
            && changed == o.changed && content == o.content;
    }
};

qint64 nanoseconds(const struct timespec &time)
{
    return static_cast<qint64>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

LockFileState lookAt(const QString &path)
{
    LockFileState state;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return state;
    state = {true, quint64(info.st_dev), quint64(info.st_ino), info.st_size, nanoseconds(info.st_mtim),
             nanoseconds(info.st_ctim), {}};
    QFile file(path);
    // A lock file is a few short lines; more is not a lock file.
    if (file.open(QIODevice::ReadOnly))
        state.content = file.read(4096);
    return state;
}

// Who a lock file names: its process and computer, as the toolkit writes them.
struct Holder
{
    bool named = false;
    QString host;
    bool thisComputer = false;
};

Holder holderOf(const QByteArray &content)
{
    const QList<QByteArray> lines = content.split('\n');
    bool isNumber = false;
    if (lines.size() < 3 || lines.at(0).toLongLong(&isNumber) <= 0 || !isNumber)
        return {};
    Holder holder{true, QString::fromUtf8(lines.at(2)), false};
    // The toolkit tells computers apart by their machine identity when the file has one.
    const QByteArray id = lines.size() > 3 ? lines.at(3) : QByteArray();
    const QByteArray ours = QSysInfo::machineUniqueId();
    holder.thisComputer = !id.isEmpty() && !ours.isEmpty() ? id == ours
                                                           : holder.host.isEmpty() || holder.host == QSysInfo::machineHostName();
    return holder;
}

} // namespace

// Watches one lock file that another program holds, and tells when it may be
// taken over: it has stayed the same, and so has the store, for long enough
// on this program's own clock.
class StoreLock::Watch
{
public:
    Watch(const QString &lock, const QString &store)
        : m_lock(lock)
        , m_store(store)
    {
    }

    // Looks again; returns how long it may stay unchanged, or 0 for a holder
    // that is waited for whatever it takes (a live program on this computer).
    qint64 look(Holder &holder)
    {
        const LockFileState now = lookAt(m_lock);
        struct stat info {};
        const bool storeThere = ::stat(QFile::encodeName(m_store).constData(), &info) == 0;
        const QByteArray storeNow = storeThere ? QByteArray::number(quint64(info.st_ino)) + ':'
                + QByteArray::number(qint64(info.st_size)) + ':' + QByteArray::number(nanoseconds(info.st_mtim))
                                               : QByteArray();
        if (!m_clock.isValid() || !(now == m_last) || storeNow != m_storeLast) {
            m_last = now;
            m_storeLast = storeNow;
            m_clock.start();
        }
        holder = holderOf(now.content);
        if (!now.exists)
            return 0;
        if (!holder.named)
            return StoreLock::DamagedAfterMs;
        return holder.thisComputer ? 0 : otherComputerAfter.load();
    }
    qint64 unchangedFor() const { return m_clock.elapsed(); }
    const QString &path() const { return m_lock; }
    const LockFileState &last() const { return m_last; }

private:
    QString m_lock;
    QString m_store;
    LockFileState m_last;
    QByteArray m_storeLast;
    QElapsedTimer m_clock;
};

namespace {

// Removes a lock file found stale. Two programs that both found it so must not
// both remove it, or the second would remove the first one's new lock: the
// removal is itself done under a lock, and the file looked at again.
void removeStale(const QString &path, const LockFileState &seen)
{
    QLockFile removal(path + QStringLiteral(".rmlock"));
    removal.setStaleLockTime(0);
    if (removal.tryLock(0) && lookAt(path) == seen)
        QFile::remove(path);
}

} // namespace

QString StoreLock::programLockName()
{
    return QStringLiteral("Brightsum.update.lock");
}

QString StoreLock::toolkitLockName()
{
    return QStringLiteral("Brightsum.conf.lock");
}

void StoreLock::setOtherComputerAfter(qint64 ms)
{
    otherComputerAfter = ms;
}

StoreLock::StoreLock(const QString &folder, const Waiting &waiting)
{
    if (!QDir().mkpath(folder)) {
        m_problem = tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder));
        return;
    }
    m_folder = folder;
    const QString programPath = folder + QLatin1Char('/') + programLockName();
    const QString toolkitPath = folder + QLatin1Char('/') + toolkitLockName();
    m_program = std::make_unique<QLockFile>(programPath);
    m_toolkit = std::make_unique<QLockFile>(toolkitPath);
    bool waited = false;
    const QString store = folder + QStringLiteral("/Brightsum.conf");
    Watch programWatch(programPath, store);
    Watch toolkitWatch(toolkitPath, store);
    m_held = take(*m_program, programWatch, toolkitWatch, waiting, waited, m_programTaken)
        && take(*m_toolkit, toolkitWatch, programWatch, waiting, waited, m_toolkitTaken);
    if (waited && waiting)
        waiting(Wait::Over, {});
    if (!m_held)
        m_program->unlock();
}

StoreLock::~StoreLock()
{
    if (m_held) {
        m_toolkit->unlock();
        m_program->unlock();
    }
}

bool StoreLock::stillHeld() const
{
    auto same = [](const QString &path, const Taken &taken) {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 && quint64(info.st_dev) == taken.device
            && quint64(info.st_ino) == taken.inode;
    };
    return m_held && same(m_folder + QLatin1Char('/') + programLockName(), m_programTaken)
        && same(m_folder + QLatin1Char('/') + toolkitLockName(), m_toolkitTaken);
}

bool StoreLock::take(QLockFile &lock, Watch &watch, Watch &other, const Waiting &waiting, bool &waited, Taken &taken)
{
    // The toolkit overrules a holder whose process has ended on this computer;
    // every other holder is judged here.
    lock.setStaleLockTime(0);
    const QString path = watch.path();
    QElapsedTimer clock;
    clock.start();
    int pause = FirstPauseUs;
    qint64 lastTold = -1;
    for (;;) {
        if (lock.tryLock(0)) {
            struct stat info {};
            if (::stat(QFile::encodeName(path).constData(), &info) == 0)
                taken = {quint64(info.st_dev), quint64(info.st_ino)};
            return true;
        }
        switch (lock.error()) {
        case QLockFile::LockFailedError:
            break;
        case QLockFile::PermissionError:
            m_problem = tr("The lock file %1 cannot be made.").arg(QDir::toNativeSeparators(path));
            return false;
        default:
            // A network file system may answer "cannot" where another
            // computer's lock file is there but not yet seen here: that is
            // waited for like any lock, and only a lasting refusal is a problem.
            if (clock.elapsed() >= RefusedForMs) {
                m_problem = tr("The lock file %1 cannot be used.").arg(QDir::toNativeSeparators(path));
                return false;
            }
            break;
        }
        // Each program waits a time of its own, so programs waiting together take turns.
        QThread::usleep(quint64(pause / 2 + int(QRandomGenerator::global()->bounded(pause))));
        pause = std::min(pause * 2, LongestPauseUs);

        Holder holder;
        const qint64 allowed = watch.look(holder);
        Holder ignored;
        other.look(ignored);
        if (allowed > 0 && watch.unchangedFor() >= allowed) {
            removeStale(path, watch.last());
            continue;
        }
        // A lock file that names no holder is taken over in a moment, without a word.
        if (clock.elapsed() < QuietWaitMs || !waiting || clock.elapsed() - lastTold < 100 || !holder.named)
            continue;
        lastTold = clock.elapsed();
        const bool keepWaiting = waiting(waited ? Wait::StillWaiting : Wait::Started,
                                         holder.named && !holder.thisComputer ? holder.host : QString());
        waited = true;
        if (!keepWaiting)
            return false;
    }
}
