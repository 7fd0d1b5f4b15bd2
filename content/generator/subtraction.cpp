// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/mistakes.h"
#include "content/generator/story.h"

namespace {

enum class Exchange { Any, None, Some };

const QList<Story> &stories()
{
    static const QList<Story> list{
        {1, 20, u"There are {a} birds on a tree. {b} fly away. How many birds are left?"},
        {1, 20, u"{n} has {a} {things} and gives {b} to {m}. How many {things} does {n} have left?"},
        {1, 20, u"There are {a} {fruits} in a bowl. {n} eats {b} of them. How many {fruits} are left in the bowl?"},
        {2, 40, u"{n} has {a} {things}. {He} loses {b} of them. How many {things} does {he} have now?"},
        {10, 99, u"A bus has {a} passengers. {b} get off at the station. How many passengers are left on the bus?"},
        {10, 40, u"There are {a} children in the pool. {b} get out. How many children are still in the pool?"},
        {10, 99, u"{n} has {a} beads. {He} uses {b} of them to make a necklace. How many beads are left?"},
        {10, 999, u"A box of books weighs {a} @. A box of toys weighs {b} @. How much heavier is the box of books?"},
        {10, 999, u"A water tank holds {a} ^. {b} ^ are used to water the garden. How much water is left in the "
                  u"tank?"},
        {100, 999, u"A book has {a} pages. {n} has read {b} pages. How many pages does {he} still have to read?"},
        {20, 999, u"A family has to drive {a} ~ to get to the sea. They have driven {b} ~ so far. How much further do "
                  u"they have to drive?"},
        {100, 9999, u"A school printed {a} tickets for a show and sold {b} of them. How many tickets were not sold?"},
        {100, 9999, u"A farmer had {a} sheep and sold {b} of them at the market. How many sheep does the farmer have "
                    u"now?"},
        {500, 9999, u"A plane has to fly {a} ~. It has flown {b} ~ so far. How far does it still have to fly?"},
        {1000, 99999, u"A stadium has {a} seats. {b} of them are taken. How many seats are empty?"},
        {1000, 99999, u"A town had {a} people. {b} people moved away. How many people live in the town now?"},
    };
    return list;
}

bool exchanges(int a, int b)
{
    return Mistakes::smallerFromLarger(a, b) != a - b;
}

Draft bare(int a, int b)
{
    Draft d = Methods::takingAway(a, b);
    d.text = QStringLiteral("What is %1 - %2?").arg(a).arg(b);
    return d;
}

// a - b with a and b from their ranges, b the smaller, with or without an exchange.
Draft difference(Writer &w, int aLow, int aHigh, int bLow, int bHigh, Exchange exchange, bool asStory)
{
    int a = 0;
    int b = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        a = w.graded(aLow, aHigh);
        b = w.number(bLow, std::min(bHigh, a - 1));
        if (b > 0 && (exchange == Exchange::Any || exchanges(a, b) == (exchange == Exchange::Some)))
            break;
    }
    if (!asStory)
        return bare(a, b);
    Draft d = Methods::takingAway(a, b);
    d.text = told(w, stories(), {a, b});
    return d.text.isEmpty() ? bare(a, b) : d;
}

Draft round(Writer &w, int from, int bLow, int bHigh, bool asStory)
{
    return difference(w, from, from, bLow, bHigh, Exchange::Any, asStory);
}

// "What is the difference between 16 and 24?"
Draft between(Writer &w, int low, int high)
{
    const int a = w.graded(low, high);
    const int b = w.number(low / 2, a - 2);
    Draft d = Methods::takingAway(a, b);
    d.text = w.chance(50) ? QStringLiteral("What is the difference between %1 and %2?").arg(b).arg(a)
                          : QStringLiteral("What is the difference between %1 and %2?").arg(a).arg(b);
    d.clue = QStringLiteral("Count on from the smaller number to the bigger one.");
    return d;
}

// a - __ = c.
Draft missing(Writer &w, int low, int high)
{
    const int a = w.graded(low, high);
    const int b = w.number(2, a - 2);
    Draft d;
    d.answer = b;
    d.text = QStringLiteral("Type the missing number: %1 - __ = %2.").arg(a).arg(a - b);
    d.clue = a < 100 ? QStringLiteral("Count up from %1 to %2.").arg(a - b).arg(a)
                     : QStringLiteral("Take %1 away from %2: what is left is the missing number.").arg(a - b).arg(a);
    d.mistakes = {a + (a - b), b + 1, b - 1, b + 10};
    return d;
}

} // namespace

Plan Plans::subtraction(int level)
{
    if (level == 1) {
        return {
            {4, {[](Writer &w) { return difference(w, 5, 10, 2, 5, Exchange::None, false); },
                 [](Writer &w) { return difference(w, 5, 10, 2, 5, Exchange::None, true); }}},
            {4, {[](Writer &w) { return difference(w, 13, 19, 2, 6, Exchange::None, false); },
                 [](Writer &w) { return difference(w, 11, 18, 2, 9, Exchange::Some, false); },
                 [](Writer &w) { return difference(w, 11, 18, 3, 9, Exchange::Some, true); }}},
            {4, {[](Writer &w) { return bare(w.graded(4, 9) * 10, w.number(1, 3) * 10); },
                 [](Writer &w) { return difference(w, 25, 99, 2, 8, Exchange::None, false); },
                 [](Writer &w) { return between(w, 8, 30); }}},
            {4, {[](Writer &w) { return missing(w, 11, 20); },
                 [](Writer &w) { return difference(w, 36, 89, 11, 45, Exchange::None, true); },
                 [](Writer &w) { return bare(w.graded(4, 9) * 10 + w.number(1, 9), w.number(1, 3) * 10); }}},
            {4, {[](Writer &w) { return difference(w, 21, 95, 3, 9, Exchange::Some, false); },
                 [](Writer &w) { return difference(w, 41, 98, 12, 39, Exchange::None, false); },
                 [](Writer &w) { return round(w, w.number(3, 10) * 10, 11, 29, false); },
                 [](Writer &w) { return difference(w, 31, 60, 11, 28, Exchange::Some, true); }}},
        };
    }
    if (level == 2) {
        return {
            {4, {[](Writer &w) { return difference(w, 41, 98, 13, 39, Exchange::Some, false); },
                 [](Writer &w) { return round(w, 100, 11, 89, false); },
                 [](Writer &w) { return difference(w, 41, 98, 13, 39, Exchange::Some, true); }}},
            {4, {[](Writer &w) { return bare(w.graded(3, 9) * 100 + w.number(1, 9) * 10, w.number(1, 2) * 100
                                             + w.number(1, 9) * 10); },
                 [](Writer &w) { return difference(w, 201, 905, 3, 9, Exchange::Some, false); },
                 [](Writer &w) { return between(w, 30, 120); }}},
            {4, {[](Writer &w) { return difference(w, 120, 980, 18, 89, Exchange::Some, false); },
                 [](Writer &w) { return difference(w, 60, 400, 21, 199, Exchange::Some, true); },
                 [](Writer &w) { return missing(w, 40, 100); }}},
            {4, {[](Writer &w) { return difference(w, 350, 980, 115, 340, Exchange::Some, false); },
                 [](Writer &w) { return difference(w, 350, 980, 115, 340, Exchange::Some, true); },
                 [](Writer &w) { return round(w, w.number(2, 9) * 100, 101, 199, false); }}},
            {4, {[](Writer &w) { return round(w, 1000, 111, 889, false); },
                 [](Writer &w) { return difference(w, 412, 960, 158, 389, Exchange::Some, false); },
                 [](Writer &w) { return difference(w, 412, 960, 158, 389, Exchange::Some, true); },
                 [](Writer &w) { return round(w, w.number(2, 9) * 100, 121, 199, true); }}},
        };
    }
    return {
        {4, {[](Writer &w) { return difference(w, 412, 960, 158, 389, Exchange::Some, false); },
             [](Writer &w) { return bare(w.graded(30, 95) * 100, w.number(11, 29) * 100); },
             [](Writer &w) { return round(w, 1000, 111, 889, true); }}},
        {4, {[](Writer &w) { return bare(w.graded(2100, 9800), w.pick(QList<int>{99, 199, 999})); },
             [](Writer &w) { return difference(w, 2100, 9800, 312, 989, Exchange::Some, false); },
             [](Writer &w) { return between(w, 1200, 5000); }}},
        {4, {[](Writer &w) { return difference(w, 3200, 9800, 1125, 3899, Exchange::Some, false); },
             [](Writer &w) { return difference(w, 3200, 9800, 1125, 3899, Exchange::Some, true); }}},
        {4, {[](Writer &w) { return round(w, 10000, 1111, 8888, false); },
             [](Writer &w) { return bare(w.graded(20, 90) * 100 + w.number(1, 9), w.number(1112, 1989)); },
             [](Writer &w) { return missing(w, 1000, 5000); }}},
        {4, {[](Writer &w) { return difference(w, 23456, 89765, 5678, 19876, Exchange::Some, false); },
             [](Writer &w) { return difference(w, 23456, 89765, 5678, 19876, Exchange::Some, true); },
             [](Writer &w) { return round(w, w.number(2, 9) * 10000, 1234, 9876, false); }}},
    };
}
