// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/store/store.h"

#include "base/store/storethread.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QThread>

#include <atomic>
#include <memory>

using namespace StoreThread;

namespace {

// Where the toolkit keeps the store of this user ("Halvane", "Brightsum"). It is
// asked for a neighbouring file that never exists, because making the store's
// own settings object reads the file, which must first be known to be one.
QString storePath()
{
    const QSettings neighbour(QSettings::UserScope, QStringLiteral("Halvane"), QStringLiteral("Brightsum.location"));
    return QFileInfo(neighbour.fileName()).absolutePath() + QStringLiteral("/Brightsum.conf");
}

// The view is the last snapshot with the changes not yet done applied again.
void rebase(const Snapshot &snapshot, bool dropped)
{
    State &s = state();
    s.view = snapshot.light;
    s.viewIdentity = snapshot.identity;
    s.viewProblem = snapshot.readProblem;
    for (const Pending &change : std::as_const(s.pending)) {
        if (change.shown)
            change.change.applyTo(s.view);
    }
    s.view.remove(Keys::scoresGroup);
    // A dropped change takes back what it showed at once: a record, a list of topics.
    const bool recordsChanged = dropped || !s.recordsRead || s.records != snapshot.records;
    s.records = snapshot.records;
    s.recordsRead = true;
    if (recordsChanged)
        Q_EMIT StoreEvents::instance().recordsChanged();
}

// On the windows' thread, once the store's thread has done a change or read the file.
void arrive(const Snapshot &snapshot, const Outcome &outcome)
{
    State &s = state();
    std::function<void(bool)> done;
    while (!s.pending.isEmpty() && s.pending.constFirst().number <= snapshot.settled) {
        if (s.pending.constFirst().number == snapshot.settled) {
            // A change kept for the next start has not failed: it is not told so.
            if (outcome.givenUp && givingUp() && !s.pending.constFirst().change.isEmpty())
                s.givenUp.append(s.pending.constFirst().change);
            else
                done = s.pending.constFirst().done;
        }
        s.pending.removeFirst();
    }
    s.settled = std::max(s.settled, snapshot.settled);
    // A change given up because the program is ending is not taken back: it is kept.
    rebase(snapshot, !outcome.written && !(outcome.givenUp && givingUp()));
    if (!outcome.written && !outcome.givenUp && s.failed)
        s.failed(outcome.problem);
    if (!outcome.repairedLines.isEmpty() && s.repaired)
        s.repaired(outcome.repairedLines);
    if (outcome.journaled > 0 && s.journaled)
        s.journaled(outcome.journaled);
    if (done)
        done(outcome.written);
}

} // namespace

State &StoreThread::state()
{
    static State instance;
    return instance;
}

// Runs on the store's thread and sends what it knows then back.
void StoreThread::onWorker(const std::function<Outcome(Worker &)> &job, quint64 number)
{
    State &s = state();
    QObject *home = s.home;
    Worker *worker = s.worker;
    QMetaObject::invokeMethod(worker, [job, number, home, worker] {
        const Outcome outcome = job(*worker);
        Snapshot snapshot = worker->snapshot(number);
        QMetaObject::invokeMethod(home, [snapshot = std::move(snapshot), outcome] { arrive(snapshot, outcome); },
                                  Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

// How a change waits for another program's lock: the windows are told, and it
// gives up when it is cancelled or the program is ending.
StoreLock::Waiting StoreThread::waitingFor(const std::shared_ptr<std::atomic<int>> &phase)
{
    return [home = state().home, phase](StoreLock::Wait wait, const QString &holder) {
        if (wait != StoreLock::Wait::StillWaiting) {
            QMetaObject::invokeMethod(home, [wait, holder] {
                State &s = state();
                s.lockWaitShown = wait == StoreLock::Wait::Started;
                s.lockHolder = holder;
                if (s.waiting)
                    s.waiting(s.lockWaitShown, holder);
            }, Qt::QueuedConnection);
        }
        return !givingUp() && !(phase && *phase == Cancelled);
    };
}

void StoreThread::processUntil(const std::function<bool()> &done, QEventLoop::ProcessEventsFlags flags)
{
    while (!done())
        QCoreApplication::processEvents(flags | QEventLoop::WaitForMoreEvents);
}

namespace {

// Once the window's event loop runs, beside it: what earlier programs left in
// journals is written, and the score records are read.
void beginFirstReading()
{
    State &s = state();
    if (s.firstReadingBegun)
        return;
    s.firstReadingBegun = true;
    QMetaObject::invokeMethod(
        s.home,
        [] {
            onWorker([folder = QFileInfo(state().path).absolutePath(), waiting = waitingFor(nullptr)](Worker &worker) {
                return writeJournals(worker, folder, waiting);
            }, state().settled);
        },
        Qt::QueuedConnection);
}

State &started()
{
    State &s = state();
    if (s.thread)
        return s;
    std::unique_ptr<StoreFile> ahead = s.lightAhead.valid() ? s.lightAhead.get() : nullptr;
    s.path = ahead ? ahead->path() : storePath();
    // Read here unless read ahead, and again when it could not be read: why
    // was told then before the program's language was chosen.
    s.light = ahead && ahead->readProblem().isEmpty()
                  ? std::move(ahead)
                  : std::make_unique<StoreFile>(s.path, StoreFile::Scope::AllButScores);
    s.view = s.light->current();
    s.viewIdentity = s.light->identity();
    s.viewProblem = s.light->readProblem();
    s.home = new QObject;
    s.thread = new QThread;
    s.thread->setObjectName(QStringLiteral("Settings store"));
    s.worker = new Worker(s.path);
    s.worker->moveToThread(s.thread);
    s.thread->start();
    // Writes still waiting when the program ends are done before it ends.
    static bool registered = false;
    if (!registered)
        qAddPostRoutine(shutDown);
    registered = true;
    if (!s.holdFirstReading)
        beginFirstReading();
    return s;
}

// The view, read afresh when another program has changed the file, or when a
// file that could not be read is due to be tried again.
const StoreMap &view()
{
    State &s = started();
    const bool retry = !s.viewProblem.isEmpty() && !s.light->isCurrent();
    if (s.pending.isEmpty() && (retry || !(StoreFile::identityOf(s.path) == s.viewIdentity))) {
        s.view = s.light->current();
        s.viewIdentity = s.light->identity();
        s.viewProblem = s.light->readProblem();
        onWorker([](Worker &) { return Outcome(); }, s.settled);
    }
    return s.view;
}

quint64 send(const Store::Change &change, std::function<void(bool)> done, bool applyHere,
             const std::shared_ptr<std::atomic<int>> &phase = nullptr)
{
    State &s = started();
    const quint64 number = ++s.posted;
    // An update is applied here only once it is written: nothing else changes it meanwhile.
    if (applyHere) {
        change.applyTo(s.view);
        s.view.remove(Keys::scoresGroup);
    }
    s.pending.append({number, change, std::move(done), applyHere});
    onWorker([change, phase, waiting = waitingFor(phase)](Worker &worker) {
        int queued = Queued;
        if (givingUp() || (phase && !phase->compare_exchange_strong(queued, Running)))
            return Outcome{false, true, {}, {}, 0};
        const StoreFile::Outcome outcome =
            worker.m_file.change([&change](StoreMap &store) { change.applyTo(store); }, waiting);
        return Outcome{outcome.written, !outcome.written && outcome.problem.isEmpty(), outcome.problem,
                       outcome.repairedLines, 0};
    }, number);
    return number;
}

} // namespace

StoreEvents &StoreEvents::instance()
{
    static StoreEvents events;
    return events;
}

QVariant Store::value(const QString &key, const QVariant &fallback)
{
    return view().value(key, fallback);
}

bool Store::contains(const QString &key)
{
    return view().contains(key);
}

int Store::intValue(const QString &key, int fallback)
{
    bool ok = false;
    const int value = view().value(key, fallback).toInt(&ok);
    return ok ? value : fallback;
}

int Store::boundedInt(const QString &key, int fallback, int min, int max)
{
    const int value = intValue(key, fallback);
    return value >= min && value <= max ? value : fallback;
}

QStringList Store::stringList(const QString &key)
{
    return view().value(key, QString()).toStringList();
}

void Store::read(const std::function<void(const StoreMap &)> &reader)
{
    reader(view());
}

QString Store::fileName()
{
    return started().path;
}

QString Store::readProblem()
{
    view();
    return state().viewProblem;
}

bool Store::update(const Change &change)
{
    auto written = std::make_shared<bool>(false);
    auto phase = std::make_shared<std::atomic<int>>(Queued);
    const quint64 number = send(change, [written](bool outcome) { *written = outcome; }, false, phase);
    State &s = state();
    auto done = [number] { return state().settled >= number; };
    processUntil([&] { return done() || (s.lockWaitShown && s.blockingWait); }, QEventLoop::ExcludeUserInputEvents);
    if (!done() && !s.blockingWait(s.lockHolder, done)) {
        // Given up: never kept for a later start either.
        for (Pending &pending : s.pending) {
            if (pending.number == number)
                pending.change = {};
        }
        // Not started yet (behind another change that waits): it never will be.
        int queued = Queued;
        if (phase->compare_exchange_strong(queued, Cancelled))
            return false;
        *phase = Cancelled;
    }
    processUntil(done, QEventLoop::ExcludeUserInputEvents);
    return *written;
}

bool Store::removeGroups(const QStringList &groups)
{
    Change change;
    for (const QString &group : groups)
        change.then(Change::removing(group));
    return update(change);
}

quint64 Store::post(const Change &change, std::function<void(bool)> done)
{
    return send(change, std::move(done), true);
}

quint64 Store::postUnshown(const Change &change, std::function<void(bool)> done)
{
    return send(change, std::move(done), false);
}

quint64 Store::settled()
{
    return state().settled;
}

quint64 Store::posted()
{
    return state().posted;
}

void Store::readLater()
{
    state().holdFirstReading = true;
}

void Store::readNow()
{
    state().holdFirstReading = false;
    if (state().thread)
        beginFirstReading();
}

void Store::readAhead()
{
    State &s = state();
    if (s.thread || s.lightAhead.valid())
        return;
    // The toolkit takes the first thread it meets for the main one: this one.
    QThread::currentThread();
    s.lightAhead = std::async(std::launch::async, [] {
        auto light = std::make_unique<StoreFile>(storePath(), StoreFile::Scope::AllButScores);
        light->current();
        return light;
    });
}

void Store::waitForPending()
{
    if (!state().thread)
        return;
    beginFirstReading();
    processUntil([] { return state().settled >= state().posted && state().recordsRead; },
                 QEventLoop::ExcludeUserInputEvents);
}


const QList<ScoreRecord> &Store::records()
{
    view();
    return state().records;
}

bool Store::recordsRead()
{
    view();
    return state().recordsRead;
}

void Store::setWriteFailureHandler(std::function<void(const QString &)> handler)
{
    state().failed = std::move(handler);
}

void Store::setRepairHandler(std::function<void(const QList<int> &)> handler)
{
    state().repaired = std::move(handler);
}

void Store::setWaitHandler(std::function<void(bool, const QString &)> handler)
{
    state().waiting = std::move(handler);
}

void Store::setBlockingWaitHandler(std::function<bool(const QString &, const std::function<bool()> &)> handler)
{
    state().blockingWait = std::move(handler);
}

void Store::setJournalHandler(std::function<void(int)> handler)
{
    state().journaled = std::move(handler);
}
