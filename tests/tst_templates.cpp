// SPDX-License-Identifier: GPL-3.0-or-later
// Templates: exercises opened from them, and the editor that writes them.

#include "app/ui/applicationwindow.h"
#include "base/language.h"
#include "content/generator.h"
#include "exercise/ui/mdiwindow.h"
#include "templates/ui/generatedialog.h"
#include "templates/ui/templateeditor.h"
#include "testsupport.h"
#include "users/ui/sidebar.h"

#include <QAction>
#include <QBuffer>
#include <QScopeGuard>
#include <QComboBox>
#include <QLCDNumber>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWidgetAction>
#include <QtTest>

namespace {

const QString InvalidTemplateText = QStringLiteral(
    "The template you have selected is not a valid template. It may not have a complete\n"
    "set of twenty questions, clues, options and answers, or may not be in the correct\n"
    "format. Contact the person who created/edited the template.");
const QString SampleTemplate = QStringLiteral("Sample/Sample Template.dat");

QuestionRecords numbered(const QString &prefix = QStringLiteral("Question"))
{
    QuestionRecords records;
    for (int q = 0; q < QuestionsPerExercise; ++q)
        records[static_cast<size_t>(q)] = {QStringLiteral("%1 %2").arg(prefix).arg(q + 1), QString::number(q + 1),
                                           QStringLiteral("clue %1").arg(q + 1), QStringLiteral("choice %1").arg(q + 1)};
    return records;
}

QByteArray fileText(const QuestionRecords &records)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QuestionFile::write(buffer, records);
    return buffer.data();
}

QList<QMainWindow *> childWindows(const ApplicationWindow &window)
{
    QList<QMainWindow *> result;
    const QList<QMdiSubWindow *> frames = window.workspace()->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *frame : frames)
        result.append(qobject_cast<QMainWindow *>(frame->widget()));
    return result;
}

// Types as the adult would, through the keyboard.
void type(QLineEdit *field, const QString &text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    // Exercises from templates.
    void validTemplateOpensUnderItsBaseName_data();
    void validTemplateOpensUnderItsBaseName();
    void invalidTemplateIsRefused_data();
    void invalidTemplateIsRefused();
    void sameTemplateTwiceGivesTwoWindows();
    void sampleTemplateIsAValidTemplate();

    // Opening editors from the main window.
    void templateEditorNeedsThePassword_data();
    void templateEditorNeedsThePassword();
    void sampleTemplateOpensWithoutPassword();
    void editorCommandsWorkFromTheKeyboard();

    // The editor.
    void toolbarHoldsTheCommandsThenTheNumber();
    void nextAndPreviousStayWithinTheTwentyQuestions();
    void answerFieldTakesOnlyWholeNumbers_data();
    void answerFieldTakesOnlyWholeNumbers();
    void openedTextsAreWrittenBackUnchanged();
    void saveNamesTheFile_data();
    void saveNamesTheFile();
    void openingKeepsTheQuestionNumber();
    void tooLargeFileKeepsTheTemplate();
    void closeAsksOnlyWhenThereIsText_data();
    void closeAsksOnlyWhenThereIsText();
    void newAndOpenOfferToSave_data();
    void newAndOpenOfferToSave();
    void generateFillsTheQuestions_data();
    void generateFillsTheQuestions();
};

void TestTemplates::validTemplateOpensUnderItsBaseName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("seventhAnswer");
    QTest::addColumn<QString>("topicName");
    QTest::newRow("plain") << QStringLiteral("Week 3.dat") << QStringLiteral("7") << QStringLiteral("Week 3");
    QTest::newRow("two dots") << QStringLiteral("fractions.second.dat") << QStringLiteral("7")
                              << QStringLiteral("fractions");
    QTest::newRow("negative answer") << QStringLiteral("Week 3.dat") << QStringLiteral("-4") << QStringLiteral("Week 3");
    QTest::newRow("a topic's name") << QStringLiteral("Money.dat") << QStringLiteral("7") << QStringLiteral("Money");
}

void TestTemplates::validTemplateOpensUnderItsBaseName()
{
    QFETCH(QString, fileName);
    QFETCH(QString, seventhAnswer);
    QFETCH(QString, topicName);
    QTemporaryDir folder;
    QuestionRecords records = numbered();
    records[6].answer = seventhAnswer;
    TestSupport::writeFile(folder.filePath(fileName), fileText(records));

    ScriptedPrompts prompts;
    ApplicationWindow window;
    prompts.asked.clear();
    prompts.fileNames = {folder.filePath(fileName)};
    window.newFromTemplate();
    QCOMPARE(prompts.asked.size(), 1);
    QCOMPARE(prompts.asked.first().title, QStringLiteral("New Exercise from Template"));
    QCOMPARE(prompts.asked.first().text, QStringLiteral("Brightsum Templates (*.dat)"));

    QCOMPARE(childWindows(window).size(), 1);
    auto *exercise = qobject_cast<MDIWindow *>(childWindows(window).first());
    QVERIFY(exercise);
    QCOMPARE(exercise->windowTitle(), topicName);
    QCOMPARE(exercise->exercise().topicName(), topicName);
    QCOMPARE(exercise->exercise().questions(), records);
    QCOMPARE(exercise->exercise().currentQuestion(), 0);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("New %1 exercise created").arg(topicName));
}

void TestTemplates::invalidTemplateIsRefused_data()
{
    QTest::addColumn<QByteArray>("content"); // "-" stands for a file that does not exist
    QuestionRecords records = numbered();
    records[19].choice.clear();
    QTest::newRow("twentieth choice empty") << fileText(records);
    records = numbered();
    records[6].answer = QStringLiteral("0");
    QTest::newRow("seventh answer 0") << fileText(records);
    records[6].answer = QStringLiteral("seven");
    QTest::newRow("seventh answer not a number") << fileText(records);
    records = numbered();
    records[0].clue.clear();
    QTest::newRow("first clue empty") << fileText(records);
    records = numbered();
    records[12].text.clear();
    QTest::newRow("thirteenth question empty") << fileText(records);
    const QByteArray full = fileText(numbered());
    const qsizetype ninetyFifthLine = full.size() - QByteArrayLiteral("Question 20\n20\nclue 20\nchoice 20\n\n").size();
    QTest::newRow("ninety-five lines") << full.left(ninetyFifthLine);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("missing file") << QByteArrayLiteral("-");
    QTest::newRow("line too long") << QByteArray(QuestionFile::MaxLineLength + 1, 'x') + full;
}

void TestTemplates::invalidTemplateIsRefused()
{
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.dat"));
    if (content != "-")
        TestSupport::writeFile(path, content);

    ScriptedPrompts prompts;
    ApplicationWindow window;
    prompts.asked.clear();
    prompts.fileNames = {path};
    window.newFromTemplate();
    QCOMPARE(prompts.count(QStringLiteral("Invalid Template")), 1);
    QCOMPARE(prompts.asked.last().kind, Prompts::Kind::Critical);
    QCOMPARE(prompts.asked.last().text, InvalidTemplateText);
    QVERIFY(window.workspace()->subWindowList().isEmpty());
}

void TestTemplates::sameTemplateTwiceGivesTwoWindows()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Week 3.dat"));
    TestSupport::writeFile(path, fileText(numbered()));
    ScriptedPrompts prompts;
    ApplicationWindow window;
    prompts.fileNames = {path, path, path};
    window.newFromTemplate();
    window.newFromTemplate();
    QList<QMainWindow *> opened = childWindows(window);
    QCOMPARE(opened.size(), 2);
    QVERIFY(opened.at(0) != opened.at(1));
    QCOMPARE(opened.at(1)->windowTitle(), QStringLiteral("Week 3"));

    // Each keeps its own copy: the changed file reaches a window opened later, not the first.
    TestSupport::writeFile(path, fileText(numbered(QStringLiteral("Other"))));
    window.newFromTemplate();
    opened = childWindows(window);
    QCOMPARE(qobject_cast<MDIWindow *>(opened.at(2))->exercise().current().text, QStringLiteral("Other 1"));
    QCOMPARE(qobject_cast<MDIWindow *>(opened.at(0))->exercise().current().text, QStringLiteral("Question 1"));
}

void TestTemplates::sampleTemplateIsAValidTemplate()
{
    QuestionRecords sample;
    QCOMPARE(QuestionFile::read(SampleTemplate, sample), QuestionFile::ReadStatus::Ok);
    QCOMPARE(QuestionFile::firstInvalidRecord(sample), -1);

    ScriptedPrompts prompts;
    ApplicationWindow window;
    prompts.fileNames = {SampleTemplate};
    window.newFromTemplate();
    QCOMPARE(childWindows(window).size(), 1);
    QCOMPARE(childWindows(window).first()->windowTitle(), QStringLiteral("Sample Template"));
}

void TestTemplates::templateEditorNeedsThePassword_data()
{
    QTest::addColumn<std::optional<QString>>("entered");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right password") << std::optional<QString>(QStringLiteral("tindrel")) << true;
    QTest::newRow("wrong password") << std::optional<QString>(QStringLiteral("guess")) << false;
    QTest::newRow("dialog cancelled") << std::optional<QString>() << false;
}

void TestTemplates::templateEditorNeedsThePassword()
{
    QFETCH(std::optional<QString>, entered);
    QFETCH(bool, opens);
    ScriptedPrompts prompts;
    ApplicationWindow window;
    QVERIFY(window.sidebar()->isVisible());
    const QString sidebarTitle = window.sidebar()->windowTitle();

    prompts.texts = {entered};
    window.command(QStringLiteral("Template Editor..."))->trigger();
    QCOMPARE(prompts.count(QStringLiteral("Administrator Password")), 1);
    QCOMPARE(childWindows(window).size(), opens ? 1 : 0);
    QCOMPARE(window.sidebar()->windowTitle(), opens ? QStringLiteral("Template Editor") : sidebarTitle);
    if (opens) {
        auto *editor = qobject_cast<TemplateEditor *>(childWindows(window).first());
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Template Editor: New Template"));
        QCOMPARE(editor->size(), QSize(400, 200));
    }
}

void TestTemplates::sampleTemplateOpensWithoutPassword()
{
    QuestionRecords sample;
    QuestionFile::read(SampleTemplate, sample);
    ScriptedPrompts prompts;
    ApplicationWindow window;
    const QString sidebarTitle = window.sidebar()->windowTitle();
    prompts.asked.clear();

    window.openSampleTemplate();
    window.openSampleTemplate();
    QVERIFY(prompts.asked.isEmpty());
    QCOMPARE(window.sidebar()->windowTitle(), sidebarTitle);
    QCOMPARE(childWindows(window).size(), 2);
    auto *editor = qobject_cast<TemplateEditor *>(childWindows(window).last());
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("Template Editor: Sample Template"));
    QCOMPARE(editor->records(), sample);
    QCOMPARE(editor->questionField()->text(), sample[0].text);
    QCOMPARE(editor->statusBar()->currentMessage(), QStringLiteral("Opened template for editing"));
}

void TestTemplates::editorCommandsWorkFromTheKeyboard()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.openSampleTemplate();
    window.activateWindow(); // rather than the sign-in window
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *editor = qobject_cast<TemplateEditor *>(childWindows(window).first());
    editor->questionField()->setFocus();
    prompts.asked.clear();

    QTest::keyClick(editor->questionField(), Qt::Key_PageDown);
    editor->choiceField()->setFocus();
    QTest::keyClick(editor->choiceField(), Qt::Key_PageDown);
    QCOMPARE(QApplication::focusWidget(), editor->questionField()); // the next question is written from its start
    QTest::keyClick(editor->questionField(), Qt::Key_PageUp);
    QCOMPARE(editor->questionNumber()->intValue(), 2);
    // Beside the main window's own Ctrl+S, the editor's save has a key of its own;
    // the sample's editor, open to anyone, asks for the password first.
    prompts.texts = {QStringLiteral("tindrel")};
    QTest::keyClick(editor->questionField(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(prompts.titles(), (QStringList{QStringLiteral("Administrator Password"), QStringLiteral("Save Template Dialog")}));
    // Nothing was changed, so nothing is asked before the questions are replaced.
    QTest::keyClick(editor->questionField(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(prompts.titles().mid(2), QStringList{QStringLiteral("Generate Questions")});
}

void TestTemplates::toolbarHoldsTheCommandsThenTheNumber()
{
    TemplateEditor editor(nullptr);
    auto *toolbar = editor.findChild<QToolBar *>();
    QVERIFY(toolbar);
    QCOMPARE(toolbar->windowTitle(), QStringLiteral("Standard Toolbar"));
    QStringList texts;
    QStringList tips;
    const QList<QAction *> actions = toolbar->actions();
    for (QAction *action : actions) {
        if (auto *widgetAction = qobject_cast<QWidgetAction *>(action)) {
            QCOMPARE(widgetAction->defaultWidget(), editor.questionNumber());
        } else if (!action->isSeparator()) {
            texts << action->text();
            tips << action->statusTip();
        }
    }
    QCOMPARE(texts, (QStringList{QStringLiteral("New..."), QStringLiteral("Open..."), QStringLiteral("Save"),
                                 QStringLiteral("Previous"), QStringLiteral("Next"), QStringLiteral("Generate...")}));
    QCOMPARE(tips, (QStringList{QStringLiteral("Creates a new template"),
                                QStringLiteral("Opens a saved template from a .dat file for editing"),
                                QStringLiteral("Saves the editing done to the current template "),
                                QStringLiteral("Navigates to the previous question of the template "),
                                QStringLiteral("Navigates to the next question of the open template "),
                                QStringLiteral("Fills the template with twenty new questions on a topic")}));
    QVERIFY(qobject_cast<QWidgetAction *>(actions.last()));
}

void TestTemplates::nextAndPreviousStayWithinTheTwentyQuestions()
{
    ScriptedPrompts prompts;
    TemplateEditor editor(nullptr);
    editor.show();
    QCOMPARE(editor.questionNumber()->intValue(), 1);

    // Previous on question 1 stores the fields and stays.
    type(editor.questionField(), QStringLiteral("first"));
    editor.command(QStringLiteral("Previous"))->trigger();
    QCOMPARE(editor.currentIndex(), 0);
    QCOMPARE(editor.records()[0].text, QStringLiteral("first"));

    for (int press = 1; press <= 19; ++press) {
        type(editor.clueField(), QStringLiteral("clue %1").arg(press));
        editor.command(QStringLiteral("Next"))->trigger();
    }
    QCOMPARE(editor.currentIndex(), 19);
    QCOMPARE(editor.questionNumber()->intValue(), 20);
    QCOMPARE(editor.records()[18].clue, QStringLiteral("clue 19"));
    QVERIFY(editor.clueField()->text().isEmpty());

    // A twentieth press stores the fields and stays on question 20.
    type(editor.choiceField(), QStringLiteral("last"));
    editor.command(QStringLiteral("Next"))->trigger();
    QCOMPARE(editor.currentIndex(), 19);
    QCOMPARE(editor.records()[19].choice, QStringLiteral("last"));
    QCOMPARE(editor.choiceField()->text(), QStringLiteral("last"));

    editor.command(QStringLiteral("Previous"))->trigger();
    QCOMPARE(editor.questionNumber()->intValue(), 19);
    QCOMPARE(editor.clueField()->text(), QStringLiteral("clue 19"));
}

void TestTemplates::answerFieldTakesOnlyWholeNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters") << QStringLiteral("abc") << QString();
    QTest::newRow("negative") << QStringLiteral("-12") << QStringLiteral("-12");
    QTest::newRow("number then letter") << QStringLiteral("12a") << QStringLiteral("12");
    QTest::newRow("fraction") << QStringLiteral("1.5") << QStringLiteral("15");
}

void TestTemplates::answerFieldTakesOnlyWholeNumbers()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ScriptedPrompts prompts;
    TemplateEditor editor(nullptr);
    editor.show();
    type(editor.answerField(), typed);
    QCOMPARE(editor.answerField()->text(), shown);
    type(editor.questionField(), typed);
    QCOMPARE(editor.questionField()->text(), typed);
}

void TestTemplates::openedTextsAreWrittenBackUnchanged()
{
    QTemporaryDir folder;
    QuestionRecords records = numbered();
    records[0].answer = QStringLiteral("x");
    records[3].clue = QStringLiteral("  spaces kept  ");
    const QByteArray original = fileText(records);
    TestSupport::writeFile(folder.filePath(QStringLiteral("in.dat")), original);

    ScriptedPrompts prompts;
    TemplateEditor editor(nullptr);
    prompts.fileNames = {folder.filePath(QStringLiteral("in.dat")), folder.filePath(QStringLiteral("out.dat"))};
    editor.openTemplate();
    QCOMPARE(prompts.titles(), QStringList{QStringLiteral("Open Template Dialog")});
    QCOMPARE(editor.answerField()->text(), QStringLiteral("x"));
    editor.saveTemplate();
    QCOMPARE(prompts.asked.last().title, QStringLiteral("Save Template Dialog"));
    QCOMPARE(prompts.asked.last().text, QStringLiteral("Brightsum Templates (*.dat)"));

    const QByteArray saved = TestSupport::readFile(folder.filePath(QStringLiteral("out.dat")));
    QCOMPARE(saved, original);
    const QList<QByteArray> lines = saved.split('\n');
    QCOMPARE(lines.size(), 101); // a hundred lines, each ended by a line feed
    QVERIFY(lines.last().isEmpty());
    QVERIFY(!saved.contains('\r'));
    for (int line = 4; line < 100; line += 5)
        QVERIFY2(lines.at(line).isEmpty(), qPrintable(QString::number(line + 1)));
}

void TestTemplates::saveNamesTheFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("title");
    QTest::newRow("suffix added") << QStringLiteral("week3") << QStringLiteral("week3.dat")
                                  << QStringLiteral("Template Editor: week3");
    QTest::newRow("suffix kept") << QStringLiteral("Week 3.dat") << QStringLiteral("Week 3.dat")
                                 << QStringLiteral("Template Editor: Week 3");
    QTest::newRow("suffix is case-sensitive") << QStringLiteral("week3.DAT") << QStringLiteral("week3.DAT.dat")
                                              << QStringLiteral("Template Editor: week3");
}

void TestTemplates::saveNamesTheFile()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, title);
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    TemplateEditor editor(nullptr);
    editor.show();
    for (int q = 0; q < 4; ++q)
        editor.next();
    // Question 5 is saved as typed, without moving away from it.
    type(editor.questionField(), QStringLiteral("Fifth"));
    type(editor.answerField(), QStringLiteral("-5"));

    prompts.fileNames = {folder.filePath(typed)};
    QCOMPARE(editor.saveTemplate(), TemplateEditor::SaveResult::Saved);
    QCOMPARE(editor.windowTitle(), title);
    QCOMPARE(editor.statusBar()->currentMessage(), QStringLiteral("Saved template to hard disk"));
    QuestionRecords saved;
    QCOMPARE(QuestionFile::read(folder.filePath(written), saved), QuestionFile::ReadStatus::Ok);
    QCOMPARE(saved[4].text, QStringLiteral("Fifth"));
    QCOMPARE(saved[4].answer, QStringLiteral("-5"));
}

void TestTemplates::openingKeepsTheQuestionNumber()
{
    QTemporaryDir folder;
    TestSupport::writeFile(folder.filePath(QStringLiteral("Week 3.dat")), fileText(numbered()));
    ScriptedPrompts prompts;
    TemplateEditor editor(nullptr);
    for (int q = 0; q < 7; ++q)
        editor.next();
    QCOMPARE(editor.questionNumber()->intValue(), 8);

    prompts.fileNames = {folder.filePath(QStringLiteral("Week 3.dat"))};
    editor.openTemplate();
    QCOMPARE(editor.questionNumber()->intValue(), 8);
    QCOMPARE(editor.questionField()->text(), QStringLiteral("Question 8"));
    QCOMPARE(editor.answerField()->text(), QStringLiteral("8"));
    QCOMPARE(editor.clueField()->text(), QStringLiteral("clue 8"));
    QCOMPARE(editor.choiceField()->text(), QStringLiteral("choice 8"));
    QCOMPARE(editor.windowTitle(), QStringLiteral("Template Editor: Week 3"));
    QCOMPARE(editor.statusBar()->currentMessage(), QStringLiteral("Opened template for editing"));
}

void TestTemplates::tooLargeFileKeepsTheTemplate()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("huge.dat"));
    TestSupport::writeFile(path, QByteArray(QuestionFile::MaxFileBytes + 1, '\n'));
    ScriptedPrompts prompts;
    TemplateEditor editor(nullptr);
    editor.openSample();
    const QuestionRecords sample = editor.records();

    prompts.buttons = {QMessageBox::No}; // the sample need not be saved first
    prompts.fileNames = {path};
    editor.openTemplate();
    QCOMPARE(prompts.count(QStringLiteral("Template Not Opened")), 1);
    QCOMPARE(editor.records(), sample);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Template Editor: Sample Template"));

    // The fields hold what the file holds: the bound is in the file's bytes,
    // so letters of several bytes each still make a file that opens again.
    editor.questionField()->clear();
    editor.questionField()->insert(QString(1400, QChar(0x20AC))); // 4,200 bytes
    QVERIFY(editor.questionField()->text().isEmpty());
    const QString longest(QuestionFile::MaxLineLength / 3, QChar(0x20AC));
    editor.questionField()->insert(longest);
    QCOMPARE(editor.questionField()->text(), longest);
    prompts.fileNames = {folder.filePath(QStringLiteral("euros.dat")), folder.filePath(QStringLiteral("euros.dat"))};
    QCOMPARE(editor.saveTemplate(), TemplateEditor::SaveResult::Saved);
    editor.openTemplate();
    QCOMPARE(editor.questionField()->text(), longest);
    // Saved, then opened again unchanged: nothing to ask, then or on closing.
    QVERIFY(editor.close());
    QCOMPARE(prompts.count(QStringLiteral("Save Template")), 0);
}

void TestTemplates::closeAsksOnlyWhenThereIsText_data()
{
    QTest::addColumn<QString>("typed"); // into question 1, never stored by Next or Save
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("saveAs"); // empty: the save dialog is cancelled
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("untouched") << QString() << QMessageBox::NoButton << QString() << true << false;
    QTest::newRow("typed, no") << QStringLiteral("How many?") << QMessageBox::No << QString() << true << false;
    QTest::newRow("typed, cancel") << QStringLiteral("How many?") << QMessageBox::Cancel << QString() << false << false;
    QTest::newRow("typed, yes, saved") << QStringLiteral("How many?") << QMessageBox::Yes << QStringLiteral("t.dat")
                                       << true << true;
    QTest::newRow("typed, yes, dialog cancelled")
        << QStringLiteral("How many?") << QMessageBox::Yes << QString() << true << false;
    QTest::newRow("typed, yes, write fails")
        << QStringLiteral("How many?") << QMessageBox::Yes << QStringLiteral("no such folder/t.dat") << false << false;
}

void TestTemplates::closeAsksOnlyWhenThereIsText()
{
    QFETCH(QString, typed);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    TemplateEditor editor(nullptr);
    editor.show();
    type(editor.questionField(), typed);

    if (answer != QMessageBox::NoButton)
        prompts.buttons = {answer};
    if (!saveAs.isEmpty())
        prompts.fileNames = {folder.filePath(saveAs)};
    QCOMPARE(editor.close(), closes);
    QCOMPARE(prompts.count(QStringLiteral("Save Template")), typed.isEmpty() ? 0 : 1);
    if (!typed.isEmpty())
        QCOMPARE(prompts.asked.first().text, QStringLiteral("Do you want to save this template?"));
    QCOMPARE(prompts.count(QStringLiteral("Template Not Saved")), saveAs.startsWith(QLatin1String("no such")) ? 1 : 0);
    QVERIFY(editor.statusBar()->currentMessage() != QLatin1String("Saved template to hard disk") || written);

    QuestionRecords saved;
    const bool readable = QuestionFile::read(folder.filePath(saveAs), saved) == QuestionFile::ReadStatus::Ok;
    QCOMPARE(readable && !saveAs.isEmpty(), written);
    if (written)
        QCOMPARE(saved[0].text, typed);
}

void TestTemplates::newAndOpenOfferToSave_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("saveAs"); // empty: the save dialog is cancelled
    QTest::addColumn<bool>("replaced");
    for (const QString &command : {QStringLiteral("New..."), QStringLiteral("Open...")}) {
        const QByteArray name = command.toLatin1();
        QTest::newRow(name + " cancel") << command << QMessageBox::Cancel << QString() << false;
        QTest::newRow(name + " no") << command << QMessageBox::No << QString() << true;
        QTest::newRow(name + " yes, saved") << command << QMessageBox::Yes << QStringLiteral("kept.dat") << true;
        QTest::newRow(name + " yes, dialog cancelled") << command << QMessageBox::Yes << QString() << false;
        QTest::newRow(name + " yes, write fails")
            << command << QMessageBox::Yes << QStringLiteral("no such folder/kept.dat") << false;
    }
}

void TestTemplates::newAndOpenOfferToSave()
{
    QFETCH(QString, command);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, replaced);
    QTemporaryDir folder;
    const QString other = folder.filePath(QStringLiteral("Other.dat"));
    TestSupport::writeFile(other, fileText(numbered(QStringLiteral("Other"))));
    ScriptedPrompts prompts;
    TemplateEditor editor(nullptr);
    editor.show();
    // Typed only, not yet stored by Next or Save.
    type(editor.questionField(), QStringLiteral("Mine"));

    prompts.buttons = {answer};
    if (!saveAs.isEmpty())
        prompts.fileNames.append(folder.filePath(saveAs));
    if (command == QLatin1String("Open..."))
        prompts.fileNames.append(other);
    editor.command(command)->trigger();

    QVERIFY(!prompts.asked.isEmpty());
    QCOMPARE(prompts.asked.first().title, QStringLiteral("Save Template"));
    const QString expected = !replaced                           ? QStringLiteral("Mine")
                             : command == QLatin1String("New...") ? QString()
                                                                  : QStringLiteral("Other 1");
    QCOMPARE(editor.questionField()->text(), expected);
    QCOMPARE(editor.records()[0].text, expected);
    if (saveAs == QLatin1String("kept.dat")) {
        QuestionRecords kept;
        QCOMPARE(QuestionFile::read(folder.filePath(saveAs), kept), QuestionFile::ReadStatus::Ok);
        QCOMPARE(kept[0].text, QStringLiteral("Mine"));
    }
}

void TestTemplates::generateFillsTheQuestions_data()
{
    QTest::addColumn<QString>("typed"); // into the question on screen before Generate
    QTest::addColumn<QMessageBox::StandardButton>("answer"); // to "Save Template"
    QTest::addColumn<bool>("generated"); // the dialog's Generate, or Cancel
    QTest::addColumn<QString>("set");      // typed as the set number, or the one the dialog offers
    QTest::addColumn<QString>("language"); // the program's
    QTest::newRow("empty template") << QString() << QMessageBox::NoButton << true << QString() << "en";
    QTest::newRow("text, not saved") << QStringLiteral("Mine") << QMessageBox::No << true << QString() << "en";
    QTest::newRow("text, kept") << QStringLiteral("Mine") << QMessageBox::Cancel << false << QString() << "en";
    QTest::newRow("dialog cancelled") << QString() << QMessageBox::NoButton << false << QString() << "en";
    QTest::newRow("a set made again, in French") << QString() << QMessageBox::NoButton << true << "4294967295"
                                                 << "fr";
}

void TestTemplates::generateFillsTheQuestions()
{
    QFETCH(QString, typed);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, generated);
    QFETCH(QString, set);
    QFETCH(QString, language);
    Language::setCurrent(language);
    const auto english = qScopeGuard([] { Language::setCurrent(QStringLiteral("en")); });
    ScriptedPrompts prompts;
    TemplateEditor editor(nullptr);
    editor.show();
    editor.next();
    editor.next();
    type(editor.questionField(), typed);
    if (answer != QMessageBox::NoButton)
        prompts.buttons = {answer};
    // Chosen and answered by keyboard: Enter generates, Escape cancels.
    QString offered;
    prompts.onExec = [generated, set, &offered](QDialog &dialog) {
        auto *asked = qobject_cast<GenerateDialog *>(&dialog);
        dialog.show();
        // The dialog offers a set number; a teacher may type one noted before.
        offered = asked->setBox()->text();
        if (!set.isEmpty()) {
            asked->setBox()->selectAll();
            QTest::keyClicks(asked->setBox(), set);
        }
        QTest::keyClicks(asked->topicBox(), QStringLiteral("Mo"));
        QTest::keyClick(asked->levelBox(), Qt::Key_End);
        QTest::keyClick(asked->levelBox(), generated ? Qt::Key_Return : Qt::Key_Escape);
        return dialog.result() == QDialog::Accepted;
    };
    editor.command(QStringLiteral("Generate..."))->trigger();

    QCOMPARE(prompts.count(QStringLiteral("Save Template")), typed.isEmpty() ? 0 : 1);
    QCOMPARE(prompts.count(QStringLiteral("Generate Questions")), answer == QMessageBox::Cancel ? 0 : 1);
    if (!generated) {
        QCOMPARE(editor.records()[2].text, typed);
        QCOMPARE(editor.currentIndex(), 2);
        return;
    }
    // The status bar names the set, so that brightsum-generate can make it again.
    const QRegularExpressionMatch named = QRegularExpression(QStringLiteral("^Generated \\S+ questions, level 3, set "
                                                                            "(\\d+)$"))
                                              .match(editor.statusBar()->currentMessage());
    QVERIFY2(named.hasMatch(), qPrintable(editor.statusBar()->currentMessage()));
    QCOMPARE(named.captured(1), set.isEmpty() ? offered : set);
    const QuestionRecords expected = Generator::generate(6, 3, named.captured(1).toUInt(), language);
    QCOMPARE(editor.records(), expected);
    QCOMPARE(editor.currentIndex(), 0);
    QCOMPARE(editor.questionField()->text(), expected[0].text);
    QCOMPARE(editor.answerField()->text(), expected[0].answer);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Template Editor: New Template"));
}

QTEST_MAIN(TestTemplates)
#include "tst_templates.moc"
