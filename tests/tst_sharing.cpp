// SPDX-License-Identifier: GPL-3.0-or-later
// Score records shared by several computers through one folder, on the core
// alone: the rounds of one computer, the merge of what they read, and five
// programs sharing at full speed.

#include "base/store/store.h"
#include "base/store/storefile.h"
#include "content/topics.h"
#include "coresupport.h"
#include "users/accounts.h"
#include "users/scorebook.h"
#include "users/scorecsv.h"
#include "users/sharinground.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include <memory>

namespace {

const QString Here = QString(32, QLatin1Char('a'));
const QString There = QString(32, QLatin1Char('b'));

ScoreRecord recordOf(const QString &topic, int second, const QString &player = QStringLiteral("Kim"))
{
    const QDateTime when(QDate(2025, 3, 14), QTime(15, 42).addSecs(second), QTimeZone(3600));
    return {player, topic, QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("38"), ScoreBook::timeText(when)};
}

const QList<ScoreRecord> Theirs{recordOf(QStringLiteral("Money"), 1), recordOf(QStringLiteral("Addition"), 2),
                                recordOf(QStringLiteral("Money"), 3, QStringLiteral("Ana"))};

// One round of the computer whose store is the test's, its change written as the program writes it.
SharingRound::Outcome roundOf(SharingRound &round, const QString &folder, bool everything = false)
{
    SharingRound::Outcome outcome = round.run({folder, Here, Store::records(), everything});
    if (!outcome.change.isEmpty() && Store::update(outcome.change))
        round.merged(outcome.read);
    return outcome;
}

// A store's records as the file holds them, their origins included.
QList<ScoreRecord> recordsIn(const QString &settingsFolder)
{
    StoreMap store = StoreMap::fromIni(TestSupport::readFile(settingsFolder + QStringLiteral("/Halvane/Brightsum.conf")));
    store.setFileBytes(StoreFile::MaxBytes);
    QList<ScoreRecord> records;
    ScoreRecords::readInto(records, store);
    return records;
}

} // namespace

class TestSharing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    void eachRecordIsMergedOnce_data();
    void eachRecordIsMergedOnce();
    void damagedFilesAreLeftOutUntilMended_data();
    void damagedFilesAreLeftOutUntilMended();
    void anUnreachableFolderLosesNothing();
    void aCopiedDiskTakesANewIdentity();
    void fiveComputersAtFullSpeed();
};

void TestSharing::eachRecordIsMergedOnce_data()
{
    const ScoreRecord money = recordOf(QStringLiteral("Money"), 1);
    const ScoreRecord addition = recordOf(QStringLiteral("Addition"), 2);
    ScoreRecord undated = money;
    undated.completed.clear();
    QTest::addColumn<QList<ScoreRecord>>("here"); // imported by hand, or made here
    QTest::addColumn<QList<QList<ScoreRecord>>>("files");
    QTest::addColumn<int>("kept");
    QTest::newRow("one record in two files") << QList<ScoreRecord>{} << QList<QList<ScoreRecord>>{{money}, {money, addition}} << 2;
    QTest::newRow("a record twice in a file, once here") << QList<ScoreRecord>{money} << QList<QList<ScoreRecord>>{{money, money}} << 2;
    QTest::newRow("alike undated records of two computers")
        << QList<ScoreRecord>{} << QList<QList<ScoreRecord>>{{undated, undated}, {undated}} << 2;
    QTest::newRow("a file carried by hand before") << QList<ScoreRecord>{money, addition}
                                                   << QList<QList<ScoreRecord>>{{addition, money}} << 2;
}

void TestSharing::eachRecordIsMergedOnce()
{
    QFETCH(QList<ScoreRecord>, here);
    QFETCH(QList<QList<ScoreRecord>>, files);
    QFETCH(int, kept);
    for (const ScoreRecord &record : here)
        TestSupport::appendRecord(record);
    QList<SharedFolder::File> all;
    for (const QList<ScoreRecord> &file : files)
        all.append({QString::number(all.size()).repeated(32), file});
    // Each file on its own, the last first, then all together again.
    for (qsizetype i = all.size() - 1; i >= -1; --i) {
        const QList<SharedFolder::File> read = i >= 0 ? QList<SharedFolder::File>{all.at(i)} : all;
        const QList<ScoreRecord> missing = SharedFolder::missing(read, Store::records());
        QVERIFY(missing.isEmpty() || Store::update(SharedFolder::merging(missing)));
    }
    QCOMPARE(ScoreBook::records().size(), kept);
    // What arrived is done here too, by a child who has an account here now.
    if (here.isEmpty()) {
        QVERIFY(Accounts::names().contains(QStringLiteral("Kim")));
        QVERIFY(!Accounts::toDo(QStringLiteral("Kim")).contains(QStringLiteral("Money")));
        QVERIFY(Accounts::toDo(QStringLiteral("Kim")).contains(QStringLiteral("Fractions")));
    }
}

void TestSharing::damagedFilesAreLeftOutUntilMended_data()
{
    const QByteArray whole = ScoreCsv::write(Theirs);
    QTest::addColumn<QByteArray>("damaged");
    QTest::newRow("cut short") << whole.chopped(9);
    QTest::newRow("being written") << QByteArray();
    QTest::newRow("a line that cannot be read") << QByteArray(whole).replace(",38,", ",3x,");
    QTest::newRow("not text") << QByteArray(whole).replace("Ana", "A\xff");
    QTest::newRow("a newer program's") << QByteArray(whole).replace("\r\n", ",1\r\n").replace("completed,1", "completed,room");
}

void TestSharing::damagedFilesAreLeftOutUntilMended()
{
    QFETCH(QByteArray, damaged);
    QTemporaryDir folder;
    const QString theirs = SharedFolder::fileOf(folder.path(), There);
    TestSupport::writeFile(theirs, damaged);
    SharingRound round;
    SharingRound::Outcome outcome = roundOf(round, folder.path());
    QCOMPARE(outcome.told.size(), 1);
    QVERIFY(outcome.written);
    QVERIFY(ScoreBook::records().isEmpty());
    QVERIFY(roundOf(round, folder.path()).told.isEmpty()); // told once
    TestSupport::writeFile(theirs, ScoreCsv::write(Theirs));
    outcome = roundOf(round, folder.path());
    QCOMPARE(outcome.arriving, Theirs.size());
    QCOMPARE(roundOf(round, folder.path(), true).arriving, 0);
    QCOMPARE(ScoreBook::records(), Theirs);
    QCOMPARE(ScoreBook::records().constFirst().origin, There);
    // This computer's file holds none of them.
    QCOMPARE(ScoreCsv::read(TestSupport::readFile(SharedFolder::fileOf(folder.path(), Here))).records.size(), 0);
}

void TestSharing::anUnreachableFolderLosesNothing()
{
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("share"));
    SharingRound round;
    TestSupport::appendRecord(recordOf(QStringLiteral("Division"), 1));
    QCOMPARE(roundOf(round, folder).told.size(), 1);
    TestSupport::appendRecord(recordOf(QStringLiteral("Division"), 2));
    const SharingRound::Outcome meanwhile = roundOf(round, folder);
    QVERIFY(meanwhile.told.isEmpty() && !meanwhile.written);

    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("share")));
    TestSupport::writeFile(SharedFolder::fileOf(folder, There), ScoreCsv::write(Theirs));
    const SharingRound::Outcome again = roundOf(round, folder);
    QVERIFY(again.written);
    QCOMPARE(again.told.size(), 1); // reached again
    QCOMPARE(ScoreCsv::read(TestSupport::readFile(SharedFolder::fileOf(folder, Here))).records.size(), 2);
    QCOMPARE(ScoreBook::records().size(), 2 + Theirs.size());
}

void TestSharing::aCopiedDiskTakesANewIdentity()
{
    // Two computers of one disk: the records made before it was copied, and one each since.
    QTemporaryDir folder;
    const QList<ScoreRecord> before{recordOf(QStringLiteral("Money"), 1)};
    SharingRound first, second;
    const auto run = [&](SharingRound &round, const QString &topic) {
        return round.run({folder.path(), Here, before + QList<ScoreRecord>{recordOf(topic, 2)}});
    };
    QVERIFY(run(first, QStringLiteral("Addition")).written);
    QVERIFY(!run(second, QStringLiteral("Fractions")).cloned); // perhaps two programs of one store
    QVERIFY(run(first, QStringLiteral("Addition")).written);
    const SharingRound::Outcome twin = run(second, QStringLiteral("Fractions"));
    QVERIFY(twin.cloned);
    QCOMPARE(twin.told.size(), 1);
    QCOMPARE(ScoreCsv::read(TestSupport::readFile(SharedFolder::fileOf(folder.path(), Here))).records.constLast().topic,
             QStringLiteral("Addition"));
}

void TestSharing::fiveComputersAtFullSpeed()
{
    QTemporaryDir share;
    const QStringList tags{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                           QStringLiteral("E")};
    constexpr int Each = 600;
    QList<std::shared_ptr<QTemporaryDir>> computers;
    for (int i = 0; i < tags.size(); ++i) {
        computers.append(std::make_shared<QTemporaryDir>());
        QSettings(computers.last()->filePath(QStringLiteral("Halvane/Brightsum.conf")), QSettings::IniFormat)
            .setValue(Keys::sharingFolder, share.path());
    }
    const QString driver = QCoreApplication::applicationDirPath() + QStringLiteral("/storedriver");
    // Playing side by side, then each started once more, to read what the others shared at their end.
    for (const int count : {Each, 0}) {
        QProcess drivers[5];
        for (int i = 0; i < tags.size(); ++i)
            drivers[i].start(driver, {computers.at(i)->path(), QStringLiteral("Kim"), QStringLiteral("1"),
                                      QString::number(count), tags.at(i)});
        for (QProcess &program : drivers) {
            QVERIFY(program.waitForFinished(200000));
            QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());
        }
    }
    for (int i = 0; i < tags.size(); ++i) {
        const QList<ScoreRecord> records = recordsIn(computers.at(i)->path());
        QSet<QString> topics;
        for (const ScoreRecord &record : records) {
            topics.insert(record.topic);
            QCOMPARE(record.origin.isEmpty(), record.topic.startsWith(tags.at(i)));
        }
        QCOMPARE(records.size(), tags.size() * Each);
        QCOMPARE(topics.size(), tags.size() * Each);
        const QString identity = QSettings(computers.at(i)->filePath(QStringLiteral("Halvane/Brightsum.conf")),
                                           QSettings::IniFormat).value(Keys::sharingIdentity).toString();
        const QList<ScoreRecord> shared =
            ScoreCsv::read(TestSupport::readFile(SharedFolder::fileOf(share.path(), identity))).records;
        QCOMPARE(shared.size(), Each);
        QVERIFY(std::all_of(shared.cbegin(), shared.cend(), [&](const ScoreRecord &r) { return r.topic.startsWith(tags.at(i)); }));
    }
}

QTEST_GUILESS_MAIN(TestSharing)
#include "tst_sharing.moc"
