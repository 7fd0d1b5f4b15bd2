// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

// Keeps every other program from changing the settings store while this one
// reads, changes and writes it. Two lock files beside the store are held: the
// program's own, and the one the toolkit takes around each write of a settings
// file, so that other programs reading and writing the store through the
// toolkit wait as well.
//
// A live holder on this computer is waited for as long as it holds the lock,
// however slow it is; one whose process has ended is overruled at once. A lock
// file that names no holder (damaged), or names another computer (a home
// folder on a network share), cannot be judged by its process: it is taken
// over once it, and the store beside it, have not changed for a while, as
// measured by this program's own clock, so a clock that is wrong on another
// computer or on the file server changes nothing. A holder holds the lock only
// while it reads, changes and writes the store, and looks again that the lock
// is still its own just before its new file takes the old one's place: one
// that was silent for that long and wakes up writes nothing.
class StoreLock
{
public:
    // While another program holds the lock: told once that the wait has
    // started, then asked about ten times a second whether to go on waiting
    // (false gives up), and told when the wait is over. `holder` names the
    // other computer, or is empty for this one.
    enum class Wait { Started, StillWaiting, Over };
    using Waiting = std::function<bool(Wait wait, const QString &holder)>;

    StoreLock(const QString &folder, const Waiting &waiting);
    ~StoreLock();

    bool isHeld() const { return m_held; }
    // Why the lock could not be had, when it could not; empty when the wait was given up.
    QString problem() const { return m_problem; }
    // Whether both lock files are still this program's.
    bool stillHeld() const;

    static QString programLockName();
    static QString toolkitLockName();

    // How long a lock that names no holder, or another computer, must stay
    // unchanged before it is taken over.
    static constexpr qint64 DamagedAfterMs = 1000;
    static constexpr qint64 OtherComputerAfterMs = 60000;
    // Tests shorten the second.
    static void setOtherComputerAfter(qint64 ms);

private:
    struct Taken;
    class Watch;
    // Takes the lock whose file `watch` looks at; `other` is looked at meanwhile,
    // so that two lock files left together are taken over together.
    bool take(QLockFile &lock, Watch &watch, Watch &other, const Waiting &waiting, bool &waited, Taken &taken);

    QString m_folder;
    std::unique_ptr<QLockFile> m_program;
    std::unique_ptr<QLockFile> m_toolkit;
    struct Taken
    {
        quint64 device = 0;
        quint64 inode = 0;
    };
    Taken m_programTaken;
    Taken m_toolkitTaken;
    bool m_held = false;
    QString m_problem;
};
