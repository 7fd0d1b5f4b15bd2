// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/story.h"

namespace {

// {a} shared out equally among {b}.
const QList<Story> &sharing()
{
    static const QList<Story> list{
        {4, 30, u"Share {a} {things} equally between {b} children. How many {things} does each child get?", 2, 5},
        {4, 60, u"{n} shares {a} {fruits} equally among {b} friends. How many {fruits} does each friend get?", 2, 6},
        {6, 100, u"{b} runners share a relay race of {a} ~. Each runs the same distance. How far does each runner "
                 u"go?", 2, 10},
        {20, 999, u"{a} ^ of water are poured equally into {b} barrels. How much water goes into each barrel?", 2,
         12},
        {10, 999, u"{a} @ of potatoes are packed into {b} sacks of the same weight. How much does each sack weigh?",
         2, 20},
        {40, 999, u"A school has {a} children in {b} classes of the same size. How many children are in each "
                  u"class?", 2, 30},
        {10, 500, u"{a} books are put on {b} shelves, the same number on each shelf. How many books go on each "
                  u"shelf?", 2, 20},
        {40, 999, u"A train has {a} seats in {b} carriages, the same number in each. How many seats are in each "
                  u"carriage?", 2, 12},
    };
    return list;
}

// {a} put into groups of {b}.
const QList<Story> &grouping()
{
    static const QList<Story> list{
        {6, 120, u"{a} children get into teams of {b}. How many teams are there?", 2, 12},
        {4, 120, u"{n} has {a} {bakes} and puts {b} in each box. How many boxes does {he} fill?", 2, 12},
        {12, 999, u"A farmer packs {a} eggs into boxes of {b}. How many boxes are filled?", 6, 30},
        {10, 999, u"{a} chairs are put out in rows of {b}. How many rows are there?", 5, 25},
        {4, 200, u"{n} plants {a} seeds, {b} in each pot. How many pots does {he} need?", 2, 10},
    };
    return list;
}

Draft bare(int a, int b)
{
    Draft d = Methods::dividing(a, b);
    d.text = QStringLiteral("What is %1 divided by %2?").arg(a).arg(b);
    return d;
}

// The quotient from low to high, the divisor one of these.
Draft quotient(Writer &w, const QList<int> &divisors, int low, int high, bool asStory)
{
    const int b = w.pick(divisors);
    const int a = b * w.graded(low, high);
    if (!asStory)
        return bare(a, b);
    Draft d = Methods::dividing(a, b);
    const bool groups = w.chance(50);
    d.text = told(w, groups ? grouping() : sharing(), {a, b});
    // Groups are counted out: the clue counts in the size of a group.
    if (groups && b <= 12 && a / b <= 12 && b != 10)
        d.clue = QStringLiteral("Count in %1s until you reach %2, and count the steps.").arg(b).arg(a);
    return d.text.isEmpty() ? bare(a, b) : d;
}

// A quotient that is a multiple of ten: 360 divided by 12.
Draft roundQuotient(Writer &w, const QList<int> &divisors, int low, int high)
{
    const int b = w.pick(divisors);
    return bare(b * w.graded(low, high) * 10, b);
}

// By 10, 100 or 1000, with answers in the hundreds.
Draft placeValue(Writer &w)
{
    const int b = w.pick(QList<int>{10, 100, 1000});
    const int q = w.graded(12, b == 1000 ? 95 : 950);
    return bare(q * b, b);
}

Draft howMany(Writer &w, const QList<int> &divisors, int low, int high)
{
    const int b = w.pick(divisors);
    const int a = b * w.graded(low, high);
    Draft d = Methods::dividing(a, b);
    d.text = QStringLiteral("How many %1s make %2?").arg(b).arg(a);
    d.clue = QStringLiteral("Count in %1s until you reach %2, and count the steps.").arg(b).arg(a);
    return d;
}

// a divided by __ = q.
Draft missing(Writer &w, const QList<int> &divisors, int low, int high)
{
    const int b = w.pick(divisors);
    const int q = w.graded(low, high);
    Draft d;
    d.answer = b;
    d.text = QStringLiteral("Type the missing number: %1 divided by __ = %2.").arg(b * q).arg(q);
    d.clue = QStringLiteral("Which number times %1 makes %2?").arg(q).arg(b * q);
    d.mistakes = {q, b + 1, b - 1, b * q - q};
    return d;
}

// A division that does not come out exactly: the remainder, or whole groups, or
// the groups needed for everything.
Draft leftOver(Writer &w, const QList<int> &divisors, int low, int high)
{
    const int b = w.pick(divisors);
    const int q = w.graded(low, high);
    const int r = w.number(1, b - 1);
    const int a = b * q + r;
    Draft d;
    switch (w.number(0, 2)) {
    case 0:
        d.answer = r;
        d.text = QStringLiteral("What is the remainder when %1 is divided by %2?").arg(a).arg(b);
        d.clue = QStringLiteral("Find the biggest number in the %1 times table that is not more than %2.").arg(b).arg(a);
        d.mistakes = {q, r + 1, b - r, r - 1};
        break;
    case 1: {
        const Person p = w.person();
        d.answer = q;
        d.text = QStringLiteral("%1 has %2 stamps and puts %3 on each page of an album. How many pages can %4 fill?")
                     .arg(p.name)
                     .arg(a)
                     .arg(b)
                     .arg(p.he);
        d.clue = QStringLiteral("Work out %1 divided by %2. The stamps left over cannot fill a page.").arg(a).arg(b);
        d.mistakes = {q + 1, r, q - 1, q + r};
        break;
    }
    default:
        d.answer = q + 1;
        if (b <= 8 && w.chance(50)) {
            d.text = QStringLiteral("%1 children go camping. Each tent sleeps %2. How many tents do they need so that "
                                    "everyone has a bed?")
                         .arg(a)
                         .arg(b);
        } else {
            const QString vehicle = b <= 5    ? QStringLiteral("car")
                                    : b <= 16 ? QStringLiteral("minibus")
                                              : QStringLiteral("coach");
            d.text = QStringLiteral("%1 children go on a trip. Each %2 takes %3 children. How many %2%4 are needed so "
                                    "that nobody is left behind?")
                         .arg(a)
                         .arg(vehicle)
                         .arg(b)
                         .arg(vehicle == QLatin1String("minibus") ? QStringLiteral("es") : QStringLiteral("s"));
        }
        d.clue = QStringLiteral("Work out %1 divided by %2. If there is a remainder, you need one more.").arg(a).arg(b);
        d.mistakes = {q, q + 2, r, q - 1};
        break;
    }
    return d;
}

} // namespace

Plan Plans::division(int level)
{
    if (level == 1) {
        // Young children's numbers are few, so most questions are stories, which vary more.
        return {
            {4, {[](Writer &w) { return quotient(w, {2}, 2, 8, false); },
                 [](Writer &w) { return quotient(w, {2}, 2, 8, true); },
                 [](Writer &w) { return quotient(w, {2}, 3, 10, true); }}},
            {4, {[](Writer &w) { return quotient(w, {5, 10}, 2, 6, true); },
                 [](Writer &w) { return howMany(w, {2, 5, 10}, 2, 10); },
                 [](Writer &w) { return quotient(w, {10}, 2, 10, true); }}},
            {4, {[](Writer &w) { return quotient(w, {2, 5}, 4, 10, false); },
                 [](Writer &w) { return quotient(w, {2, 5, 10}, 3, 8, true); },
                 [](Writer &w) { return quotient(w, {2, 5}, 3, 10, true); }}},
            {4, {[](Writer &w) { return quotient(w, {3, 4}, 2, 6, true); },
                 [](Writer &w) { return howMany(w, {3, 4}, 2, 8); },
                 [](Writer &w) { return quotient(w, {3, 4}, 2, 8, false); }}},
            {4, {[](Writer &w) { return quotient(w, {2, 5, 10}, 6, 12, true); },
                 [](Writer &w) { return quotient(w, {3, 4}, 4, 10, true); },
                 [](Writer &w) { return howMany(w, {2, 5, 10}, 6, 12); }}},
        };
    }
    if (level == 2) {
        return {
            {4, {[](Writer &w) { return quotient(w, {3, 4, 8}, 3, 12, false); },
                 [](Writer &w) { return quotient(w, {3, 4, 8}, 3, 12, true); }}},
            {4, {[](Writer &w) { return quotient(w, {6, 7, 9}, 3, 12, false); },
                 [](Writer &w) { return quotient(w, {6, 7, 9}, 3, 12, true); },
                 [](Writer &w) { return quotient(w, {11, 12}, 3, 12, false); }}},
            {4, {[](Writer &w) { return quotient(w, {10, 100}, 3, 25, false); },
                 [](Writer &w) { return missing(w, {6, 7, 8, 9}, 3, 9); },
                 [](Writer &w) { return quotient(w, {3, 4, 5, 6}, 4, 12, true); }}},
            {4, {[](Writer &w) { return leftOver(w, {3, 4, 5, 6}, 3, 9); },
                 [](Writer &w) { return leftOver(w, {4, 5, 6, 7, 8}, 4, 9); }}},
            {4, {[](Writer &w) { return quotient(w, {2, 3, 4, 5}, 13, 32, false); },
                 [](Writer &w) { return quotient(w, {3, 4, 6}, 13, 24, true); },
                 [](Writer &w) { return quotient(w, {6, 7, 8}, 12, 16, false); }}},
        };
    }
    return {
        {4, {[](Writer &w) { return quotient(w, {3, 4, 6, 7}, 13, 29, false); },
             [](Writer &w) { return missing(w, {7, 8, 9, 11, 12}, 6, 12); },
             [](Writer &w) { return quotient(w, {11, 12}, 6, 12, true); }}},
        {4, {[](Writer &w) { return quotient(w, {3, 4, 5, 6, 7, 8, 9}, 104, 189, false); },
             [](Writer &w) { return quotient(w, {3, 4, 5, 6, 7, 8}, 34, 123, true); }}},
        {4, {[](Writer &w) { return placeValue(w); },
             [](Writer &w) { return roundQuotient(w, {3, 4, 6, 7, 8, 12}, 2, 9); },
             [](Writer &w) { return leftOver(w, {6, 7, 8, 9, 12}, 8, 30); }}},
        {4, {[](Writer &w) { return quotient(w, {4, 6, 7, 8, 9}, 215, 999, false); },
             [](Writer &w) { return leftOver(w, {12, 15, 20, 25}, 6, 40); }}},
        {4, {[](Writer &w) { return quotient(w, {13, 14, 15, 16, 24, 25}, 12, 48, false); },
             [](Writer &w) { return quotient(w, {12, 15, 16, 24}, 12, 40, true); }}},
    };
}
