// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QTime>

class QPainter;
class QTimer;

// A clock face with an hour and a minute hand, drawn on the window itself and
// scaled to the smaller of its width and height. It moves once a second.
class AnalogClock : public QMainWindow
{
    Q_OBJECT

public:
    explicit AnalogClock(QWidget *parent);

    // The time the hands show; the timer sets the current time every second.
    void setTime(const QTime &time);
    QTime time() const { return m_time; }

    // Draws the face for the time into an area of the given size, centred.
    static void paintClock(QPainter &painter, const QSize &size, const QTime &time);

    // The workspace frames the clock at this size.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer *m_timer = nullptr;
    QTime m_time;
};
