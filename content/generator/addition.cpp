// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/mistakes.h"
#include "content/generator/story.h"

namespace {

enum class Carry { Any, None, Some };

const QList<Story> &stories()
{
    static const QList<Story> list{
        {1, 20, u"{n} has {a} {things} and gets {b} more. How many {things} does {he} have now?"},
        {1, 20, u"There are {a} {things} in a box and {b} {things} on the table. How many {things} are there "
                u"altogether?"},
        {1, 20, u"{a} ducks are on the pond and {b} more land on it. How many ducks are on the pond now?"},
        {2, 40, u"{n} picks {a} {fruits} and {m} picks {b}. How many {fruits} do they pick altogether?"},
        {2, 40, u"{n} reads {a} pages on Saturday and {b} pages on Sunday. How many pages does {he} read "
                u"altogether?"},
        {2, 60, u"A bus has {a} passengers. At the next stop {b} more get on. How many passengers are on the bus now?"},
        {10, 99, u"There are {a} boys and {b} girls at a sports day. How many children are there altogether?"},
        {10, 99, u"{n} scores {a} points in the first game and {b} points in the second. How many points does {he} "
                 u"score in all?"},
        {10, 600, u"A farm tank has {a} ^ of water. The farmer adds {b} ^ more. How much water is in the tank now?"},
        {50, 900, u"A school has {a} girls and {b} boys. How many children are there in the school?"},
        {20, 500, u"A family drives {a} ~ on the first day of a holiday and {b} ~ on the second. How far do they "
                  u"drive altogether?"},
        {10, 900, u"A builder moves {a} @ of sand in the morning and {b} @ in the afternoon. How much sand is moved "
                  u"altogether?"},
        {100, 9999, u"{a} people watched a play on Friday and {b} on Saturday. How many people watched it "
                    u"altogether?"},
        {100, 9999, u"A library has {a} story books and {b} other books. How many books does it have?"},
        {500, 9999, u"A plane flies {a} ~ to one city and then {b} ~ to another. How far does it fly altogether?"},
        {1000, 99999, u"A football ground had {a} fans on Saturday and {b} fans on Sunday. How many fans came on the "
                      u"two days?"},
        {1000, 99999, u"A museum had {a} visitors in May and {b} visitors in June. How many visitors came in the two "
                      u"months?"},
    };
    return list;
}

bool carries(int a, int b)
{
    return Mistakes::carryForgotten(a, b) != a + b;
}

// Two numbers from their ranges, with or without a carry, summing to no more than most.
std::pair<int, int> two(Writer &w, int aLow, int aHigh, int bLow, int bHigh, Carry carry, int most = 99999)
{
    int a = 0;
    int b = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        a = w.graded(aLow, aHigh);
        b = w.number(bLow, bHigh);
        // A ten and a single digit, as 40 + 3, asks nothing.
        const bool plain = (a % 10 == 0 && b < 10) || (b % 10 == 0 && a < 10);
        if (a + b <= most && !plain && (carry == Carry::Any || carries(a, b) == (carry == Carry::Some)))
            break;
    }
    return w.chance(50) ? std::pair{a, b} : std::pair{b, a};
}

Draft bare(int a, int b)
{
    Draft d = Methods::adding(a, b);
    d.text = QStringLiteral("What is %1 + %2?").arg(a).arg(b);
    return d;
}

// a + b or b + a.
Draft either(Writer &w, int a, int b)
{
    return w.chance(50) ? bare(a, b) : bare(b, a);
}

Draft story(Writer &w, int a, int b)
{
    Draft d = Methods::adding(a, b);
    d.text = told(w, stories(), {a, b});
    if (d.text.isEmpty())
        return bare(a, b);
    return d;
}

Draft sum(Writer &w, int aLow, int aHigh, int bLow, int bHigh, Carry carry, bool asStory, int most = 99999)
{
    auto [a, b] = two(w, aLow, aHigh, bLow, bHigh, carry, most);
    if (std::min(a, b) < 10 && std::max(a, b) >= 10)
        std::tie(a, b) = std::pair{std::max(a, b), std::min(a, b)};
    return asStory ? story(w, a, b) : bare(a, b);
}

// Two numbers below 10 that make more than 10.
Draft bridging(Writer &w, bool asStory)
{
    const int a = w.number(6, 9);
    const int b = w.number(11 - a, 9);
    return asStory ? story(w, a, b) : either(w, a, b);
}

// a + __ = total, where total is a round number.
Draft missing(Writer &w, int round, int totalLow, int totalHigh)
{
    const int total = w.graded(totalLow / round, totalHigh / round) * round;
    int a = total - w.number(total / 5, total * 4 / 5);
    if (a % 10 == 0)
        a += w.number(1, 9);
    Draft d;
    d.answer = total - a;
    d.text = w.chance(50) ? QStringLiteral("Type the missing number: %1 + __ = %2.").arg(a).arg(total)
                          : QStringLiteral("Type the missing number: __ + %1 = %2.").arg(a).arg(total);
    d.clue = Methods::countingUp(a, total);
    d.mistakes = {total + a, d.answer + 10, d.answer - 10, d.answer + 1};
    return d;
}

// Three numbers, two of which make a round number together.
Draft three(Writer &w, int round, int low, int high)
{
    const int a = w.graded(low, high);
    // Below the round number, the partner makes it; above, the next few round numbers.
    const int partner = high < round ? round - a : (a / round + w.number(2, 4)) * round - a;
    const int other = w.number(low, high);
    Draft d;
    d.answer = a + partner + other;
    QList<int> order{a, other, partner};
    if (w.chance(50))
        order = {partner, other, a};
    d.text = QStringLiteral("Add these three numbers: %1 + %2 + %3. What is the total?")
                 .arg(order[0])
                 .arg(order[1])
                 .arg(order[2]);
    d.clue = round == 10 && high < 10 ? QStringLiteral("Find two numbers that make 10 and add those first.")
             : round == 10 ? QStringLiteral("Look for two numbers whose ones digits make 10 and add those first.")
                           : QStringLiteral("Look for two numbers that make a round number and add those first.");
    d.mistakes = {d.answer - round, d.answer + round, d.answer - other, d.answer + 1};
    return d;
}

} // namespace

Plan Plans::addition(int level)
{
    if (level == 1) {
        return {
            {4, {[](Writer &w) { return sum(w, 2, 7, 1, 5, Carry::Any, false, 10); },
                 [](Writer &w) { return sum(w, 2, 7, 2, 5, Carry::Any, true, 10); }}},
            {4, {[](Writer &w) { return bridging(w, false); }, [](Writer &w) { return bridging(w, true); }}},
            {4, {[](Writer &w) { return bare(w.number(1, 6) * 10, w.number(1, 3) * 10); },
                 [](Writer &w) { return sum(w, 11, 85, 1, 8, Carry::None, false); },
                 [](Writer &w) { return either(w, w.graded(1, 6) * 10 + w.number(1, 9), w.number(1, 3) * 10); }}},
            {4, {[](Writer &w) { return sum(w, 14, 88, 3, 8, Carry::Some, false); },
                 [](Writer &w) { return sum(w, 11, 45, 11, 44, Carry::None, true, 99); },
                 [](Writer &w) { return sum(w, 12, 79, 9, 9, Carry::Any, false); }}},
            {4, {[](Writer &w) { return sum(w, 15, 59, 13, 39, Carry::Some, false, 99); },
                 [](Writer &w) { return sum(w, 15, 59, 13, 39, Carry::Some, true, 99); },
                 [](Writer &w) { return missing(w, 10, 20, 90); },
                 [](Writer &w) { return three(w, 10, 2, 9); }}},
        };
    }
    if (level == 2) {
        return {
            {4, {[](Writer &w) { return sum(w, 25, 68, 16, 39, Carry::Some, false, 99); },
                 [](Writer &w) { return either(w, w.graded(24, 78), w.number(1, 4) * 10 + 9); },
                 [](Writer &w) { return sum(w, 25, 68, 16, 39, Carry::Some, true, 99); }}},
            {4, {[](Writer &w) { return bare(w.graded(1, 6) * 100 + w.number(0, 1) * w.number(1, 9) * 10,
                                             w.number(1, 3) * 100 + w.number(0, 1) * w.number(1, 9) * 10); },
                 [](Writer &w) { return either(w, w.graded(120, 860), w.number(1, 9) * 10); },
                 [](Writer &w) { return sum(w, 120, 880, 3, 9, Carry::Some, false); }}},
            {4, {[](Writer &w) { return sum(w, 135, 760, 26, 89, Carry::Some, false, 999); },
                 [](Writer &w) { return sum(w, 135, 560, 26, 290, Carry::Some, true, 999); },
                 [](Writer &w) { return missing(w, 100, 100, 100); }}},
            {4, {[](Writer &w) { return sum(w, 215, 580, 124, 390, Carry::Some, false, 999); },
                 [](Writer &w) { return sum(w, 215, 580, 124, 390, Carry::Some, true, 999); },
                 [](Writer &w) { return three(w, 10, 12, 48); }}},
            {4, {[](Writer &w) { return sum(w, 256, 670, 167, 389, Carry::Some, false, 1200); },
                 [](Writer &w) { return either(w, 99, w.graded(146, 780)); },
                 [](Writer &w) { return bare(w.graded(245, 760), w.number(1, 2) * 100 + 99); },
                 [](Writer &w) { return missing(w, 100, 300, 1000); }}},
        };
    }
    return {
        {4, {[](Writer &w) { return sum(w, 236, 780, 167, 690, Carry::Some, false); },
             [](Writer &w) { return bare(w.graded(345, 2980), w.number(1, 5) * 100 + 99); },
             [](Writer &w) { return sum(w, 236, 780, 167, 690, Carry::Some, true); }}},
        {4, {[](Writer &w) { return bare(w.graded(1200, 6800) / 50 * 50, w.number(1, 3) * 1000); },
             [](Writer &w) { return bare(w.graded(1250, 5750) / 250 * 250, w.number(2, 7) * 250); },
             [](Writer &w) { return sum(w, 1234, 6789, 235, 980, Carry::Some, false); }}},
        {4, {[](Writer &w) { return sum(w, 1245, 5890, 1167, 3890, Carry::Some, false); },
             [](Writer &w) { return sum(w, 1245, 5890, 1167, 3890, Carry::Some, true); }}},
        {4, {[](Writer &w) { return missing(w, 1000, 2000, 10000); },
             [](Writer &w) { return missing(w, 100, 1000, 5000); },
             [](Writer &w) { return three(w, 100, 120, 880); }}},
        {4, {[](Writer &w) { return sum(w, 12345, 56789, 3456, 9876, Carry::Some, false); },
             [](Writer &w) { return sum(w, 12345, 45678, 12345, 34567, Carry::Some, true); },
             [](Writer &w) { return sum(w, 23456, 67890, 12345, 29876, Carry::Some, false); }}},
    };
}
