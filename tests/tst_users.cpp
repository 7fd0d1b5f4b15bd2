// SPDX-License-Identifier: GPL-3.0-or-later
// Signing in, score windows, the administrator password and the sidebar.

#include "app/ui/applicationwindow.h"
#include "base/clock.h"
#include "base/store/store.h"
#include "exercise/ui/mdiwindow.h"
#include "testsupport.h"
#include "users/accounts.h"
#include "users/password.h"
#include "users/scorebook.h"
#include "users/sharedfolder.h"
#include "users/ui/accountwindow.h"
#include "users/ui/adminpassword.h"
#include "users/ui/scorewindow.h"
#include "users/ui/sidebar.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTextBrowser>
#include <QtTest>

namespace {

QStringList items(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

void addRecord(const QString &player, const QString &topic, int clues, int choices, int score)
{
    TestSupport::appendRecord({player, topic, QString::number(clues), QString::number(choices), QString::number(score)});
}

// Signs a name in through the main window's sign-in window.
void signIn(ApplicationWindow &window, const QString &typed, const QString &chosen = {})
{
    AccountWindow *accounts = window.accountWindow();
    QVERIFY(accounts);
    if (!chosen.isEmpty())
        accounts->existingUsers()->setCurrentText(chosen);
    accounts->newUser()->setText(typed);
    accounts->login();
}

QList<QMdiSubWindow *> childWindows(const ApplicationWindow &window)
{
    return window.workspace()->subWindowList(QMdiArea::CreationOrder);
}

QStringList tableRow(const QTableView *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->model()->columnCount(); ++column)
        cells << table->model()->index(row, column).data().toString();
    return cells;
}

} // namespace

class TestUsers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init()
    {
        TestSupport::resetStore();
        TestSupport::store(Keys::width, 700); // not a first start
    }

    void firstSignInCreatesTheAccount();
    void chosenNameBeatsTypedName();
    void noNameKeepsTheWindowOpen();
    void unsafeNamesAreRefused();
    void closingWithATypedNameSignsItIn();
    void formerUserGetsAFreshAccount();
    void scoreWindowsListRecordsInOrder();
    void noScoresShowsTheBox();
    void passwordPromptRules();
    void sidebarShowsThePlayersPage();
    void sidebarAfterClearingScores();
    void completionRefreshesTheExercisesPlayer();
    void practiceBringsMistakesBackFirst();
    void sidebarVisibilityIsRemembered();
};

void TestUsers::firstSignInCreatesTheAccount()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    AccountWindow *accounts = window.accountWindow();
    QVERIFY(accounts && accounts->isVisible() && accounts->isModal());
    QCOMPARE(accounts->existingUsers()->count(), 1);
    QCOMPARE(accounts->existingUsers()->currentText(), QString());
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Welcome to Brightsum!"));

    signIn(window, QStringLiteral("Asha"));
    QTRY_VERIFY(!window.accountWindow());
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Welcome to Brightsum, Asha!"));
    QCOMPARE(Accounts::names(), (QStringList{QString(), QStringLiteral("Asha")}));
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 7);
    QCOMPARE(window.userName(), QStringLiteral("Asha"));
    QCOMPARE(window.findChild<QLabel *>(QString(), Qt::FindChildrenRecursively) != nullptr, true);
    QVERIFY(window.statusBar()->findChildren<QLabel *>().size() > 0);
    bool labelShown = false;
    for (const QLabel *label : window.statusBar()->findChildren<QLabel *>())
        labelShown |= label->text() == QStringLiteral("Signed in as: Asha");
    QVERIFY(labelShown);

    // Exercises are played under the signed-in name.
    window.command(QStringLiteral("Money..."))->trigger();
    auto *exercise = qobject_cast<MDIWindow *>(childWindows(window).last()->widget());
    QCOMPARE(exercise->exercise().playerName(), QStringLiteral("Asha"));
}

void TestUsers::chosenNameBeatsTypedName()
{
    ScriptedPrompts prompts;
    Accounts::signIn(QStringLiteral("Asha"));
    ApplicationWindow window;
    QCOMPARE(window.accountWindow()->existingUsers()->count(), 2);
    signIn(window, QStringLiteral("Ben"), QStringLiteral("Asha"));
    QCOMPARE(window.userName(), QStringLiteral("Asha"));
    QVERIFY(!Accounts::names().contains(QStringLiteral("Ben")));

    // Change User opens a new window listing every name.
    window.command(QStringLiteral("Change User"))->trigger();
    signIn(window, QStringLiteral("Asha")); // an existing name typed signs in without touching the list
    QCOMPARE(Accounts::names().size(), 2);
}

void TestUsers::noNameKeepsTheWindowOpen()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    QSignalSpy loggedIn(window.accountWindow(), &AccountWindow::loggedIn);
    window.accountWindow()->login();
    QVERIFY(window.accountWindow()->isVisible());
    QVERIFY(prompts.asked.isEmpty()); // "OK" with nothing does nothing
    QVERIFY(!window.accountWindow()->close());
    QCOMPARE(prompts.count(QStringLiteral("User Accounts")), 1);
    QCOMPARE(prompts.asked.last().text, QStringLiteral("Please selct a user account or create a new one."));
    QCOMPARE(loggedIn.count(), 0);
}

void TestUsers::unsafeNamesAreRefused()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    for (const QString &name : {QStringLiteral("names"), QStringLiteral("a/b"), QStringLiteral("c\\d")}) {
        signIn(window, name);
        QVERIFY(window.accountWindow()->isVisible());
    }
    QCOMPARE(prompts.count(QStringLiteral("User Accounts")), 3);
    QCOMPARE(prompts.asked.last().kind, Prompts::Kind::Warning);
    QVERIFY(!Store::contains(Keys::accountNames));
    QVERIFY(window.userName().isEmpty());
}

void TestUsers::closingWithATypedNameSignsItIn()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.accountWindow()->newUser()->setText(QStringLiteral("Cy"));
    QVERIFY(window.accountWindow()->close());
    QCOMPARE(window.userName(), QStringLiteral("Cy"));
    QVERIFY(Accounts::names().contains(QStringLiteral("Cy")));
}

void TestUsers::formerUserGetsAFreshAccount()
{
    ScriptedPrompts prompts;
    Accounts::signIn(QStringLiteral("Asha"));
    Store::update(Accounts::completing(QStringLiteral("Asha"), QStringLiteral("Money")));
    Store::removeGroups({Keys::scoresGroup});
    Store::removeGroups({Keys::accountsGroup});
    ApplicationWindow window;
    QCOMPARE(window.accountWindow()->existingUsers()->count(), 1);
    signIn(window, QStringLiteral("Asha"));
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 7);
}

void TestUsers::scoreWindowsListRecordsInOrder()
{
    ScriptedPrompts prompts;
    addRecord(QStringLiteral("Asha"), QStringLiteral("Addition"), 1, 0, 38);
    addRecord(QStringLiteral("Ben"), QStringLiteral("Week 3"), 0, 2, -4);
    addRecord(QStringLiteral("Asha"), QStringLiteral("Money"), 3, 3, 30);
    for (int i = 0; i < 600; ++i)
        addRecord(QStringLiteral("Dee"), QStringLiteral("Fractions"), 0, 0, i);

    ApplicationWindow window;
    window.resize(1100, 760);
    signIn(window, QStringLiteral("Asha"));
    window.showScores();
    auto *everybody = qobject_cast<ScoreWindow *>(childWindows(window).last()->widget());
    // All five columns show, within the workspace.
    QVERIFY(everybody->table()->viewport()->width() >= everybody->table()->horizontalHeader()->length());
    QVERIFY(window.workspace()->viewport()->rect().contains(childWindows(window).last()->geometry()));
    QCOMPARE(everybody->windowTitle(), QStringLiteral("Everybody's Scores"));
    QCOMPARE(everybody->table()->model()->rowCount(), 603); // no bound of 500
    QCOMPARE(everybody->table()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("No. of Clues"));
    QCOMPARE(tableRow(everybody->table(), 1),
             (QStringList{QStringLiteral("Ben"), QStringLiteral("Week 3"), QStringLiteral("0"), QStringLiteral("2"),
                          QStringLiteral("-4")}));
    QCOMPARE(tableRow(everybody->table(), 602).last(), QStringLiteral("599"));
    QCOMPARE(window.sidebar()->windowTitle(), QStringLiteral("Everybody's Scores"));

    window.showMyScores();
    auto *mine = qobject_cast<ScoreWindow *>(childWindows(window).last()->widget());
    QCOMPARE(mine->windowTitle(), QStringLiteral("My Scores"));
    QCOMPARE(mine->table()->model()->rowCount(), 2);
    QCOMPARE(tableRow(mine->table(), 0).at(1), QStringLiteral("Addition"));
    QCOMPARE(tableRow(mine->table(), 1).at(1), QStringLiteral("Money"));
    QCOMPARE(window.sidebar()->windowTitle(), QStringLiteral("My Scores"));

    // A window is a snapshot: later records do not change it.
    addRecord(QStringLiteral("Asha"), QStringLiteral("Division"), 0, 0, 40);
    QCOMPARE(mine->table()->model()->rowCount(), 2);
    // ... but records from another computer join it, with those made here meanwhile.
    QVERIFY(Store::update(SharedFolder::merging({{QStringLiteral("Asha"), QStringLiteral("Money"), QStringLiteral("0"),
                                                  QStringLiteral("0"), QStringLiteral("36"), QString(),
                                                  QStringLiteral("8f2c0d7e4b1a49c6a3e5d2f1b0c9e8a7")}})));
    QTRY_COMPARE(mine->table()->model()->rowCount(), 4);
    QCOMPARE(everybody->table()->model()->rowCount(), 605);
}

void TestUsers::noScoresShowsTheBox()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    signIn(window, QStringLiteral("Asha"));
    window.showScores();
    // A computer with no records yet can still be shared with the room from its task page.
    QCOMPARE(window.sidebar()->windowTitle(), QStringLiteral("Everybody's Scores"));
    addRecord(QStringLiteral("Ben"), QStringLiteral("Addition"), 0, 0, 40);
    window.showMyScores(); // records exist, none of Asha's
    QCOMPARE(prompts.count(QStringLiteral("No Saved Scores")), 2);
    QCOMPARE(prompts.asked.last().text, QStringLiteral("No scores to display."));
    QVERIFY(childWindows(window).isEmpty());
}

void TestUsers::passwordPromptRules()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    AdminPassword *main = window.passwordPrompt();
    AdminPassword *side = window.sidebar()->passwordPrompt();

    prompts.texts = {QStringLiteral("tindrel"), QStringLiteral("Tindrel"), QStringLiteral("tindrel "), std::nullopt};
    QVERIFY(main->checkPassword());
    QVERIFY(!main->checkPassword());
    QVERIFY(!side->checkPassword());
    QCOMPARE(prompts.count(QStringLiteral("Incorrect Password!")), 2);
    QVERIFY(!main->checkPassword()); // cancelled: no message
    QCOMPARE(prompts.count(QStringLiteral("Incorrect Password!")), 2);
    QCOMPARE(prompts.asked.first().title, QStringLiteral("Administrator Password"));
    QCOMPARE(prompts.asked.first().text,
             QStringLiteral("The feature you requested requires administrator\naccess. Please enter the administrator "
                            "password:"));

    Password::store(QString()); // a changed password applies to both prompts at once
    prompts.texts = {QString(), QString()};
    QVERIFY(main->checkPassword());
    QVERIFY(side->checkPassword());
}

void TestUsers::sidebarShowsThePlayersPage()
{
    ScriptedPrompts prompts;
    const QStringList topics{QStringLiteral("Number Skills"), QStringLiteral("Addition"),
                             QStringLiteral("Subtraction"), QStringLiteral("Multiplication"),
                             QStringLiteral("Division"), QStringLiteral("Fractions"), QStringLiteral("Money")};
    ApplicationWindow window;
    Sidebar *sidebar = window.sidebar();
    QCOMPARE(sidebar->windowTitle(), QStringLiteral("Welcome"));
    QCOMPARE(sidebar->currentPage(), sidebar->htmlPage());
    // The page's text and the desktop's icon come once the window is painted.
    QTRY_VERIFY(!sidebar->htmlPage()->toPlainText().isEmpty());
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(!window.accountWindow()->windowHandle()->icon().isNull()); // shown before the icon was there
    {
        // A page shown before that first paint stays.
        ApplicationWindow early;
        early.sidebar()->showHtmlPage(QStringLiteral("Rules"), QStringLiteral("rules.htm"));
        QVERIFY(QTest::qWaitForWindowExposed(&early));
        QTRY_VERIFY(!early.windowIcon().isNull());
        QCOMPARE(early.sidebar()->windowTitle(), QStringLiteral("Rules"));
        QCOMPARE(early.sidebar()->htmlPage()->source().fileName(), QStringLiteral("rules.htm"));
    }

    signIn(window, QStringLiteral("Asha"));
    QCOMPARE(sidebar->nameLabel()->text(), QStringLiteral("Asha"));
    QCOMPARE(items(sidebar->toDoList()), topics);
    QVERIFY(items(sidebar->recentList()).isEmpty());
    QCOMPARE(items(sidebar->statisticsList()),
             (QStringList{QStringLiteral("Number of clues used: 0"), QStringLiteral("Number of choices used: 0"),
                          QStringLiteral("Total score: 0")}));

    for (int i = 0; i < 7; ++i)
        addRecord(QStringLiteral("Asha"), topics.at(i), 1, 0, i == 3 ? -6 : 10);
    addRecord(QStringLiteral("Ben"), QStringLiteral("Money"), 3, 3, 40);
    sidebar->setUserContent(QStringLiteral("Asha"));
    QCOMPARE(items(sidebar->recentList()),
             (QStringList{QStringLiteral("Money"), QStringLiteral("Fractions"), QStringLiteral("Division"),
                          QStringLiteral("Multiplication"), QStringLiteral("Subtraction")}));
    QCOMPARE(items(sidebar->statisticsList()).last(), QStringLiteral("Total score: 54"));
    QCOMPARE(items(sidebar->statisticsList()).first(), QStringLiteral("Number of clues used: 7"));
}

void TestUsers::sidebarAfterClearingScores()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    signIn(window, QStringLiteral("Asha"));
    addRecord(QStringLiteral("Asha"), QStringLiteral("Money"), 2, 2, 20);
    Store::update(Accounts::completing(QStringLiteral("Asha"), QStringLiteral("Money")));

    prompts.texts = {QStringLiteral("wrong")};
    window.sidebar()->clearScores();
    QCOMPARE(ScoreBook::records().size(), 1);

    prompts.texts = {QStringLiteral("tindrel")};
    window.sidebar()->clearScores();
    QCOMPARE(prompts.count(QStringLiteral("Saved Scores")), 1);
    QCOMPARE(prompts.asked.last().text, QStringLiteral("All saved scores have been cleared."));
    QCOMPARE(ScoreBook::records().size(), 0);
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 7);

    // The next completion: six topics to do, one recent entry, that record's totals.
    window.command(QStringLiteral("Addition..."))->trigger();
    auto *exercise = qobject_cast<MDIWindow *>(childWindows(window).last()->widget());
    for (int q = 0; q < QuestionsPerExercise; ++q) {
        exercise->answerBox()->setText(exercise->exercise().current().answer);
        exercise->validate();
    }
    Sidebar *sidebar = window.sidebar();
    QCOMPARE(sidebar->currentPage(), static_cast<QWidget *>(sidebar->toDoList()->parentWidget()->parentWidget()));
    QCOMPARE(sidebar->toDoList()->count(), 6);
    QCOMPARE(items(sidebar->recentList()), QStringList{QStringLiteral("Addition")});
    QCOMPARE(items(sidebar->statisticsList()).last(), QStringLiteral("Total score: 40"));
}

void TestUsers::completionRefreshesTheExercisesPlayer()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    signIn(window, QStringLiteral("Asha"));
    window.command(QStringLiteral("Division..."))->trigger();
    auto *exercise = qobject_cast<MDIWindow *>(childWindows(window).last()->widget());
    window.command(QStringLiteral("Change User"))->trigger();
    signIn(window, QStringLiteral("Ben"));
    QCOMPARE(window.sidebar()->nameLabel()->text(), QStringLiteral("Ben"));
    for (int q = 0; q < QuestionsPerExercise; ++q) {
        exercise->answerBox()->setText(exercise->exercise().current().answer);
        exercise->validate();
    }
    QCOMPARE(window.sidebar()->nameLabel()->text(), QStringLiteral("Asha"));
    QCOMPARE(ScoreBook::records().last().player, QStringLiteral("Asha"));
}

void TestUsers::practiceBringsMistakesBackFirst()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    signIn(window, QStringLiteral("Asha"));
    window.practiseMistakes(); // nothing missed yet: said kindly
    QCOMPARE(prompts.titles().last(), QStringLiteral("Practise My Mistakes"));
    QVERIFY(childWindows(window).isEmpty());

    window.command(QStringLiteral("Money..."))->trigger();
    auto *money = qobject_cast<MDIWindow *>(childWindows(window).last()->widget());
    money->answerBox()->setText(QStringLiteral("-1"));
    money->validate();
    window.practiseMistakes();
    auto *practice = qobject_cast<MDIWindow *>(childWindows(window).last()->widget());
    QCOMPARE(practice->windowTitle(), QStringLiteral("Practice"));
    QCOMPARE(practice->exercise().questions().front().text, money->exercise().questions().front().text);
    for (int q = 0; q < QuestionsPerExercise; ++q) {
        practice->answerBox()->setText(practice->exercise().current().answer);
        practice->validate();
    }
    QCOMPARE(ScoreBook::records().last().topic, QStringLiteral("Practice"));
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 7);
    QCOMPARE(items(window.sidebar()->recentList()), QStringList{QStringLiteral("Practice")});

    // The next day, signing in tells the child the question is due.
    Clock::set([] { return QDateTime::currentDateTime().addDays(1); });
    window.command(QStringLiteral("Change User"))->trigger();
    signIn(window, QStringLiteral("Asha"));
    Clock::set({});
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("1 question to practise today"));
}

void TestUsers::sidebarVisibilityIsRemembered()
{
    ScriptedPrompts prompts;
    {
        ApplicationWindow window;
        QVERIFY(window.sidebar()->isVisible());
        QVERIFY(window.command(QStringLiteral("Sidebar"))->isChecked());
        window.command(QStringLiteral("Sidebar"))->trigger();
        QVERIFY(!window.sidebar()->isVisible());
        QVERIFY(!window.command(QStringLiteral("Sidebar"))->isChecked());
        QVERIFY(window.close());
    }
    QCOMPARE(Store::value(Keys::sidebar).toBool(), false);
    ApplicationWindow again;
    QVERIFY(!again.sidebar()->isVisible());
    QVERIFY(!again.command(QStringLiteral("Sidebar"))->isChecked());
}

QTEST_MAIN(TestUsers)
#include "tst_users.moc"
