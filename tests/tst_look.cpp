// SPDX-License-Identifier: GPL-3.0-or-later
// What a child sees: the painted exercise page, and every picture, sound and
// page the program asks for exists and is sound.

#include "app/themes.h"
#include "app/ui/lazyicon.h"
#include "base/ui/firstpaint.h"
#include "content/topics.h"
#include "exercise/ui/mdiwindow.h"
#include "testsupport.h"

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtTest>

namespace {

QuestionRecords records()
{
    QuestionRecords result;
    for (int q = 0; q < QuestionsPerExercise; ++q)
        result[static_cast<size_t>(q)] = {QStringLiteral("How many?"), QString::number(q + 1), QStringLiteral("c"),
                                          QStringLiteral("1, 2")};
    return result;
}

QColor colour(const Theme &theme, int first)
{
    return QColor(theme.colours[static_cast<size_t>(first)], theme.colours[static_cast<size_t>(first + 1)],
                  theme.colours[static_cast<size_t>(first + 2)]);
}

QImage render(const QString &topic, int score, int clues, int choices, const Theme &theme = Themes::all().front(),
              QSize size = QSize(600, 400))
{
    MDIWindow window(nullptr, topic, QStringLiteral("Asha"), score, clues, choices, 0, records(),
                     {colour(theme, 0), colour(theme, 3), colour(theme, 6), theme.name});
    window.show();
    window.resize(window.size() + size - window.page()->size()); // the page exactly this size
    return window.page()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The parts of two renderings that differ, as a set of rectangles they fall in.
bool differsOnlyInside(const QImage &a, const QImage &b, const QList<QRect> &areas, QList<bool> *touched = nullptr)
{
    if (touched)
        *touched = QList<bool>(areas.size(), false);
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            bool inside = false;
            for (qsizetype i = 0; i < areas.size(); ++i) {
                if (areas.at(i).contains(x, y)) {
                    inside = true;
                    if (touched)
                        (*touched)[i] = true;
                }
            }
            if (!inside) {
                qWarning("differs at %d,%d", x, y);
                return false;
            }
        }
    }
    return true;
}

double luminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

// The contrast of the prompt "Your Answer (hit enter):" as drawn on the page: its
// darkest fully covered pixel against the lightest pixel just outside its letters.
double promptContrast(const QImage &page)
{
    QImage letters(page.size(), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch() / 0.0254);
    letters.setDotsPerMeterX(dotsPerMeter);
    letters.setDotsPerMeterY(dotsPerMeter);
    letters.fill(Qt::black);
    QPainterPath prompt; // drawn as a path, like the page draws it, so the letters fall on the same pixels
    prompt.addText(QPointF(30, 240), QFont(QStringLiteral("Arial"), 13, QFont::Bold),
                   QStringLiteral("Your Answer (hit enter):"));
    QPainter painter(&letters);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(prompt, Qt::white);
    painter.end();
    double text = 1.0;
    double ground = 0.0;
    const auto cover = [&](int x, int y) { return qRed(letters.pixel(x, y)); };
    for (int y = 221; y < 255; ++y) {
        for (int x = 21; x < 300; ++x) {
            const int beside = std::max({cover(x - 1, y), cover(x + 1, y), cover(x, y - 1), cover(x, y + 1)});
            if (cover(x, y) == 255)
                text = std::min(text, luminance(page.pixel(x, y)));
            else if (cover(x, y) == 0 && beside >= 128)
                ground = std::max(ground, luminance(page.pixel(x, y)));
        }
    }
    return (text + 0.05) / (ground + 0.05);
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }

    void bandsTakeTheThemeColours_data();
    void bandsTakeTheThemeColours();
    void marksStandBesideTheButtons();
    void scoreDigits_data();
    void scoreDigits();
    void missingPicturesLeaveTheirPlaceEmpty();
    void largerWindowScalesThePage();
    void everyPictureTheProgramLoadsExists();
    void iconsReadLateLookTheSame_data();
    void iconsReadLateLookTheSame();
    void everySoundIsAShortPcmWave();
};

void TestLook::bandsTakeTheThemeColours_data()
{
    QTest::addColumn<int>("theme");
    for (int i = 0; i < Themes::count; ++i)
        QTest::newRow(qPrintable(Themes::all().at(static_cast<size_t>(i)).name)) << i;
}

void TestLook::bandsTakeTheThemeColours()
{
    QFETCH(int, theme);
    const Theme &chosen = Themes::all().at(static_cast<size_t>(theme));
    const QImage page = render(QStringLiteral("Addition"), 0, 0, 0, chosen);
    QCOMPARE(page.pixelColor(300, 5), colour(chosen, 0));
    QCOMPARE(page.pixelColor(450, 60), colour(chosen, 0));
    QCOMPARE(page.pixelColor(10, 345), colour(chosen, 6));
    QCOMPARE(page.pixelColor(590, 365), colour(chosen, 6));
    QCOMPARE(page.pixelColor(10, 375), colour(chosen, 3));
    QCOMPARE(page.pixelColor(590, 398), colour(chosen, 3));
    // The answer area is tiled, not plain.
    QVERIFY(page.pixelColor(25, 350) != page.pixelColor(0, 200));
    const double contrast = promptContrast(page);
    QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("%1:1").arg(contrast, 0, 'f', 1)));
}

void TestLook::marksStandBesideTheButtons()
{
    const QImage plain = render(QStringLiteral("Addition"), 0, 0, 0);
    const QImage marked = render(QStringLiteral("Addition"), 0, 2, 1);
    const QSize mark = QImage(QStringLiteral("Art/Circle/Default.png")).size();
    QVERIFY(!mark.isEmpty());
    const QList<QRect> places{QRect(QPoint(200, 260), mark), QRect(QPoint(250, 260), mark),
                              QRect(QPoint(200, 310), mark)};
    QList<bool> touched;
    QVERIFY(differsOnlyInside(plain, marked, places, &touched));
    QCOMPARE(touched, (QList<bool>{true, true, true}));
}

void TestLook::scoreDigits_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<bool>("tensChange");
    QTest::addColumn<bool>("onesChange");
    QTest::newRow("7 shows 0 and 7") << 7 << false << true;
    QTest::newRow("40 shows 4 and 0") << 40 << true << false;
    QTest::newRow("-3 shows 0 and 0") << -3 << false << false;
    QTest::newRow("19 shows 1 and 9") << 19 << true << true;
}

void TestLook::scoreDigits()
{
    QFETCH(int, score);
    QFETCH(bool, tensChange);
    QFETCH(bool, onesChange);
    const QSize digit = QImage(QStringLiteral("Art/Score/0.png")).size();
    QVERIFY(!digit.isEmpty());
    const QRect tens(QPoint(380, 260), digit);
    const QRect ones(QPoint(480, 260), digit);
    QVERIFY(tens.bottom() < 330 && ones.right() < 600); // above the bands, inside the page
    QList<bool> touched;
    QVERIFY(differsOnlyInside(render(QStringLiteral("Addition"), 0, 0, 0),
                              render(QStringLiteral("Addition"), score, 0, 0), {tens, ones}, &touched));
    QCOMPARE(touched, (QList<bool>{tensChange, onesChange}));
}

void TestLook::missingPicturesLeaveTheirPlaceEmpty()
{
    MDIWindow quiz(nullptr, QStringLiteral("Quiz"), QString(), 0, 0, 0, 0, records(),
                   {Qt::red, Qt::green, Qt::blue, QStringLiteral("NoSuchTheme")});
    quiz.show();
    quiz.resize(quiz.size() + MDIWindow::PageSize - quiz.page()->size());
    QVERIFY(!quiz.windowIcon().isNull()); // the program's, not the toolkit's
    const QImage page = quiz.page()->grab().toImage();
    const QColor background = page.pixelColor(590, 200);
    for (int y = 70; y < 250; y += 7)
        for (int x = 380; x < 580; x += 7)
            QCOMPARE(page.pixelColor(x, y), background);
    QVERIFY(!render(QStringLiteral("Addition"), 0, 0, 0).isNull());
}

void TestLook::largerWindowScalesThePage()
{
    // Half as large again, and wider still: the page keeps its proportions, in the middle.
    const QImage small = render(QStringLiteral("Money"), 12, 1, 2);
    const QImage large = render(QStringLiteral("Money"), 12, 1, 2, Themes::all().front(), QSize(1000, 600));
    QCOMPARE(large.size(), QSize(1000, 600));
    const QImage scaled = small.scaled(900, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int close = 0;
    for (int y = 5; y < 600; y += 10) {
        for (int x = 5; x < 900; x += 10)
            close += (qAbs(qGray(scaled.pixel(x, y)) - qGray(large.pixel(x + 50, y))) < 40) ? 1 : 0;
    }
    QVERIFY2(close > 60 * 90 * 9 / 10, qPrintable(QString::number(close)));
    QCOMPARE(large.pixelColor(20, 20), large.pixelColor(980, 580)); // the room beside it is plain
    QVERIFY(large.pixelColor(60, 20) == colour(Themes::all().front(), 0));
}

void TestLook::everyPictureTheProgramLoadsExists()
{
    QStringList files{QStringLiteral("Art/logo.png"), QStringLiteral("Art/Logo.png")};
    for (const char *icon : {"main", "new", "open", "save", "print", "worksheet", "rules", "scores", "contents",
                             "about", "acknowledgements", "version", "templateeditor", "options", "screen",
                             "sidebar", "clock", "digitalclock", "previous", "next"})
        files << QStringLiteral("Art/Icons/%1.png").arg(QLatin1String(icon));
    for (const QString &topic : Topics::names()) {
        files << QStringLiteral("Art/Icons/") + topic + QStringLiteral("Icon.png")
              << QStringLiteral("Art/Icons/") + topic.toLower() + QStringLiteral("Icon.png");
        for (int q = 0; q < QuestionsPerExercise; ++q)
            files << QStringLiteral("Art/Images/%1_%2.png").arg(topic).arg(q);
    }
    for (const Theme &theme : Themes::all())
        files << theme.tile() << QStringLiteral("Art/Circle/") + theme.name + QStringLiteral(".png");
    for (int digit = 0; digit < 10; ++digit)
        files << QStringLiteral("Art/Score/%1.png").arg(digit);

    for (const QString &file : std::as_const(files)) {
        const QImage image(file);
        QVERIFY2(!image.isNull(), qPrintable(file));
        if (file.startsWith(QLatin1String("Art/Images/")))
            QVERIFY2(image.width() <= 210 && image.height() <= 180, qPrintable(file)); // right of the question
    }
}

void TestLook::iconsReadLateLookTheSame_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");
    QTest::addColumn<QIcon::Mode>("mode");
    QTest::addColumn<bool>("ahead"); // the toolbar's pictures read ahead, as at the start
    for (const char *icon : {"new", "open", "save", "print", "rules", "scores", "clock", "sidebar", "screen",
                             "templateeditor", "worksheet", "options", "contents", "version", "acknowledgements",
                             "about", "previous", "next"}) {
        const QString file = QStringLiteral("Art/Icons/%1.png").arg(QLatin1String(icon));
        // The toolbar, where a smaller picture stands in; a menu; a window at twice the size.
        QTest::newRow(icon) << file << 20 << QIcon::Normal << false;
        QTest::addRow("%s read ahead", icon) << file << 20 << QIcon::Normal << true;
        QTest::addRow("%s disabled", icon) << file << 20 << QIcon::Disabled << true;
        QTest::addRow("%s in a menu", icon) << file << 16 << QIcon::Normal << false;
        QTest::addRow("%s large", icon) << file << 40 << QIcon::Normal << true;
    }
    QTest::newRow("theme tile") << Themes::all().front().tile() << 16 << QIcon::Normal << true;
    QTest::newRow("topic in a menu") << QStringLiteral("Art/Icons/additionIcon.png") << 16 << QIcon::Normal << false;
    QTest::newRow("missing") << QStringLiteral("Art/Icons/none.png") << 20 << QIcon::Normal << true;
}

void TestLook::iconsReadLateLookTheSame()
{
    QFETCH(QString, file);
    QFETCH(int, size);
    QFETCH(QIcon::Mode, mode);
    QFETCH(bool, ahead);
    if (ahead) {
        FirstPaint::readPicturesAhead(LazyIcon::smallFiles(QStringLiteral("Art/Icons")) << file);
        // As the window takes its tile and logo: the same picture, read ahead once.
        QCOMPARE(FirstPaint::picture(file).toImage(), QPixmap(file).toImage());
    }
    const QIcon late = LazyIcon::fromFile(file);
    const QIcon read(file);
    QCOMPARE(late.isNull(), read.isNull());
    QCOMPARE(late.actualSize(QSize(size, size)), read.actualSize(QSize(size, size)));
    QCOMPARE(late.availableSizes(), read.availableSizes());
    const auto drawn = [&](const QIcon &icon) {
        return icon.pixmap(QSize(size, size), 1.0, mode).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    QCOMPARE(drawn(late), drawn(read));
    if (size == 20 && QFile::exists(file))
        QVERIFY2(QFile::exists(LazyIcon::smallFileFor(file)), "no 20 x 20 picture: the toolbar would scale the large one");
}

void TestLook::everySoundIsAShortPcmWave()
{
    qint64 total = 0;
    for (const SoundSet &set : Themes::soundSets()) {
        for (int n = 1; n <= 10; ++n) {
            const QString file = Themes::soundFile(set.value, n);
            QFile wave(file);
            QVERIFY2(wave.open(QIODevice::ReadOnly), qPrintable(file));
            const QByteArray data = wave.readAll();
            total += data.size();
            QVERIFY2(data.startsWith("RIFF") && data.mid(8, 4) == "WAVE", qPrintable(file));
            const qsizetype format = data.indexOf("fmt ");
            QVERIFY(format > 0);
            QDataStream in(data.mid(format + 8, 16));
            in.setByteOrder(QDataStream::LittleEndian);
            quint16 encoding, channels, blockAlign, bits;
            quint32 rate, byteRate;
            in >> encoding >> channels >> rate >> byteRate >> blockAlign >> bits;
            QCOMPARE(encoding, quint16(1)); // PCM
            QCOMPARE(bits, quint16(16));
            const qsizetype samples = data.indexOf("data");
            QVERIFY(samples > 0);
            const double seconds = double(data.size() - samples - 8) / byteRate;
            QVERIFY2(seconds > 0.2 && seconds < 2.0, qPrintable(file));
        }
    }
    QVERIFY(total < 5 * 1024 * 1024);
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
