// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, topic commands, geometry and closing.

#include "app/ui/applicationwindow.h"
#include "base/store/store.h"
#include "exercise/ui/mdiwindow.h"
#include "templates/ui/templateeditor.h"
#include "testsupport.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestApplicationWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }
    void cleanup() { QDir::setCurrent(TestSupport::dataFolder()); }

    void missingQuestionFilesEndTheStart();
    void topicCommandsOpenExercises();
    void newExercisePageIsInView_data();
    void newExercisePageIsInView();
    void geometryIsRestoredAndWritten_data();
    void geometryIsRestoredAndWritten();
    void closingStopsAtARefusingChild();
    void toolbarStyleFollowsTheStore_data();
    void toolbarStyleFollowsTheStore();
    void commandsActOrTell_data();
    void commandsActOrTell();
};

void TestApplicationWindow::missingQuestionFilesEndTheStart()
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("Exercises"));
    for (const QString &topic : {QStringLiteral("Number Skills"), QStringLiteral("Addition"),
                                 QStringLiteral("Subtraction"), QStringLiteral("Multiplication"),
                                 QStringLiteral("Fractions")})
        QFile::copy(TestSupport::dataFolder() + QStringLiteral("/Exercises/") + topic + QStringLiteral(".dat"),
                    folder.path() + QStringLiteral("/Exercises/") + topic + QStringLiteral(".dat"));
    QDir::setCurrent(folder.path());

    ScriptedPrompts prompts;
    ApplicationWindow window;
    QVERIFY(!window.isReady());
    QVERIFY(!window.isVisible());
    QCOMPARE(prompts.count(QStringLiteral("File Reading Error")), 1); // once, naming Division and Money
    QCOMPARE(prompts.asked.first().kind, Prompts::Kind::Critical);
    QVERIFY(prompts.asked.first().text.contains(QStringLiteral("Division.dat\n")));
    QVERIFY(prompts.asked.first().text.endsWith(QStringLiteral("Money.dat")));
}

void TestApplicationWindow::topicCommandsOpenExercises()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    QVERIFY(window.isReady());
    QAction *addition = window.command(QStringLiteral("Addition..."));
    QVERIFY(addition);
    QCOMPARE(addition->shortcut(), QKeySequence(QStringLiteral("Ctrl+2")));
    addition->trigger();
    addition->trigger();
    const QList<QMdiSubWindow *> windows = window.workspace()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(windows.size(), 2);
    QCOMPARE(windows.at(0)->windowTitle(), QStringLiteral("Addition"));
    QVERIFY(windows.at(0)->widget() != windows.at(1)->widget());
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("New addition exercise created"));

    auto *exercise = qobject_cast<MDIWindow *>(windows.at(0)->widget());
    QVERIFY(exercise);
    QCOMPARE(exercise->exercise().questions().size(), size_t(QuestionsPerExercise));
    QVERIFY(!exercise->exercise().current().text.isEmpty());

    window.command(QStringLiteral("Number Skills..."))->trigger();
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("New number skills exercise created"));
    QCOMPARE(window.workspace()->subWindowList().size(), 3);
}

void TestApplicationWindow::newExercisePageIsInView_data()
{
    QTest::addColumn<QSize>("mainWindow");
    QTest::addColumn<bool>("wholePage");
    QTest::addColumn<bool>("larger"); // than the page's layout
    QTest::newRow("too narrow for the smallest page: scrolled to the top left") << QSize(520, 400) << false << false;
    QTest::newRow("narrow workspace: all of it, smaller") << QSize(700, 500) << true << false;
    QTest::newRow("wide workspace: all of it, larger") << QSize(1100, 760) << true << true;
}

void TestApplicationWindow::newExercisePageIsInView()
{
    QFETCH(QSize, mainWindow);
    QFETCH(bool, wholePage);
    QFETCH(bool, larger);
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.resize(mainWindow);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.command(QStringLiteral("Addition..."))->trigger();
    window.command(QStringLiteral("Money..."))->trigger(); // placed beside or over the first
    QTest::qWait(50);
    const QRect visible = window.workspace()->viewport()->rect();
    for (QMdiSubWindow *frame : window.workspace()->subWindowList()) {
        const QWidget *page = qobject_cast<MDIWindow *>(frame->widget())->page();
        const QRect shown(page->mapTo(window.workspace()->viewport(), QPoint()), page->size());
        QCOMPARE(visible.contains(shown), wholePage);
        QCOMPARE(page->width() > MDIWindow::PageSize.width(), larger);
        if (!wholePage)
            QCOMPARE(frame->pos(), QPoint(0, 0));
    }
}

void TestApplicationWindow::geometryIsRestoredAndWritten_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("normal") << QStringLiteral("normal");
    QTest::newRow("maximized") << QStringLiteral("maximized");
    QTest::newRow("full screen") << QStringLiteral("fullscreen");
}

void TestApplicationWindow::geometryIsRestoredAndWritten()
{
    QFETCH(QString, state);
    ScriptedPrompts prompts;
    {
        // First start: at least the fallback, within the screen.
        ApplicationWindow window;
        QVERIFY(window.width() >= 700 && window.height() >= 500);
        QVERIFY(window.QWidget::screen()->availableGeometry().contains(window.geometry()));
        QVERIFY(!window.isMaximized());
        if (state == QLatin1String("maximized"))
            window.showMaximized();
        else if (state == QLatin1String("fullscreen"))
            window.command(QStringLiteral("Full Screen"))->trigger();
        else
            window.setGeometry(60, 70, 640, 480);
        QVERIFY(window.close());
    }
    const std::unique_ptr<QSettings> stored = TestSupport::onDisk();
    const QSettings &store = *stored;
    QCOMPARE(store.value(Keys::fullscreen).toBool(), state == QLatin1String("fullscreen"));
    QVERIFY(store.contains(Keys::sidebar));
    if (state == QLatin1String("fullscreen")) {
        QVERIFY(!store.contains(Keys::width)); // full screen writes nothing else of the geometry
    } else {
        QCOMPARE(store.value(Keys::maximized).toBool(), state == QLatin1String("maximized"));
        QVERIFY(store.contains(Keys::width));
    }

    ApplicationWindow again;
    if (state == QLatin1String("normal")) {
        QCOMPARE(again.geometry(), QRect(60, 70, 640, 480));
    } else if (state == QLatin1String("maximized")) {
        QVERIFY(again.isMaximized());
    } else {
        QVERIFY(again.isFullScreen());
        QVERIFY(again.command(QStringLiteral("Full Screen"))->isChecked());
        again.command(QStringLiteral("Full Screen"))->trigger();
        QVERIFY(!again.isFullScreen());
    }
}

void TestApplicationWindow::closingStopsAtARefusingChild()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.command(QStringLiteral("Money..."))->trigger();
    window.command(QStringLiteral("Addition..."))->trigger();
    window.command(QStringLiteral("Division..."))->trigger();
    QList<QMdiSubWindow *> windows = window.workspace()->subWindowList(QMdiArea::CreationOrder);
    auto *addition = qobject_cast<MDIWindow *>(windows.at(1)->widget());
    addition->answerBox()->setText(QStringLiteral("99999"));
    addition->validate();

    prompts.buttons = {QMessageBox::Cancel};
    QVERIFY(!window.close());
    QTRY_COMPARE(window.workspace()->subWindowList().size(), 2); // Money closed, Addition and Division stay
    QCOMPARE(window.workspace()->subWindowList(QMdiArea::CreationOrder).first()->windowTitle(),
             QStringLiteral("Addition"));
    QVERIFY(Store::contains(Keys::width)); // the geometry was written all the same

    prompts.buttons = {QMessageBox::No};
    QVERIFY(window.close());
}

void TestApplicationWindow::toolbarStyleFollowsTheStore_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<Qt::ToolButtonStyle>("style");
    QTest::newRow("icons only") << 0 << Qt::ToolButtonIconOnly;
    QTest::newRow("text only") << 1 << Qt::ToolButtonTextOnly;
    QTest::newRow("text beside") << 2 << Qt::ToolButtonTextBesideIcon;
    QTest::newRow("text under") << 3 << Qt::ToolButtonTextUnderIcon;
    QTest::newRow("out of range") << 7 << Qt::ToolButtonIconOnly;
}

void TestApplicationWindow::toolbarStyleFollowsTheStore()
{
    QFETCH(int, stored);
    QFETCH(Qt::ToolButtonStyle, style);
    ScriptedPrompts prompts;
    TestSupport::store(Keys::toolbar, stored);
    ApplicationWindow window;
    QCOMPARE(window.toolButtonStyle(), style);
    QCOMPARE(window.newButton()->toolButtonStyle(), style);
}

void TestApplicationWindow::commandsActOrTell_data()
{
    QTest::addColumn<QStringList>("opened"); // in this order; the last is active
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QString>("told"); // in the exercise's status bar when one is open, else the main window's
    QTest::newRow("print, nothing open") << QStringList() << "printFile"_ba << u"Open an exercise first"_s;
    QTest::newRow("save, the sample template active") << QStringList{u"template"_s} << "saveExe"_ba
                                                      << u"Open an exercise first"_s;
    QTest::newRow("worksheet, a template editor active")
        << QStringList{u"exercise"_s, u"template"_s} << "worksheet"_ba << u"Click in the exercise's window first"_s;
    QTest::newRow("worksheet, nothing chosen") << QStringList{u"exercise"_s} << "worksheet"_ba
                                               << u"No worksheet was made: choose Print or Save as PDF"_s;
}

void TestApplicationWindow::commandsActOrTell()
{
    QFETCH(QStringList, opened);
    QFETCH(QByteArray, command);
    QFETCH(QString, told);
    ScriptedPrompts prompts;
    prompts.texts = {u"tindrel"_s};
    ApplicationWindow window;
    prompts.onExec = [](QDialog &) { return true; }; // the worksheet's dialog as it opens
    MDIWindow *exercise = nullptr;
    for (const QString &kind : opened) {
        if (kind == u"exercise"_s) {
            window.command(u"Addition..."_s)->trigger();
            exercise = qobject_cast<MDIWindow *>(window.workspace()->activeSubWindow()->widget());
        } else {
            window.openSampleTemplate();
        }
    }
    QVERIFY(QMetaObject::invokeMethod(&window, command.constData()));
    QCOMPARE((opened.endsWith(u"exercise"_s) ? exercise : static_cast<QMainWindow *>(&window))
                 ->statusBar()->currentMessage(),
             told);
}

QTEST_MAIN(TestApplicationWindow)
#include "tst_applicationwindow.moc"
