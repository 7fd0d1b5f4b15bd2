// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/storelock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

namespace {

// A holder that is quick is waited for without a word; after this long the
// wait is shown.
constexpr int QuietWaitMs = 300;
constexpr int PollMs = 100;
// A lock file is written whole as it is made; one that still holds no holder
// after this long was left damaged.
constexpr qint64 DamagedAfterMs = 1000;

QString tr(const char *text)
{
    return QCoreApplication::translate("StoreLock", text);
}

// A lock file that exists but names no holder (empty, or garbage) was left by a
// program that failed while making it, or was put there by hand.
bool isDamaged(QLockFile &lock, const QString &path)
{
    qint64 pid = 0;
    QString host, program;
    if (lock.getLockInfo(&pid, &host, &program) && pid > 0)
        return false;
    const QFileInfo file(path);
    return file.exists() && file.lastModified().msecsTo(QDateTime::currentDateTime()) > DamagedAfterMs;
}

// Removes a damaged lock file. Two programs that both found it damaged must not
// both remove it, or the second would remove the first one's new lock: the
// removal is itself done under a lock, and the file looked at again.
void removeDamaged(QLockFile &lock, const QString &path)
{
    QLockFile removal(path + QStringLiteral(".rmlock"));
    if (removal.tryLock(0) && isDamaged(lock, path))
        lock.removeStaleLockFile();
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

StoreLock::StoreLock(const QString &folder, const Waiting &waiting)
{
    if (!QDir().mkpath(folder)) {
        m_problem = tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder));
        return;
    }
    m_folder = folder;
    m_program = std::make_unique<QLockFile>(folder + QLatin1Char('/') + programLockName());
    m_toolkit = std::make_unique<QLockFile>(folder + QLatin1Char('/') + toolkitLockName());
    bool waited = false;
    m_held = take(*m_program, waiting, waited) && take(*m_toolkit, waiting, waited);
    if (waited)
        waiting(Wait::Over);
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

bool StoreLock::take(QLockFile &lock, const Waiting &waiting, bool &waited)
{
    // A live holder is never overruled, however long it holds the lock; one
    // whose process has ended is (the lock file names its process).
    lock.setStaleLockTime(0);
    const QString path = m_folder + QLatin1Char('/') + (&lock == m_program.get() ? programLockName() : toolkitLockName());
    QElapsedTimer clock;
    clock.start();
    qint64 lastLook = 0;
    for (;;) {
        if (lock.tryLock(0))
            return true;
        switch (lock.error()) {
        case QLockFile::LockFailedError:
            break;
        case QLockFile::PermissionError:
            m_problem = tr("The lock file %1 cannot be made.").arg(QDir::toNativeSeparators(path));
            return false;
        default:
            m_problem = tr("The lock file %1 cannot be used.").arg(QDir::toNativeSeparators(path));
            return false;
        }
        // Changes take milliseconds: the lock is asked for again soon, at a
        // moment of its own, so that programs waiting together take turns.
        QThread::usleep(500 + QRandomGenerator::global()->bounded(2500));
        if (clock.elapsed() - lastLook < PollMs)
            continue;
        lastLook = clock.elapsed();
        if (isDamaged(lock, path)) {
            removeDamaged(lock, path);
            continue;
        }
        if (clock.elapsed() < QuietWaitMs || !waiting)
            continue;
        const bool keepWaiting = waiting(waited ? Wait::StillWaiting : Wait::Started);
        waited = true;
        if (!keepWaiting) {
            m_problem = tr("Another Brightsum kept the settings busy.");
            return false;
        }
    }
}
