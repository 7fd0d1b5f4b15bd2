// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store, score records and the password, on the core alone: no
// window library is linked and no display platform is needed.

#include "base/safefile.h"
#include "base/store/store.h"
#include "base/store/storefile.h"
#include "base/store/storelock.h"
#include "content/topics.h"
#include "coresupport.h"
#include "users/accounts.h"
#include "users/clearing.h"
#include "users/firstrun.h"
#include "users/password.h"
#include "users/practice.h"
#include "users/scorebook.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

ScoreRecord recordOf(const QString &player)
{
    return {player, QStringLiteral("Addition"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("40")};
}

} // namespace

class TestStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    void recordsAreNumberedAtTheMomentOfWriting_data();
    void recordsAreNumberedAtTheMomentOfWriting();
    void recordsAreReadIncrementally();
    void passwordChecks();
    void firstRunKeepsAPasswordSet();
    void clearing_data();
    void clearing();
    void storeFileReadsBackThroughTheToolkit_data();
    void storeFileReadsBackThroughTheToolkit();
    void changesOfOtherProgramsAreSeen();
    void changesThatChangeNothingWriteNothing_data();
    void changesThatChangeNothingWriteNothing();
    void lockHolders_data();
    void lockHolders();
    void fullDiskLeavesEarlierFilesWhole();
    void aHundredMegabyteStoreOpens();
};

void TestStore::recordsAreNumberedAtTheMomentOfWriting_data()
{
    // What the store holds before a record is appended: the stored count, and
    // the numbers of the records actually there.
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<int>("readers");  // records the book reads
    QTest::addColumn<int>("appended"); // the new record's number

    QTest::newRow("empty store") << QVariant() << QList<int>{} << 0 << 1;
    QTest::newRow("written meanwhile by another program") << QVariant(4) << QList<int>{1, 2, 3, 4} << 4 << 5;
    QTest::newRow("records beyond the count are not overwritten") << QVariant(2) << QList<int>{1, 2, 3, 4} << 2 << 5;
    QTest::newRow("a count past the records ends at the last") << QVariant(9) << QList<int>{1, 2, 3} << 3 << 4;
    QTest::newRow("a hundred million") << QVariant(100000000) << QList<int>{1, 2} << 2 << 3;
    QTest::newRow("the largest int") << QVariant(2147483647) << QList<int>{1} << 1 << 2;
    QTest::newRow("negative") << QVariant(-5) << QList<int>{} << 0 << 1;
    QTest::newRow("not a number") << QVariant(QStringLiteral("many")) << QList<int>{} << 0 << 1;
    QTest::newRow("a gap is an empty record") << QVariant(3) << QList<int>{1, 3} << 3 << 4;
    QTest::newRow("a record far beyond the store's size") << QVariant(1) << QList<int>{1, 2147483647} << 1 << 2;
}

void TestStore::recordsAreNumberedAtTheMomentOfWriting()
{
    QFETCH(QVariant, stored);
    QFETCH(QList<int>, present);
    QFETCH(int, readers);
    QFETCH(int, appended);
    StoreChange change;
    if (stored.isValid())
        change.then(StoreChange::setting(Keys::scoreCount, stored));
    for (int n : present)
        for (int k = 0; k < ScoreRecord::FieldCount; ++k)
            change.then(StoreChange::setting(Keys::scoreField(n, k), QStringLiteral("Kim")));
    QVERIFY(Store::update(change));
    QCOMPARE(ScoreBook::records().size(), readers);
    QCOMPARE(ScoreBook::records().size(), readers);
    QCOMPARE(TestSupport::appendRecord({QStringLiteral("Ben"), QStringLiteral("Money"), QStringLiteral("3"),
                                QStringLiteral("3"), QStringLiteral("-2")}),
             appended);
    const std::unique_ptr<QSettings> written = TestSupport::onDisk();
    QCOMPARE(written->value(QStringLiteral("scores/score%1/0").arg(appended)).toString(), QStringLiteral("Ben"));
    QCOMPARE(written->value(QStringLiteral("/scores/score%1/4").arg(appended)).toString(), QStringLiteral("-2"));
    QCOMPARE(written->value(QStringLiteral("/scores/scoreNum")).toInt(), appended);
    for (int n : present) // nothing that was there is overwritten
        QCOMPARE(written->value(Keys::scoreField(n, ScoreRecord::Player)).toString(), QStringLiteral("Kim"));

    QVERIFY(Clearing::clear(Clearing::What::Scores));
    QCOMPARE(ScoreBook::records().size(), 0);
    QCOMPARE(TestSupport::appendRecord({QStringLiteral("Cy"), QStringLiteral("Money"), QStringLiteral("0"),
                                QStringLiteral("0"), QStringLiteral("40")}),
             1);
}

void TestStore::recordsAreReadIncrementally()
{
    for (int i = 0; i < 600; ++i)
        TestSupport::appendRecord({QStringLiteral("P%1").arg(i % 3), QStringLiteral("Money"), QStringLiteral("0"),
                           QStringLiteral("0"), QString::number(i)});
    QCOMPARE(ScoreBook::records().size(), 600); // no bound of 500
    QCOMPARE(ScoreBook::records().last().score, QStringLiteral("599"));
    TestSupport::appendRecord({QStringLiteral("Z"), QStringLiteral("Fractions"), QStringLiteral("1"), QStringLiteral("2"),
                       QStringLiteral("3")});
    QCOMPARE(ScoreBook::records().size(), 601);
    QCOMPARE(ScoreBook::records().last().player, QStringLiteral("Z"));
    Store::removeGroups({Keys::scoresGroup});
    QVERIFY(ScoreBook::records().isEmpty());
}

void TestStore::passwordChecks()
{
    QVERIFY(Password::check(QStringLiteral("tindrel"))); // nothing stored
    QVERIFY(!Password::check(QStringLiteral("Tindrel")));

    TestSupport::store(Keys::password, QStringLiteral("legacy")); // clear text from an earlier version
    QVERIFY(Password::check(QStringLiteral("legacy")));
    QVERIFY(!Password::check(QStringLiteral("legacy ")));

    Password::store(QStringLiteral("s3cret"));
    const QString stored = Store::value(Keys::password).toString();
    QVERIFY(Password::isHashed(stored));
    QVERIFY(!stored.contains(QStringLiteral("s3cret")));
    QVERIFY(Password::check(QStringLiteral("s3cret")));
    QVERIFY(!Password::check(QStringLiteral("S3cret")));
    QVERIFY(Password::hash(QStringLiteral("s3cret")) != stored); // salted

    Password::store(QString());
    QVERIFY(Password::check(QString()));
    QVERIFY(!Password::check(QStringLiteral(" ")));

    // Reference values of PBKDF2-HMAC-SHA256 (RFC 7914, and Python's hashlib.pbkdf2_hmac).
    QCOMPARE(Password::derive("passwd", "salt", 1).toHex(),
             QByteArray("55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"));
    QCOMPARE(Password::derive("Password", "NaCl", 80000).toHex(),
             QByteArray("4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"));
    const QString made = QStringLiteral("pbkdf2-sha256$60000$MDEyMzQ1Njc4OWFiY2RlZg==$")
        + QString::fromLatin1(QByteArray::fromHex("807beca6a8f4774881feef89ec7255d846291c55c94b4b80b7762a497acd4ad1").toBase64());
    QVERIFY(Password::matches(made, QStringLiteral("tindrel")));
    // A stored hash no check should take (or damaged) matches nothing, at once.
    QElapsedTimer clock;
    clock.start();
    for (const QString &count : {QStringLiteral("2147483647"), QStringLiteral("600001"), QStringLiteral("0"), QStringLiteral("x")})
        QVERIFY(!Password::matches(QString(made).replace(QStringLiteral("60000"), count), QStringLiteral("tindrel")));
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(!Password::matches(made.chopped(4), QStringLiteral("tindrel")));
}

void TestStore::firstRunKeepsAPasswordSet()
{
    QVERIFY(FirstRun::store(QStringLiteral("euros"), false, QStringLiteral("first"), StoreChange::setting(Keys::width, 640)));
    QCOMPARE(Store::value(Keys::currency).toString(), QStringLiteral("euros"));
    QCOMPARE(Store::value(Keys::measures).toString(), QStringLiteral("imperial"));
    QCOMPARE(Store::intValue(Keys::width, 0), 640);
    QVERIFY(Password::isHashed(Store::value(Keys::password).toString()));
    QVERIFY(Password::check(QStringLiteral("first")));
    // After all data were cleared the first run comes again; the password stays.
    QVERIFY(FirstRun::store(QStringLiteral("yen"), true, QStringLiteral("second")));
    QVERIFY(Password::check(QStringLiteral("first")));
    QCOMPARE(Store::value(Keys::measures).toString(), QStringLiteral("metric"));
}

void TestStore::clearing_data()
{
    QTest::addColumn<Clearing::What>("what");
    QTest::addColumn<QStringList>("gone"); // the groups removed; every other key stays
    QTest::newRow("the sidebar's saved scores")
        << Clearing::What::Scores << QStringList{QStringLiteral("scores"), QStringLiteral("practice")};
    QTest::newRow("saved scores and user accounts")
        << Clearing::What::ScoresAndAccounts
        << QStringList{QStringLiteral("scores"), QStringLiteral("accounts"), QStringLiteral("practice")};
    QTest::newRow("all saved data") << Clearing::What::AllData
                                    << QStringList{QStringLiteral("scores"), QStringLiteral("accounts"),
                                                   QStringLiteral("application"), QStringLiteral("exercise"),
                                                   QStringLiteral("localization"), QStringLiteral("themes"),
                                                   QStringLiteral("practice")};
}

void TestStore::clearing()
{
    QFETCH(Clearing::What, what);
    QFETCH(QStringList, gone);
    StoreChange everything = Accounts::adding(QStringLiteral("Asha")).then(Accounts::completing(QStringLiteral("Asha"), QStringLiteral("Money")));
    for (const QString &key : {Keys::password, Keys::mainWindowState, Keys::toolbar, Keys::soundSet, Keys::width,
                               Keys::fontSize, Keys::currency, Keys::theme, QStringLiteral("/folders/exercises")})
        everything.then(StoreChange::setting(key, QStringLiteral("1")));
    everything.then(Practice::missing(QStringLiteral("Asha"), {QStringLiteral("Money"), 0, 1, TimesFact::of(2, 3)},
                                      {QStringLiteral("What is 2 x 3?"), QStringLiteral("6"), {}, {}},
                                      QDateTime::currentDateTime()));
    QVERIFY(Store::update(everything.then(ScoreBook::appending(recordOf(QStringLiteral("Asha"))))));
    const QStringList before = TestSupport::storedKeys();

    QVERIFY(Clearing::clear(what));
    const QStringList after = TestSupport::storedKeys();
    for (const QString &key : before)
        QVERIFY2(after.contains(key) != gone.contains(key.section(QLatin1Char('/'), 0, 0)), qPrintable(key));
    QVERIFY(ScoreBook::records().isEmpty());
    // Clearing the scores alone clears the record of exercises completed with them.
    if (what == Clearing::What::Scores)
        QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), Topics::count);
}

void TestStore::storeFileReadsBackThroughTheToolkit_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QByteArray everyByte(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        everyByte[i] = char(i);
    const QList<std::pair<const char *, QVariant>> values{
        {"plain", QStringLiteral("Addition")},
        {"empty", QString()},
        {"blanks around", QStringLiteral(" Asha ")},
        {"separators", QStringLiteral("a,b;c=d")},
        {"quotes and backslashes", QStringLiteral("\"say\" \\ no")},
        {"control characters", QStringLiteral("tab\tline\nreturn\r\x01\x1f\x7f end")},
        {"a nul before a digit", QString(QChar(0)) + QStringLiteral("1b")},
        {"at signs", QStringLiteral("@Invalid()")},
        {"beyond ASCII", QStringLiteral("Zo\u00eb \u65e5\u672c \U0001F600 \u00ff")},
        {"empty list", QStringList()},
        {"list of one empty name", QStringList{QString()}},
        {"names", QStringList{QString(), QStringLiteral("Asha"), QStringLiteral("Ben, Jr"), QStringLiteral(" @x ")}},
        {"every byte", everyByte},
        {"number", -2147483647 - 1},
        {"truth", true},
    };
    const QStringList keys{QStringLiteral("password"), QStringLiteral("scores/score12/0"), QStringLiteral("scores/score1/6"),
                           QStringLiteral("scores/score10/7"), QStringLiteral("scores/score2"),
                           QStringLiteral("accounts/Zo\u00eb K\u00f6nig 50%"), QStringLiteral("accounts/[x]=;y"),
                           QStringLiteral("General/x"), QStringLiteral("accounts/\u65e5\u672c"), QStringLiteral("a/b\\c")};
    for (const QString &key : keys)
        for (const auto &[name, value] : values)
            QTest::addRow("%s: %s", qPrintable(key), name) << key << value;
}

void TestStore::storeFileReadsBackThroughTheToolkit()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    // Records around the key, so that it takes its place among the records' fields.
    const QList<std::pair<QString, QVariant>> around{{QStringLiteral("/application/width"), 700},
                                                     {QStringLiteral("scores/score1/0"), QStringLiteral("Kim")},
                                                     {QStringLiteral("scores/score2/6"), QStringLiteral("pc-07")},
                                                     {QStringLiteral("scores/score100/5"), QString()},
                                                     {QStringLiteral("scores/scoreNum"), 100}};
    StoreMap map;
    for (const auto &[k, v] : around)
        map.setValue(k, v);
    map.setValue(key, value);
    const std::optional<QByteArray> written = map.toIni();
    // A nul in a text takes a form of the toolkit's own, which it writes itself.
    QCOMPARE(written.has_value(), value.typeId() != QMetaType::QString || !value.toString().contains(QChar(0)));
    if (!written)
        return;

    // The toolkit reads back every key and value, and writes the very same bytes itself.
    QTemporaryDir folder;
    TestSupport::writeFile(folder.filePath(QStringLiteral("ours.conf")), *written);
    const QSettings read(folder.filePath(QStringLiteral("ours.conf")), QSettings::IniFormat);
    QCOMPARE(read.allKeys(), map.allKeys());
    if (value.typeId() == QMetaType::QStringList)
        QCOMPARE(read.value(key).toStringList(), value.toStringList());
    else if (value.typeId() == QMetaType::QByteArray)
        QCOMPARE(read.value(key).toByteArray(), value.toByteArray());
    else
        QCOMPARE(read.value(key).toString(), value.toString());
    {
        QSettings theirs(folder.filePath(QStringLiteral("theirs.conf")), QSettings::IniFormat);
        for (const auto &[k, v] : around)
            theirs.setValue(k, v);
        theirs.setValue(key, value);
    }
    QCOMPARE(*written, TestSupport::readFile(folder.filePath(QStringLiteral("theirs.conf"))));
}

void TestStore::changesOfOtherProgramsAreSeen()
{
    TestSupport::store(Keys::currency, QStringLiteral("euros"));
    QCOMPARE(Store::value(Keys::currency).toString(), QStringLiteral("euros"));
    // Another program rewrites the file in place: the same size, the same modification time.
    QFile file(Store::fileName());
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
    const QByteArray changed = file.readAll().replace("euros", "pesos");
    file.seek(0);
    file.write(changed);
    file.setFileTime(modified, QFileDevice::FileModificationTime);
    file.close();
    QCOMPARE(Store::value(Keys::currency).toString(), QStringLiteral("pesos"));

    // A program's reading ahead, done before the file changed, is read again.
    Store::reopen();
    Store::readAhead();
    QTest::qWait(200); // for the reading to be done, not a measure of it
    TestSupport::writeFile(Store::fileName(), "[localization]\ncurrency=dollars\n");
    QCOMPARE(Store::value(Keys::currency).toString(), QStringLiteral("dollars"));
}

void TestStore::changesThatChangeNothingWriteNothing_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value"); // set, or removed when invalid
    QTest::addColumn<bool>("written");
    const QStringList names{QStringLiteral("Kim"), QStringLiteral("Asha")};
    QTest::newRow("the same text") << Keys::currency << QVariant(QStringLiteral("euros")) << false;
    QTest::newRow("another text") << Keys::currency << QVariant(QStringLiteral("pesos")) << true;
    QTest::newRow("the same list") << Keys::accountNames << QVariant(names) << false;
    QTest::newRow("a list in another order") << Keys::accountNames << QVariant(QStringList{names.last(), names.first()})
                                             << true;
    QTest::newRow("the same record field") << Keys::scoreField(1, 0) << QVariant(QStringLiteral("Kim")) << false;
    QTest::newRow("another record field") << Keys::scoreField(1, 0) << QVariant(QStringLiteral("Kima")) << true;
    QTest::newRow("a number, stored as its text") << Keys::width << QVariant(700) << false;
    QTest::newRow("another number") << Keys::width << QVariant(701) << true;
    QTest::newRow("a key that is not there, removed") << QStringLiteral("/nothing/here") << QVariant() << false;
    QTest::newRow("a key that is there, removed") << Keys::currency << QVariant() << true;
}

void TestStore::changesThatChangeNothingWriteNothing()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(bool, written);
    QVERIFY(Store::update(StoreChange::setting(Keys::currency, QStringLiteral("euros"))
                              .then(StoreChange::setting(Keys::accountNames, QStringList{QStringLiteral("Kim"), QStringLiteral("Asha")}))
                              .then(StoreChange::setting(Keys::scoreField(1, 0), QStringLiteral("Kim")))
                              .then(StoreChange::setting(Keys::width, 700))));
    Store::reopen(); // read back from the file, as another program would find it
    const StoreFile::Identity before = StoreFile::identityOf(Store::fileName());
    QVERIFY(Store::update(value.isValid() ? StoreChange::setting(key, value) : StoreChange::removing(key)));
    QCOMPARE(!(StoreFile::identityOf(Store::fileName()) == before), written);
    StoreFile file(Store::fileName());
    QCOMPARE(file.current().value(key).toString(), value.toString());
    QCOMPARE(file.current().contains(key), value.isValid());
}

void TestStore::lockHolders_data()
{
    QTest::addColumn<QString>("lock");
    QTest::addColumn<bool>("live");          // held by a live program, which lets go after 1.5 s
    QTest::addColumn<QByteArray>("content"); // else the lock file as found
    QTest::addColumn<bool>("waited");        // for 1.5 s, and said so

    QProcess ended;
    ended.start(QStringLiteral("true"));
    ended.waitForStarted();
    const QByteArray gone = QByteArray::number(ended.processId()) + "\nbrightsum\n" + QSysInfo::machineHostName().toUtf8() + '\n';
    ended.waitForFinished();
    const QString program = StoreLock::programLockName();
    const QString toolkit = StoreLock::toolkitLockName();
    QTest::newRow("a slow live holder is waited for") << program << true << QByteArray() << true;
    QTest::newRow("the toolkit's lock is waited for too") << toolkit << true << QByteArray() << true;
    QTest::newRow("an empty lock file") << program << false << QByteArray() << false;
    QTest::newRow("an empty toolkit lock file") << toolkit << false << QByteArray() << false;
    QTest::newRow("garbage in the lock file") << program << false << QByteArray("\xff\n\n") << false;
    QTest::newRow("a holder that is gone") << program << false << gone << false;
    // Taken over once it has not changed for a while on this program's clock
    // (1.5 s here), whatever the time the file server gives the file.
    QTest::newRow("a lock left by another computer")
        << program << false << QByteArray("4242\nbrightsum\nclassroom-pc-07\nf00dfeed\nb007\n") << true;
    QTest::newRow("the toolkit's lock of another computer")
        << toolkit << false << QByteArray("4242\nbrightsum\nclassroom-pc-07\n") << true;
}

void TestStore::lockHolders()
{
    QFETCH(QString, lock);
    QFETCH(bool, live);
    QFETCH(QByteArray, content);
    QFETCH(bool, waited);
    StoreLock::setOtherComputerAfter(1500);
    const auto restore = qScopeGuard([] { StoreLock::setOtherComputerAfter(StoreLock::OtherComputerAfterMs); });
    const QString path = QFileInfo(Store::fileName()).absolutePath() + QLatin1Char('/') + lock;
    QLockFile holder(path);
    QTimer release;
    QElapsedTimer clock;
    if (live) {
        QVERIFY(holder.tryLock(0));
        release.callOnTimeout([&] { holder.unlock(); });
        release.start(1500);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.flush();
        // A file server whose clock is far behind this one's.
        file.setFileTime(QDateTime::currentDateTime().addYears(-3), QFileDevice::FileModificationTime);
    }
    QStringList waits;
    Store::setWaitHandler([&](bool waiting, const QString &who) {
        waits << (waiting ? QStringLiteral("waiting") + who : QStringLiteral("over"));
    });
    clock.start();
    QVERIFY(Store::update(StoreChange::setting(Keys::currency, QStringLiteral("yen"))));
    Store::setWaitHandler(nullptr);
    QCOMPARE(Store::value(Keys::currency).toString(), QStringLiteral("yen"));
    if (waited) { // the holder was not overruled before its time, and the wait was shown
        const QString who = content.isEmpty() ? QString() : QStringLiteral("classroom-pc-07");
        QCOMPARE(waits, QStringList({QStringLiteral("waiting") + who, QStringLiteral("over")}));
        QVERIFY(clock.elapsed() >= 1400);
        QVERIFY(clock.elapsed() < 5000);
    } else {
        QVERIFY(waits.isEmpty());
        QVERIFY(clock.elapsed() < 3000);
    }
}

void TestStore::fullDiskLeavesEarlierFilesWhole()
{
    if (::geteuid() != 0)
        QSKIP("A small file system of its own can be made only by the administrator.");
    QTemporaryDir disk;
    if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                    QStringLiteral("size=512k"), QStringLiteral("tmpfs"), disk.path()}) != 0)
        QSKIP("No file system could be mounted here.");
    const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), disk.path()}); });
    TestSupport::MovedStore moved(disk.path());
    for (int i = 0; i < 10; ++i)
        QVERIFY(TestSupport::appendRecord(recordOf(QStringLiteral("Asha"))) == i + 1);
    QVERIFY(Password::store(QStringLiteral("secret")));
    const QString week = disk.filePath(QStringLiteral("Week 3.dat"));
    QVERIFY(SafeFile::replace(week, TestSupport::readFile(QStringLiteral("Sample/Sample Template.dat"))).isEmpty());
    const QByteArray storeBefore = TestSupport::readFile(Store::fileName());
    const QByteArray weekBefore = TestSupport::readFile(week);

    // Fill the disk to a few kilobytes.
    QFile filler(disk.filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) == 4096) {}
    filler.resize(filler.size() - 8192);
    filler.close();

    QStringList problems;
    Store::setWriteFailureHandler([&](const QString &problem) { problems << problem; });
    QCOMPARE(TestSupport::appendRecord(recordOf(QStringLiteral("Ben"))), 0);
    QVERIFY(!SafeFile::replace(week, weekBefore + weekBefore).isEmpty());
    QCOMPARE(problems.size(), 1);
    QCOMPARE(TestSupport::readFile(Store::fileName()), storeBefore);
    QCOMPARE(TestSupport::readFile(week), weekBefore);
    QVERIFY(Password::check(QStringLiteral("secret")));

    // Once there is room again, the change that failed is not written after all.
    QVERIFY(filler.remove());
    QCOMPARE(TestSupport::appendRecord(recordOf(QStringLiteral("Cy"))), 11);
    QCOMPARE(ScoreBook::recordsOf(ScoreBook::records(), QStringLiteral("Ben")).size(), 0);
    Store::setWriteFailureHandler(nullptr);
}

void TestStore::aHundredMegabyteStoreOpens()
{
#ifdef __SANITIZE_ADDRESS__
    QSKIP("A school's whole record book takes gigabytes under the sanitizers.");
#endif
    // Years of a school's records (850,000 of them), with a password set: the
    // store opens whole, with its password and not the built-in one.
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Halvane"));
    constexpr int Records = 850000;
    QByteArray content;
    content.reserve(qsizetype(Records) * 140);
    content += "[General]\npassword=" + Password::hash(QStringLiteral("secret")).toLatin1()
               + "\n\n[accounts]\nnames=, Kim\n\n[application]\nwidth=700\n\n[scores]\n";
    for (int n = 1; n <= Records; ++n) {
        const QByteArray record = "score" + QByteArray::number(n) + '\\';
        content += record + "0=Kim\n" + record + "1=Addition\n" + record + "2=1\n" + record + "3=0\n" + record
                   + "4=38\n" + record + "5=2025-03-14T15:42:07+01:00\n";
    }
    content += "scoreNum=" + QByteArray::number(Records) + '\n';
    QVERIFY(content.size() > 100 * 1024 * 1024);
    TestSupport::writeFile(folder.filePath(QStringLiteral("Halvane/Brightsum.conf")), content);
    content.clear();
    TestSupport::MovedStore moved(folder.path());
    QVERIFY(Store::readProblem().isEmpty());
    QVERIFY(!Password::check(Fallback::password));
    QVERIFY(Password::check(QStringLiteral("secret")));
    Store::waitForPending();
    QCOMPARE(ScoreBook::records().size(), Records);
    QCOMPARE(TestSupport::appendRecord(recordOf(QStringLiteral("Kim"))), Records + 1);
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
