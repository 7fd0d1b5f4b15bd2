// SPDX-License-Identifier: GPL-3.0-or-later
// The information commands, their boxes and windows, and the pages they show.

#include "app/ui/applicationwindow.h"
#include "app/ui/htmwindow.h"
#include "base/language.h"
#include "base/ui/richtextpictures.h"
#include "exercise/documents.h"
#include "exercise/exercise.h"
#include "testsupport.h"
#include "users/ui/sidebar.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QStringList pageNames()
{
    return {QStringLiteral("welcome.htm"), QStringLiteral("rules.htm"),   QStringLiteral("help.htm"),
            QStringLiteral("whatsnew.htm"), QStringLiteral("version.htm"), QStringLiteral("thanks.htm"),
            QStringLiteral("about.htm")};
}

QString pagePath(const QString &page)
{
    return TestSupport::dataFolder() + QStringLiteral("/HTM/") + page;
}

QString readPage(const QString &page)
{
    QFile file(pagePath(page));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// What a page says, as the reader sees it.
QString plainText(const QString &html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

struct PageStructure
{
    QString error;
    QStringList targets; // every href and src
    QStringList anchors; // every name and id
    QStringList headings; // h1 to h6 in order
    QStringList wideElements;
};

PageStructure structureOf(const QString &page)
{
    PageStructure result;
    QXmlStreamReader reader(readPage(page));
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        for (const char *link : {"href", "src"}) {
            if (attributes.hasAttribute(QLatin1String(link)))
                result.targets << attributes.value(QLatin1String(link)).toString();
        }
        for (const char *anchor : {"name", "id"}) {
            if (attributes.hasAttribute(QLatin1String(anchor)))
                result.anchors << attributes.value(QLatin1String(anchor)).toString();
        }
        if (reader.name().size() == 2 && reader.name().startsWith(QLatin1Char('h')) && reader.name().at(1).isDigit())
            result.headings << reader.name().toString();
        if (attributes.value(QLatin1String("width")).toInt() > 250)
            result.wideElements << reader.name().toString();
    }
    if (reader.hasError())
        result.error = reader.errorString() + QStringLiteral(" at line ") + QString::number(reader.lineNumber());
    return result;
}

QList<HTMWindow *> pageWindows(const ApplicationWindow &window)
{
    QList<HTMWindow *> result;
    for (QMdiSubWindow *frame : window.workspace()->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *page = qobject_cast<HTMWindow *>(frame->widget()))
            result << page;
    }
    return result;
}

} // namespace

class TestInformation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    void pageCommandsOpenNewWindowsWhileSidebarHidden_data();
    void pageCommandsOpenNewWindowsWhileSidebarHidden();
    void visibleSidebarShowsEveryPage_data();
    void visibleSidebarShowsEveryPage();
    void rulesBoxMatchesTheScoring();
    void aboutBoxesAgreeWithTheirPages_data();
    void aboutBoxesAgreeWithTheirPages();
    void pagesAreWellFormedAndSelfContained_data();
    void pagesAreWellFormedAndSelfContained();
    void pagesStateTheRealScoring();
    void richTextReadsOnlyPictures();
};

void TestInformation::pageCommandsOpenNewWindowsWhileSidebarHidden_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("page");
    QTest::newRow("help") << QStringLiteral("Help...") << QStringLiteral("Help Contents") << QStringLiteral("help.htm");
    QTest::newRow("what's new") << QStringLiteral("What's New?...") << QStringLiteral("What's New?")
                                << QStringLiteral("whatsnew.htm");
}

void TestInformation::pageCommandsOpenNewWindowsWhileSidebarHidden()
{
    QFETCH(QString, command);
    QFETCH(QString, title);
    QFETCH(QString, page);
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.sidebar()->hide();
    const qsizetype asked = prompts.asked.size();

    window.command(command)->trigger();
    window.command(command)->trigger();
    const QList<HTMWindow *> windows = pageWindows(window);
    QCOMPARE(windows.size(), 2);
    QCOMPARE(prompts.asked.size(), asked);
    const QIcon contents(QStringLiteral("Art/Icons/contents.png"));
    for (HTMWindow *shown : windows) {
        QCOMPARE(shown->windowTitle(), title);
        QCOMPARE(shown->size(), QSize(400, 300));
        QCOMPARE(shown->windowIcon().isNull(), contents.isNull());
        QCOMPARE(shown->parentWidget()->windowIcon().cacheKey(), shown->windowIcon().cacheKey()); // on its frame
        QCOMPARE(shown->browser()->source().fileName(), page);
        QVERIFY(!shown->browser()->toPlainText().isEmpty()); // found through the "HTM" folder
    }
    QVERIFY(!contents.isNull());

    // Closing one page window removes it and leaves the other.
    QPointer<HTMWindow> first = windows.first();
    QVERIFY(first->parentWidget()->close());
    QTRY_VERIFY(first.isNull());
    QCOMPARE(pageWindows(window), QList<HTMWindow *>{windows.last()});
}

void TestInformation::visibleSidebarShowsEveryPage_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("page");
    QTest::newRow("rules") << QStringLiteral("Rules...") << QStringLiteral("Rules") << QStringLiteral("rules.htm");
    QTest::newRow("help") << QStringLiteral("Help...") << QStringLiteral("Help") << QStringLiteral("help.htm");
    QTest::newRow("what's new") << QStringLiteral("What's New?...") << QStringLiteral("What's New?")
                                << QStringLiteral("whatsnew.htm");
    QTest::newRow("version") << QStringLiteral("Version...") << QStringLiteral("Version")
                             << QStringLiteral("version.htm");
    QTest::newRow("thanks") << QStringLiteral("Thanks...") << QStringLiteral("Acknowledgements")
                            << QStringLiteral("thanks.htm");
    QTest::newRow("about") << QStringLiteral("About...") << QStringLiteral("About") << QStringLiteral("about.htm");
}

void TestInformation::visibleSidebarShowsEveryPage()
{
    QFETCH(QString, command);
    QFETCH(QString, title);
    QFETCH(QString, page);
    ScriptedPrompts prompts;
    ApplicationWindow window;
    QVERIFY(window.sidebar()->isVisible());
    const qsizetype asked = prompts.asked.size();

    window.command(command)->trigger();
    QVERIFY(window.workspace()->subWindowList().isEmpty());
    QCOMPARE(prompts.asked.size(), asked);
    Sidebar *sidebar = window.sidebar();
    QCOMPARE(sidebar->windowTitle(), title);
    QCOMPARE(sidebar->currentPage(), sidebar->htmlPage());
    QCOMPARE(sidebar->htmlPage()->windowTitle(), title);
    QCOMPARE(sidebar->htmlPage()->source().fileName(), page);
    QVERIFY(!sidebar->htmlPage()->toPlainText().isEmpty());
}

void TestInformation::rulesBoxMatchesTheScoring()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.sidebar()->hide();
    prompts.asked.clear();
    window.command(QStringLiteral("Rules..."))->trigger();

    QCOMPARE(prompts.asked.size(), 1);
    QCOMPARE(prompts.asked.first().kind, Prompts::Kind::Information);
    QCOMPARE(prompts.asked.first().title, QStringLiteral("Rules"));
    const QStringList lines = prompts.asked.first().text.split(QLatin1Char('\n'));
    const QStringList expected = {
        QStringLiteral("Correct answer: Two points awarded"), QStringLiteral("Wrong answer: One point deducted"),
        QString(), QStringLiteral("Number of clues: Three"), QStringLiteral("Number of choices: Three"),
        QStringLiteral("Number of questions: Twenty"), QStringLiteral("Time limit: Unlimited"),
    };
    QCOMPARE(lines, expected);

    // The box tells what the exercise really does.
    static_assert(Exercise::PointsForRightAnswer == 2 && Exercise::PointsForWrongAnswer == 1);
    static_assert(Exercise::MaxClues == 3 && Exercise::MaxChoices == 3 && QuestionsPerExercise == 20);
}

void TestInformation::aboutBoxesAgreeWithTheirPages_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("bold");
    QTest::newRow("version") << QStringLiteral("Version...") << QStringLiteral("Version")
                             << QStringLiteral("version.htm") << QStringList{QStringLiteral("Release History")};
    QTest::newRow("thanks") << QStringLiteral("Thanks...") << QStringLiteral("Acknowledgements")
                            << QStringLiteral("thanks.htm")
                            << QStringList{QStringLiteral("Beta Testers"), QStringLiteral("Question Testers"),
                                           QStringLiteral("Concept")};
    QTest::newRow("about") << QStringLiteral("About...") << QStringLiteral("About Brightsum")
                           << QStringLiteral("about.htm")
                           << QStringList{QStringLiteral("Brightsum 4.0 is made by the Halvane team.")};
}

void TestInformation::aboutBoxesAgreeWithTheirPages()
{
    QFETCH(QString, command);
    QFETCH(QString, title);
    QFETCH(QString, page);
    QFETCH(QStringList, bold);
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.sidebar()->hide();
    prompts.asked.clear();
    window.command(command)->trigger();

    QCOMPARE(prompts.asked.size(), 1);
    const ScriptedPrompts::Asked &box = prompts.asked.first();
    QCOMPARE(box.kind, Prompts::Kind::About);
    QCOMPARE(box.title, title);
    QVERIFY(box.text.startsWith(QStringLiteral("<img src=\"Art/Logo.png\">")));
    QVERIFY(QFile::exists(QStringLiteral("Art/Logo.png")));
    QVERIFY(window.workspace()->subWindowList().isEmpty());

    // Every line of the box is said on the page too, so the two cannot drift apart.
    for (const QString &heading : bold)
        QVERIFY2(box.text.contains(QStringLiteral("<b>") + heading + QStringLiteral("</b>")), qPrintable(heading));
    const QString boxText = plainText(box.text);
    if (page == QLatin1String("about.htm"))
        QVERIFY(boxText.contains(Documents::WebAddress));
    const QString pageText = plainText(readPage(page));
    const QStringList lines = boxText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 3);
    for (QString line : lines) {
        line = line.remove(QChar::ObjectReplacementCharacter).trimmed(); // the logo
        if (!line.isEmpty())
            QVERIFY2(pageText.contains(line), qPrintable(line));
    }
}

void TestInformation::pagesAreWellFormedAndSelfContained_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("english"); // the page a translation follows, or empty
    for (const QString &page : pageNames()) {
        QTest::newRow(qPrintable(page)) << page << QString();
        for (const QString &language : Language::shipped()) {
            const QString translated = language + QLatin1Char('/') + page;
            QTest::newRow(qPrintable(translated)) << translated << page;
        }
    }
}

void TestInformation::pagesAreWellFormedAndSelfContained()
{
    QFETCH(QString, page);
    QVERIFY2(QFile::exists(pagePath(page)), qPrintable(page));
    const PageStructure structure = structureOf(page);
    QVERIFY2(structure.error.isEmpty(), qPrintable(structure.error));
    QVERIFY2(structure.wideElements.isEmpty(), qPrintable(structure.wideElements.join(QLatin1Char(' '))));

    const QString folder = QFileInfo(page).path() + QLatin1Char('/');
    for (const QString &target : structure.targets) {
        QVERIFY2(!target.contains(QLatin1Char(':')), qPrintable(target)); // nothing outside the program
        const QString file = target.section(QLatin1Char('#'), 0, 0).prepend(folder);
        const QString anchor = target.section(QLatin1Char('#'), 1);
        if (file != folder)
            QVERIFY2(QFile::exists(pagePath(file)), qPrintable(target));
        if (!anchor.isEmpty()) {
            const QStringList anchors = file == folder ? structure.anchors : structureOf(file).anchors;
            QVERIFY2(anchors.contains(anchor), qPrintable(target));
        }
    }

    // A translation holds the English page's sections, in the same order.
    QFETCH(QString, english);
    if (english.isEmpty())
        return;
    const PageStructure original = structureOf(english);
    QCOMPARE(structure.headings, original.headings);
    QCOMPARE(structure.anchors, original.anchors);
}

void TestInformation::pagesStateTheRealScoring()
{
    const int right = Exercise::PointsForRightAnswer;
    const int wrong = Exercise::PointsForWrongAnswer;
    const QString topScore = QString::number(right * QuestionsPerExercise);
    const QString rules = plainText(readPage(QStringLiteral("rules.htm"))).simplified();
    QVERIFY(rules.contains(QStringLiteral("You get %1 points.").arg(right)));
    QVERIFY(rules.contains(QStringLiteral("You lose %1 point.").arg(wrong)));
    QVERIFY(rules.contains(topScore));
    const QString help = plainText(readPage(QStringLiteral("help.htm"))).simplified();
    QVERIFY(help.contains(QStringLiteral("Wrong answer -%1 point").arg(wrong)));
    QVERIFY(help.contains(QStringLiteral("The top score is %1.").arg(topScore)));
}

void TestInformation::richTextReadsOnlyPictures()
{
    // A template's question in rich text shows pictures from files; a device,
    // a folder or a name that leads nowhere shows nothing, at once.
    for (const auto &[address, shown] : {std::pair{"Art/logo.png", true}, {"%2FArt%2Flogo.png", false},
                                          {"%2Fdev%2Fzero", false}, {"file:///dev/zero", false}, {"Art", false}}) {
        QLabel label(RichTextPictures::guarded(QStringLiteral("<b>1 + 1</b><img src=\"%1\"><img src=\"%1\">").arg(QLatin1String(address))));
        QCOMPARE(label.sizeHint().width() >= 600, shown);
    }
}

QTEST_MAIN(TestInformation)
#include "tst_information.moc"
