// SPDX-License-Identifier: GPL-3.0-or-later
// The analog and digital clocks: what they draw and show for a given time.

#include "app/ui/analogclock.h"
#include "app/ui/applicationwindow.h"
#include "app/ui/digitalclock.h"
#include "testsupport.h"

#include <QAction>
#include <QLCDNumber>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtMath>
#include <QtTest>

namespace {

// The pixel around a point that differs most from the background.
QColor strongest(const QImage &image, QPointF point, QRgb background)
{
    QColor best = QColor::fromRgb(background);
    int bestDistance = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QRgb pixel = image.pixel(qRound(point.x()) + dx, qRound(point.y()) + dy);
            const int distance = qAbs(qRed(pixel) - qRed(background)) + qAbs(qGreen(pixel) - qGreen(background))
                + qAbs(qBlue(pixel) - qBlue(background));
            if (distance > bestDistance) {
                bestDistance = distance;
                best = QColor::fromRgb(pixel);
            }
        }
    }
    return best;
}

// Purple: the hour colour, alone or blended with the background.
bool isHourColour(const QColor &c)
{
    return c.red() - c.green() > 30 && c.blue() - c.green() > 30 && qAbs(c.red() - c.blue()) < 20;
}

// Teal: the minute colour.
bool isMinuteColour(const QColor &c)
{
    return c.green() - c.red() > 30 && c.blue() - c.red() > 30 && qAbs(c.green() - c.blue()) < 20;
}

// A point of the face, given in clock units from the centre and degrees clockwise from twelve.
QPointF onFace(QPointF centre, qreal scale, qreal degrees, qreal units)
{
    const qreal radians = qDegreesToRadians(degrees);
    return centre + QPointF(qSin(radians), -qCos(radians)) * units * scale;
}

} // namespace

class TestClocks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    void analogFaceFitsTheSmallerSideCentred();
    void analogHandsPointAtTheTime_data();
    void analogHandsPointAtTheTime();
    void digitalColonBlinks_data();
    void digitalColonBlinks();
    void digitalClockShowsAtOnce();
    void commandsOpenIndependentClocks();
};

void TestClocks::analogFaceFitsTheSmallerSideCentred()
{
    AnalogClock clock(nullptr);
    clock.resize(300, 150);
    clock.setTime(QTime(15, 30));
    const QImage image = clock.grab().toImage();
    QCOMPARE(image.size(), QSize(300, 150));

    // Side 150 around (150, 75): 0.75 pixels per clock unit.
    const QPointF centre(150, 75);
    const qreal scale = 0.75;
    const QRgb background = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inSquare = x >= 75 && x < 225;
            const bool beyondMarks = QLineF(centre, QPointF(x + 0.5, y + 0.5)).length() > 98 * scale + 1;
            if (!inSquare || beyondMarks)
                QVERIFY2(image.pixel(x, y) == background, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
    // Hour marks at 12, 3, 6 and 9 o'clock; minute marks between them, none where an hour mark stands.
    for (int hour = 0; hour < 12; hour += 3)
        QVERIFY2(isHourColour(strongest(image, onFace(centre, scale, hour * 30, 92), background)),
                 qPrintable(QString::number(hour)));
    for (int minute : {1, 14, 16, 44, 59})
        QVERIFY2(isMinuteColour(strongest(image, onFace(centre, scale, minute * 6, 94), background)),
                 qPrintable(QString::number(minute)));
    QVERIFY(!isMinuteColour(strongest(image, onFace(centre, scale, 90, 94), background)));
}

void TestClocks::analogHandsPointAtTheTime_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<qreal>("hourDegrees");
    QTest::addColumn<qreal>("minuteDegrees");
    QTest::newRow("15:30 between 3 and 4") << QTime(15, 30) << 105.0 << 180.0;
    QTest::newRow("09:05") << QTime(9, 5) << 272.5 << 30.0;
    QTest::newRow("00:45:30 seconds move the minute hand") << QTime(0, 45, 30) << 22.5 << 273.0;
}

void TestClocks::analogHandsPointAtTheTime()
{
    QFETCH(QTime, time);
    QFETCH(qreal, hourDegrees);
    QFETCH(qreal, minuteDegrees);
    AnalogClock clock(nullptr);
    clock.setTime(time);
    const QImage image = clock.grab().toImage();
    const QRgb background = image.pixel(0, 0);
    const QPointF centre(100, 100);

    auto colourAt = [&](qreal degrees, qreal units) {
        return QColor::fromRgb(image.pixel(onFace(centre, 1.0, degrees, units).toPoint()));
    };
    QVERIFY(isHourColour(colourAt(hourDegrees, 22)));
    QVERIFY(!isHourColour(colourAt(hourDegrees + 180, 22)));
    QVERIFY(!isHourColour(colourAt(hourDegrees - 20, 22)));
    QVERIFY(!isHourColour(colourAt(hourDegrees + 20, 22)));
    QVERIFY(!isHourColour(colourAt(hourDegrees, 50))); // the hour hand is the short one
    QVERIFY(isMinuteColour(colourAt(minuteDegrees, 50)));
    QVERIFY(!isMinuteColour(colourAt(minuteDegrees + 180, 50)));
    QVERIFY(!isMinuteColour(colourAt(minuteDegrees + 15, 50)));
    QVERIFY(image.pixel(onFace(centre, 1.0, minuteDegrees, 75).toPoint()) == background); // no longer than 70
}

void TestClocks::digitalColonBlinks_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("even second") << QTime(9, 5, 0) << QStringLiteral("09 05");
    QTest::newRow("odd second") << QTime(9, 5, 1) << QStringLiteral("09:05");
    QTest::newRow("afternoon") << QTime(13, 7, 42) << QStringLiteral("13 07");
    QTest::newRow("midnight") << QTime(0, 0, 59) << QStringLiteral("00:00");
    QTest::newRow("last minute") << QTime(23, 59, 58) << QStringLiteral("23 59");
}

void TestClocks::digitalColonBlinks()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(DigitalClock::format(time), text);
    DigitalClock clock(nullptr);
    clock.setTime(time);
    QCOMPARE(clock.shownText(), text);
}

void TestClocks::digitalClockShowsAtOnce()
{
    DigitalClock clock(nullptr);
    QCOMPARE(clock.centralWidget(), clock.display());
    QVERIFY(clock.display()->digitCount() >= 5);
    // The time is there before the first tick, whichever second it is.
    const QString shown = clock.shownText();
    QVERIFY2(shown == DigitalClock::format(QTime::currentTime())
                 || shown == DigitalClock::format(QTime::currentTime().addSecs(-1)),
             qPrintable(shown));
}

void TestClocks::commandsOpenIndependentClocks()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.command(QStringLiteral("Analog Clock"))->trigger();
    window.command(QStringLiteral("Analog Clock"))->trigger();
    window.command(QStringLiteral("Digital Clock"))->trigger();
    const QList<QMdiSubWindow *> frames = window.workspace()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(frames.size(), 3);
    QPointer<AnalogClock> first = qobject_cast<AnalogClock *>(frames.at(0)->widget());
    auto *second = qobject_cast<AnalogClock *>(frames.at(1)->widget());
    QVERIFY(first && second && first != second);
    QCOMPARE(first->windowTitle(), QStringLiteral("Analog Clock"));
    QCOMPARE(second->windowTitle(), QStringLiteral("Analog Clock"));
    QVERIFY(qobject_cast<DigitalClock *>(frames.at(2)->widget()));
    // The workspace frames each clock at its own size.
    QCOMPARE(first->size(), QSize(200, 200));
    QCOMPARE(frames.at(2)->widget()->size(), QSize(150, 60));

    first->setTime(QTime(1, 0));
    second->setTime(QTime(2, 0));
    QCOMPARE(first->time(), QTime(1, 0));

    // Closing one clock leaves the other running.
    QVERIFY(frames.at(0)->close());
    QTRY_VERIFY(first.isNull());
    QCOMPARE(window.workspace()->subWindowList().size(), 2);
    QCOMPARE(second->time(), QTime(2, 0));
}

QTEST_MAIN(TestClocks)
#include "tst_clocks.moc"
