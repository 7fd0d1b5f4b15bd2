// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/store.h"

#include "users/scorebook.h"
#include "users/storefile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

// Once the program is ending, a change waits at most this long for another
// program's lock before it is given up, so that a program that hangs holding
// the lock cannot keep this one from ending.
constexpr qint64 LastWaitMs = 30000;
std::atomic<bool> ending{false};

// What the store's thread knows after a change or a reading of the file.
struct Snapshot
{
    quint64 settled = 0; // the last change done
    StoreFile::Identity identity;
    StoreMap light; // every key but the score records
    QList<ScoreRecord> records;
};

struct Outcome
{
    bool written = true;
    QString problem;
    QList<int> repairedLines;
};

// Lives on the store's thread: the whole file, and the score records read from it.
class Worker : public QObject
{
public:
    explicit Worker(const QString &path)
        : m_file(path)
    {
    }

    StoreFile m_file;
    QList<ScoreRecord> m_records;

    Snapshot snapshot(quint64 settled)
    {
        const StoreMap &all = m_file.current();
        ScoreBook::readInto(m_records, all);
        return {settled, m_file.identity(), all.without(Keys::scoresGroup), m_records};
    }
};

struct Pending
{
    quint64 number;
    Store::Change change;
    std::function<void(bool)> done;
};

struct State
{
    QString path;
    std::unique_ptr<StoreFile> light;
    StoreMap view;
    StoreFile::Identity viewIdentity;
    QList<ScoreRecord> records;
    bool recordsRead = false;
    QList<Pending> pending;
    quint64 posted = 0;
    quint64 settled = 0;

    QThread *thread = nullptr;
    Worker *worker = nullptr;
    QObject *home = nullptr; // lives on the windows' thread, to receive the outcomes

    std::function<void(const QString &)> failed;
    std::function<void(const QList<int> &)> repaired;
    std::function<void(bool)> waiting;
};

State &state()
{
    static State instance;
    return instance;
}

// Where the toolkit keeps the store of this user ("Halvane", "Brightsum"). It is
// asked for a neighbouring file that never exists, because making the store's
// own settings object reads the file, which must first be known to be one.
QString storePath()
{
    const QSettings neighbour(QSettings::UserScope, QStringLiteral("Halvane"), QStringLiteral("Brightsum.location"));
    return QFileInfo(neighbour.fileName()).absolutePath() + QStringLiteral("/Brightsum.conf");
}

void shutDown();

// The view is the last snapshot with the changes not yet done applied again.
void rebase(const Snapshot &snapshot, bool dropped)
{
    State &s = state();
    s.view = snapshot.light;
    s.viewIdentity = snapshot.identity;
    for (const Pending &change : std::as_const(s.pending))
        change.change(s.view);
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
        if (s.pending.constFirst().number == snapshot.settled)
            done = s.pending.constFirst().done;
        s.pending.removeFirst();
    }
    s.settled = std::max(s.settled, snapshot.settled);
    rebase(snapshot, !outcome.written);
    if (!outcome.written && s.failed)
        s.failed(outcome.problem);
    if (!outcome.repairedLines.isEmpty() && s.repaired)
        s.repaired(outcome.repairedLines);
    if (done)
        done(outcome.written);
}

// Runs on the store's thread and sends what it knows then back.
void onWorker(const std::function<Outcome(Worker &)> &job, quint64 number)
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

State &started()
{
    State &s = state();
    if (s.thread)
        return s;
    s.path = storePath();
    s.light = std::make_unique<StoreFile>(s.path, StoreFile::Scope::AllButScores);
    s.view = s.light->current();
    s.viewIdentity = s.light->identity();
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
    // The records are read beside the window once its event loop runs, so the
    // reading does not compete with building and painting the window.
    QMetaObject::invokeMethod(
        s.home, [] { onWorker([](Worker &) { return Outcome(); }, state().settled); }, Qt::QueuedConnection);
    return s;
}

// The view, read afresh when another program has changed the file.
const StoreMap &view()
{
    State &s = started();
    if (s.pending.isEmpty() && !(StoreFile::identityOf(s.path) == s.viewIdentity)) {
        s.view = s.light->current();
        s.viewIdentity = s.light->identity();
        onWorker([](Worker &) { return Outcome(); }, s.settled);
    }
    return s.view;
}

quint64 send(const Store::Change &change, std::function<void(bool)> done, bool applyHere)
{
    State &s = started();
    const quint64 number = ++s.posted;
    if (applyHere) {
        change(s.view);
        s.view.remove(Keys::scoresGroup);
        s.pending.append({number, change, std::move(done)});
    } else {
        // Applied here only once it is written: nothing else changes it meanwhile.
        s.pending.append({number, [](StoreMap &) {}, std::move(done)});
    }
    std::function<bool(StoreLock::Wait)> waiting = [home = s.home, clock = QElapsedTimer()](StoreLock::Wait wait) mutable {
        if (wait == StoreLock::Wait::Started)
            clock.start();
        if (wait != StoreLock::Wait::StillWaiting)
            QMetaObject::invokeMethod(home, [wait] {
                if (state().waiting)
                    state().waiting(wait == StoreLock::Wait::Started);
            }, Qt::QueuedConnection);
        return !ending || clock.elapsed() < LastWaitMs;
    };
    onWorker([change, waiting](Worker &worker) {
        const StoreFile::Outcome outcome = worker.m_file.change(change, waiting);
        return Outcome{outcome.written, outcome.problem, outcome.repairedLines};
    }, number);
    return number;
}

void waitFor(quint64 number)
{
    while (state().settled < number)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
}

void shutDown()
{
    State &s = state();
    if (!s.thread)
        return;
    // The thread finishes every change sent to it before it ends.
    ending = true;
    QMetaObject::invokeMethod(s.worker, [thread = s.thread] { thread->quit(); }, Qt::QueuedConnection);
    s.thread->wait();
    delete s.worker;
    delete s.thread;
    delete s.home;
    s.worker = nullptr;
    s.thread = nullptr;
    s.home = nullptr;
    s.light.reset();
    s.view.clear();
    s.viewIdentity = {};
    s.records.clear();
    s.recordsRead = false;
    s.pending.clear();
    s.settled = s.posted;
    ending = false;
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

bool Store::update(const Change &change)
{
    bool written = false;
    waitFor(send(change, [&written](bool outcome) { written = outcome; }, false));
    return written;
}

bool Store::removeGroups(const QStringList &groups)
{
    return update([groups](StoreMap &store) {
        for (const QString &group : groups)
            store.remove(group);
    });
}

quint64 Store::post(const Change &change, std::function<void(bool)> done)
{
    return send(change, std::move(done), true);
}

quint64 Store::settled()
{
    return state().settled;
}

void Store::waitForPending()
{
    if (!state().thread)
        return;
    waitFor(state().posted);
    while (!state().recordsRead)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
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

void Store::setWaitHandler(std::function<void(bool)> handler)
{
    state().waiting = std::move(handler);
}

void Store::reopen()
{
    waitForPending();
    shutDown();
}
