// SPDX-License-Identifier: GPL-3.0-or-later
// The program keeps working and loses nothing under failing storage, a broken
// settings file, two programs at once and long runs.

#include "app/ui/applicationwindow.h"
#include "base/sessionend.h"
#include "base/store/store.h"
#include "base/store/storefile.h"
#include "base/store/storelock.h"
#include "exercise/ui/mdiwindow.h"
#include "options/ui/optionsdialog.h"
#include "testsupport.h"
#include "users/accounts.h"
#include "users/password.h"
#include "users/progress.h"
#include "users/scorebook.h"
#include "users/ui/accountwindow.h"
#include "users/ui/sidebar.h"

#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QRandomGenerator>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QPushButton>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void finish(MDIWindow &exercise)
{
    while (!exercise.exercise().isFinished()) {
        exercise.answerBox()->setText(exercise.exercise().current().answer);
        exercise.validate();
    }
}

MDIWindow *newest(const ApplicationWindow &window)
{
    const QList<QMdiSubWindow *> children = window.workspace()->subWindowList(QMdiArea::CreationOrder);
    return children.isEmpty() ? nullptr : qobject_cast<MDIWindow *>(children.last()->widget());
}

// A folder in memory when the system has one: tests of programs taking turns
// are about the turns, and a disk's flushes would only slow them down.
QString memoryFolder()
{
    return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
}

ScoreRecord recordOf(const QString &player)
{
    return {player, QStringLiteral("Addition"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("40")};
}

QString driverPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/storedriver");
}

// A school's store of this many records, written as the program writes it.
QByteArray schoolStore(int records)
{
    StoreMap school;
    school.setValue(Keys::width, 700);
    for (int n = 1; n <= records; ++n) {
        const ScoreRecord record = recordOf(QStringLiteral("Kim"));
        for (int k = 0; k < ScoreRecord::FieldCount; ++k)
            school.setValue(Keys::scoreField(n, k), record.field(k));
    }
    school.setValue(Keys::scoreCount, records);
    return *school.toIni();
}

QStringList journals(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("Brightsum.pending-*")}, QDir::Files);
}

} // namespace

class TestReliability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    void unwritableStoreIsReportedOnce();
    void garbageSettingsStartWithFallbacks();
    void twoProgramsLoseNothing();
    void threeProgramsAtFullSpeed();
    void hostileStoreValues_data();
    void hostileStoreValues();
    void pipesAreNeverOpened();
    void closingRightAfterACompletionKeepsIt();
    void storageFaults_data();
    void storageFaults();
    void aStuckHolderNeverKeepsTheProgram();
    void anUnreadableStoreKeepsItsPassword_data();
    void anUnreadableStoreKeepsItsPassword();
    void thousandExercisesInOneRun();
};

void TestReliability::unwritableStoreIsReportedOnce()
{
    // A folder that cannot be made, even by the administrator: its parent is a file.
    QTemporaryDir scratch;
    QFile blocker(scratch.filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TestSupport::MovedStore moved(blocker.fileName() + QStringLiteral("/settings"));

    ScriptedPrompts prompts;
    ApplicationWindow window;
    QVERIFY(window.isReady());
    window.accountWindow()->newUser()->setText(QStringLiteral("Asha"));
    window.accountWindow()->login();
    QCOMPARE(window.userName(), QStringLiteral("Asha"));
    Store::waitForPending();
    QCOMPARE(prompts.count(QStringLiteral("Settings Not Saved")), 1);
    QVERIFY(prompts.asked.last().text.contains(QStringLiteral("not-a-folder")));

    window.command(QStringLiteral("Addition..."))->trigger();
    finish(*newest(window));
    Store::waitForPending();
    QCOMPARE(prompts.count(QStringLiteral("Score Not Saved")), 1);
    QCOMPARE(prompts.count(QStringLiteral("Settings Not Saved")), 1); // told once

    // Nothing could be cleared, and nothing says it was.
    prompts.texts = {QStringLiteral("tindrel")};
    window.sidebar()->clearScores();
    QCOMPARE(prompts.count(QStringLiteral("Scores Not Cleared")), 1);
    QCOMPARE(prompts.count(QStringLiteral("Saved Scores")), 0);
    // The options' clears say so beside their buttons, whatever was told before.
    prompts.texts = {QStringLiteral("tindrel")};
    QStringList told;
    prompts.onExec = [&told](QDialog &dialog) {
        if (auto *options = qobject_cast<OptionsDialog *>(&dialog)) {
            for (QPushButton *clear : {options->clearScoresButton(), options->clearDataButton()}) {
                clear->click();
                told << options->clearResult()->text();
            }
        }
        return false;
    };
    window.toolsOptions();
    QCOMPARE(told.size(), 2);
    for (const QString &text : std::as_const(told))
        QVERIFY2(text.startsWith(QStringLiteral("Nothing was cleared")), qPrintable(text));
    QVERIFY(window.close());
}

void TestReliability::garbageSettingsStartWithFallbacks()
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Halvane"));
    QFile conf(folder.filePath(QStringLiteral("Halvane/Brightsum.conf")));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    QRandomGenerator random(20261207);
    QByteArray garbage(64 * 1024, Qt::Uninitialized);
    for (char &byte : garbage)
        byte = static_cast<char>(random.bounded(256));
    conf.write("[application]\nwidth=wide\n[\xff\xfe\n=\n" + garbage);
    conf.close();
    TestSupport::MovedStore moved(folder.path());

    ScriptedPrompts prompts;
    ApplicationWindow window;
    QVERIFY(window.isReady());
    QCOMPARE(window.geometry(), QRect(50, 50, 700, 500));
    window.command(QStringLiteral("Money..."))->trigger();
    // The first Money question that names the currency names it in dollars.
    const QuestionRecords &questions = newest(window)->exercise().questions();
    const auto named = std::find_if(questions.cbegin(), questions.cend(),
                                    [](const QuestionRecord &q) { return q.text.contains(QStringLiteral("dollars")); });
    QVERIFY(named != questions.cend());
    QVERIFY(std::none_of(questions.cbegin(), questions.cend(),
                         [](const QuestionRecord &q) { return q.text.contains(QLatin1Char('$')); }));
    QCOMPARE(window.theme().name, QStringLiteral("Default"));

    // The damaged file can be written: the first change repairs it, says so once, and loses nothing else.
    window.accountWindow()->newUser()->setText(QStringLiteral("Asha"));
    window.accountWindow()->login();
    QVERIFY(window.close());
    QVERIFY2(prompts.count(QStringLiteral("Settings Not Saved")) == 0, qPrintable(prompts.asked.last().text));
    QCOMPARE(prompts.count(QStringLiteral("Settings Repaired")), 1);
    QCOMPARE(Store::stringList(Keys::accountNames), (QStringList{QString(), QStringLiteral("Asha")}));
    QVERIFY(StoreFile::unreadableLines(TestSupport::readFile(Store::fileName())).isEmpty());
}

void TestReliability::twoProgramsLoseNothing()
{
    QTemporaryDir folder;
    {
        QDir(folder.path()).mkpath(QStringLiteral("Halvane"));
        QSettings seed(folder.filePath(QStringLiteral("Halvane/Brightsum.conf")), QSettings::IniFormat);
        seed.setValue(Keys::accountNames, QStringList{QString(), QStringLiteral("Kim")});
        seed.setValue(Keys::toDoList(QStringLiteral("Kim")), Topics::names());
    }
    const QString driver = QCoreApplication::applicationDirPath() + QStringLiteral("/storedriver");
    constexpr int Each = 200;
    QProcess addition, money;
    addition.start(driver, {folder.path(), QStringLiteral("Kim"), QStringLiteral("1"), QString::number(Each)});
    money.start(driver, {folder.path(), QStringLiteral("Kim"), QStringLiteral("6"), QString::number(Each)});
    QVERIFY(addition.waitForFinished(100000) && money.waitForFinished(100000));
    QCOMPARE(addition.exitCode(), 0);
    QCOMPARE(money.exitCode(), 0);

    QSettings result(folder.filePath(QStringLiteral("Halvane/Brightsum.conf")), QSettings::IniFormat);
    QCOMPARE(result.value(Keys::scoreCount).toInt(), 2 * Each);
    int additions = 0;
    for (int n = 1; n <= 2 * Each; ++n) {
        const QString topic = result.value(Keys::scoreField(n, ScoreRecord::Topic)).toString();
        QVERIFY2(topic == QLatin1String("Addition") || topic == QLatin1String("Money"), qPrintable(QString::number(n)));
        QCOMPARE(result.value(Keys::scoreField(n, ScoreRecord::Score)).toString(), QStringLiteral("40"));
        additions += topic == QLatin1String("Addition");
    }
    QCOMPARE(additions, Each);
    QStringList expected = Topics::names();
    expected.removeOne(QStringLiteral("Addition"));
    expected.removeOne(QStringLiteral("Money"));
    QCOMPARE(result.value(Keys::toDoList(QStringLiteral("Kim"))).toStringList(), expected);
}

void TestReliability::threeProgramsAtFullSpeed()
{
    QTemporaryDir folder(memoryFolder() + QStringLiteral("/brightsum-test-XXXXXX"));
    const QString driver = QCoreApplication::applicationDirPath() + QStringLiteral("/storedriver");
    // A thousand each; the sanitizer build, several times slower, takes fewer.
    const int Each = qEnvironmentVariableIntValue("BRIGHTSUM_STRESS_EACH") > 0 ? qEnvironmentVariableIntValue("BRIGHTSUM_STRESS_EACH") : 1000;
    const QStringList tags{QStringLiteral("A"), QStringLiteral("M"), QStringLiteral("S")};
    QProcess drivers[3];
    for (int i = 0; i < 3; ++i)
        drivers[i].start(driver, {folder.path(), QStringLiteral("Kim"), QString::number(i + 1), QString::number(Each), tags[i]});
    for (QProcess &program : drivers) {
        QVERIFY(program.waitForFinished(300000));
        QCOMPARE(program.exitCode(), 0);
    }
    // Every exercise left one record under its own name, numbered 1 to 3,000 without a gap.
    QSettings result(folder.filePath(QStringLiteral("Halvane/Brightsum.conf")), QSettings::IniFormat);
    QCOMPARE(result.value(Keys::scoreCount).toInt(), 3 * Each);
    QSet<QString> seen;
    for (int n = 1; n <= 3 * Each; ++n)
        seen.insert(result.value(Keys::scoreField(n, ScoreRecord::Topic)).toString());
    for (const QString &tag : tags)
        for (int i = 0; i < Each; ++i)
            QVERIFY2(seen.contains(tag + QString::number(i)), qPrintable(tag + QString::number(i)));
    QCOMPARE(seen.size(), 3 * Each);
    QVERIFY(!result.contains(Keys::scoreField(3 * Each + 1, ScoreRecord::Player)));
}

void TestReliability::hostileStoreValues_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::newRow("a hundred million records claimed") << QVariantMap{{Keys::scoreCount, 100000000}};
    QTest::newRow("the largest count") << QVariantMap{{Keys::scoreCount, 2147483647}};
    QTest::newRow("a record at the largest number") << QVariantMap{{Keys::scoreField(2147483647, 0), QStringLiteral("Asha")}};
    QTest::newRow("a window two thousand million pixels wide")
        << QVariantMap{{Keys::width, 2147483647}, {Keys::height, 2147483647}};
    QTest::newRow("a window far off every screen") << QVariantMap{{Keys::x, -2147483647 - 1}, {Keys::y, 2147483647}};
    QTest::newRow("a hash of endless work")
        << QVariantMap{{Keys::password, QStringLiteral("pbkdf2-sha256$2147483647$c2FsdA==$") + QString(44, QLatin1Char('A'))}};
    QTest::newRow("a huge question font") << QVariantMap{{Keys::fontSize, QStringLiteral("2147483647")}};
    QTest::newRow("a toolbar style past the last") << QVariantMap{{Keys::toolbar, 2147483647}};
    // A name shown as rich text would read /dev/zero as a picture, or show the logo in its place.
    QTest::newRow("a name that is a web page")
        << QVariantMap{{Keys::accountNames, QStringList{QString(), QStringLiteral("<img src=\"%2Fdev%2Fzero\">")}}};
    QTest::newRow("a name that shows the logo")
        << QVariantMap{{Keys::accountNames, QStringList{QString(), QStringLiteral("&lt;<img src=\"Art%2Flogo.png\">")}}};
    QTest::newRow("scores no exercise gives")
        << QVariantMap{{Keys::scoreCount, 2}, {Keys::scoreField(1, 0), QStringLiteral("Asha")},
                       {Keys::scoreField(1, 1), QStringLiteral("<b>Week 3</b>")}, {Keys::scoreField(1, 4), -1000000},
                       {Keys::scoreField(2, 0), QStringLiteral("Asha")}, {Keys::scoreField(2, 4), QStringLiteral("-2147483648")}};
}

void TestReliability::hostileStoreValues()
{
    QFETCH(QVariantMap, stored);
    TestSupport::store(Keys::accountNames, QStringList{QString(), QStringLiteral("Asha")});
    const QString player = stored.value(Keys::accountNames, QStringList{QString(), QStringLiteral("Asha")}).toStringList().at(1);
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        TestSupport::store(it.key(), it.value());
    if (!stored.contains(Keys::width))
        TestSupport::store(Keys::width, 700);

    // Whatever the store says, the program starts, signs in, plays and records at once.
    QElapsedTimer clock;
    clock.start();
    ScriptedPrompts prompts;
    prompts.texts = {QStringLiteral("tindrel")};
    ApplicationWindow window;
    QRect screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens = screens.united(screen->availableGeometry());
    QVERIFY(screens.intersects(window.geometry()));
    QVERIFY(window.width() <= screens.width() && window.height() <= screens.height());
    window.accountWindow()->existingUsers()->setCurrentIndex(1);
    window.accountWindow()->login();
    // The name shows as it is, as a screen reader reads it.
    const auto spoken = [](QWidget *label) { return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name); };
    QCOMPARE(spoken(window.sidebar()->nameLabel()), player);
    QCOMPARE(spoken(window.statusBar()->findChildren<QLabel *>().constLast()), QStringLiteral("Signed in as: ") + player);
    const std::unique_ptr<QMessageBox> box = Prompts::messageBox(nullptr, Prompts::Kind::Warning, player, player, QMessageBox::Ok);
    QCOMPARE(spoken(box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))), player);
    const qsizetype before = ScoreBook::records().size();
    window.command(QStringLiteral("Addition..."))->trigger();
    QVERIFY(newest(window)->findChild<QLabel *>()->font().pointSize() <= 200);
    finish(*newest(window));
    QCOMPARE(ScoreBook::records().size(), before + 1);
    QCOMPARE(ScoreBook::records().constLast().player, player);
    // The chart keeps a few ticks, however low the scores, and draws at once.
    window.showMyProgress();
    auto *axis = qobject_cast<QValueAxis *>(window.findChild<QChartView *>()->chart()->axes(Qt::Vertical).constFirst());
    QVERIFY((axis->max() - axis->min()) / axis->tickInterval() <= Progress::MaxScoreTicks);
    window.findChild<QChartView *>()->grab();
    window.toolsOptions(); // asks for the password once
    QVERIFY(clock.elapsed() < 10000);
    QCOMPARE(prompts.count(QStringLiteral("Settings Not Saved")), 0);
}

void TestReliability::pipesAreNeverOpened()
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Halvane"));
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("Halvane/Brightsum.conf"))).constData(), 0600), 0);
    const QString pipe = folder.filePath(QStringLiteral("pipe.dat"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    TestSupport::MovedStore moved(folder.path());

    ScriptedPrompts prompts;
    ApplicationWindow window; // a settings "file" that is a pipe is not read, and not replaced
    QVERIFY(window.isReady());
    QVERIFY(!Store::update(StoreChange::setting(Keys::width, 1)));
    QCOMPARE(prompts.titles(), QStringList{QStringLiteral("Settings Not Read")}); // once, at start
    prompts.fileNames = {pipe, pipe};
    window.chooseFile();
    window.newFromTemplate();
    QCOMPARE(prompts.count(QStringLiteral("Cannot Open Exercise")), 1);
    QCOMPARE(prompts.count(QStringLiteral("Invalid Template")), 1);
}

void TestReliability::closingRightAfterACompletionKeepsIt()
{
    TestSupport::store(Keys::width, 700);
    ScriptedPrompts prompts;
    // Written as the last answer is taken: a power cut while the box shows keeps it.
    bool keptBeforeTheBox = false;
    prompts.onMessage = [&](const ScriptedPrompts::Asked &asked) {
        if (asked.title != QLatin1String("Congratulations!"))
            return;
        Store::waitForPending();
        keptBeforeTheBox = TestSupport::readFile(Store::fileName()).contains("score1\\1=Money\n");
    };
    {
        ApplicationWindow window;
        window.command(QStringLiteral("Money..."))->trigger();
        finish(*newest(window));
        QVERIFY(window.close());
    }
    // Straight from the disk, without waiting for anything more.
    QVERIFY(TestSupport::readFile(Store::fileName()).contains("score1\\1=Money\n"));
    QVERIFY(keptBeforeTheBox);
}

void TestReliability::storageFaults_data()
{
    QTest::addColumn<QByteArray>("fault"); // "HALF": the byte where reading stops, half the file
    QTest::addColumn<int>("exitCode");
    QTest::newRow("all well") << QByteArray() << 0;
    QTest::newRow("a read that fails half-way") << QByteArray("read-error:HALF") << 1;
    QTest::newRow("a read that ends half-way") << QByteArray("read-short:HALF") << 1;
    QTest::newRow("a sync that fails") << QByteArray("sync") << 1;
    QTest::newRow("a rename that fails") << QByteArray("rename") << 1;
}

void TestReliability::storageFaults()
{
    // A second program completes one exercise while the storage under a store
    // of 2,000 records fails: nothing is written over a store not read whole,
    // no failed write leaves a trace, and the program says what it could not write.
    QFETCH(QByteArray, fault);
    QFETCH(int, exitCode);
    QTemporaryDir folder;
    const QString conf = folder.filePath(QStringLiteral("Halvane/Brightsum.conf"));
    QDir(folder.path()).mkpath(QStringLiteral("Halvane"));
    const QByteArray before = schoolStore(2000);
    TestSupport::writeFile(conf, before);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!fault.isEmpty()) {
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(BRIGHTSUM_FAULT_SHIM));
        environment.insert(QStringLiteral("BRIGHTSUM_FAULT"),
                           QString::fromLatin1(fault).replace(QStringLiteral("HALF"), QString::number(before.size() / 2)));
        environment.insert(QStringLiteral("BRIGHTSUM_FAULT_FILE"), QStringLiteral("Brightsum.conf"));
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
    }
    QProcess driver;
    driver.setProcessEnvironment(environment);
    driver.start(driverPath(), {folder.path(), QStringLiteral("Kim"), QStringLiteral("1"), QStringLiteral("1")});
    QVERIFY(driver.waitForFinished(60000));
    QCOMPARE(driver.exitCode(), exitCode);
    const QByteArray after = TestSupport::readFile(conf);
    if (exitCode == 0)
        QVERIFY(after.contains("scoreNum=2001\n"));
    else
        QCOMPARE(after, before);
    QCOMPARE(QDir(QFileInfo(conf).absolutePath()).entryList(QDir::Files), QStringList{QStringLiteral("Brightsum.conf")});
}

void TestReliability::aStuckHolderNeverKeepsTheProgram()
{
    // Another program holds the store and never lets go: stopped, or hung on a network disk.
    TestSupport::store(Keys::width, 700);
    const QString folder = QFileInfo(Store::fileName()).absolutePath();
    QProcess holder;
    holder.start(QStringLiteral("sleep"), {QStringLiteral("300")});
    QVERIFY(holder.waitForStarted());
    ::kill(pid_t(holder.processId()), SIGSTOP);
    const auto endHolder = [&] {
        if (holder.state() != QProcess::NotRunning && holder.processId() > 0)
            ::kill(pid_t(holder.processId()), SIGKILL);
        holder.waitForFinished();
    };
    const auto atEnd = qScopeGuard(endHolder);
    TestSupport::writeFile(folder + QLatin1Char('/') + StoreLock::programLockName(),
                           QByteArray::number(holder.processId()) + "\nsleep\n" + QSysInfo::machineHostName().toUtf8()
                               + '\n' + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n');

    // Ten changes wait: the program waits for them all together, not each in turn.
    for (int i = 1; i <= 10; ++i)
        Store::post(StoreChange::setting(Keys::themeColour(1), i));
    QElapsedTimer clock;
    clock.start();
    Store::Finished finished = Store::finish(1500);
    QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(finished.kept, 10);
    QVERIFY(finished.problem.isEmpty());

    {
        // A logout (SIGTERM) while a record and a half-done exercise wait:
        // nothing asks, and a second signal leaves at once.
        ScriptedPrompts prompts;
        ApplicationWindow window;
        window.show();
        SessionEnd::install([&window] { window.endSession(); });
        window.command(QStringLiteral("Money..."))->trigger();
        finish(*newest(window));
        window.command(QStringLiteral("Addition..."))->trigger();
        newest(window)->answerBox()->setText(QStringLiteral("0"));
        newest(window)->validate();
        clock.restart();
        ::raise(SIGTERM);
        QTimer::singleShot(500, [] { ::raise(SIGTERM); });
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 10000);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(prompts.count(QStringLiteral("Score Not Saved")), 0);
        QCOMPARE(prompts.count(QStringLiteral("Addition")), 0);
        SessionEnd::install(nullptr);
    }
    QCOMPARE(journals(folder).size(), 2);
    QVERIFY(!TestSupport::readFile(Store::fileName()).contains("Money"));

    // Once the holder is gone, the next start writes what was kept, once.
    endHolder();
    int told = 0;
    Store::setJournalHandler([&](int changes) { told += changes; });
    Store::reopen();
    QVERIFY(Store::readProblem().isEmpty());
    Store::waitForPending();
    Store::setJournalHandler(nullptr);
    QVERIFY(journals(folder).isEmpty());
    QCOMPARE(Store::intValue(Keys::themeColour(1), 0), 10);
    QCOMPARE(ScoreBook::records().size(), 1);
    QCOMPARE(ScoreBook::records().constFirst().topic, QStringLiteral("Money"));
    QVERIFY(told >= 11);
}

void TestReliability::anUnreadableStoreKeepsItsPassword_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("larger than a settings file can be") << QStringLiteral("sparse");
    QTest::newRow("no permission to read it") << QStringLiteral("unreadable");
}

void TestReliability::anUnreadableStoreKeepsItsPassword()
{
    // A store that is there but cannot be read may hold a password: the
    // built-in one never opens the adult's tools, and nothing is written over it.
    QFETCH(QString, fault);
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Halvane"));
    const QString conf = folder.filePath(QStringLiteral("Halvane/Brightsum.conf"));
    QFile file(conf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\npassword=secret\n");
    if (fault == QLatin1String("sparse"))
        QVERIFY(file.resize(StoreFile::MaxBytes + 1));
    file.close();
    if (fault == QLatin1String("unreadable")) {
        if (::geteuid() == 0)
            QSKIP("The administrator reads every file.");
        QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
    }
    const QDateTime modified = QFileInfo(conf).lastModified();
    TestSupport::MovedStore moved(folder.path());
    QVERIFY(!Store::readProblem().isEmpty());
    QVERIFY(!Password::check(Fallback::password));
    QVERIFY(!Store::update(StoreChange::setting(Keys::width, 700)));
    // The adult is told, once, and no first start is made of it.
    ScriptedPrompts prompts;
    {
        ApplicationWindow window;
        QVERIFY(window.close());
    }
    QCOMPARE(prompts.titles(), QStringList{QStringLiteral("Settings Not Read")});
    QCOMPARE(QFileInfo(conf).lastModified(), modified);
}

void TestReliability::thousandExercisesInOneRun()
{
    ScriptedPrompts prompts;
    RecordingSoundPlayer sounds;
    TestSupport::store(Keys::width, 700);
    ApplicationWindow window;
    constexpr int Runs = 1000;
    for (int i = 0; i < Runs; ++i) {
        window.command(Topics::at(i % Topics::count).name + QStringLiteral("..."))->trigger();
        finish(*newest(window));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Closed windows are freed, not kept hidden.
    QVERIFY(window.workspace()->subWindowList().isEmpty());
    QVERIFY(window.findChildren<MDIWindow *>().isEmpty());
    QCOMPARE(ScoreBook::records().size(), Runs);
    const QList<ScoreRecord> &records = ScoreBook::records();
    QCOMPARE(records.size(), Runs);
    for (int i = 0; i < Runs; ++i)
        QCOMPARE(records.at(i).topic, Topics::at(i % Topics::count).name);
    prompts.asked.clear(); // a thousand congratulations
    QCOMPARE(sounds.played.size(), Runs * QuestionsPerExercise);
}

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
