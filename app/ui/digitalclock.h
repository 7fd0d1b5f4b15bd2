// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QLCDNumber;
class QTime;
class QTimer;

// The time as hours and minutes on a seven-segment display; the colon blinks
// once a second.
class DigitalClock : public QMainWindow
{
    Q_OBJECT

public:
    explicit DigitalClock(QWidget *parent);

    // "hh:mm", with a blank for the colon on even seconds.
    static QString format(const QTime &time);

    // Shows the given time.
    void setTime(const QTime &time);
    QString shownText() const { return m_shown; }
    QLCDNumber *display() const { return m_display; }
    // The workspace frames the clock at this size.
    QSize sizeHint() const override;

public Q_SLOTS:
    // Shows the current time.
    void showTime();

private:
    QLCDNumber *m_display = nullptr;
    QTimer *m_timer = nullptr;
    QString m_shown;
};
