// SPDX-License-Identifier: GPL-3.0-or-later
// The commands in the menus and the toolbar, the Window menu, themes and sounds.

#include "app/ui/applicationwindow.h"
#include "base/store/store.h"
#include "exercise/ui/mdiwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>
#include <QtTest>

namespace {

// The entries of a menu or toolbar: texts, "|" for separators, "[Name]" for widgets.
QStringList entries(const QList<QAction *> &actions, const QWidget *owner = nullptr)
{
    QStringList result;
    for (QAction *action : actions) {
        if (action->isSeparator())
            result << QStringLiteral("|");
        else if (auto *widgetAction = qobject_cast<QWidgetAction *>(action); widgetAction && owner)
            result << QStringLiteral("[%1]").arg(widgetAction->defaultWidget()
                                                     ? widgetAction->defaultWidget()->windowTitle()
                                                     : qobject_cast<const QToolBar *>(owner)->widgetForAction(action)->windowTitle());
        else if (action->menu())
            result << action->menu()->title();
        else
            result << action->text();
    }
    return result;
}

QMenu *menu(const ApplicationWindow &window, const QString &title)
{
    for (QAction *action : window.menuBar()->actions()) {
        if (action->menu() && action->menu()->title() == title)
            return action->menu();
    }
    return nullptr;
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init()
    {
        TestSupport::resetStore();
        TestSupport::store(Keys::width, 700);
    }

    void menusHoldEveryCommandInOrder();
    void commandsCarryShortcutsAndTips_data();
    void commandsCarryShortcutsAndTips();
    void toolbarOrder();
    void windowMenu();
    void commandsFollowTheActiveChild();
    void themeChangesNewExercisesOnly();
    void soundSetChangesTheNextExercise();
};

void TestCommands::menusHoldEveryCommandInOrder()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    QStringList bar;
    for (QAction *action : window.menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, (QStringList{QStringLiteral("&File"), QStringLiteral("&View"), QStringLiteral("&Window"),
                               QStringLiteral("&Themes"), QStringLiteral("&Sounds"), QStringLiteral("&Tools"),
                               QStringLiteral("&Help")}));
    QCOMPARE(entries(menu(window, QStringLiteral("&File"))->actions()),
             QStringLiteral("&New/New from Template.../Open.../|/Save/|/Print.../|/Change User/|/Exit")
                 .split(QLatin1Char('/')));
    QMenu *newMenu = menu(window, QStringLiteral("&File"))->actions().first()->menu();
    QCOMPARE(entries(newMenu->actions()),
             (QStringList{QStringLiteral("Number Skills..."), QStringLiteral("Addition..."),
                          QStringLiteral("Subtraction..."), QStringLiteral("Multiplication..."),
                          QStringLiteral("Division..."), QStringLiteral("Fractions..."), QStringLiteral("Money...")}));
    QCOMPARE(window.newButton()->menu(), newMenu); // one menu shared by the submenu and the button

    QMenu *view = menu(window, QStringLiteral("&View"));
    QCOMPARE(entries(view->actions()),
             (QStringList{QStringLiteral("Rules..."), QStringLiteral("&Scores"), QStringLiteral("Analog Clock"),
                          QStringLiteral("Digital Clock"), QStringLiteral("|"), QStringLiteral("Sidebar"),
                          QStringLiteral("Full Screen")}));
    QCOMPARE(window.scoresButton()->menu(), view->actions().at(1)->menu());
    QCOMPARE(entries(window.scoresButton()->menu()->actions()),
             (QStringList{QStringLiteral("Everybody's Scores"), QStringLiteral("My Scores")}));
    QCOMPARE(entries(menu(window, QStringLiteral("&Themes"))->actions()),
             QStringLiteral("Default Earth Fire Space Water Heart").split(QLatin1Char(' ')));
    QCOMPARE(entries(menu(window, QStringLiteral("&Sounds"))->actions()),
             (QStringList{QStringLiteral("Animals"), QStringLiteral("Musical Instruments"), QStringLiteral("People"),
                          QStringLiteral("Technology"), QStringLiteral("Transport")}));
    QCOMPARE(entries(menu(window, QStringLiteral("&Tools"))->actions()),
             (QStringList{QStringLiteral("Template Editor..."), QStringLiteral("Worksheet Creator..."),
                          QStringLiteral("|"), QStringLiteral("Options...")}));
    QCOMPARE(entries(menu(window, QStringLiteral("&Help"))->actions()),
             (QStringList{QStringLiteral("Help..."), QStringLiteral("What's New?..."), QStringLiteral("|"),
                          QStringLiteral("Version..."), QStringLiteral("Thanks..."), QStringLiteral("About...")}));
    for (QAction *theme : menu(window, QStringLiteral("&Themes"))->actions()) {
        QVERIFY(!theme->isCheckable());
        QVERIFY(!theme->icon().isNull());
    }
}

void TestCommands::commandsCarryShortcutsAndTips_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("tip");
    QTest::newRow("money") << "Money..." << "Ctrl+7" << "Begins a new money exercise";
    QTest::newRow("template") << "New from Template..." << "Ctrl+N" << "Creates a new exercise from an exercise template";
    QTest::newRow("save") << "Save" << "Ctrl+S" << "Saves the currently active exercise";
    QTest::newRow("print") << "Print..." << "Ctrl+P" << "Prints the question set of the currently active exercise";
    QTest::newRow("rules") << "Rules..." << "Ctrl+R" << "Displays Brightsum rules and scoring system";
    QTest::newRow("clock") << "Analog Clock" << "Ctrl+C" << "Displays an analog clock";
    QTest::newRow("full screen") << "Full Screen" << "Ctrl+F" << "Toggles full screen mode";
    QTest::newRow("close") << "Cl&ose" << "Ctrl+F4" << "Close the active window";
    QTest::newRow("previous") << "Pre&vious" << "Ctrl+Shift+F6" << "Move the focus to the previous window";
    QTest::newRow("options") << "Options..." << "Ctrl+K" << "Displays the options dialog";
    QTest::newRow("help") << "Help..." << "F1" << "Displays help contents";
    QTest::newRow("whats new") << "What's New?..." << "F2" << "Displays a list of new features in Brightsum";
    QTest::newRow("version") << "Version..." << "Ctrl+V" << "Displays version information and checks for updates";
    QTest::newRow("about") << "About..." << "Ctrl+A" << "Displays about information";
    QTest::newRow("change user") << "Change User" << ""
                                 << "Sign out of your user account to allow somebody else to use Brightsum from their account";
}

void TestCommands::commandsCarryShortcutsAndTips()
{
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(QString, tip);
    ScriptedPrompts prompts;
    ApplicationWindow window;
    QAction *action = window.command(text);
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QCOMPARE(action->statusTip(), tip);
}

void TestCommands::toolbarOrder()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    auto *toolbar = window.findChild<QToolBar *>();
    QCOMPARE(toolbar->windowTitle(), QStringLiteral("Standard Toolbar"));
    QCOMPARE(toolbar->iconSize(), QSize(20, 20));
    QCOMPARE(entries(toolbar->actions(), toolbar),
             QStringLiteral("[New]/Open.../Save/Print.../|/Rules.../[Scores]/Analog Clock/Sidebar/Full Screen/|/"
                            "Template Editor.../Worksheet Creator.../Options.../|/Help.../What's This?/|/"
                            "Version.../Thanks.../About...")
                 .split(QLatin1Char('/')));
    QCOMPARE(window.newButton()->popupMode(), QToolButton::InstantPopup);
    QCOMPARE(window.newButton()->statusTip(), QStringLiteral("Begins a new exercise"));
    QCOMPARE(window.scoresButton()->statusTip(), QStringLiteral("Displays high scores"));
}

void TestCommands::windowMenu()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    QMenu *windows = window.windowMenu();
    window.updateWindowMenu();
    QCOMPARE(entries(windows->actions()),
             QStringLiteral("Cl&ose/Close &All/|/&Tile/&Cascade/|/Ne&xt/Pre&vious/|").split(QLatin1Char('/')));
    QVERIFY(!windows->actions().last()->isVisible()); // no separator below the commands

    for (int i = 0; i < 11; ++i)
        window.command(i % 2 ? QStringLiteral("Addition...") : QStringLiteral("Money..."))->trigger();
    window.updateWindowMenu();
    const QList<QAction *> actions = windows->actions();
    QVERIFY(actions.at(8)->isVisible());
    QCOMPARE(actions.at(9)->text(), QStringLiteral("&1. Money"));
    QCOMPARE(actions.at(10)->text(), QStringLiteral("&2. Addition"));
    QCOMPARE(actions.at(17)->text(), QStringLiteral("&9. Money"));
    QCOMPARE(actions.at(18)->text(), QStringLiteral("10. Addition"));
    QCOMPARE(actions.at(19)->text(), QStringLiteral("11. Money"));
    QVERIFY(actions.at(19)->isChecked()); // the newest is active
    QVERIFY(!actions.at(9)->isChecked());

    actions.at(10)->trigger();
    QCOMPARE(window.workspace()->activeSubWindow()->windowTitle(), QStringLiteral("Addition"));
    QCOMPARE(window.workspace()->activeSubWindow(),
             window.workspace()->subWindowList(QMdiArea::CreationOrder).at(1));
}

void TestCommands::commandsFollowTheActiveChild()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    const QStringList followers{QStringLiteral("Save"), QStringLiteral("Print..."),
                                QStringLiteral("Worksheet Creator..."), QStringLiteral("Cl&ose"),
                                QStringLiteral("Ne&xt")};
    window.updateMenus(); // as the workspace reports when nothing is active
    for (const QString &text : followers)
        QVERIFY2(!window.command(text)->isEnabled(), qPrintable(text));

    // Any child window counts, not only exercises.
    auto *other = new QMainWindow;
    other->setWindowTitle(QStringLiteral("Analog Clock"));
    window.addChildWindow(other);
    window.workspace()->setActiveSubWindow(window.workspace()->subWindowList().first());
    for (const QString &text : followers)
        QVERIFY2(window.command(text)->isEnabled(), qPrintable(text));
    window.command(QStringLiteral("Save"))->trigger(); // finds no exercise and does nothing
    QVERIFY(prompts.asked.isEmpty());
}

void TestCommands::themeChangesNewExercisesOnly()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.command(QStringLiteral("Addition..."))->trigger();
    auto *before = qobject_cast<MDIWindow *>(window.workspace()->subWindowList().first()->widget());
    const QImage beforeImage = before->page()->grab().toImage();

    window.findChild<QAction *>(QStringLiteral("Fire"))->trigger();
    const std::unique_ptr<QSettings> stored = TestSupport::onDisk();
    const QSettings &store = *stored;
    QList<int> colours;
    for (int i = 1; i <= 9; ++i)
        colours << store.value(Keys::themeColour(i)).toInt();
    QCOMPARE(colours, (QList<int>{225, 35, 25, 255, 150, 0, 0, 0, 0}));
    QCOMPARE(store.value(Keys::theme).toString(), QStringLiteral("Fire"));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Theme set to Fire"));
    QCOMPARE(window.theme().name, QStringLiteral("Fire"));

    QCOMPARE(before->page()->grab().toImage(), beforeImage); // the open exercise keeps its look
    window.command(QStringLiteral("Money..."))->trigger();
    auto *after = qobject_cast<MDIWindow *>(window.workspace()->subWindowList(QMdiArea::CreationOrder).last()->widget());
    QCOMPARE(after->page()->grab().toImage().pixelColor(300, 5), QColor(225, 35, 25));
    QCOMPARE(before->page()->grab().toImage().pixelColor(300, 5), QColor(255, 200, 0));
}

void TestCommands::soundSetChangesTheNextExercise()
{
    ScriptedPrompts prompts;
    RecordingSoundPlayer sounds;
    ApplicationWindow window;
    window.findChild<QAction *>(QStringLiteral("Musical Instruments"))->trigger();
    QCOMPARE(Store::value(Keys::soundSet).toString(), QStringLiteral("Music"));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Sounds set to Music"));
    window.command(QStringLiteral("Subtraction..."))->trigger();
    auto *exercise = qobject_cast<MDIWindow *>(window.workspace()->subWindowList().first()->widget());
    exercise->answerBox()->setText(exercise->exercise().current().answer);
    exercise->validate();
    QCOMPARE(sounds.played, QStringList{QStringLiteral("Sounds/music1.wav")});
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
