// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise on paper: the printout, the worksheet creator and its PDF files.

#include "app/ui/applicationwindow.h"
#include "base/store/store.h"
#include "exercise/documents.h"
#include "exercise/ui/mdiwindow.h"
#include "exercise/ui/worksheetdialog.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Question n costs n dollars; question 7 has a negative answer.
QuestionRecords priced()
{
    QuestionRecords records;
    for (int q = 0; q < QuestionsPerExercise; ++q) {
        const int n = q + 1;
        records[static_cast<size_t>(q)] = {QStringLiteral("A pencil costs %1 $. What do %1 pencils cost?").arg(n),
                                           QString::number(n == 7 ? -7 : n * n), QStringLiteral("Multiply %1").arg(n),
                                           QStringLiteral("%1, %2 or %3").arg(n).arg(n * n).arg(n + 1)};
    }
    return records;
}

const ExerciseLook look{QColor(255, 200, 0), QColor(255, 100, 0), QColor(160, 100, 0), QStringLiteral("Default")};

std::unique_ptr<MDIWindow> exerciseWindow(const QString &topic = QStringLiteral("Money"), int current = 0)
{
    return std::make_unique<MDIWindow>(nullptr, topic, QStringLiteral("Asha"), 0, 0, 0, current, priced(), look);
}

QString pdfText(const QString &file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!process.waitForFinished() || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF as lines, without the blank lines and margins.
QStringList pdfLines(const QString &file)
{
    QStringList lines;
    for (const QString &line : pdfText(file).split(QLatin1Char('\n'))) {
        const QString trimmed = line.simplified();
        if (!trimmed.isEmpty())
            lines << trimmed;
    }
    return lines;
}

// A print dialog accepted with the printer turned into a PDF writer.
std::function<bool(QDialog &)> printInto(const QString &file)
{
    return [file](QDialog &dialog) {
        auto *print = qobject_cast<QPrintDialog *>(&dialog);
        if (!print)
            return false;
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(file);
        return true;
    };
}

// The worksheet creator answered with these boxes and publish method.
std::function<bool(QDialog &)> createWorksheet(bool everything, QRadioButton *(WorksheetDialog::*method)() const)
{
    return [=](QDialog &dialog) {
        auto *creator = qobject_cast<WorksheetDialog *>(&dialog);
        if (!creator)
            return false;
        for (QCheckBox *box : {creator->choicesBox(), creator->cluesBox(), creator->answersBox()})
            box->setChecked(everything);
        if (method)
            (creator->*method)()->setChecked(true);
        return true;
    };
}

// An exercise window made active in the main window's workspace.
MDIWindow *activeExercise(ApplicationWindow &main, const QString &topic)
{
    auto *window = new MDIWindow(main.workspace(), topic, QStringLiteral("Asha"), 0, 0, 0, 4, priced(), look);
    main.workspace()->setActiveSubWindow(main.addChildWindow(window));
    return window;
}

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    void printoutHasAllTwentyQuestionsWithTheCurrency();
    void worksheetBlocks_data();
    void worksheetBlocks();
    void pdfSuffix_data();
    void pdfSuffix();
    void creatorStartsWithOnlyQuestions();
    void worksheetSavedAsPdf();
    void nothingWithoutAPublishMethod_data();
    void nothingWithoutAPublishMethod();
    void unwritablePdfIsReported();
    void templateExercisesPrintFromTheMainWindow();
    void worksheetCommandNeedsThePassword();
    void commandsIgnoreOtherWindows();
};

void TestPrinting::printoutHasAllTwentyQuestionsWithTheCurrency()
{
    TestSupport::store(Keys::currency, QStringLiteral("rupees"));
    auto window = exerciseWindow(QStringLiteral("Money"), 11); // at question 12
    const QStringList lines =
        Documents::exercisePrintout(window->exercise().topicName(), window->exercise().questions())
            .split(QLatin1Char('\n'));

    QCOMPARE(lines.size(), 2 + 2 * QuestionsPerExercise + 1);
    QCOMPARE(lines.at(0), QStringLiteral("Brightsum Money Exercise"));
    QCOMPARE(lines.at(1), QString());
    for (int n = 1; n <= QuestionsPerExercise; ++n) {
        QCOMPARE(lines.at(2 * n), QStringLiteral("%1. A pencil costs %1 rupees. What do %1 pencils cost?").arg(n));
        QCOMPARE(lines.at(2 * n + 1), QString());
    }
}

void TestPrinting::worksheetBlocks_data()
{
    QTest::addColumn<bool>("choices");
    QTest::addColumn<bool>("clues");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QStringList>("seventh"); // the block of question 7, answer -7

    const QString question = QStringLiteral("7. A pencil costs 7 dollars. What do 7 pencils cost?");
    QTest::newRow("questions only") << false << false << false << QStringList{question, QString()};
    QTest::newRow("every box")
        << true << true << true
        << QStringList{question, QStringLiteral("Options: 7, 49 or 8"), QStringLiteral("Clue: Multiply 7"),
                       QStringLiteral("Answer: -7"), QString()};
    QTest::newRow("clues and answers")
        << false << true << true
        << QStringList{question, QStringLiteral("Clue: Multiply 7"), QStringLiteral("Answer: -7"), QString()};
}

void TestPrinting::worksheetBlocks()
{
    QFETCH(bool, choices);
    QFETCH(bool, clues);
    QFETCH(bool, answers);
    QFETCH(QStringList, seventh);

    auto window = exerciseWindow();
    const QStringList lines = Documents::worksheet(QStringLiteral("Money"), window->exercise().questions(),
                                                   {choices, clues, answers})
                                  .split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(0, 3), (QStringList{QStringLiteral("Brightsum Money Worksheet"),
                                           QStringLiteral("Created with Brightsum. Visit ") + Documents::WebAddress,
                                           QString()}));
    const int block = static_cast<int>(seventh.size());
    QCOMPARE(lines.size(), 3 + block * QuestionsPerExercise + 1);
    QCOMPARE(lines.mid(3 + 6 * block, block), seventh);
    for (int n = 1; n <= QuestionsPerExercise; ++n)
        QVERIFY(lines.at(3 + (n - 1) * block).startsWith(QString::number(n) + QStringLiteral(". ")));
    QCOMPARE(lines.last(), QString());
}

void TestPrinting::pdfSuffix_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("none") << QStringLiteral("sheet") << QStringLiteral("sheet.pdf");
    QTest::newRow("lower case") << QStringLiteral("sheet.pdf") << QStringLiteral("sheet.pdf");
    QTest::newRow("upper case") << QStringLiteral("sheet.PDF") << QStringLiteral("sheet.PDF");
    QTest::newRow("mixed case") << QStringLiteral("sheet.Pdf") << QStringLiteral("sheet.Pdf.pdf");
    QTest::newRow("other suffix") << QStringLiteral("week3.txt") << QStringLiteral("week3.txt.pdf");
}

void TestPrinting::pdfSuffix()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(Documents::withPdfSuffix(chosen), written);
}

void TestPrinting::creatorStartsWithOnlyQuestions()
{
    // What the dialog showed when it opened, and after both methods were picked in turn.
    QStringList ticked;
    QStringList enabled;
    bool createIsDefault = false;
    bool modal = false;
    bool printKeptAfterPdf = true;
    ScriptedPrompts prompts;
    prompts.onExec = [&](QDialog &dialog) {
        auto *creator = qobject_cast<WorksheetDialog *>(&dialog);
        if (!creator)
            return false;
        const QList<QAbstractButton *> controls{creator->questionsBox(), creator->choicesBox(), creator->cluesBox(),
                                                creator->answersBox(),   creator->printButton(), creator->pdfButton()};
        for (QAbstractButton *control : controls) {
            if (control->isChecked())
                ticked << control->text();
            if (control->isEnabled())
                enabled << control->text();
        }
        createIsDefault = creator->createButton()->isDefault();
        modal = dialog.isModal();
        creator->printButton()->setChecked(true);
        creator->pdfButton()->setChecked(true);
        printKeptAfterPdf = creator->printButton()->isChecked();
        creator->closeButton()->click();
        return dialog.result() == QDialog::Accepted;
    };
    auto window = exerciseWindow();
    window->worksheetExport();

    QCOMPARE(prompts.titles(), QStringList{QStringLiteral("Worksheet Creator")});
    QCOMPARE(ticked, QStringList{QStringLiteral("Questions")});
    QCOMPARE(enabled, (QStringList{QStringLiteral("Answer Choices"), QStringLiteral("Clues"), QStringLiteral("Answers"),
                                   QStringLiteral("&Print"), QStringLiteral("&Save as PDF")}));
    QVERIFY(createIsDefault);
    QVERIFY(modal);
    QVERIFY(!printKeptAfterPdf); // one publish method at a time
}

void TestPrinting::worksheetSavedAsPdf()
{
    if (!havePdfToText())
        QSKIP("pdftotext is not installed");
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    prompts.onExec = createWorksheet(true, &WorksheetDialog::pdfButton);
    prompts.fileNames = {folder.filePath(QStringLiteral("sheet"))};
    auto window = exerciseWindow();
    window->worksheetExport();

    QCOMPARE(prompts.asked.size(), 2);
    QCOMPARE(prompts.asked.at(1).what, QStringLiteral("save"));
    QCOMPARE(prompts.asked.at(1).title, QStringLiteral("Save Worksheet as PDF"));
    QCOMPARE(prompts.asked.at(1).text, QStringLiteral("*.pdf"));

    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    const QStringList lines = pdfLines(file);
    QVERIFY2(lines.size() > 3, qPrintable(lines.join(QLatin1Char('|'))));
    QCOMPARE(lines.at(0), QStringLiteral("Brightsum Money Worksheet"));
    for (const QString &expected :
         {QStringLiteral("1. A pencil costs 1 dollars. What do 1 pencils cost?"), QStringLiteral("Options: 7, 49 or 8"),
          QStringLiteral("Clue: Multiply 7"), QStringLiteral("Answer: -7"), QStringLiteral("Answer: 400"),
          QStringLiteral("20. A pencil costs 20 dollars. What do 20 pencils cost?")})
        QVERIFY2(lines.contains(expected), qPrintable(expected));
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Worksheet saved as PDF"));
}

void TestPrinting::nothingWithoutAPublishMethod_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("pdfChosen");
    QTest::newRow("created without a method") << true << false;
    QTest::newRow("closed with PDF chosen") << false << true;
}

void TestPrinting::nothingWithoutAPublishMethod()
{
    QFETCH(bool, accepted);
    QFETCH(bool, pdfChosen);
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    prompts.onExec = [&](QDialog &dialog) {
        if (auto *creator = qobject_cast<WorksheetDialog *>(&dialog))
            creator->pdfButton()->setChecked(pdfChosen);
        return accepted;
    };
    prompts.fileNames = {folder.filePath(QStringLiteral("sheet.pdf"))};
    auto window = exerciseWindow();
    window->worksheetExport();
    QCOMPARE(prompts.titles(), QStringList{QStringLiteral("Worksheet Creator")});
    QVERIFY(QDir(folder.path()).isEmpty());
    QVERIFY(window->statusBar()->currentMessage() != QStringLiteral("Worksheet saved as PDF"));
}

void TestPrinting::unwritablePdfIsReported()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("missing/sheet.pdf"));
    ScriptedPrompts prompts;
    prompts.onExec = createWorksheet(false, &WorksheetDialog::pdfButton);
    prompts.fileNames = {file};
    auto window = exerciseWindow();
    window->worksheetExport();

    QCOMPARE(prompts.count(QStringLiteral("Worksheet Not Saved")), 1);
    QCOMPARE(prompts.asked.last().kind, Prompts::Kind::Warning);
    QVERIFY2(prompts.asked.last().text.contains(QDir::toNativeSeparators(file)), qPrintable(prompts.asked.last().text));
    QVERIFY(!QFile::exists(file));
    QVERIFY(window->statusBar()->currentMessage() != QStringLiteral("Worksheet saved as PDF"));
}

void TestPrinting::templateExercisesPrintFromTheMainWindow()
{
    if (!havePdfToText())
        QSKIP("pdftotext is not installed");
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    ApplicationWindow main;
    QCOMPARE(main.activeMdiChild(), activeExercise(main, QStringLiteral("Week 3")));

    const QString printout = folder.filePath(QStringLiteral("printout.pdf"));
    prompts.asked.clear();
    prompts.onExec = printInto(printout);
    main.printFile();
    QCOMPARE(prompts.asked.size(), 1); // the print dialog and no password
    QCOMPARE(prompts.asked.at(0).what, QStringLiteral("exec"));
    const QStringList lines = pdfLines(printout);
    QVERIFY2(!lines.isEmpty(), "nothing was printed");
    QCOMPARE(lines.at(0), QStringLiteral("Brightsum Week 3 Exercise"));
    QVERIFY(lines.contains(QStringLiteral("1. A pencil costs 1 dollars. What do 1 pencils cost?")));
    QVERIFY(lines.contains(QStringLiteral("20. A pencil costs 20 dollars. What do 20 pencils cost?")));

    // The worksheet printed on a printer, answers and all.
    const QString sheet = folder.filePath(QStringLiteral("sheet.pdf"));
    const auto printer = printInto(sheet);
    const auto creator = createWorksheet(true, &WorksheetDialog::printButton);
    prompts.onExec = [&](QDialog &dialog) { return creator(dialog) || printer(dialog); };
    prompts.texts = {QStringLiteral("tindrel")};
    main.worksheet();
    const QStringList worksheet = pdfLines(sheet);
    QVERIFY2(!worksheet.isEmpty(), "no worksheet was printed");
    QCOMPARE(worksheet.at(0), QStringLiteral("Brightsum Week 3 Worksheet"));
    QVERIFY(worksheet.contains(QStringLiteral("Answer: -7")));
}

void TestPrinting::worksheetCommandNeedsThePassword()
{
    ScriptedPrompts prompts;
    ApplicationWindow main;
    activeExercise(main, QStringLiteral("Money"));
    prompts.asked.clear();
    prompts.onExec = [](QDialog &) { return false; };

    prompts.texts = {QStringLiteral("wrong")};
    main.worksheet();
    QCOMPARE(prompts.titles(),
             (QStringList{QStringLiteral("Administrator Password"), QStringLiteral("Incorrect Password!")}));

    prompts.asked.clear();
    prompts.texts = {QStringLiteral("tindrel")};
    main.worksheet();
    QCOMPARE(prompts.titles(),
             (QStringList{QStringLiteral("Administrator Password"), QStringLiteral("Worksheet Creator")}));
}

void TestPrinting::commandsIgnoreOtherWindows()
{
    ScriptedPrompts prompts;
    ApplicationWindow main;
    prompts.asked.clear();
    main.printFile();
    main.worksheet();
    auto *other = new QMainWindow(main.workspace());
    other->setWindowTitle(QStringLiteral("Money")); // a topic's title does not make an exercise
    main.workspace()->setActiveSubWindow(main.addChildWindow(other));
    QCOMPARE(main.activeMdiChild(), other);
    main.printFile();
    main.worksheet();
    QVERIFY2(prompts.asked.isEmpty(), qPrintable(prompts.titles().join(QLatin1Char('|'))));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
