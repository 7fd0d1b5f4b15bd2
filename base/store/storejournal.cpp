// SPDX-License-Identifier: GPL-3.0-or-later
// The store when a program ends: it waits for its changes a while at most, and
// keeps those it could not write in a journal beside the store, which the next
// program to start writes into it once.

#include "base/safefile.h"
#include "base/store/storethread.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <QTimer>

using namespace StoreThread;

namespace {

constexpr qint64 JournalsKept = 16;

QString journalPrefix()
{
    return QStringLiteral("Brightsum.pending-");
}

} // namespace

// The journals that ending programs left beside the store, written into it in
// one change each, and then removed. The store keeps the names of the last
// ones written, so a journal is never written twice, even when a program ends
// between writing the store and removing the journal.
Outcome StoreThread::writeJournals(Worker &worker, const QString &folder, const StoreLock::Waiting &waiting)
{
    Outcome outcome;
    const QFileInfoList journals =
        QDir(folder).entryInfoList({journalPrefix() + QLatin1Char('*')}, QDir::Files, QDir::Name | QDir::Time);
    for (const QFileInfo &journal : journals) {
        QFile file;
        if (!SafeFile::openRegular(file, journal.absoluteFilePath()))
            continue;
        const std::optional<QList<StoreChange>> changes = StoreChange::fromBytes(file.readAll());
        file.close();
        if (!changes) {
            outcome.problem = QCoreApplication::translate("Store", "The changes kept in %1 cannot be read.")
                                  .arg(QDir::toNativeSeparators(journal.absoluteFilePath()));
            continue;
        }
        const QString name = journal.fileName();
        const StoreFile::Outcome written = worker.m_file.change(
            [&](StoreMap &store) {
                QStringList done = store.value(Keys::journalsWritten).toStringList();
                if (done.contains(name))
                    return;
                for (const StoreChange &change : *changes)
                    change.applyTo(store);
                done.append(name);
                store.setValue(Keys::journalsWritten, done.mid(std::max<qsizetype>(0, done.size() - JournalsKept)));
                outcome.journaled += int(changes->size());
            },
            waiting);
        if (!written.written) {
            outcome.journaled = 0;
            if (!written.problem.isEmpty())
                outcome.problem = written.problem;
            break;
        }
        QFile::remove(journal.absoluteFilePath());
    }
    outcome.written = outcome.problem.isEmpty();
    return outcome;
}

namespace {

QString journalName()
{
    return journalPrefix() + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss-"))
        + QString::number(QRandomGenerator::system()->generate64(), 16);
}

// Keeps the changes given up in a journal beside the store.
Store::Finished keepGivenUp()
{
    State &s = state();
    Store::Finished finished;
    for (const Pending &change : std::as_const(s.pending))
        s.givenUp.append(change.change);
    s.givenUp.removeIf([](const Store::Change &change) { return change.isEmpty(); });
    if (s.givenUp.isEmpty())
        return finished;
    const QString path = QFileInfo(s.path).absolutePath() + QLatin1Char('/') + journalName();
    const std::optional<QByteArray> journal = StoreChange::toBytes(s.givenUp);
    if (!journal)
        finished.problem = QCoreApplication::translate("Store", "A change of this kind cannot be kept for later.");
    else if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        finished.problem = QCoreApplication::translate("Store", "The folder %1 cannot be made.")
                               .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    else
        finished.problem = SafeFile::replace(path, *journal);
    finished.kept = finished.problem.isEmpty() ? int(s.givenUp.size()) : 0;
    s.givenUp.clear();
    return finished;
}

void stopThread()
{
    State &s = state();
    QMetaObject::invokeMethod(s.worker, [thread = s.thread] { thread->quit(); }, Qt::QueuedConnection);
    s.thread->wait();
    // What the thread sent back last.
    QCoreApplication::sendPostedEvents(s.home);
    delete s.worker;
    delete s.thread;
    delete s.home;
    s.worker = nullptr;
    s.thread = nullptr;
    s.home = nullptr;
    s.light.reset();
    s.view.clear();
    s.viewIdentity = {};
    s.viewProblem.clear();
    s.records.clear();
    s.recordsRead = false;
    s.firstReadingBegun = false;
    s.settled = s.posted;
    s.lockWaitShown = false;
}

} // namespace

void StoreThread::shutDown()
{
    State &s = state();
    if (!s.thread)
        return;
    // Without an event loop any more: the thread does every change sent to it,
    // giving up waiting for other programs once the time is up.
    giveUpAt = std::min(giveUpAt.load(), QDeadlineTimer(Store::LastWaitMs).deadline());
    stopThread();
    const Store::Finished finished = keepGivenUp();
    if (!finished.problem.isEmpty())
        qWarning("Changes to the settings could not be kept: %s", qPrintable(finished.problem));
    s.pending.clear();
    giveUpAt = std::numeric_limits<qint64>::max();
}

Store::Finished Store::finish(qint64 limitMs, const std::function<bool()> &leaveNow)
{
    State &s = state();
    if (!s.thread)
        return {};
    giveUpAt = QDeadlineTimer(limitMs).deadline();
    // Woken now and then, to look at the time and at whether to leave now.
    QTimer tick;
    tick.start(100);
    processUntil([&] {
        if (leaveNow && leaveNow())
            giveUpAt = QDeadlineTimer::current().deadline();
        return s.settled >= s.posted;
    }, QEventLoop::AllEvents);
    const Finished finished = keepGivenUp();
    s.pending.clear();
    giveUpAt = std::numeric_limits<qint64>::max();
    return finished;
}

void Store::reopen()
{
    waitForPending();
    shutDown();
}
