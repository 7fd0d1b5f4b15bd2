// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the rules that choose what a question picture shows.
#include "families.h"
#include "questions.h"

#include <QtTest>

using namespace art;

Q_DECLARE_METATYPE(art::Kind)

class ArtgenTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void numbers_data();
    void numbers();
    void fractions();
    void scenes_data();
    void scenes();
    void sceneDetails_data();
    void sceneDetails();
    void hopLinesNeverLabelTheLanding();
    void readsTheFirstLineOfEachRecord();
    void oddQuestionsStillGiveAPicture_data();
    void oddQuestionsStillGiveAPicture();
    void translationsRewriteOnlyTheWords_data();
    void translationsRewriteOnlyTheWords();
};

void ArtgenTest::numbers_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("fraction parts are not numbers")
        << "Fractions" << "What is 3/4 of 20?" << QList<int>{20};
    QTest::newRow("counting word before a noun")
        << "Money" << "Three friends share 36 $ equally." << QList<int>{3, 36};
    QTest::newRow("counting word before 'numbers' is not a count")
        << "Addition" << "Add these three numbers: 17 + 8 + 13. What is the total?" << QList<int>{17, 8, 13};
    QTest::newRow("'one' is a pronoun")
        << "Money" << "A shop sells 6 cakes for 24 $. How many $ does one cake cost?" << QList<int>{6, 24};
    QTest::newRow("no words in number skills")
        << "Number Skills" << "Write twelve thousand and forty in digits." << QList<int>{};
}

void ArtgenTest::numbers()
{
    QFETCH(QString, topic);
    QFETCH(QString, question);
    QFETCH(QList<int>, expected);
    QCOMPARE(describe(topic, question).numbers, expected);
}

void ArtgenTest::fractions()
{
    const QList<Fraction> f = fractionsIn(QStringLiteral("Type the missing number: 3/4 = __/12. And 2/6 is 1/?"));
    QCOMPARE(f.size(), 4);
    QCOMPARE(f[0].top, 3);
    QCOMPARE(f[0].bottom, 4);
    QCOMPARE(f[1].top, 0); // unknown
    QCOMPARE(f[1].bottom, 12);
    QCOMPARE(f[2].top, 2);
    QCOMPARE(f[3].top, 1);
    QCOMPARE(f[3].bottom, 0); // unknown
}

void ArtgenTest::scenes_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("question");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QList<int>>("numbers");
    auto row = [](const char *name, const char *topic, const char *question, Kind kind, QList<int> numbers) {
        QTest::newRow(name) << QString::fromUtf8(topic) << QString::fromUtf8(question) << kind << numbers;
    };
    row("small sum as counters", "Addition", "What is 4 + 3?", Kind::Counters, {4, 3});
    row("teens in ten-frames", "Addition", "There are 14 boys and 13 girls in a class.", Kind::TenFrames, {14, 13});
    row("two-digit sum as blocks", "Addition", "What is 47 + 35?", Kind::BaseTen, {47, 35});
    row("large sum in columns", "Addition", "What is 2468 + 1357?", Kind::Column, {2468, 1357});
    row("missing addend on a line", "Addition", "Type the missing number: 28 + __ = 50.", Kind::NumberLine, {28, 50});
    row("volume placeholder", "Addition", "A tank has 275 ^ of water. The farmer adds 150 ^ more.", Kind::Measure, {275, 150});
    row("take away with exchange on a line", "Subtraction", "What is 63 - 28?", Kind::NumberLine, {63, 28});
    row("difference", "Subtraction", "What is the difference between 24 and 16?", Kind::NumberLine, {16, 24});
    row("small table as an array", "Multiplication", "What is 6 x 8?", Kind::Array, {6, 8});
    row("tens times small as groups", "Multiplication", "What is 4 x 25?", Kind::BaseTen, {25, 4});
    row("two-digit product as area", "Multiplication", "What is 23 x 14?", Kind::AreaModel, {23, 14});
    row("missing factor", "Multiplication", "Type the missing number: 7 x __ = 56.", Kind::Equation, {7, 56});
    row("sharing", "Division", "Share 6 sweets equally between 2 children.", Kind::Sharing, {6, 2});
    row("grouping", "Division", "20 children get into teams of 5. How many teams?", Kind::Grouping, {20, 5});
    row("big division as a bar", "Division", "What is 96 divided by 6?", Kind::Bar, {96, 6});
    row("distance shared by a counted word", "Division", "Three runners share a relay race of 27 ~.", Kind::Measure, {27, 3});
    row("rounding", "Number Skills", "Round 3472 to the nearest thousand.", Kind::NumberLine, {3472});
    row("pattern with a gap", "Number Skills", "Type the missing number in the pattern: 3, 7, 11, __, 19.", Kind::Sequence, {3, 7, 11, 19});
    row("digit value", "Number Skills", "In the number 482, what is the digit 8 worth?", Kind::PlaceValue, {482, 8});
    row("fraction of a number", "Fractions", "What is 1/3 of 15?", Kind::FractionOf, {15});
    row("half in words", "Fractions", "What is half of 18?", Kind::FractionOf, {18});
    row("equivalent fractions", "Fractions", "Type the missing number: 1/2 = __/4.", Kind::FractionBars, {});
    row("whole from a part", "Fractions", "1/4 of a number is 9. What is the number?", Kind::Bar, {9, 4});
    row("pieces into wholes", "Fractions", "How many whole pizzas can you make from 12 quarters?", Kind::Pies, {12});
    row("money", "Money", "Joe has 10 $ and spends 4 $. How many $ does he have left?", Kind::Money, {10, 4});
    row("money fraction", "Money", "A coat costs 80 $. In a sale the price drops by 1/4.", Kind::FractionOf, {80});
}

void ArtgenTest::scenes()
{
    QFETCH(QString, topic);
    QFETCH(QString, question);
    QFETCH(Kind, kind);
    QFETCH(QList<int>, numbers);
    const Scene s = describe(topic, question);
    QCOMPARE(s.kind, kind);
    QCOMPARE(s.numbers, numbers);
}

// What a picture shows beyond its kind and numbers.
void ArtgenTest::sceneDetails_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("detail");
    QTest::newRow("jugs") << "Division" << "A jug holds 12 ^ of juice. It is poured into 3 glasses." << "jug";
    QTest::newRow("bottles") << "Multiplication" << "A bottle holds 2 ^ of water. How much water do 9 bottles hold?" << "bottle";
    QTest::newRow("a farm tank") << "Addition" << "A farm tank has 275 ^ of water. The farmer adds 150 ^ more." << "tank";
    QTest::newRow("array turned freely") << "Multiplication" << "What is 6 x 8?" << "free";
    QTest::newRow("rows as named") << "Multiplication" << "A hall has 6 rows of 8 chairs." << "rows";
    QTest::newRow("rows of a bus") << "Multiplication" << "A bus has 12 rows with 4 seats in each row." << "bus";
    QTest::newRow("how many groups") << "Division" << "20 children get into teams of 5. How many teams?" << "groups";
    QTest::newRow("what is left over") << "Division" << "What is the remainder when 47 is divided by 5?" << "remainder";
    QTest::newRow("remainder of many") << "Division" << "What is the remainder when 100 is divided by 7?" << "remainder";
}

void ArtgenTest::sceneDetails()
{
    QFETCH(QString, topic);
    QFETCH(QString, question);
    QFETCH(QString, detail);
    const Scene s = describe(topic, question);
    const char *vessels[] = {"jug", "bottle", "tank"}, *arrays[] = {"free", "rows", "bus"},
               *groups[] = {"groups", "remainder"};
    const char *shown = s.kind == Kind::Array      ? arrays[int(s.arrayMode)]
                        : s.kind == Kind::Grouping ? groups[int(s.groupsAsked)]
                                                   : vessels[int(s.vessel)];
    QCOMPARE(QString::fromLatin1(shown), detail);
}

void ArtgenTest::hopLinesNeverLabelTheLanding()
{
    for (int start = 0; start <= 1000; start += (start < 120 ? 1 : 37)) {
        for (int by = 1; by <= 60; ++by) {
            for (int sign : {1, -1}) {
                const int end = start + sign * by;
                if (end < 0)
                    continue;
                const LineScale l = hopScale(start, end, false);
                const QString where = QStringLiteral("%1 to %2").arg(start).arg(end);
                QVERIFY2(l.lo < std::min(start, end) || l.lo == 0, qPrintable(where));
                QVERIFY2(l.hi > std::max(start, end), qPrintable(where));
                QVERIFY2((l.hi - l.lo) / l.tickStep <= 16, qPrintable(where));
                if (l.labelStep)
                    QVERIFY2(end % l.labelStep != 0, qPrintable(where));
            }
        }
    }
}

void ArtgenTest::readsTheFirstLineOfEachRecord()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Quiz.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("What is 1 + 1?\r\n2\r\nclue\r\n1, 2 or 3\r\n\r\nWhat is 2 + 2?\n4\nclue\n4, 5 or 6\n\n");
    file.close();
    QCOMPARE(readQuestionTexts(file.fileName()),
             QStringList({QStringLiteral("What is 1 + 1?"), QStringLiteral("What is 2 + 2?")}));
    QVERIFY(readQuestionTexts(dir.filePath(QStringLiteral("missing.dat"))).isEmpty());
}

void ArtgenTest::oddQuestionsStillGiveAPicture_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("question");
    const char *rows[][2] = {
        {"Addition", ""},
        {"Addition", "What is 0 + 0?"},
        {"Subtraction", "What is 5 - 0?"},
        {"Subtraction", "What is 7 - 9?"},
        {"Multiplication", "What is 1000000 x 3?"},
        {"Multiplication", "How many legs do 400 spiders have?"},
        {"Division", "Share 0 sweets between 0 children."},
        {"Division", "What is 12 divided by __?"},
        {"Division", "What is 480 divided by 48?"},
        {"Fractions", "How many quarters make 100 wholes?"},
        {"Fractions", "What is 1/0 of 10?"},
        {"Fractions", "Type the missing number: 1/__ = 2/__."},
        {"Money", "A house costs 987654 $. How many $ is that?"},
        {"Money", "1 $ 2 $ 3 $ 4 $ 5 $ 6 $"},
        {"Money", "A coat costs 7 $. The price drops by 9/4."},
        {"Addition", "A tank has 0 ^ of water and gets 0 ^ more."},
        {"Multiplication", "A bottle holds 40 ^. How much do 12 bottles hold?"},
        {"Multiplication", "A bus has 1 row with 12 seats in it."},
        {"Division", "What is the remainder when 47 is divided by 0?"},
        {"Number Skills", "What is the next number in the pattern 1, 2, 3, 4, 5, 6, 7, 8, 9, ...?"},
        {"Number Skills", "Round 5 to the nearest ten."},
        {"Number Skills", "What number is halfway between 7 and 7?"},
        {"Number Skills", "Which is biggest: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11?"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[1]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
}

void ArtgenTest::oddQuestionsStillGiveAPicture()
{
    QFETCH(QString, topic);
    QFETCH(QString, question);
    const QImage picture = questionPicture(describe(topic, question));
    QCOMPARE(picture.size(), QSize(200, 180));
    // To look at them: ARTGEN_TEST_OUT=/some/folder
    if (const QString out = qEnvironmentVariable("ARTGEN_TEST_OUT"); !out.isEmpty())
        picture.save(QStringLiteral("%1/odd-%2.png").arg(out).arg(QString::fromUtf8(QTest::currentDataTag())).replace(QLatin1Char('?'), QLatin1Char('_')));
}

void ArtgenTest::translationsRewriteOnlyTheWords_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("words");
    QTest::newRow("fraction of a number") << "Fractions" << "What is 3/4 of 20?" << true;
    QTest::newRow("fraction of an unknown whole") << "Fractions" << "1/4 of a number is 9. What is the number?" << true;
    QTest::newRow("place-value headings") << "Number Skills" << "In the number 482, what is the digit 8 worth?" << true;
    QTest::newRow("empty place-value chart") << "Number Skills" << "Write twelve thousand and forty in digits." << true;
    QTest::newRow("equivalent fractions") << "Fractions" << "Type the missing number: 1/2 = __/4." << false;
    QTest::newRow("too fine to draw, on cards") << "Fractions" << "What is 1/30 of 10?" << false;
    QTest::newRow("sum") << "Addition" << "What is 4 + 3?" << false;
    QTest::newRow("what is left once the price drops")
        << "Money" << "A coat costs 80 $. In a sale the price drops by 1/4. What is the new price in $?" << false;
}

void ArtgenTest::translationsRewriteOnlyTheWords()
{
    QFETCH(QString, topic);
    QFETCH(QString, question);
    QFETCH(bool, words);
    Scene scene = describe(topic, question);
    QCOMPARE(writesWords(scene), words);
    const QImage english = questionPicture(scene);
    for (const Translation &t : translations()) {
        scene.language = t.language;
        QCOMPARE(!looksAlike(questionPicture(scene), english), words);
    }
}

QTEST_MAIN(ArtgenTest)
#include "tests.moc"
