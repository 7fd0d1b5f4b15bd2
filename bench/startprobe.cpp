// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into a program started by bench_startup (LD_PRELOAD), so that the
// program itself is measured, unchanged. It tells, on standard output, when the
// main window is mapped ("exposed") and when its first paint has been flushed
// ("painted <ms>", with the processor time the window's thread had used by
// then); once the program has gone idle after that, the longest gap of
// its event loop since the application was created ("gap <ms>") and since the
// first paint, while the records are read ("gap-after-paint <ms>"), and its
// private memory ("memory <kB>"), and then it ends the program. Under
// callgrind it also dumps the counts at the first paint, so that a profile of
// the start up to that moment stands apart from the rest.

#include "bench/benchsupport.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

namespace {

void tell(const QByteArray &line)
{
    std::fputs(line.constData() + QByteArray("\n"), stdout);
    std::fflush(stdout);
}

// Processor time of the whole process, all threads, in clock ticks.
long long cpuTicks()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    // The fields after the program's name, which may hold blanks, in parentheses.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields.at(11).toLongLong() + fields.at(12).toLongLong() : 0;
}

// Processor time of the calling thread, in milliseconds: the window's own work,
// which the machine's load changes far less than the time on the clock.
double threadCpuMs()
{
    timespec spent{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &spent);
    return static_cast<double>(spent.tv_sec) * 1e3 + static_cast<double>(spent.tv_nsec) / 1e6;
}

QMainWindow *topLevelMainWindow(QObject *object)
{
    if (object->isWidgetType())
        return qobject_cast<QMainWindow *>(static_cast<QWidget *>(object)->window());
    if (object->isWindowType()) {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->windowHandle() == object)
                return qobject_cast<QMainWindow *>(widget);
        }
    }
    return nullptr;
}

class Probe : public QObject
{
public:
    Probe()
    {
        QCoreApplication::instance()->installEventFilter(this);
        m_idle.setInterval(50);
        connect(&m_idle, &QTimer::timeout, this, &Probe::checkIdle);
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && topLevelMainWindow(object)) {
            m_painted = true;
            // The paint pass ends with the flush to the X server.
            QTimer::singleShot(0, this, [this] {
                CALLGRIND_DUMP_STATS_AT("painted");
                tell("painted " + QByteArray::number(threadCpuMs(), 'f', 1));
                m_gapBeforePaint = m_heartbeat.longestMs();
                m_heartbeat.restart();
                m_idle.start();
            });
        } else if (!m_exposed && event->type() == QEvent::Expose && object->isWindowType()
                   && static_cast<QWindow *>(object)->isExposed() && topLevelMainWindow(object)) {
            m_exposed = true;
            tell("exposed");
        }
        return false;
    }

private:
    // Idle: less than a tenth of a processor used over the last 300 ms.
    void checkIdle()
    {
        m_ticks.append(cpuTicks());
        const qsizetype window = 6;
        const long long perSecond = sysconf(_SC_CLK_TCK);
        if (m_ticks.size() > window && (m_ticks.last() - m_ticks.at(m_ticks.size() - 1 - window)) * 10 * 1000
                                           < perSecond * 300) {
            m_idle.stop();
            tell("gap " + QByteArray::number(std::max(m_gapBeforePaint, m_heartbeat.longestMs()), 'f', 1));
            tell("gap-after-paint " + QByteArray::number(m_heartbeat.longestMs(), 'f', 1));
            tell("memory " + QByteArray::number(static_cast<qlonglong>(Bench::privateKilobytes())));
            QCoreApplication::exit(0); // as if killed: no window is closed, nothing is saved
        }
    }

    Heartbeat m_heartbeat;
    QTimer m_idle;
    QList<long long> m_ticks;
    double m_gapBeforePaint = 0;
    bool m_painted = false;
    bool m_exposed = false;
};

void install()
{
    new Probe; // lives as long as the program
}

// Runs when the program creates its application object.
const bool installed = [] {
    qAddPreRoutine(install);
    return true;
}();

} // namespace
