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
// A lock is taken over only when its holder is gone (its process no longer
// runs) or its file is damaged; a live holder is waited for as long as it holds
// the lock, however slow it is.
class StoreLock
{
public:
    // While another program holds the lock: told once that the wait has
    // started, then asked about ten times a second whether to go on waiting
    // (false gives up), and told when the wait is over.
    enum class Wait { Started, StillWaiting, Over };
    using Waiting = std::function<bool(Wait)>;

    StoreLock(const QString &folder, const Waiting &waiting);
    ~StoreLock();

    bool isHeld() const { return m_held; }
    // Why the lock could not be had, when it could not.
    QString problem() const { return m_problem; }

    static QString programLockName();
    static QString toolkitLockName();

private:
    bool take(QLockFile &lock, const Waiting &waiting, bool &waited);

    QString m_folder;
    std::unique_ptr<QLockFile> m_program;
    std::unique_ptr<QLockFile> m_toolkit;
    bool m_held = false;
    QString m_problem;
};
