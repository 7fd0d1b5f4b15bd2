// SPDX-License-Identifier: GPL-3.0-or-later
// A child's practice box, the practice exercise and the times-tables map, on
// the core alone.

#include "base/clock.h"
#include "base/store/store.h"
#include "coresupport.h"
#include "users/clearing.h"
#include "users/practicelog.h"
#include "users/practiceprogress.h"
#include "users/practiceset.h"

#include <QSettings>
#include <QtTest>

namespace {

const QDate Today(2025, 3, 10);
// Questions of a box: topic, box and days until due.
using Questions = QList<std::tuple<QString, int, int>>;
// Cells of the map: row, column and what the cell shows.
using Cells = QList<std::tuple<int, int, PracticeProgress::Cell>>;
const QString Asha = QStringLiteral("Asha");

QuestionRecord question(int n, const QString &text = QString())
{
    return {text.isEmpty() ? QStringLiteral("Q%1").arg(n) : text, QString::number(n + 1), QStringLiteral("clue"),
            QStringLiteral("choice")};
}

// A box of the questions, added a minute apart in that order.
Practice::Box boxOf(const Questions &questions)
{
    Practice::Box box;
    int n = 0;
    for (const auto &[topic, number, dueIn] : questions) {
        box.items.append({{topic, n % QuestionsPerExercise, 1 + n % 3, {}}, question(n), number, Today.addDays(dueIn),
                          QDateTime(Today.addDays(-30), QTime(9, 0).addSecs(60 * n))});
        ++n;
    }
    return box;
}

} // namespace

class TestPractice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }
    void cleanup() { Clock::set({}); }

    void boxRules_data();
    void boxRules();
    void composition_data();
    void composition();
    void factsOnTheMap_data();
    void factsOnTheMap();
    void aFullBoxLetsTheLongestKnownGo();
    void answersReachTheStoreAndTheClears();
};

void TestPractice::boxRules_data()
{
    // The question before (box 0: not in the box; days until it is due), what
    // the child does, and the question after.
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("dueIn");
    QTest::addColumn<bool>("right"); // at the first try, without help
    QTest::addColumn<int>("boxAfter");
    QTest::addColumn<int>("dueInAfter");

    QTest::newRow("a mistake waits a day") << 0 << 0 << false << 1 << 1;
    QTest::newRow("right the first time is not kept") << 0 << 0 << true << 0 << 0;
    QTest::newRow("due in box 1: up, two days") << 1 << 0 << true << 2 << 2;
    QTest::newRow("overdue in box 2: up, four days") << 2 << -5 << true << 3 << 4;
    QTest::newRow("due in box 4: up, sixteen days") << 4 << 0 << true << 5 << 16;
    QTest::newRow("right from the last box: known") << 5 << 0 << true << Practice::Known << 0;
    QTest::newRow("right before its day: stays") << 2 << 1 << true << 2 << 1;
    QTest::newRow("wrong in box 4: back to box 1") << 4 << 3 << false << 1 << 1;
    QTest::newRow("a known one missed again") << Practice::Known << -20 << false << 1 << 1;
    QTest::newRow("a known one answered right stays known") << Practice::Known << -20 << true << Practice::Known << -20;
}

void TestPractice::boxRules()
{
    QFETCH(int, box);
    QFETCH(int, dueIn);
    QFETCH(bool, right);
    QFETCH(int, boxAfter);
    QFETCH(int, dueInAfter);
    Practice::Box practice = box == 0 ? Practice::Box() : boxOf({{QStringLiteral("Addition"), box, dueIn}});
    const QuestionRecord asked = question(0);
    if (right)
        practice.answerRight(asked, {}, Today);
    else
        practice.miss({QStringLiteral("Addition"), 0, 1, {}}, asked, QDateTime(Today, QTime(15, 0)));
    const qsizetype at = practice.indexOf(asked);
    QCOMPARE(at >= 0 ? practice.items.at(at).box : 0, boxAfter);
    if (at >= 0)
        QCOMPARE(Today.daysTo(practice.items.at(at).due), dueInAfter);
    QCOMPARE(Practice::waitDays(5), 16);
}

void TestPractice::composition_data()
{
    QTest::addColumn<Questions>("box");
    QTest::addColumn<QStringList>("first"); // the first questions asked, in order
    QTest::addColumn<QList<int>>("counts");  // due, early, fresh

    const QString add = QStringLiteral("Addition");
    const QString times = QStringLiteral("Multiplication");
    QTest::newRow("nothing missed") << Questions{} << QStringList{} << QList<int>{0, 0, 0};
    QTest::newRow("due first, the longest due first; then the lowest boxes")
        << Questions{{add, 3, 2}, {add, 2, 0}, {times, 1, -3}, {add, 1, 1}, {times, 2, 1},
                                                {add, Practice::Known, -9}}
        << QStringList{QStringLiteral("Q2"), QStringLiteral("Q1"), QStringLiteral("Q3"), QStringLiteral("Q4"),
                       QStringLiteral("Q0")}
        << QList<int>{2, 3, 15};
    QTest::newRow("a full box asks what is due, and nothing fresh")
        << Questions(Practice::MaxQuestions, {times, 2, -1})
        << QStringList{QStringLiteral("Q0"), QStringLiteral("Q1")} << QList<int>{20, 0, 0};
    QTest::newRow("a template's mistakes come again")
        << Questions{{QStringLiteral("Week 3"), 1, 0}, {QStringLiteral("Week 3"), 1, 2}}
        << QStringList{QStringLiteral("Q0"), QStringLiteral("Q1"), QStringLiteral("Q0"), QStringLiteral("Q1")}
        << QList<int>{1, 1, 0};
}

void TestPractice::composition()
{
    QFETCH(QStringList, first);
    QFETCH(QList<int>, counts);
    QFETCH(Questions, box);
    const Practice::Box practice = boxOf(box);
    const PracticeSet set = Practice::compose(practice, Today, 7, QStringLiteral("en"));
    QCOMPARE((QList<int>{set.due, set.early, set.fresh}), counts);
    for (qsizetype i = 0; i < first.size(); ++i)
        QCOMPARE(set.questions[size_t(i)].text, first.at(i));
    if (practice.items.isEmpty())
        return;
    QStringList texts;
    for (int i = 0; i < QuestionsPerExercise; ++i) {
        const QuestionRecord &asked = set.questions[size_t(i)];
        QVERIFY(!asked.text.isEmpty() && asked.answerValue() != 0);
        // Fresh questions are of the topics and levels of the child's mistakes, and each asked once.
        if (i >= set.due + set.early && set.fresh > 0) {
            QVERIFY(!texts.contains(asked.text));
            QVERIFY(std::any_of(practice.items.cbegin(), practice.items.cend(), [&](const PracticeItem &item) {
                return item.origin.topic == set.origins[size_t(i)].topic && item.origin.level == set.origins[size_t(i)].level;
            }));
            QCOMPARE(set.origins[size_t(i)].position, -1);
        }
        texts << asked.text;
    }
}

void TestPractice::factsOnTheMap_data()
{
    // Answers to questions (right at the first try, or not), then the cells of a few facts.
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QList<bool>>("right");
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<int>("size");
    using Cell = PracticeProgress::Cell;

    QTest::newRow("in three languages, both ways round")
        << QStringList{QStringLiteral("What is 7 x 3?"), QStringLiteral("Combien font 24 divisé par 4 ?"),
                       QStringLiteral("¿Cuánto es 9 dividido entre 3?"), QStringLiteral("What is 8 × 6?")}
        << QList<bool>{true, false, true, true}
        << Cells{{3, 7, Cell::Known}, {7, 3, Cell::Known}, {4, 6, Cell::Practised},
                                             {6, 4, Cell::Practised}, {3, 3, Cell::Known}, {6, 8, Cell::Known},
                                             {2, 2, Cell::NotMet}}
        << 10;
    QTest::newRow("a fact still practised in one question stays practised")
        << QStringList{QStringLiteral("What is 6 x 7?"), QStringLiteral("What is 42 divided by 6?")}
        << QList<bool>{false, true} << Cells{{6, 7, Cell::Practised}} << 10;
    QTest::newRow("stories and remainders are not recognised; eleven widens the map")
        << QStringList{QStringLiteral("How many legs do 4 dogs have?"), QStringLiteral("What is 47 divided by 5?"),
                       QStringLiteral("What is 11 x 12?")}
        << QList<bool>{false, false, true}
        << Cells{{4, 4, Cell::NotMet}, {5, 9, Cell::NotMet}, {11, 12, Cell::Known}} << 12;
}

void TestPractice::factsOnTheMap()
{
    QFETCH(QStringList, questions);
    QFETCH(QList<bool>, right);
    QFETCH(Cells, cells);
    QFETCH(int, size);
    Practice::Box box;
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const QuestionRecord asked{questions.at(i), QStringLiteral("1"), {}, {}};
        const TimesFact fact = TimesFacts::recognised(asked.text);
        if (right.at(i))
            box.answerRight(asked, fact, Today);
        else
            box.miss({QStringLiteral("Multiplication"), 0, 1, fact}, asked, QDateTime(Today, QTime(10, 0)));
    }
    const PracticeProgress::Map map = PracticeProgress::map(box);
    QCOMPARE(map.size, size);
    for (const auto &[a, b, cell] : cells)
        QCOMPARE(map.cell(a, b), cell);
    QVERIFY(PracticeProgress::mapDescription(map).startsWith(QStringLiteral("Times tables from 1 to %1.").arg(size)));
}

void TestPractice::aFullBoxLetsTheLongestKnownGo()
{
    Questions questions(Practice::MaxQuestions, {QStringLiteral("Money"), 5, 1});
    questions[7] = {QStringLiteral("Money"), Practice::Known, -3};
    questions[9] = {QStringLiteral("Money"), Practice::Known, -8}; // known longest
    Practice::Box box = boxOf(questions);
    box.miss({}, question(999), QDateTime(Today, QTime(12, 0)));
    QCOMPARE(box.items.size(), Practice::MaxQuestions);
    QVERIFY(box.indexOf(question(9)) < 0);
    QVERIFY(box.indexOf(question(7)) >= 0 && box.indexOf(question(999)) >= 0);
    // None known: the oldest in the highest box goes.
    box.items[box.indexOf(question(7))].box = 1;
    box.miss({}, question(1000), QDateTime(Today, QTime(12, 0)));
    QVERIFY(box.indexOf(question(0)) < 0 && box.indexOf(question(7)) >= 0);
}

void TestPractice::answersReachTheStoreAndTheClears()
{
    Clock::set([] { return QDateTime(Today, QTime(16, 30)); });
    QuestionRecords written;
    for (int i = 0; i < QuestionsPerExercise; ++i)
        written[size_t(i)] = question(i + 1, QStringLiteral("What is %1 x 2?").arg(i + 1));
    written[3].text = QStringLiteral("Ann has $4, and \"@ 5\" of flour, a comma, too");
    PracticeLog log(Asha, QStringLiteral("Multiplication"), written);
    log.missed(3);
    log.missed(3); // told once
    log.answeredRight(3);
    log.answeredRight(5);
    // As written, in the store's file, which the toolkit reads back.
    const std::unique_ptr<QSettings> disk = TestSupport::onDisk();
    StoreMap stored;
    for (const QString &key : disk->allKeys())
        stored.setValue(key, disk->value(key));
    const Practice::Box box = Practice::read(stored, Asha);
    QCOMPARE(box.items.size(), 1);
    QCOMPARE(box.items.first().question, written[3]);
    QCOMPARE(box.items.first().origin.position, 3);
    QCOMPARE(box.items.first().due, Today.addDays(1));
    QCOMPARE(box.known, QList<TimesFact>{TimesFact::of(2, 6)});

    // The next day it is due, and a right answer moves it up.
    Clock::set([] { return QDateTime(Today.addDays(1), QTime(8, 0)); });
    QCOMPARE(Practice::of(Asha).dueCount(Clock::today()), 1);
    PracticeLog again(Asha, QStringLiteral("Multiplication"), written);
    again.answeredRight(3);
    QCOMPARE(Practice::of(Asha).items.first().box, 2);

    QVERIFY(Clearing::clear(Clearing::What::Scores));
    QVERIFY(Practice::of(Asha).items.isEmpty() && Practice::of(Asha).known.isEmpty());
}

QTEST_GUILESS_MAIN(TestPractice)
#include "tst_practice.moc"
