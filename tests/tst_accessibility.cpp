// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and a keyboard user get from every window: a name for
// each control that takes the focus, a tab order that follows the reading
// order, and an exercise window that tells what it paints.

#include "app/ui/analogclock.h"
#include "app/ui/applicationwindow.h"
#include "app/ui/digitalclock.h"
#include "app/ui/htmwindow.h"
#include "base/store/store.h"
#include "exercise/ui/mdiwindow.h"
#include "exercise/ui/worksheetdialog.h"
#include "options/ui/optionsdialog.h"
#include "templates/ui/generatedialog.h"
#include "templates/ui/templateeditor.h"
#include "testsupport.h"
#include "users/accounts.h"
#include "users/ui/accountwindow.h"
#include "users/ui/firstrundialog.h"
#include "users/ui/progresswindow.h"
#include "users/ui/scorewindow.h"
#include "users/ui/sidebar.h"
#include "users/ui/timestablemap.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QChartView>
#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTableView>
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

// What a person reads in the window, each text with where it was found, that no
// catalogue reaches: not marked by the pseudo-translation, holding a letter,
// and not among the names and question texts the window merely shows.
QStringList untranslatedTexts(QWidget *root, const QStringList &shownAsTheyAre)
{
    QStringList found;
    const auto check = [&](const QString &text, const QObject *where) {
        const QString plain = QString(text).remove(QLatin1Char('&')).trimmed();
        if (std::any_of(plain.cbegin(), plain.cend(), [](QChar c) { return c.isLetter(); })
            && !PseudoTranslator::marked(plain) && !shownAsTheyAre.contains(plain))
            found << QStringLiteral("%1 (%2 %3)").arg(plain, QString::fromLatin1(where->metaObject()->className()),
                                                     where->objectName());
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : std::as_const(widgets)) {
        if (w->isWindow())
            check(w->windowTitle(), w);
        for (const QString &text : {w->toolTip(), w->statusTip(), w->whatsThis(), w->accessibleName()})
            check(text, w);
        if (auto *label = qobject_cast<QLabel *>(w); label && !Qt::mightBeRichText(label->text()))
            check(label->text(), w);
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            check(button->text(), w);
        if (auto *group = qobject_cast<QGroupBox *>(w))
            check(group->title(), w);
        if (auto *menu = qobject_cast<QMenu *>(w))
            check(menu->title(), w);
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(tabs->tabText(i), w);
        }
        if (auto *combo = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                check(combo->itemText(i), w);
        }
        if (auto *list = qobject_cast<QListWidget *>(w)) {
            for (int i = 0; i < list->count(); ++i)
                check(list->item(i)->text(), w);
        }
        if (auto *header = qobject_cast<QHeaderView *>(w); header && header->model()) {
            for (int i = 0; i < header->count(); ++i)
                check(header->model()->headerData(i, header->orientation()).toString(), w);
        }
        for (const QAction *action : w->actions()) {
            for (const QString &text : {action->text(), action->statusTip(), action->whatsThis()})
                check(text, action);
        }
    }
    found.removeDuplicates();
    return found;
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
    void everyShownTextCanBeTranslated();
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
    TestSupport::appendRecord({QStringLiteral("Asha"), QStringLiteral("Addition"), QStringLiteral("1"), QStringLiteral("0"),
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
    // The practice page, and its map in words.
    progress.findChild<QTabWidget *>()->setCurrentIndex(2);
    checkControls(&progress);
    QCOMPARE(accessibleText(progress.timesTableMap(), QAccessible::Description),
             QStringLiteral("Times tables from 1 to 10. No fact met yet."));

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

void TestAccessibility::everyShownTextCanBeTranslated()
{
    const PseudoTranslator translator;
    ScriptedPrompts prompts;
    QStringList asTheyAre = QFontDatabase::families();
    asTheyAre << QStringLiteral("Asha") << QStringLiteral("Brightsum") << QStringLiteral("Brightsum 4.0");
    QStringList untranslated;
    prompts.onExec = [&](QDialog &dialog) {
        dialog.show();
        untranslated << untranslatedTexts(&dialog, asTheyAre);
        return false;
    };

    ApplicationWindow window;
    window.show();
    untranslated << untranslatedTexts(window.accountWindow(), asTheyAre);
    window.accountWindow()->newUser()->setText(QStringLiteral("Asha"));
    window.accountWindow()->login();
    window.command(QStringLiteral("Addition..."))->trigger();
    auto *exercise = qobject_cast<MDIWindow *>(window.workspace()->subWindowList().first()->widget());
    QVERIFY(exercise);
    for (const QuestionRecord &question : exercise->exercise().questions())
        asTheyAre << question.text;
    TestSupport::appendRecord({QStringLiteral("Asha"), QStringLiteral("Money"), QStringLiteral("1"), QStringLiteral("0"),
                       QStringLiteral("38"), QStringLiteral("2025-03-14T15:42:07+01:00")});
    Store::waitForPending();
    untranslated << untranslatedTexts(&window, asTheyAre);

    { OptionsDialog options(nullptr); }
    FirstRun::run(nullptr);
    WorksheetDialog worksheet(nullptr);
    prompts.onExec(worksheet);
    TemplateEditor editor(nullptr);
    GenerateDialog generate(nullptr);
    ScoreWindow scores(nullptr, ScoreBook::records(), ScoreWindow::Everybody);
    ProgressWindow progress(nullptr, QStringLiteral("Asha"));
    for (QWidget *child : {static_cast<QWidget *>(&editor), static_cast<QWidget *>(&generate),
                           static_cast<QWidget *>(&scores), static_cast<QWidget *>(&progress)}) {
        child->show();
        untranslated << untranslatedTexts(child, asTheyAre);
    }
    untranslated.removeDuplicates();
    for (const QString &text : std::as_const(untranslated))
        qWarning("Not translatable: %s", qPrintable(text));
    QVERIFY(untranslated.isEmpty());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
