// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise rules, scoring, score records, accounts and the password, without windows.

#include "base/store/store.h"
#include "content/names.h"
#include "exercise/exercise.h"
#include "testsupport.h"
#include "users/accounts.h"
#include "users/password.h"
#include "users/scorebook.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QuestionRecords numbered(int firstAnswer = 1)
{
    QuestionRecords records;
    for (int q = 0; q < QuestionsPerExercise; ++q)
        records[static_cast<size_t>(q)] = {QStringLiteral("Q%1").arg(q), QString::number(firstAnswer + q),
                                           QStringLiteral("clue %1").arg(q), QStringLiteral("choice %1").arg(q)};
    return records;
}

Exercise fresh(const QuestionRecords &records = numbered())
{
    return Exercise(QStringLiteral("Addition"), QStringLiteral("Asha"), 0, 0, 0, 0, records,
                    UnitWords::from(QStringLiteral("dollars"), QStringLiteral("metric")));
}

} // namespace

class TestExercise : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    void placeholders_data();
    void placeholders();
    void faultlessExerciseScoresForty();
    void wrongAnswersCostOnePoint();
    void emptyAnswerCountsAsZero();
    void cluesAndChoicesStopAtThree();
    void rewardSoundsRepeatAfterTen();
    void completionText();
    void outsideCountersStayInRange();

    void recordsAreNumberedAtTheMomentOfWriting_data();
    void recordsAreNumberedAtTheMomentOfWriting();
    void recordsAreReadIncrementally();
    void summariesOfOnePlayer();
    void toDoListLosesFirstMatchOnly();
    void signInCreatesAccounts();
    void unsafeNamesAreRefused_data();
    void unsafeNamesAreRefused();
    void passwordChecks();
    void storeFileReadsBackThroughTheToolkit_data();
    void storeFileReadsBackThroughTheToolkit();
};

void TestExercise::placeholders_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("measures");
    QTest::addColumn<QString>("expected");
    QTest::newRow("imperial") << QStringLiteral("Ann has $5 and ~ to go") << QStringLiteral("imperial")
                              << QStringLiteral("Ann has dollars5 and miles to go");
    QTest::newRow("metric") << QStringLiteral("~ ^ @") << QStringLiteral("metric") << QStringLiteral("km litres kg");
    QTest::newRow("capital Metric is imperial") << QStringLiteral("~ ^ @") << QStringLiteral("Metric")
                                                << QStringLiteral("miles gallons pounds");
    QTest::newRow("fourth dollar stays") << QStringLiteral("$ $ $ $") << QStringLiteral("metric")
                                         << QStringLiteral("dollars dollars dollars $");
    QTest::newRow("no space added") << QStringLiteral("12 $, a 3 ~ walk") << QStringLiteral("metric")
                                    << QStringLiteral("12 dollars, a 3 km walk");
}

void TestExercise::placeholders()
{
    QFETCH(QString, text);
    QFETCH(QString, measures);
    QFETCH(QString, expected);
    QCOMPARE(substitutePlaceholders(text, UnitWords::from(QStringLiteral("dollars"), measures)), expected);

    // Only question texts change; clues and choices are shown as written.
    QuestionRecords records = numbered();
    records[0].text = text;
    records[0].clue = text;
    const Exercise exercise(QStringLiteral("Money"), QString(), 0, 0, 0, 0, records,
                            UnitWords::from(QStringLiteral("dollars"), measures));
    QCOMPARE(exercise.current().text, expected);
    QCOMPARE(exercise.current().clue, text);
}

void TestExercise::faultlessExerciseScoresForty()
{
    Exercise exercise = fresh();
    for (int q = 0; q < QuestionsPerExercise - 1; ++q)
        QCOMPARE(exercise.answer(QString::number(q + 1)), Exercise::Outcome::Right);
    QCOMPARE(exercise.answer(QStringLiteral("20")), Exercise::Outcome::Completed);
    QCOMPARE(exercise.score(), 40);
    QVERIFY(exercise.isFinished());
    QVERIFY(exercise.completionText().endsWith(QStringLiteral("\nTotal score\t\t40")));
}

void TestExercise::wrongAnswersCostOnePoint()
{
    Exercise exercise = fresh();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(exercise.answer(QStringLiteral("99")), Exercise::Outcome::Wrong);
    QCOMPARE(exercise.score(), -3);
    QCOMPARE(exercise.currentQuestion(), 0);
    QCOMPARE(exercise.answer(QStringLiteral("1")), Exercise::Outcome::Right);
    QCOMPARE(exercise.score(), -1);
    QCOMPARE(exercise.currentQuestion(), 1);
}

void TestExercise::emptyAnswerCountsAsZero()
{
    QuestionRecords records = numbered();
    records[0].answer = QStringLiteral("0");
    Exercise exercise = fresh(records);
    QCOMPARE(exercise.answer(QString()), Exercise::Outcome::Right);
    QCOMPARE(exercise.answer(QString()), Exercise::Outcome::Wrong);
    QCOMPARE(exercise.answer(QStringLiteral("abc")), Exercise::Outcome::Wrong);
}

void TestExercise::cluesAndChoicesStopAtThree()
{
    Exercise exercise = fresh();
    for (int i = 0; i < 3; ++i) {
        QVERIFY(exercise.useClue());
        QVERIFY(exercise.useChoice());
    }
    QVERIFY(!exercise.useClue());
    QVERIFY(!exercise.useChoice());
    QCOMPARE(exercise.cluesUsed(), 3);
    QCOMPARE(exercise.choicesUsed(), 3);
    QCOMPARE(exercise.score(), 0);
    QVERIFY(!exercise.isUntouched());
}

void TestExercise::rewardSoundsRepeatAfterTen()
{
    Exercise exercise = fresh();
    QList<int> sounds;
    for (int q = 0; q < QuestionsPerExercise; ++q) {
        exercise.answer(QString::number(q + 1));
        sounds << exercise.rewardSoundNumber();
    }
    QCOMPARE(sounds, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

void TestExercise::completionText()
{
    Exercise exercise(QStringLiteral("Money"), QStringLiteral("Ben"), 7, 2, 1, 0, numbered(), {});
    QCOMPARE(exercise.completionText(),
             QStringLiteral("You have successfully completed the exercise.\n\nTopic\t\tMoney\nPlayer name\t\tBen\n"
                            "Number of clues\t\t2\nNumber of choices\t1\nTotal score\t\t7"));
}

void TestExercise::outsideCountersStayInRange()
{
    const Exercise exercise(QStringLiteral("Money"), QString(), 0, 9, -4, 57, numbered(), {});
    QCOMPARE(exercise.cluesUsed(), 3);
    QCOMPARE(exercise.choicesUsed(), 0);
    QCOMPARE(exercise.currentQuestion(), 19);
    QCOMPARE(exercise.currentAnswer(), 20);
}

void TestExercise::recordsAreNumberedAtTheMomentOfWriting_data()
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

void TestExercise::recordsAreNumberedAtTheMomentOfWriting()
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
    QCOMPARE(ScoreBook::count(), readers);
    QCOMPARE(ScoreBook::records().size(), readers);
    QCOMPARE(ScoreBook::append({QStringLiteral("Ben"), QStringLiteral("Money"), QStringLiteral("3"),
                                QStringLiteral("3"), QStringLiteral("-2")}),
             appended);
    const std::unique_ptr<QSettings> written = TestSupport::onDisk();
    QCOMPARE(written->value(QStringLiteral("scores/score%1/0").arg(appended)).toString(), QStringLiteral("Ben"));
    QCOMPARE(written->value(QStringLiteral("/scores/score%1/4").arg(appended)).toString(), QStringLiteral("-2"));
    QCOMPARE(written->value(QStringLiteral("/scores/scoreNum")).toInt(), appended);
    for (int n : present) // nothing that was there is overwritten
        QCOMPARE(written->value(Keys::scoreField(n, ScoreRecord::Player)).toString(), QStringLiteral("Kim"));

    QVERIFY(ScoreBook::clear());
    QCOMPARE(ScoreBook::count(), 0);
    QCOMPARE(ScoreBook::append({QStringLiteral("Cy"), QStringLiteral("Money"), QStringLiteral("0"),
                                QStringLiteral("0"), QStringLiteral("40")}),
             1);
}

void TestExercise::recordsAreReadIncrementally()
{
    for (int i = 0; i < 600; ++i)
        ScoreBook::append({QStringLiteral("P%1").arg(i % 3), QStringLiteral("Money"), QStringLiteral("0"),
                           QStringLiteral("0"), QString::number(i)});
    QCOMPARE(ScoreBook::records().size(), 600); // no bound of 500
    QCOMPARE(ScoreBook::records().last().score, QStringLiteral("599"));
    ScoreBook::append({QStringLiteral("Z"), QStringLiteral("Fractions"), QStringLiteral("1"), QStringLiteral("2"),
                       QStringLiteral("3")});
    QCOMPARE(ScoreBook::records().size(), 601);
    QCOMPARE(ScoreBook::records().last().player, QStringLiteral("Z"));
    Store::removeGroups({Keys::scoresGroup});
    QVERIFY(ScoreBook::records().isEmpty());
}

void TestExercise::summariesOfOnePlayer()
{
    QList<ScoreRecord> all;
    const QStringList topics{QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3"), QStringLiteral("T4"),
                             QStringLiteral("T5"), QStringLiteral("T6"), QStringLiteral("T7")};
    for (const QString &topic : topics) {
        all.append({QStringLiteral("Asha"), topic, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("10")});
        all.append({QStringLiteral("Ben"), topic, QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("40")});
    }
    all.append({QStringLiteral("Asha"), QStringLiteral("T8"), QStringLiteral("x"), QStringLiteral("0"),
                QStringLiteral("-5")});

    QCOMPARE(ScoreBook::recentTopicsOf(all, QStringLiteral("Asha")),
             (QStringList{QStringLiteral("T8"), QStringLiteral("T7"), QStringLiteral("T6"), QStringLiteral("T5"),
                          QStringLiteral("T4")}));
    const ScoreBook::Totals totals = ScoreBook::totalsOf(all, QStringLiteral("Asha"));
    QCOMPARE(totals.clues, 7);
    QCOMPARE(totals.choices, 14);
    QCOMPARE(totals.score, 65);
    QCOMPARE(ScoreBook::recordsOf(all, QStringLiteral("Ben")).size(), 7);
    QVERIFY(ScoreBook::recentTopicsOf(all, QStringLiteral("Nobody")).isEmpty());
}

void TestExercise::toDoListLosesFirstMatchOnly()
{
    // An absent list reads as one empty entry and is written back.
    Accounts::completeTopic(QStringLiteral("Ghost"), QStringLiteral("Money"));
    QCOMPARE(Accounts::toDo(QStringLiteral("Ghost")), QStringList{QString()});

    TestSupport::store(Keys::toDoList(QStringLiteral("Asha")),
                               QStringList{QStringLiteral("Money"), QStringLiteral("Addition"), QStringLiteral("Money")});
    Accounts::completeTopic(QStringLiteral("Asha"), QStringLiteral("Money"));
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")), (QStringList{QStringLiteral("Addition"), QStringLiteral("Money")}));
    Accounts::completeTopic(QStringLiteral("Asha"), QStringLiteral("money"));
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 2);
}

void TestExercise::signInCreatesAccounts()
{
    QCOMPARE(Accounts::names(), QStringList{QString()});
    Accounts::signIn(QStringLiteral("Asha"));
    QCOMPARE(Accounts::names(), (QStringList{QString(), QStringLiteral("Asha")}));
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 7);
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).first(), QStringLiteral("Number Skills"));

    Accounts::completeTopic(QStringLiteral("Asha"), QStringLiteral("Money"));
    Accounts::signIn(QStringLiteral("Asha")); // signing in again keeps the list
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 6);
    Accounts::signIn(QStringLiteral("asha")); // letter case makes another account
    QCOMPARE(Accounts::names().size(), 3);

    Accounts::resetAllToDo();
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 7);
    QCOMPARE(Accounts::toDo(QString()).size(), 7);
}

void TestExercise::unsafeNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kept"); // as a typed name or a name from a file is kept
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("plain") << QStringLiteral("Asha") << QStringLiteral("Asha") << true;
    QTest::newRow("spaces and accents") << QStringLiteral("Zoë Li") << QStringLiteral("Zoë Li") << true;
    QTest::newRow("slash") << QStringLiteral("a/b") << QStringLiteral("a/b") << false;
    QTest::newRow("backslash") << QStringLiteral("a\\b") << QStringLiteral("a\\b") << false;
    QTest::newRow("names") << QStringLiteral("names") << QStringLiteral("names") << false;
    QTest::newRow("empty") << QString() << QString() << false;
    QTest::newRow("blanks only") << QStringLiteral("  ") << QString() << false;
    QTest::newRow("blanks around") << QStringLiteral(" Asha ") << QStringLiteral("Asha") << true;
    QTest::newRow("blanks inside") << QStringLiteral("Zoë \u00A0 Li") << QStringLiteral("Zoë Li") << true;
    QTest::newRow("accent apart") << QStringLiteral("Zoe\u0308") << QStringLiteral("Zoë") << true;
    QTest::newRow("line break") << QStringLiteral("Asha\nBen") << QStringLiteral("Asha\nBen") << false;
    QTest::newRow("tab") << QStringLiteral("Asha\tBen\t") << QStringLiteral("Asha\tBen") << false;
    QTest::newRow("forty letters") << QString(Names::MaxLength, QLatin1Char('a'))
                                   << QString(Names::MaxLength, QLatin1Char('a')) << true;
    QTest::newRow("forty-one letters") << QString(Names::MaxLength + 1, QLatin1Char('a'))
                                       << QString(Names::MaxLength + 1, QLatin1Char('a')) << false;
}

void TestExercise::unsafeNamesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, kept);
    QFETCH(bool, acceptable);
    QCOMPARE(Names::cleaned(name), kept);
    QCOMPARE(Names::problemWithNewName(kept).isEmpty(), acceptable);
}

void TestExercise::passwordChecks()
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

void TestExercise::storeFileReadsBackThroughTheToolkit_data()
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
    const QStringList keys{QStringLiteral("password"), QStringLiteral("scores/score12/0"),
                           QStringLiteral("accounts/Zo\u00eb K\u00f6nig 50%"), QStringLiteral("accounts/[x]=;y"),
                           QStringLiteral("General/x"), QStringLiteral("accounts/\u65e5\u672c"), QStringLiteral("a/b\\c")};
    for (const QString &key : keys)
        for (const auto &[name, value] : values)
            QTest::addRow("%s: %s", qPrintable(key), name) << key << value;
}

void TestExercise::storeFileReadsBackThroughTheToolkit()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    StoreMap map;
    map.setValue(QStringLiteral("/application/width"), 700);
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
        theirs.setValue(QStringLiteral("/application/width"), 700);
        theirs.setValue(key, value);
    }
    QCOMPARE(*written, TestSupport::readFile(folder.filePath(QStringLiteral("theirs.conf"))));
}

QTEST_GUILESS_MAIN(TestExercise)
#include "tst_exercise.moc"
