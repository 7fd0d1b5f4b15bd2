// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/analogclock.h"

#include <QPainter>
#include <QPolygon>
#include <QTimer>

namespace {

// In clock units: the face is 200 wide and high, centred on the origin, with
// twelve o'clock towards negative y.
constexpr int FaceSide = 200;
const QSize ClockWindowSize(200, 200);
const QPoint HourHand[3] = {QPoint(7, 8), QPoint(-7, 8), QPoint(0, -40)};
const QPoint MinuteHand[3] = {QPoint(7, 8), QPoint(-7, 8), QPoint(0, -70)};
const QColor HourColour(127, 0, 127);
const QColor MinuteColour(0, 127, 127, 191);

void drawHand(QPainter &painter, const QPoint (&hand)[3], const QColor &colour, qreal degrees)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.save();
    painter.rotate(degrees);
    painter.drawConvexPolygon(hand, 3);
    painter.restore();
}

} // namespace

AnalogClock::AnalogClock(QWidget *parent)
    : QMainWindow(parent)
{
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, [this] { setTime(QTime::currentTime()); });
    m_timer->start(1000);
    setTime(QTime::currentTime());

    setWindowTitle(tr("Analog Clock"));
    setAccessibleName(tr("Analog Clock"));
    resize(ClockWindowSize);
}

QSize AnalogClock::sizeHint() const
{
    return ClockWindowSize;
}

void AnalogClock::setTime(const QTime &time)
{
    m_time = time;
    setAccessibleDescription(time.toString(QStringLiteral("hh:mm")));
    update();
}

void AnalogClock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintClock(painter, size(), m_time);
}

void AnalogClock::paintClock(QPainter &painter, const QSize &size, const QTime &time)
{
    const int side = qMin(size.width(), size.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size.width() / 2, size.height() / 2);
    painter.scale(side / qreal(FaceSide), side / qreal(FaceSide));

    // The hour runs 0 to 23, so the angle may pass a full turn.
    drawHand(painter, HourHand, HourColour, 30.0 * (time.hour() + time.minute() / 60.0));
    painter.setPen(HourColour);
    for (int i = 0; i < 12; ++i) {
        painter.drawLine(88, 0, 96, 0);
        painter.rotate(30.0);
    }

    drawHand(painter, MinuteHand, MinuteColour, 6.0 * (time.minute() + time.second() / 60.0));
    painter.setPen(MinuteColour);
    for (int j = 0; j < 60; ++j) {
        if (j % 5 != 0)
            painter.drawLine(92, 0, 96, 0);
        painter.rotate(6.0);
    }
    painter.restore();
}
