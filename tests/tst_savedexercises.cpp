// SPDX-License-Identifier: GPL-3.0-or-later
// Saved exercises through the main window: saving the active exercise and reopening a file.

#include "app/ui/applicationwindow.h"
#include "content/topics.h"
#include "exercise/ui/mdiwindow.h"
#include "exercise/ui/worksheetdialog.h"
#include "templates/ui/templateeditor.h"
#include "testsupport.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<MDIWindow *> exercises(const ApplicationWindow &window)
{
    QList<MDIWindow *> result;
    const QList<QMdiSubWindow *> frames = window.workspace()->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *frame : frames) {
        if (auto *exercise = qobject_cast<MDIWindow *>(frame->widget()))
            result.append(exercise);
    }
    return result;
}

void answer(MDIWindow &exercise, const QString &typed)
{
    exercise.answerBox()->setText(typed);
    exercise.validate();
}

// Runs the file dialog with this caption, answering it with the given file, and
// tells which folder it started in.
QString startFolderOf(const QString &caption, const QString &chosen)
{
    ScriptedPrompts prompts;
    prompts.fileNames = {chosen};
    prompts.onExec = [](QDialog &dialog) {
        if (auto *creator = qobject_cast<WorksheetDialog *>(&dialog))
            creator->pdfButton()->setChecked(true);
        return true;
    };
    ApplicationWindow window;
    TemplateEditor editor(nullptr);
    window.command(QStringLiteral("Money..."))->trigger();
    MDIWindow *exercise = exercises(window).first();
    prompts.asked.clear();
    if (caption == QLatin1String("Open Exercise Dialog"))
        window.chooseFile();
    else if (caption == QLatin1String("New Exercise from Template"))
        window.newFromTemplate();
    else if (caption == QLatin1String("Save Exercise Dialog"))
        exercise->saveExercise();
    else if (caption == QLatin1String("Save Worksheet as PDF"))
        exercise->worksheetExport();
    else if (caption == QLatin1String("Open Template Dialog"))
        editor.openTemplate();
    else if (caption == QLatin1String("Save Template Dialog"))
        editor.saveTemplate();
    const int asked = prompts.titles().indexOf(caption);
    return asked < 0 ? QStringLiteral("not asked") : prompts.asked.at(asked).folder;
}

} // namespace

class TestSavedExercises : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }
    void cleanup() { QDir::setCurrent(TestSupport::dataFolder()); }

    void dialogsStartInTheUsersFolders_data();
    void dialogsStartInTheUsersFolders();

    void savedExerciseReopensWhereItStood_data();
    void savedExerciseReopensWhereItStood();
    void saveReportsOnlyAWrittenFile_data();
    void saveReportsOnlyAWrittenFile();
    void saveIgnoresOtherWindows();
    void unusableFilesAreRefused_data();
    void unusableFilesAreRefused();
    void shortFileReadsMissingCountersAsZero();
    void reopenedExerciseTakesTodaysQuestionsAndItsOwnPlayer();
};

void TestSavedExercises::dialogsStartInTheUsersFolders_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("chosenIn"); // "elsewhere" or "data", the program's data folder
    QTest::addColumn<QString>("then");
    QTest::addColumn<bool>("sameFolder"); // whether "then" starts where "first" chose its file
    QTest::newRow("saved exercises") << QStringLiteral("Save Exercise Dialog") << QStringLiteral("elsewhere")
                                     << QStringLiteral("Open Exercise Dialog") << true;
    QTest::newRow("templates, editor to main window")
        << QStringLiteral("Save Template Dialog") << QStringLiteral("elsewhere")
        << QStringLiteral("New Exercise from Template") << true;
    QTest::newRow("templates, main window to editor")
        << QStringLiteral("New Exercise from Template") << QStringLiteral("elsewhere")
        << QStringLiteral("Open Template Dialog") << true;
    QTest::newRow("worksheets") << QStringLiteral("Save Worksheet as PDF") << QStringLiteral("elsewhere")
                                << QStringLiteral("Save Worksheet as PDF") << true;
    QTest::newRow("each kind its own folder") << QStringLiteral("Save Exercise Dialog") << QStringLiteral("elsewhere")
                                              << QStringLiteral("Save Worksheet as PDF") << false;
    QTest::newRow("never in the data folder") << QStringLiteral("Open Template Dialog") << QStringLiteral("data")
                                              << QStringLiteral("Save Template Dialog") << false;
}

void TestSavedExercises::dialogsStartInTheUsersFolders()
{
    QFETCH(QString, first);
    QFETCH(QString, chosenIn);
    QFETCH(QString, then);
    QFETCH(bool, sameFolder);
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    const QByteArray realHome = qgetenv("HOME");
    const QByteArray realConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", realHome);
        if (!realConfig.isEmpty())
            qputenv("XDG_CONFIG_HOME", realConfig);
    });
    const QString chosen = chosenIn == QLatin1String("data")
        ? TestSupport::dataFolder() + QStringLiteral("/Sample/Sample Template.dat")
        : elsewhere.filePath(QStringLiteral("week1.dat"));

    // With no documents folder the home folder stands in for it.
    QCOMPARE(startFolderOf(then, QString()), home.path());
    const QString documents = home.filePath(QStringLiteral("Documents"));
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    QCOMPARE(startFolderOf(first, chosen), documents);
    QCOMPARE(startFolderOf(then, QString()), sameFolder ? elsewhere.path() : documents);
}

void TestSavedExercises::savedExerciseReopensWhereItStood_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("suffix added") << QStringLiteral("progress") << QStringLiteral("progress.dat");
    QTest::newRow("suffix kept") << QStringLiteral("progress.dat") << QStringLiteral("progress.dat");
    QTest::newRow("suffix is case-sensitive") << QStringLiteral("progress.DAT") << QStringLiteral("progress.DAT.dat");
}

void TestSavedExercises::savedExerciseReopensWhereItStood()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.command(QStringLiteral("Subtraction..."))->trigger();
    MDIWindow *original = exercises(window).first();
    answer(*original, QString::number(original->exercise().currentAnswer())); // +2
    original->displayClue();
    answer(*original, QStringLiteral("99999")); // -1
    answer(*original, QStringLiteral("99999")); // -1
    answer(*original, QStringLiteral("99999")); // -1: the score is now -1
    QCOMPARE(original->exercise().score(), -1);

    prompts.fileNames = {folder.filePath(typed)};
    window.saveExe();
    QCOMPARE(prompts.asked.last().title, QStringLiteral("Save Exercise Dialog"));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Exercise progress saved to disk"));
    const QByteArray expected = QByteArrayLiteral("Subtraction\n") + original->exercise().playerName().toLocal8Bit()
        + QByteArrayLiteral("\n-1\n1\n0\n1\n");
    QCOMPARE(TestSupport::readFile(folder.filePath(written)), expected);

    prompts.fileNames = {folder.filePath(written)};
    window.chooseFile();
    QCOMPARE(prompts.asked.last().title, QStringLiteral("Open Exercise Dialog"));
    QCOMPARE(prompts.asked.last().text, QStringLiteral("Brightsum Saved Exercises (*.dat)"));
    QCOMPARE(exercises(window).size(), 2);
    const Exercise &reopened = exercises(window).last()->exercise();
    QCOMPARE(reopened.topicName(), QStringLiteral("Subtraction"));
    QCOMPARE(reopened.playerName(), original->exercise().playerName());
    QCOMPARE(reopened.score(), -1);
    QCOMPARE(reopened.cluesUsed(), 1);
    QCOMPARE(reopened.choicesUsed(), 0);
    QCOMPARE(reopened.currentQuestion(), 1);
    QCOMPARE(reopened.current().text, original->exercise().current().text);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Saved Subtraction exercise opened"));
}

void TestSavedExercises::saveReportsOnlyAWrittenFile_data()
{
    QTest::addColumn<QString>("fileName"); // relative to a fresh folder; empty: the dialog is cancelled
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("warnings");
    QTest::newRow("written") << QStringLiteral("week1") << true << 0;
    QTest::newRow("dialog cancelled") << QString() << false << 0;
    QTest::newRow("folder missing") << QStringLiteral("no such folder/week1") << false << 1;
}

void TestSavedExercises::saveReportsOnlyAWrittenFile()
{
    QFETCH(QString, fileName);
    QFETCH(bool, saved);
    QFETCH(int, warnings);
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.command(QStringLiteral("Money..."))->trigger();
    window.statusBar()->clearMessage();
    prompts.asked.clear();

    if (!fileName.isEmpty())
        prompts.fileNames = {folder.filePath(fileName)};
    window.saveExe();
    QCOMPARE(window.statusBar()->currentMessage() == QLatin1String("Exercise progress saved to disk"), saved);
    QCOMPARE(prompts.count(QStringLiteral("Exercise Not Saved")), warnings);
    QCOMPARE(QFile::exists(folder.filePath(fileName + QStringLiteral(".dat"))), saved);
}

void TestSavedExercises::saveIgnoresOtherWindows()
{
    ScriptedPrompts prompts;
    ApplicationWindow window;
    window.openSampleTemplate();
    QVERIFY(window.activeMdiChild());
    prompts.asked.clear();
    window.saveExe();
    QVERIFY(prompts.asked.isEmpty());
    QVERIFY(window.statusBar()->currentMessage() != QLatin1String("Exercise progress saved to disk"));
}

void TestSavedExercises::unusableFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("content"); // "-" stands for a file that does not exist
    QTest::newRow("topic in the wrong case") << QByteArrayLiteral("addition\nAsha\n6\n1\n0\n3\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("missing file") << QByteArrayLiteral("-");
    QTest::newRow("exercise from a template") << QByteArrayLiteral("Week 3\nAsha\n6\n1\n0\n3\n");
    QTest::newRow("a question file") << TestSupport::readFile(QStringLiteral("Exercises/Addition.dat"));
    QTest::newRow("four clues") << QByteArrayLiteral("Addition\nAsha\n6\n4\n0\n3\n");
    QTest::newRow("negative choices") << QByteArrayLiteral("Addition\nAsha\n6\n0\n-1\n3\n");
    QTest::newRow("question 21") << QByteArrayLiteral("Addition\nAsha\n6\n0\n0\n20\n");
    QTest::newRow("negative question") << QByteArrayLiteral("Addition\nAsha\n6\n0\n0\n-1\n");
}

void TestSavedExercises::unusableFilesAreRefused()
{
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("saved.dat"));
    if (content != "-")
        TestSupport::writeFile(path, content);
    ScriptedPrompts prompts;
    ApplicationWindow window;
    prompts.asked.clear();

    prompts.fileNames = {path};
    window.chooseFile();
    QCOMPARE(prompts.count(QStringLiteral("Cannot Open Exercise")), 1);
    QCOMPARE(prompts.asked.last().kind, Prompts::Kind::Warning);
    QVERIFY(prompts.asked.last().text.contains(QDir::toNativeSeparators(path)));
    QVERIFY(prompts.asked.last().text.contains(QLatin1String("cannot be opened as a saved exercise")));
    QVERIFY(window.isVisible());
    QVERIFY(window.workspace()->subWindowList().isEmpty());
}

void TestSavedExercises::shortFileReadsMissingCountersAsZero()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("short.dat"));
    TestSupport::writeFile(path, QByteArrayLiteral("Money\nAsha\n6\n2\n"));
    ScriptedPrompts prompts;
    ApplicationWindow window;
    prompts.fileNames = {path};
    window.chooseFile();
    QCOMPARE(exercises(window).size(), 1);
    const Exercise &exercise = exercises(window).first()->exercise();
    QCOMPARE(exercise.score(), 6);
    QCOMPARE(exercise.cluesUsed(), 2);
    QCOMPARE(exercise.choicesUsed(), 0);
    QCOMPARE(exercise.currentQuestion(), 0);
}

void TestSavedExercises::reopenedExerciseTakesTodaysQuestionsAndItsOwnPlayer()
{
    // A working folder of our own, whose Addition questions change after the save.
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("Exercises"));
    for (const QString &topic : Topics::names()) {
        const QString file = QStringLiteral("/Exercises/") + topic + QStringLiteral(".dat");
        QVERIFY(QFile::copy(TestSupport::dataFolder() + file, folder.path() + file));
    }
    QDir::setCurrent(folder.path());
    TestSupport::writeFile(QStringLiteral("saved.dat"), QByteArrayLiteral("Addition\nBo\n4\n1\n1\n2\n"));

    ScriptedPrompts prompts;
    ApplicationWindow window;
    QByteArray changed;
    for (int q = 1; q <= QuestionsPerExercise; ++q)
        changed += QStringLiteral("Changed question %1\n%1\nclue\nchoice\n\n").arg(q).toLatin1();
    TestSupport::writeFile(QStringLiteral("Exercises/Addition.dat"), changed);

    prompts.fileNames = {QStringLiteral("saved.dat")};
    window.chooseFile();
    QCOMPARE(exercises(window).size(), 1);
    MDIWindow *reopened = exercises(window).first();
    QCOMPARE(reopened->windowTitle(), QStringLiteral("Addition"));
    QCOMPARE(reopened->exercise().current().text, QStringLiteral("Changed question 3"));
    QVERIFY(reopened->exercise().playerName() != window.userName());
    QCOMPARE(reopened->exercise().playerName(), QStringLiteral("Bo"));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Saved Addition exercise opened"));
}

QTEST_MAIN(TestSavedExercises)
#include "tst_savedexercises.moc"
