// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/benchsupport.h"

#include <QFile>

#include <algorithm>

double Bench::median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

QString Bench::figure(double milliseconds)
{
    return QString::number(milliseconds, 'f', 1);
}

QString Bench::machineLoad()
{
    QFile averages(QStringLiteral("/proc/loadavg"));
    if (!averages.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    const QList<QByteArray> parts = averages.readAll().split(' ');
    if (parts.size() < 3)
        return QStringLiteral("unknown");
    return QStringLiteral("load average: %1, %2, %3")
        .arg(QString::fromLatin1(parts.at(0)), QString::fromLatin1(parts.at(1)), QString::fromLatin1(parts.at(2)));
}

long Bench::privateKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("RssAnon:"))
            return line.mid(8).trimmed().split(' ').constFirst().toLong();
    }
    return -1;
}

Heartbeat::Heartbeat()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &Heartbeat::beat);
    m_clock.start();
    m_timer.start();
}

void Heartbeat::restart()
{
    m_last = m_clock.nsecsElapsed();
    m_longest = 0;
}

double Heartbeat::longestMs() const
{
    return static_cast<double>(std::max(m_longest, m_clock.nsecsElapsed() - m_last)) / 1e6;
}

void Heartbeat::beat()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_longest = std::max(m_longest, now - m_last);
    m_last = now;
}
