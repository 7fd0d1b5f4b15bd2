// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/recordsharing.h"

#include "base/store/store.h"
#include "users/sharedfolder.h"

#include <QDir>
#include <QEventLoop>
#include <QMutex>
#include <QPointer>
#include <QThread>

// The thread sends each round's outcome back only while this object lives.
struct RecordSharing::Link
{
    QMutex mutex;
    RecordSharing *target = nullptr;
};

RecordSharing::RecordSharing(QObject *parent)
    : QObject(parent)
    , m_round(std::make_shared<SharingRound>())
    , m_link(std::make_shared<Link>())
{
    m_link->target = this;
    m_soon.setSingleShot(true);
    connect(&m_soon, &QTimer::timeout, this, [this] { ask(false); });
    connect(&m_every, &QTimer::timeout, this, [this] { ask(false); });
    connect(&StoreEvents::instance(), &StoreEvents::recordsChanged, this, &RecordSharing::recordsChanged);
}

RecordSharing::~RecordSharing()
{
    {
        QMutexLocker lock(&m_link->mutex);
        m_link->target = nullptr;
    }
    if (!m_thread)
        return;
    m_thread->quit();
    // A round stuck on a folder that no longer answers is left to end with the program.
    if (m_thread->wait(2000)) {
        delete m_beside;
        delete m_thread;
    }
}

QString RecordSharing::folder()
{
    return Store::value(Keys::sharingFolder).toString();
}

bool RecordSharing::setFolder(const QString &folder)
{
    StoreChange change = folder.isEmpty()
        ? StoreChange::removing(Keys::sharingFolder)
        : StoreChange::setting(Keys::sharingFolder, QDir::cleanPath(QDir(folder).absolutePath()));
    if (!folder.isEmpty() && !SharedFolder::isIdentity(Store::value(Keys::sharingIdentity).toString()))
        change.then(StoreChange::setting(Keys::sharingIdentity, SharedFolder::newIdentity()));
    return Store::update(change);
}

void RecordSharing::restart()
{
    if (folder().isEmpty()) {
        m_soon.stop();
        m_every.stop();
        return;
    }
    m_every.start(EveryMs);
    ask(true);
}

void RecordSharing::shareNow()
{
    ask(true);
}

bool RecordSharing::finish(int limitMs)
{
    m_soon.stop();
    ask(false);
    if (m_running || m_wanted) {
        QEventLoop loop;
        QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
        connect(this, &RecordSharing::roundDone, &loop, [&] {
            if (!m_running && !m_wanted)
                loop.quit();
        });
        loop.exec();
    }
    return !m_running && !m_wanted && m_lastWritten;
}

void RecordSharing::recordsChanged()
{
    if (folder().isEmpty() || !Store::recordsRead())
        return;
    const QList<ScoreRecord> &records = Store::records();
    const qsizetype own = std::count_if(records.cbegin(), records.cend(),
                                        [](const ScoreRecord &record) { return record.origin.isEmpty(); });
    // Records cleared here: every other computer's file is read again.
    if (records.size() < m_recordsSeen)
        m_everything = true;
    // Records made here are shared a few seconds later, together with any made meanwhile.
    if (m_ownSeen >= 0 && own != m_ownSeen && !m_soon.isActive())
        m_soon.start(SoonMs);
    m_recordsSeen = records.size();
    m_ownSeen = own;
    if (m_wanted && !m_running)
        ask(false);
}

void RecordSharing::ask(bool everything)
{
    if (folder().isEmpty())
        return;
    m_everything = m_everything || everything;
    if (m_running) {
        m_wanted = true;
        return;
    }
    startRound();
}

void RecordSharing::startRound()
{
    // Until the records are read there is nothing to share, and a store that
    // cannot be read shares nothing: its file would lose the records it holds.
    if (!Store::recordsRead() || !Store::readProblem().isEmpty()) {
        m_wanted = true;
        return;
    }
    m_wanted = false;
    QString identity = Store::value(Keys::sharingIdentity).toString();
    if (!SharedFolder::isIdentity(identity)) {
        identity = SharedFolder::newIdentity();
        Store::post(StoreChange::setting(Keys::sharingIdentity, identity));
    }
    SharingRound::Input input{folder(), identity, Store::records(), std::exchange(m_everything, false)};
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("Record sharing"));
        m_beside = new QObject;
        m_beside->moveToThread(m_thread);
        m_thread->start();
    }
    m_running = true;
    QMetaObject::invokeMethod(m_beside, [round = m_round, link = m_link, input = std::move(input)] {
        const SharingRound::Outcome outcome = round->run(input);
        QMutexLocker lock(&link->mutex);
        if (RecordSharing *target = link->target)
            QMetaObject::invokeMethod(target, [target, outcome] { target->arrived(outcome); }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void RecordSharing::arrived(const SharingRound::Outcome &outcome)
{
    for (const QString &message : outcome.told)
        Q_EMIT told(message);
    if (outcome.cloned) {
        Store::post(StoreChange::setting(Keys::sharingIdentity, SharedFolder::newIdentity()));
        m_wanted = true;
        roundOver(false);
        return;
    }
    if (outcome.change.isEmpty()) {
        roundOver(outcome.written);
        return;
    }
    // Written beside the window, which sees the records once they are.
    Store::postUnshown(outcome.change, [self = QPointer<RecordSharing>(this), read = outcome.read,
                                        written = outcome.written](bool merged) {
        if (!self)
            return;
        if (merged)
            QMetaObject::invokeMethod(self->m_beside, [round = self->m_round, read] { round->merged(read); },
                                      Qt::QueuedConnection);
        self->roundOver(written);
    });
}

void RecordSharing::roundOver(bool written)
{
    m_running = false;
    m_lastWritten = written;
    Q_EMIT roundDone(written);
    if (m_wanted)
        ask(false);
}
