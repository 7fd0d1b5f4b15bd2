// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What store.cpp and storejournal.cpp share, and no other file includes: the
// store's thread, what the windows' thread knows of it, and how the two talk.

#include "base/store/scorerecord.h"
#include "base/store/store.h"
#include "base/store/storefile.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QObject>

#include <atomic>
#include <functional>
#include <future>
#include <limits>
#include <memory>

class QThread;

namespace StoreThread {

// When an ending program stops waiting for another program's lock, on the
// monotonic clock of QDeadlineTimer; "forever" until then.
inline std::atomic<qint64> giveUpAt{std::numeric_limits<qint64>::max()};

// Where a change that update() waits for has got to: one that has not
// started yet can be given up at once, and one that has, while it waits.
enum Phase : int { Queued, Running, Cancelled };

inline bool givingUp()
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
    std::future<std::unique_ptr<StoreFile>> lightAhead; // being read (Store::readAhead)
    StoreMap view;
    StoreFile::Identity viewIdentity;
    QString viewProblem;
    QList<ScoreRecord> records;
    bool recordsRead = false;
    bool holdFirstReading = false; // until Store::readNow
    bool firstReadingBegun = false;
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

State &state();
// Runs a job on the store's thread and sends what it knows then back.
void onWorker(const std::function<Outcome(Worker &)> &job, quint64 number);
// How a change waits for another program's lock (see storelock.h).
StoreLock::Waiting waitingFor(const std::shared_ptr<std::atomic<int>> &phase);
void processUntil(const std::function<bool()> &done, QEventLoop::ProcessEventsFlags flags);

// In storejournal.cpp: the journals of earlier programs, written at the start,
// and the end of the store's thread when the program ends.
Outcome writeJournals(Worker &worker, const QString &folder, const StoreLock::Waiting &waiting);
void shutDown();

} // namespace StoreThread
