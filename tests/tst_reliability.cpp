// SPDX-License-Identifier: GPL-3.0-or-later
// The program keeps working and loses nothing under failing storage, a broken
// settings file, two programs at once and long runs.

#include "app/applicationwindow.h"
#include "exercise/mdiwindow.h"
#include "testsupport.h"
#include "users/accounts.h"
#include "users/accountwindow.h"
#include "users/scorebook.h"
#include "users/store.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

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

// Moves the store to another folder for one test.
class MovedStore
{
public:
    explicit MovedStore(const QString &folder)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        Store::reopen();
    }
    ~MovedStore()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path());
        Store::reopen();
    }

private:
    QTemporaryDir m_home;
};

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
    void thousandExercisesInOneRun();
};

void TestReliability::unwritableStoreIsReportedOnce()
{
    // A folder that cannot be made, even by the administrator: its parent is a file.
    QTemporaryDir scratch;
    QFile blocker(scratch.filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    MovedStore moved(blocker.fileName() + QStringLiteral("/settings"));

    ScriptedPrompts prompts;
    ApplicationWindow window;
    QVERIFY(window.isReady());
    window.accountWindow()->newUser()->setText(QStringLiteral("Asha"));
    window.accountWindow()->login();
    QCOMPARE(window.userName(), QStringLiteral("Asha"));
    QCOMPARE(prompts.count(QStringLiteral("Settings Not Saved")), 1);
    QVERIFY(prompts.asked.last().text.contains(QStringLiteral("not-a-folder")));

    window.command(QStringLiteral("Addition..."))->trigger();
    finish(*newest(window));
    QCOMPARE(prompts.count(QStringLiteral("Score Not Saved")), 1);
    QCOMPARE(prompts.count(QStringLiteral("Settings Not Saved")), 1); // told once
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
    MovedStore moved(folder.path());

    ScriptedPrompts prompts;
    ApplicationWindow window;
    QVERIFY(window.isReady());
    QCOMPARE(window.geometry(), QRect(50, 50, 700, 500));
    window.command(QStringLiteral("Money..."))->trigger();
    const Exercise &exercise = newest(window)->exercise();
    QVERIFY(exercise.current().text.contains(QStringLiteral("dollars")) || !exercise.current().text.contains(QLatin1Char('$')));
    QCOMPARE(window.theme().name, QStringLiteral("Default"));
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

void TestReliability::thousandExercisesInOneRun()
{
    ScriptedPrompts prompts;
    RecordingSoundPlayer sounds;
    Store::settings().setValue(Keys::width, 700);
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
    QCOMPARE(ScoreBook::count(), Runs);
    const QList<ScoreRecord> &records = ScoreBook::records();
    QCOMPARE(records.size(), Runs);
    for (int i = 0; i < Runs; ++i)
        QCOMPARE(records.at(i).topic, Topics::at(i % Topics::count).name);
    prompts.asked.clear(); // a thousand congratulations
    QCOMPARE(sounds.played.size(), Runs * QuestionsPerExercise);
}

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
