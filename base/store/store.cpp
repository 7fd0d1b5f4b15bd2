// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/store/store.h"

#include "base/safefile.h"
#include "base/store/scorerecord.h"
#include "base/store/storefile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace {

// When an ending program stops waiting for another program's lock, on the
// monotonic clock of QDeadlineTimer; "forever" until then.
std::atomic<qint64> giveUpAt{std::numeric_limits<qint64>::max()};
constexpr qint64 JournalsKept = 16;

// Where a change that update() waits for has got to: one that has not
// started yet can be given up at once, and one that has, while it waits.
enum Phase : int { Queued, Running, Cancelled };

bool givingUp()
{
    return QDeadlineTimer::current().deadline() >= giveUpAt.load();
}

// What the store's thread knows after a change or a reading of the file.
struct Snapshot
{
    quint64 settled = 0; // the last change done
    StoreFile::Identity identity;
    StoreMap light; // every key but the score records
    QList<ScoreRecord> records;
    QString readProblem;
};

struct Outcome
{
    bool written = true;
    bool givenUp = false; // left unwritten by choice (the program is ending, or the person would not wait)
    QString problem;
    QList<int> repairedLines;
    int journaled = 0; // changes of earlier programs' journals now written
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
        ScoreRecords::readInto(m_records, all);
        return {settled, m_file.identity(), all.without(Keys::scoresGroup), m_records, m_file.readProblem()};
    }
};

struct Pending
{
    quint64 number;
    Store::Change change;
    std::function<void(bool)> done;
    bool shown; // applied to the view at once
};

struct State
{
    QString path;
    std::unique_ptr<StoreFile> light;
    StoreMap view;
    StoreFile::Identity viewIdentity;
    QString viewProblem;
    QList<ScoreRecord> records;
    bool recordsRead = false;
    QList<Pending> pending;
    QList<Store::Change> givenUp; // for the journal
    quint64 posted = 0;
    quint64 settled = 0;
    bool lockWaitShown = false;
    QString lockHolder;

    QThread *thread = nullptr;
    Worker *worker = nullptr;
    QObject *home = nullptr; // lives on the windows' thread, to receive the outcomes

    std::function<void(const QString &)> failed;
    std::function<void(const QList<int> &)> repaired;
    std::function<void(bool, const QString &)> waiting;
    std::function<bool(const QString &, const std::function<bool()> &)> blockingWait;
    std::function<void(int)> journaled;
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

QString journalPrefix()
{
    return QStringLiteral("Brightsum.pending-");
}

void shutDown();

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

// How a change waits for another program's lock: the windows are told, and it
// gives up when it is cancelled or the program is ending.
StoreLock::Waiting waitingFor(const std::shared_ptr<std::atomic<int>> &phase)
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

// The journals that ending programs left beside the store, written into it in
// one change each, and then removed. The store keeps the names of the last
// ones written, so a journal is never written twice, even when a program ends
// between writing the store and removing the journal.
Outcome writeJournals(Worker &worker, const QString &folder, const StoreLock::Waiting &waiting)
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

State &started()
{
    State &s = state();
    if (s.thread)
        return s;
    s.path = storePath();
    s.light = std::make_unique<StoreFile>(s.path, StoreFile::Scope::AllButScores);
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
    // Once the window's event loop runs, beside it: what earlier programs left
    // in journals is written, and the score records are read.
    QMetaObject::invokeMethod(
        s.home,
        [] {
            onWorker([folder = QFileInfo(state().path).absolutePath(), waiting = waitingFor(nullptr)](Worker &worker) {
                return writeJournals(worker, folder, waiting);
            }, state().settled);
        },
        Qt::QueuedConnection);
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

void processUntil(const std::function<bool()> &done, QEventLoop::ProcessEventsFlags flags)
{
    while (!done())
        QCoreApplication::processEvents(flags | QEventLoop::WaitForMoreEvents);
}

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
    s.settled = s.posted;
    s.lockWaitShown = false;
}

void shutDown()
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

quint64 Store::settled()
{
    return state().settled;
}

quint64 Store::posted()
{
    return state().posted;
}

void Store::waitForPending()
{
    if (!state().thread)
        return;
    processUntil([] { return state().settled >= state().posted && state().recordsRead; },
                 QEventLoop::ExcludeUserInputEvents);
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

void Store::reopen()
{
    waitForPending();
    shutDown();
}
