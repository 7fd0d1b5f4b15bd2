// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

// What the benchmarks share: a school's store, medians, the machine's load and
// the process's private memory, and a heartbeat of the event loop.
namespace Bench {

constexpr int Children = 30;
// The child whose page the benchmarks sign in to.
QString player();

// Writes a school's store through the program's own writer, in the store the
// process uses now: `records` score records of thirty children, their names and
// lists, and a window geometry, so that no start is a first start.
bool writeStore(int records);

double median(QList<double> values);
QString figure(double milliseconds);
// The load averages of the machine, as uptime prints them.
QString machineLoad();
// Anonymous resident memory of this process (RssAnon), in kilobytes.
long privateKilobytes();

} // namespace Bench

// Beats every millisecond on the thread's event loop and keeps the longest time
// between two beats: how long the window went without handling any event.
class Heartbeat : public QObject
{
public:
    Heartbeat();
    // Forgets the gaps so far.
    void restart();
    // The longest gap since the last restart, counting the one still open.
    double longestMs() const;

private:
    void beat();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};
