// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and a keyboard user get from every window: a name for
// each control that takes the focus, a tab order that follows the reading
// order, and an exercise window that tells what it paints.

#include "app/analogclock.h"
#include "app/applicationwindow.h"
#include "app/digitalclock.h"
#include "app/htmwindow.h"
#include "exercise/mdiwindow.h"
#include "exercise/worksheetdialog.h"
#include "options/optionsdialog.h"
#include "templates/templateeditor.h"
#include "testsupport.h"
#include "users/accountwindow.h"
#include "users/accounts.h"
#include "users/firstrun.h"
#include "users/progresswindow.h"
#include "users/scorewindow.h"
#include "users/sidebar.h"
#include "users/store.h"

#include <QAccessible>
#include <QChartView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QtTest>

namespace {

bool takesTabFocus(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled();
}

QString describeWidget(const QWidget *widget)
{
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
}

QString accessibleText(QWidget *widget, QAccessible::Text which)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QString();
}

// Here a combo box is named by the item it shows, so what it is for must be set on it.
QString spokenName(QWidget *widget)
{
    if (qobject_cast<QComboBox *>(widget))
        return widget->accessibleName();
    return accessibleText(widget, QAccessible::Name);
}

// The controls under the container in the order Tab visits them; a control
// that hands its focus on to another is left to that one.
QList<QWidget *> tabStops(QWidget *container)
{
    QList<QWidget *> stops;
    QWidget *start = container->window();
    for (QWidget *w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
        if (takesTabFocus(w) && !w->focusProxy() && (w == container || container->isAncestorOf(w)))
            stops.append(w);
    }
    return stops;
}

// Every control that Tab reaches without a name a screen reader could say.
QStringList unnamedControls(QWidget *container)
{
    QStringList unnamed;
    for (QWidget *w : tabStops(container)) {
        if (spokenName(w).trimmed().isEmpty())
            unnamed << describeWidget(w);
    }
    return unnamed;
}

// Pairs of tab stops where Tab goes back up the page, or leftwards within a row.
QStringList outOfReadingOrder(QWidget *container)
{
    QStringList wrong;
    const QList<QWidget *> stops = tabStops(container);
    for (qsizetype i = 1; i < stops.size(); ++i) {
        const QRect before(stops.at(i - 1)->mapTo(container->window(), QPoint()), stops.at(i - 1)->size());
        const QRect after(stops.at(i)->mapTo(container->window(), QPoint()), stops.at(i)->size());
        const bool sameRow = after.top() < before.bottom() && before.top() < after.bottom();
        if (sameRow ? after.left() < before.left() : after.top() < before.top())
            wrong << describeWidget(stops.at(i - 1)) + QStringLiteral(" -> ") + describeWidget(stops.at(i));
    }
    return wrong;
}

void checkControls(QWidget *container)
{
    QVERIFY(container->isVisible());
    QVERIFY2(!tabStops(container).isEmpty(), qPrintable(describeWidget(container)));
    const QStringList unnamed = unnamedControls(container);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    const QStringList wrong = outOfReadingOrder(container);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
}

// A dialog run through the prompts is shown while its controls are checked.
std::function<bool(QDialog &)> checkingDialog(int *checked)
{
    return [checked](QDialog &dialog) {
        dialog.show();
        if (auto *tabs = dialog.findChild<QTabWidget *>()) {
            for (int page = 0; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                checkControls(&dialog);
            }
        } else {
            checkControls(&dialog);
        }
        ++*checked;
        return false;
    };
}

QWidget *controlNamed(QWidget *root, const QString &name)
{
    const QList<QWidget *> all = root->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (accessibleText(w, QAccessible::Name) == name)
            return w;
    }
    return nullptr;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    void mainWindowWithAnExercise();
    void dialogs();
    void childWindows();
    void exerciseWindowTellsItsState();
};

void TestAccessibility::mainWindowWithAnExercise()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    AccountWindow *signIn = window.accountWindow();
    QVERIFY(signIn);
    checkControls(signIn);
    QCOMPARE(signIn->focusWidget(), signIn->newUser()); // a new computer: the name is typed at once
    signIn->newUser()->setText(QStringLiteral("Asha"));
    signIn->login();

    window.command(QStringLiteral("Addition..."))->trigger();
    auto *exercise = qobject_cast<MDIWindow *>(window.workspace()->subWindowList().first()->widget());
    QVERIFY(exercise);
    checkControls(exercise);
    checkControls(window.sidebar());
    QCOMPARE(accessibleText(window.sidebar()->nameLabel(), QAccessible::Name), QStringLiteral("Asha"));

    // Tab reads the toolbar, then the workspace, then the sidebar beside it.
    const QList<QWidget *> stops = tabStops(&window);
    const auto firstIn = [&](const QWidget *part) {
        return std::find_if(stops.cbegin(), stops.cend(), [&](const QWidget *w) { return part->isAncestorOf(w); });
    };
    QVERIFY(firstIn(window.sidebar()) != stops.cend());
    QVERIFY(firstIn(window.workspace()) < firstIn(window.sidebar()));
    QVERIFY(std::none_of(firstIn(window.sidebar()), stops.cend(),
                         [&](const QWidget *w) { return window.workspace()->isAncestorOf(w); }));

    QAction *whatsThis = window.command(QStringLiteral("What's This?"));
    QCOMPARE(whatsThis->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
}

void TestAccessibility::dialogs()
{
    ScriptedPrompts prompts;
    int checked = 0;
    prompts.onExec = checkingDialog(&checked);
    { OptionsDialog options(nullptr); }
    FirstRun::run(nullptr);
    WorksheetDialog worksheet(nullptr);
    prompts.onExec(worksheet);
    // The choice of a child whose progress to see.
    Accounts::signIn(QStringLiteral("Asha"));
    TestSupport::store(Keys::width, 700);
    ApplicationWindow window;
    window.showChildProgress();
    QCOMPARE(checked, 4);
}

void TestAccessibility::childWindows()
{
    ScriptedPrompts prompts;
    TemplateEditor editor(nullptr);
    HTMWindow page(nullptr, QStringLiteral("Help Contents"), QStringLiteral("help.htm"));
    ScoreWindow scores(nullptr, {{QStringLiteral("Asha"), QStringLiteral("Addition"), QStringLiteral("1"),
                                  QStringLiteral("0"), QStringLiteral("38")}},
                       ScoreWindow::Everybody);
    ScoreBook::append({QStringLiteral("Asha"), QStringLiteral("Addition"), QStringLiteral("1"), QStringLiteral("0"),
                       QStringLiteral("38"), QStringLiteral("2025-03-14T15:42:07+01:00")});
    ProgressWindow progress(nullptr, QStringLiteral("Asha"));
    for (QWidget *window : {static_cast<QWidget *>(&editor), static_cast<QWidget *>(&page),
                            static_cast<QWidget *>(&scores), static_cast<QWidget *>(&progress)}) {
        window->show();
        checkControls(window);
    }
    // The chart's facts in words, and the same as a list on the next page.
    QVERIFY(accessibleText(progress.chartView(), QAccessible::Description).contains(QStringLiteral("score 38")));
    progress.findChild<QTabWidget *>()->setCurrentIndex(1);
    checkControls(&progress);

    // The clocks take no focus; what they paint is told all the same.
    AnalogClock analog(nullptr);
    DigitalClock digital(nullptr);
    for (QWidget *face : {static_cast<QWidget *>(&analog), digital.centralWidget()}) {
        QVERIFY(!accessibleText(face, QAccessible::Name).isEmpty());
        QVERIFY(accessibleText(face, QAccessible::Description).contains(QLatin1Char(':')));
    }
}

void TestAccessibility::exerciseWindowTellsItsState()
{
    ScriptedPrompts prompts;
    RecordingSoundPlayer sounds;
    QuestionRecords records;
    for (int q = 0; q < QuestionsPerExercise; ++q)
        records[static_cast<size_t>(q)] = {QStringLiteral("What is %1 + 1?").arg(q), QString::number(q + 1),
                                           QStringLiteral("clue"), QStringLiteral("choice")};
    MDIWindow window(nullptr, QStringLiteral("Addition"), QStringLiteral("Asha"), 0, 0, 0, 0, records,
                     {Qt::yellow, Qt::red, Qt::darkYellow, QStringLiteral("Default")});
    window.show();
    QCOMPARE(accessibleText(window.page(), QAccessible::Name), QStringLiteral("Addition exercise"));

    const QStringList names = {QStringLiteral("Question"), QStringLiteral("Question number"), QStringLiteral("Score"),
                               QStringLiteral("Clue"), QStringLiteral("Choice")};
    const auto said = [&] {
        QStringList descriptions;
        for (const QString &name : names) {
            QWidget *control = controlNamed(&window, name);
            descriptions << (control ? accessibleText(control, QAccessible::Description) : QStringLiteral("(none)"));
        }
        return descriptions;
    };
    const auto answer = [&](const QString &text) {
        window.answerBox()->setText(text);
        window.validate();
    };
    QCOMPARE(said(), QStringList({QStringLiteral("What is 0 + 1?"), QStringLiteral("Question 1 of 20"),
                                  QStringLiteral("Score: 0"), QStringLiteral("3 clues left"),
                                  QStringLiteral("3 choices left")}));

    answer(QStringLiteral("1"));
    answer(QStringLiteral("5"));
    window.displayClue();
    window.displayChoice();
    window.displayChoice();
    QCOMPARE(said(), QStringList({QStringLiteral("What is 1 + 1?"), QStringLiteral("Question 2 of 20"),
                                  QStringLiteral("Score: 1"), QStringLiteral("2 clues left"),
                                  QStringLiteral("1 choice left")}));
    window.displayChoice();
    QCOMPARE(said().last(), QStringLiteral("No choices left"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
