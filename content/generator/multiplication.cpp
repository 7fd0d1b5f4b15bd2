// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/story.h"

namespace {

// Stories of b groups of a: {a} is the size of a group, {b} the number of groups.
const QList<Story> &stories()
{
    static const QList<Story> list{
        {2, 12, u"There are {b} boxes with {a} {things} in each box. How many {things} are there?", 2, 12},
        {2, 10, u"{n} puts {a} {fruits} on each of {b} plates. How many {fruits} are on the plates?", 2, 10},
        {2, 20, u"A garden has {b} rows with {a} carrots in each row. How many carrots are there?", 2, 20},
        {2, 12, u"{n} buys {b} packs of {bakes}. There are {a} {bakes} in each pack. How many {bakes} does {he} buy?",
         2, 12},
        {2, 5, u"A bus has {b} rows with {a} seats in each row. How many seats are there?", 5, 15},
        {2, 30, u"{n} reads {a} pages every day for {b} days. How many pages does {he} read?", 2, 14},
        {2, 99, u"A fish tank holds {a} ^ of water. How much water do {b} fish tanks hold?", 2, 30},
        {2, 30, u"A crate of apples weighs {a} @. How much do {b} crates weigh?", 2, 50},
        {2, 30, u"{n} cycles {a} ~ every day for {b} days. How far does {he} cycle altogether?", 2, 14},
        {10, 50, u"A school orders {b} boxes of pencils with {a} pencils in each box. How many pencils is that?", 2,
         99},
        {10, 40, u"A cinema has {b} rows of {a} seats. How many seats are there?", 5, 40},
        {10, 50, u"A lorry carries {b} sacks that each weigh {a} @. What is the weight of the load?", 2, 99},
        {100, 2000, u"A plane flies {a} ~ every day for {b} days. How far does it fly?", 2, 30},
        {5, 80, u"A farm has {b} fields with {a} sheep in each field. How many sheep are there?", 2, 30},
        {20, 400, u"A shop sells {a} newspapers every day. How many does it sell in {b} days?", 2, 31},
        {6, 12, u"A box holds {a} eggs. How many eggs are there in {b} boxes?", 2, 50},
        {2, 30, u"A bag of rice weighs {a} @. How much do {b} bags weigh?", 2, 50},
        {2, 12, u"Each page of {n}'s album holds {a} stamps. How many stamps fill {b} pages?", 2, 50},
        {4, 12, u"A lift can carry {a} people. How many people can it carry in {b} trips?", 2, 30},
    };
    return list;
}

// How many legs, wheels, fingers or days: how many each one has, the
// question, and what the clue says about one of them.
struct Count
{
    int each;
    const char16_t *question;
    const char16_t *one;
};

const QList<Count> &counts()
{
    static const QList<Count> list{
        {2, u"How many legs do %1 birds have altogether?", u"A bird has 2 legs."},
        {4, u"How many legs do %1 dogs have altogether?", u"A dog has 4 legs."},
        {8, u"How many legs do %1 spiders have altogether?", u"A spider has 8 legs."},
        {6, u"How many legs do %1 beetles have altogether?", u"A beetle has 6 legs."},
        {2, u"How many wheels do %1 bikes have altogether?", u"A bike has 2 wheels."},
        {3, u"How many wheels do %1 tricycles have altogether?", u"A tricycle has 3 wheels."},
        {4, u"How many wheels do %1 cars have altogether?", u"A car has 4 wheels."},
        {5, u"How many fingers are there on %1 hands?", u"A hand has 5 fingers."},
        {7, u"How many days are there in %1 weeks?", u"A week has 7 days."},
    };
    return list;
}

Draft bare(int a, int b)
{
    Draft d = Methods::multiplying(a, b);
    d.text = QStringLiteral("What is %1 x %2?").arg(a).arg(b);
    return d;
}

// A times-table fact from one of the tables, the other number from low to high.
Draft fact(Writer &w, const QList<int> &tables, int low, int high)
{
    const int table = w.pick(tables);
    const int other = w.graded(low, high);
    return w.chance(50) ? bare(table, other) : bare(other, table);
}

Draft groups(Writer &w, int a, int b)
{
    Draft d = Methods::multiplying(a, b);
    d.text = told(w, stories(), {a, b});
    return d.text.isEmpty() ? bare(a, b) : d;
}

Draft story(Writer &w, const QList<int> &tables, int low, int high)
{
    return groups(w, w.pick(tables), w.graded(low, high));
}

// Legs, wheels, fingers or days, each of them counting in one of the tables.
Draft legs(Writer &w, const QList<int> &tables, int low, int high)
{
    QList<Count> chosen;
    for (const Count &count : counts()) {
        if (tables.contains(count.each))
            chosen.append(count);
    }
    const Count count = w.pick(chosen);
    const int b = w.graded(low, high);
    Draft d = Methods::multiplying(count.each, b);
    d.text = QString::fromUtf16(count.question).arg(b);
    const QString one = QString::fromUtf16(count.one);
    d.clue = count.each <= 5 || b <= 5 ? QStringLiteral("%1 Count in %2s, %3 times.").arg(one).arg(count.each).arg(b)
                                       : one + QLatin1Char(' ') + d.clue;
    return d;
}

// a x __ = p.
Draft missing(Writer &w, const QList<int> &tables, int low, int high)
{
    const int a = w.pick(tables);
    const int b = w.graded(low, high);
    Draft d;
    d.answer = b;
    d.text = QStringLiteral("Type the missing number: %1 x __ = %2.").arg(a).arg(a * b);
    d.clue = QStringLiteral("Count in %1s until you reach %2, and count the steps.").arg(a).arg(a * b);
    d.mistakes = {b + 1, b - 1, a * b - a, a * b / 10};
    return d;
}

Draft squared(Writer &w, int low, int high)
{
    const int a = w.graded(low, high);
    Draft d = Methods::multiplying(a, a);
    d.text = QStringLiteral("What is %1 squared?").arg(a);
    d.clue = QStringLiteral("%1 squared means %1 x %1. %2").arg(a).arg(d.clue);
    d.mistakes.prepend(2 * a);
    return d;
}

} // namespace

Plan Plans::multiplication(int level)
{
    if (level == 1) {
        return {
            {4, {[](Writer &w) { return bare(w.pick(QList<int>{2, 5, 10}), w.graded(2, 5)); },
                 [](Writer &w) { return story(w, {2, 5}, 2, 5); }}},
            {4, {[](Writer &w) { return fact(w, {2, 10}, 3, 10); },
                 [](Writer &w) { return legs(w, {2, 4, 5}, 2, 6); },
                 [](Writer &w) { return story(w, {2, 5, 10}, 2, 6); }}},
            {4, {[](Writer &w) { return fact(w, {5}, 3, 10); },
                 [](Writer &w) { return story(w, {3, 4}, 2, 5); },
                 [](Writer &w) { return bare(w.pick(QList<int>{3, 4}), w.graded(2, 5)); }}},
            {4, {[](Writer &w) { return fact(w, {3, 4}, 4, 10); },
                 [](Writer &w) { return legs(w, {2, 3, 4, 5}, 3, 8); },
                 [](Writer &w) { return missing(w, {2, 5, 10}, 3, 10); }}},
            {4, {[](Writer &w) { return fact(w, {2, 3, 4, 5, 10}, 6, 12); },
                 [](Writer &w) { return story(w, {3, 4, 5}, 6, 10); },
                 [](Writer &w) { return missing(w, {3, 4}, 3, 10); }}},
        };
    }
    if (level == 2) {
        return {
            {4, {[](Writer &w) { return fact(w, {3, 4, 8}, 4, 12); },
                 [](Writer &w) { return legs(w, {3, 4, 6, 7, 8}, 3, 12); },
                 [](Writer &w) { return story(w, {3, 4, 8}, 3, 10); }}},
            {4, {[](Writer &w) { return fact(w, {6, 7, 9}, 3, 12); },
                 [](Writer &w) { return story(w, {6, 7, 9}, 3, 10); },
                 [](Writer &w) { return fact(w, {11, 12}, 3, 12); }}},
            {4, {[](Writer &w) { return missing(w, {6, 7, 8, 9}, 3, 12); },
                 [](Writer &w) { return bare(w.graded(2, 9) * 10, w.number(2, 9)); },
                 [](Writer &w) { return fact(w, {6, 7, 8, 9, 11, 12}, 6, 12); }}},
            {4, {[](Writer &w) { return bare(w.graded(13, 25), w.number(2, 5)); },
                 [](Writer &w) { return story(w, {2, 3, 4, 5, 6}, 12, 25); },
                 [](Writer &w) { return missing(w, {11, 12}, 3, 12); }}},
            {4, {[](Writer &w) { return bare(w.graded(23, 98), w.number(3, 9)); },
                 [](Writer &w) { return story(w, {3, 4, 5, 6, 7, 8, 9}, 14, 48); },
                 [](Writer &w) { return bare(w.pick(QList<int>{25, 50}), w.number(2, 4) * 2); }}},
        };
    }
    return {
        {4, {[](Writer &w) { return bare(w.graded(23, 98), w.number(4, 9)); },
             [](Writer &w) { return bare(w.graded(12, 99), 100); },
             [](Writer &w) { return missing(w, {6, 7, 8, 9, 11, 12}, 6, 12); }}},
        {4, {[](Writer &w) { return bare(w.graded(124, 789), w.number(3, 9)); },
             [](Writer &w) { return story(w, {3, 4, 5, 6, 7, 8, 9}, 112, 389); },
             [](Writer &w) { return squared(w, 6, 15); }}},
        {4, {[](Writer &w) { return bare(w.graded(21, 79), w.number(11, 19)); },
             [](Writer &w) { return groups(w, w.graded(21, 69), w.number(12, 19)); },
             [](Writer &w) { return bare(w.graded(12, 95), w.number(2, 9) * 10); }}},
        {4, {[](Writer &w) { return bare(w.graded(34, 98), w.number(23, 89)); },
             [](Writer &w) { return groups(w, w.graded(32, 98), w.number(21, 49)); }}},
        {4, {[](Writer &w) { return bare(w.graded(123, 789), w.number(21, 89)); },
             [](Writer &w) { return bare(w.graded(1234, 8765), w.number(3, 9)); },
             [](Writer &w) { return groups(w, w.graded(125, 480), w.number(12, 48)); }}},
    };
}
