// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/digitalclock.h"

#include <QLCDNumber>
#include <QTime>
#include <QTimer>

namespace {
const QSize ClockWindowSize(150, 60);
} // namespace

DigitalClock::DigitalClock(QWidget *parent)
    : QMainWindow(parent)
{
    m_display = new QLCDNumber(this);
    m_display->setSegmentStyle(QLCDNumber::Filled);
    m_display->setAccessibleName(tr("Digital Clock"));
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &DigitalClock::showTime);
    m_timer->start(1000);
    showTime();

    setWindowTitle(tr("Digital Clock"));
    setCentralWidget(m_display);
    resize(ClockWindowSize);
}

QSize DigitalClock::sizeHint() const
{
    return ClockWindowSize;
}

QString DigitalClock::format(const QTime &time)
{
    QString text = time.toString(QStringLiteral("hh:mm"));
    if (time.second() % 2 == 0)
        text[2] = QLatin1Char(' ');
    return text;
}

void DigitalClock::setTime(const QTime &time)
{
    m_shown = format(time);
    m_display->display(m_shown);
    // A screen reader hears the time with its colon, whatever the blink.
    const QString spoken = time.toString(QStringLiteral("hh:mm"));
    if (m_display->accessibleDescription() != spoken)
        m_display->setAccessibleDescription(spoken);
}

void DigitalClock::showTime()
{
    setTime(QTime::currentTime());
}
