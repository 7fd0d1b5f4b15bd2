// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/sharinground.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QThread;

// Shares this store's score records with the other computers of a room
// through the folder chosen (SharedFolder), in rounds: once the records are
// first read, a few seconds after records are made here, every two minutes,
// and when asked (shareNow). Each round's files are read and written on a
// thread of its own, so a slow or vanished network folder never keeps the
// window waiting; what arrives is merged in one change of the store, which the
// windows see as any change of the records (StoreEvents::recordsChanged).
class RecordSharing : public QObject
{
    Q_OBJECT

public:
    static constexpr int SoonMs = 3000;
    static constexpr int EveryMs = 2 * 60 * 1000;

    explicit RecordSharing(QObject *parent = nullptr);
    ~RecordSharing() override;

    // The folder records are shared through, or an empty text.
    static QString folder();
    // Shares through this folder from now on, or stops sharing (an empty
    // folder), in one change of the store, and waits: false when it could not
    // be written. The first time, this computer is given its identity there.
    static bool setFolder(const QString &folder);

    // Follows the folder stored: a round now when there is one, and none while there is none.
    void restart();
    // A round now, which reads every other computer's file again.
    void shareNow();
    // Waits for the rounds asked for so far, and for what they merge to be
    // written, at most `limitMs`: true when this computer's file holds its records.
    bool finish(int limitMs);

Q_SIGNALS:
    // Something the person should know, once: a folder that cannot be
    // reached, a file left out, a new identity taken.
    void told(const QString &message);
    // A round is over, and what it merged written or dropped.
    void roundDone(bool written);

private:
    void recordsChanged();
    void ask(bool everything);
    void startRound();
    void arrived(const SharingRound::Outcome &outcome);
    void roundOver(bool written);

    QThread *m_thread = nullptr;
    QObject *m_beside = nullptr; // lives on m_thread
    std::shared_ptr<SharingRound> m_round;
    struct Link;
    std::shared_ptr<Link> m_link; // how the thread reaches this object while it lives
    QTimer m_soon;
    QTimer m_every;
    bool m_running = false;
    bool m_wanted = false;     // a round asked for while one runs
    bool m_everything = false; // the next round reads every file
    bool m_lastWritten = false;
    qsizetype m_recordsSeen = -1;
    qsizetype m_ownSeen = -1;
};
