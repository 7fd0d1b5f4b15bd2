// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/sessionend.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int wakeUp[2] = {-1, -1};
std::function<void()> &closing()
{
    static std::function<void()> close;
    return close;
}

// All a signal handler may do: write a byte for the event loop to find.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
}

} // namespace

void SessionEnd::install(const std::function<void()> &close)
{
    closing() = close;
    if (wakeUp[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeUp) != 0)
        return;
    auto *notifier = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(wakeUp[0], &byte, 1);
        // Closed from the event queue rather than from here: while the close
        // waits to save, the next signal must still come through.
        QMetaObject::invokeMethod(QCoreApplication::instance(), [] {
            if (closing())
                closing()();
        }, Qt::QueuedConnection);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}
