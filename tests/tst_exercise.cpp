// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise rules and scoring, a completion, the exercise settings, accounts
// and names, on the core alone.

#include "base/store/store.h"
#include "content/generator.h"
#include "content/names.h"
#include "content/topics.h"
#include "coresupport.h"
#include "exercise/exercise.h"
#include "exercise/exercisesettings.h"
#include "exercise/spokentext.h"
#include "users/accounts.h"
#include "users/completion.h"
#include "users/scorebook.h"

#include <QSettings>
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
    void completionIsOneChange();
    void questionFontSize_data();
    void questionFontSize();
    void spokenText_data();
    void spokenText();
    void generatedSetsAreSpokenWithoutSymbols();

    void summariesOfOnePlayer();
    void toDoListLosesFirstMatchOnly();
    void signInCreatesAccounts();
    void unsafeNamesAreRefused_data();
    void unsafeNamesAreRefused();
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

void TestExercise::completionIsOneChange()
{
    Accounts::signIn(QStringLiteral("Asha"));
    Exercise exercise = fresh();
    exercise.useChoice();
    exercise.answer(QStringLiteral("0"));
    while (!exercise.isFinished())
        exercise.answer(QString::number(exercise.currentAnswer()));
    const quint64 changes = Store::posted();
    bool written = false;
    Completion::save(exercise, QDateTime(QDate(2025, 3, 14), QTime(15, 42, 7), Qt::OffsetFromUTC, 3600),
                     [&written](bool outcome) { written = outcome; });
    // The record and the topic done show at once, and go to the store as one change.
    QCOMPARE(Store::posted(), changes + 1);
    const ScoreRecord record{QStringLiteral("Asha"), QStringLiteral("Addition"), QStringLiteral("0"),
                             QStringLiteral("1"), QStringLiteral("39"), QStringLiteral("2025-03-14T15:42:07+01:00")};
    QCOMPARE(ScoreBook::records(), QList<ScoreRecord>{record});
    QVERIFY(!Accounts::toDo(QStringLiteral("Asha")).contains(QStringLiteral("Addition")));
    const std::unique_ptr<QSettings> disk = TestSupport::onDisk();
    QVERIFY(written);
    QCOMPARE(disk->value(QStringLiteral("scores/score1/5")).toString(), record.completed);
    QCOMPARE(disk->value(Keys::toDoList(QStringLiteral("Asha"))).toStringList().size(), Topics::count - 1);
}

void TestExercise::questionFontSize_data()
{
    QTest::addColumn<QVariant>("stored"); // nothing stored when invalid
    QTest::addColumn<int>("size");        // 0: the face's own
    QTest::newRow("none stored") << QVariant() << 11;
    QTest::newRow("a size the options offer") << QVariant(QStringLiteral("14")) << 14;
    QTest::newRow("the smallest") << QVariant(QStringLiteral("1")) << 1;
    QTest::newRow("the largest") << QVariant(QStringLiteral("200")) << 200;
    QTest::newRow("too large to draw") << QVariant(QStringLiteral("201")) << 0;
    QTest::newRow("the largest number") << QVariant(QStringLiteral("2147483647")) << 0;
    QTest::newRow("nought") << QVariant(QStringLiteral("0")) << 0;
    QTest::newRow("negative") << QVariant(QStringLiteral("-3")) << 0;
    QTest::newRow("not a number") << QVariant(QStringLiteral("large")) << 0;
}

void TestExercise::questionFontSize()
{
    QFETCH(QVariant, stored);
    QFETCH(int, size);
    if (stored.isValid())
        TestSupport::store(Keys::fontSize, stored);
    QCOMPARE(ExerciseSettings::stored().fontSize, size);
}

void TestExercise::spokenText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("spoken");
    const auto row = [](const char *name, const char *language, const char *written, const char *spoken) {
        QTest::newRow(name) << QString::fromLatin1(language) << QString::fromUtf8(written) << QString::fromUtf8(spoken);
    };
    row("en sum", "en", "What is 4 + 3?", "What is four plus three?");
    row("en thousands", "en", "12,040 - 3 = ?", "twelve thousand and forty minus three equals what");
    row("en hundreds", "en", "105 x 20 \u00f7 7", "one hundred and five times twenty divided by seven");
    row("en blank", "en", "7 + __ = 10", "seven plus what equals ten");
    row("en fractions", "en", "3/4 of 8, 1/2 and 2 1/2", "three quarters of eight, a half and two and a half");
    row("en unnamed parts", "en", "3/101", "three over one hundred and one");
    row("en decimals", "en", "2.05 km", "two point zero five km");
    row("en currency", "en", "\u00a35 and \u20ac12", "five pounds and twelve euros");
    row("en no symbol names", "en", "Cost: 3 dollars^ & #5 [sic]", "Cost: three dollars and five, sic");
    row("en markup", "en", "<p>Add 7&nbsp;+&nbsp;1</p><p>Then?</p>", "Add seven plus one. Then?");
    row("en teens and tens", "en", "0 13 40 99 100 1000 1001 110000",
        "zero thirteen forty ninety-nine one hundred one thousand one thousand and one one hundred and ten thousand");
    row("en parts", "en", "1/3 2/5 5/12 3/20", "one third two fifths five twelfths three twentieths");
    row("en million", "en", "2000001", "two million and one");
    row("fr sum", "fr", "Combien font 21 + 80 ?", "Combien font vingt et un plus quatre-vingts?");
    row("fr thousands", "fr", "12 040 \u2212 200", "douze mille quarante moins deux cents");
    row("fr quatre-vingt mille", "fr", "80 000 et 1000", "quatre-vingt mille et mille");
    row("fr tens", "fr", "70 71 80 81 90 99",
        "soixante-dix soixante et onze quatre-vingts quatre-vingt-un quatre-vingt-dix quatre-vingt-dix-neuf");
    row("fr hundreds", "fr", "100, 101, 200, 201, 1 001", "cent, cent un, deux cents, deux cent un, mille un");
    row("fr parts", "fr", "1/3 2/5 7/9 3/10", "un tiers deux cinquièmes sept neuvièmes trois dixièmes");
    row("fr fractions", "fr", "3/4 et 1/2 de 71", "trois quarts et un demi de soixante et onze");
    row("fr decimals", "fr", "2,5 x 10", "deux virgule cinq fois dix");
    row("es sum", "es", "\u00bfCu\u00e1nto es 16 + 21?", "\u00bfCu\u00e1nto es diecis\u00e9is m\u00e1s veintiuno?");
    row("es thousands", "es", "21.000 y 100 y 500", "veinti\u00fan mil y cien y quinientos");
    row("es tens", "es", "15 22 30 31 99", "quince veintidós treinta treinta y uno noventa y nueve");
    row("es hundreds", "es", "101, 115, 200, 555 y 999",
        "ciento uno, ciento quince, doscientos, quinientos cincuenta y cinco y novecientos noventa y nueve");
    row("es parts", "es", "1/3 2/5 5/12", "un tercio dos quintos cinco doceavos");
    row("es fractions", "es", "3/4 y 1/2", "tres cuartos y un medio");
    row("es million", "es", "1.000.000 \u00f7 35", "un mill\u00f3n dividido entre treinta y cinco");
}

void TestExercise::spokenText()
{
    QFETCH(QString, language);
    QFETCH(QString, written);
    QFETCH(QString, spoken);
    QCOMPARE(SpokenText::of(written, language), spoken);
}

// Every text of generated sets, in every language, is said without a digit or symbol left.
void TestExercise::generatedSetsAreSpokenWithoutSymbols()
{
    const QRegularExpression unsaid(QStringLiteral("[^\\p{L}\\p{M} .,;:!?\u00a1\u00bf'\u2019\u2026-]"));
    for (const QString &language : Generator::languages()) {
        for (int topic = 0; topic < Topics::names().size(); ++topic) {
            for (int level = 1; level <= 3; ++level) {
                const Exercise exercise(Topics::names().at(topic), QStringLiteral("Asha"), 0, 0, 0, 0,
                                        Generator::generate(topic, level, 7, language),
                                        UnitWords::from(QStringLiteral("rupees"), QStringLiteral("metric")));
                for (const QuestionRecord &record : exercise.questions()) {
                    for (const QString &text : {record.text, record.clue, record.choice}) {
                        const QString said = SpokenText::of(text, language);
                        QVERIFY2(!said.contains(unsaid), qPrintable(text + QStringLiteral(" / ") + said));
                    }
                }
            }
        }
    }
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
    Store::update(Accounts::completing(QStringLiteral("Ghost"), QStringLiteral("Money")));
    QCOMPARE(Accounts::toDo(QStringLiteral("Ghost")), QStringList{QString()});

    TestSupport::store(Keys::toDoList(QStringLiteral("Asha")),
                               QStringList{QStringLiteral("Money"), QStringLiteral("Addition"), QStringLiteral("Money")});
    Store::update(Accounts::completing(QStringLiteral("Asha"), QStringLiteral("Money")));
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")), (QStringList{QStringLiteral("Addition"), QStringLiteral("Money")}));
    Store::update(Accounts::completing(QStringLiteral("Asha"), QStringLiteral("money")));
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 2);
}

void TestExercise::signInCreatesAccounts()
{
    QCOMPARE(Accounts::names(), QStringList{QString()});
    Accounts::signIn(QStringLiteral("Asha"));
    QCOMPARE(Accounts::names(), (QStringList{QString(), QStringLiteral("Asha")}));
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 7);
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).first(), QStringLiteral("Number Skills"));

    Store::update(Accounts::completing(QStringLiteral("Asha"), QStringLiteral("Money")));
    Accounts::signIn(QStringLiteral("Asha")); // signing in again keeps the list
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 6);
    Accounts::signIn(QStringLiteral("asha")); // letter case makes another account
    QCOMPARE(Accounts::names().size(), 3);

    Store::update(Accounts::resettingAllToDo());
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

QTEST_GUILESS_MAIN(TestExercise)
#include "tst_exercise.moc"
