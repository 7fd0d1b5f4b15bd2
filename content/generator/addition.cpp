// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/mistakes.h"
#include "content/generator/writer.h"

#include <algorithm>

namespace {

enum class Carry { Any, None, Some };

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

Draft bare(Writer &w, int a, int b)
{
    Draft d = Methods::adding(w, a, b);
    d.text = w.say({u"What is %1 + %2?", u"Combien font %1 + %2 ?", u"¿Cuánto es %1 + %2?"}, {a, b});
    return d;
}

// Hundreds, with tens or without: 300, 340.
int hundredsAndTens(Writer &w, int hundreds)
{
    return hundreds * 100 + (w.chance(50) ? w.number(1, 9) * 10 : 0);
}

// a + b or b + a.
Draft either(Writer &w, int a, int b)
{
    return w.chance(50) ? bare(w, a, b) : bare(w, b, a);
}

Draft story(Writer &w, int a, int b)
{
    Draft d = Methods::adding(w, a, b);
    if (!w.tell(d, w.bank().adding, {{a, b}}))
        return bare(w, a, b);
    return d;
}

Draft sum(Writer &w, int aLow, int aHigh, int bLow, int bHigh, Carry carry, bool asStory, int most = 99999)
{
    auto [a, b] = two(w, aLow, aHigh, bLow, bHigh, carry, most);
    if (std::min(a, b) < 10 && std::max(a, b) >= 10)
        std::tie(a, b) = std::pair{std::max(a, b), std::min(a, b)};
    return asStory ? story(w, a, b) : bare(w, a, b);
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
    d.fact = Fact::difference(total, a);
    d.text = w.chance(50)
        ? w.say({u"Type the missing number: %1 + __ = %2.", u"Tape le nombre qui manque : %1 + __ = %2.",
                    u"Escribe el número que falta: %1 + __ = %2."},
            {a, total})
        : w.say({u"Type the missing number: __ + %1 = %2.", u"Tape le nombre qui manque : __ + %1 = %2.",
                    u"Escribe el número que falta: __ + %1 = %2."},
            {a, total});
    d.clue = Methods::countingUp(w, a, total);
    d.mistakes = {total + a, d.answer + 10, d.answer - 10, d.answer + 1};
    return d;
}

// Three numbers, two of which make a round number together.
Draft three(Writer &w, int round, int low, int high)
{
    int a = w.graded(low, high);
    if (a % 10 == 0)
        a += w.number(1, 9); // a round number goes well with nothing
    // Below the round number, the partner makes it; above, the next few round numbers.
    const int partner = high < round ? round - a : (a / round + w.number(2, 4)) * round - a;
    const int other = w.number(low, high);
    Draft d;
    d.answer = a + partner + other;
    QList<int> order{a, other, partner};
    if (w.chance(50))
        order = {partner, other, a};
    d.text = w.say({u"Add these three numbers: %1 + %2 + %3. What is the total?",
                       u"Additionne ces trois nombres : %1 + %2 + %3. Quel est le total ?",
                       u"Suma estos tres números: %1 + %2 + %3. ¿Cuál es el total?"},
        {order[0], order[1], order[2]});
    QList<int> sorted{a, partner, other};
    std::sort(sorted.begin(), sorted.end());
    d.fact = Fact::other('3', sorted[0], sorted[1], sorted[2]);
    d.clue = round == 10 && high < 10
        ? w.say({u"Look: %1 and %2 make 10. Add them first.", u"Regarde : %1 et %2 font 10. Additionne-les d'abord.",
                    u"Fíjate: %1 y %2 suman 10. Súmalos primero."},
            {a, partner})
        : round == 10 ? w.say({u"Look at the ones: %1 and %2 go well together, so add them first.",
                                  u"Regarde les unités : %1 et %2 vont bien ensemble, alors additionne-les d'abord.",
                                  u"Fíjate en las unidades: %1 y %2 van bien juntos, así que súmalos primero."},
              {a, partner})
                      : w.say({u"Notice that %1 and %2 go well together: add them first.",
                                  u"Remarque que %1 et %2 vont bien ensemble : additionne-les d'abord.",
                                  u"Fíjate en que %1 y %2 van bien juntos: súmalos primero."},
                          {a, partner});
    d.mistakes = {d.answer - round, d.answer + round, d.answer - other, d.answer + 1};
    return d;
}

} // namespace

Plan Plans::addition(int level)
{
    if (level == 1) {
        return {
            {4,
                {[](Writer &w) { return sum(w, 2, 7, 1, 5, Carry::Any, false, 10); },
                    [](Writer &w) { return sum(w, 2, 7, 2, 5, Carry::Any, true, 10); }}},
            {4, {[](Writer &w) { return bridging(w, false); }, [](Writer &w) { return bridging(w, true); }}},
            {4,
                {[](Writer &w) {
                     const int a = w.number(1, 6) * 10;
                     return bare(w, a, w.number(1, 3) * 10);
                 },
                    [](Writer &w) { return sum(w, 11, 85, 1, 8, Carry::None, false); },
                    [](Writer &w) {
                        const int a = w.graded(1, 6) * 10;
                        const int b = a + w.number(1, 9);
                        return either(w, b, w.number(1, 3) * 10);
                    }}},
            {4,
                {[](Writer &w) { return sum(w, 14, 88, 3, 8, Carry::Some, false); },
                    [](Writer &w) { return sum(w, 11, 45, 11, 44, Carry::None, true, 99); },
                    [](Writer &w) { return sum(w, 12, 79, 9, 9, Carry::Any, false); }}},
            {4,
                {[](Writer &w) { return sum(w, 15, 59, 13, 39, Carry::Some, false, 99); },
                    [](Writer &w) { return sum(w, 15, 59, 13, 39, Carry::Some, true, 99); },
                    [](Writer &w) { return missing(w, 10, 20, 90); }, [](Writer &w) { return three(w, 10, 2, 9); }}},
        };
    }
    if (level == 2) {
        return {
            {4,
                {[](Writer &w) { return sum(w, 25, 68, 16, 39, Carry::Some, false, 99); },
                    [](Writer &w) {
                        const int a = w.graded(24, 78);
                        return either(w, a, w.number(1, 4) * 10 + 9);
                    },
                    [](Writer &w) { return sum(w, 25, 68, 16, 39, Carry::Some, true, 99); }}},
            {4,
                {[](Writer &w) {
                     const int a = hundredsAndTens(w, w.graded(1, 6));
                     return bare(w, a, hundredsAndTens(w, w.number(1, 3)));
                 },
                    [](Writer &w) {
                        const int a = w.graded(120, 860);
                        return either(w, a, w.number(1, 9) * 10);
                    },
                    [](Writer &w) { return sum(w, 120, 880, 3, 9, Carry::Some, false); }}},
            {4,
                {[](Writer &w) { return sum(w, 135, 760, 26, 89, Carry::Some, false, 999); },
                    [](Writer &w) { return sum(w, 135, 560, 26, 290, Carry::Some, true, 999); },
                    [](Writer &w) { return missing(w, 100, 100, 100); }}},
            {4,
                {[](Writer &w) { return sum(w, 215, 580, 124, 390, Carry::Some, false, 999); },
                    [](Writer &w) { return sum(w, 215, 580, 124, 390, Carry::Some, true, 999); },
                    [](Writer &w) { return three(w, 10, 12, 48); }}},
            {4,
                {[](Writer &w) { return sum(w, 256, 670, 167, 389, Carry::Some, false, 1200); },
                    [](Writer &w) { return either(w, 99, w.graded(146, 780)); },
                    [](Writer &w) {
                        const int a = w.graded(245, 760);
                        return bare(w, a, w.number(1, 2) * 100 + 99);
                    },
                    [](Writer &w) { return missing(w, 100, 300, 1000); }}},
        };
    }
    return {
        {4,
            {[](Writer &w) { return sum(w, 236, 780, 167, 690, Carry::Some, false); },
                [](Writer &w) {
                    const int a = w.graded(345, 2980);
                    return bare(w, a, w.number(1, 5) * 100 + 99);
                },
                [](Writer &w) { return sum(w, 236, 780, 167, 690, Carry::Some, true); }}},
        {4,
            {[](Writer &w) {
                 const int a = w.graded(1200, 6800) / 50 * 50;
                 return bare(w, a, w.number(1, 3) * 1000);
             },
                [](Writer &w) {
                    const int a = w.graded(1250, 5750) / 250 * 250;
                    return bare(w, a, w.number(2, 7) * 250);
                },
                [](Writer &w) { return sum(w, 1234, 6789, 235, 980, Carry::Some, false); }}},
        {4,
            {[](Writer &w) { return sum(w, 1245, 5890, 1167, 3890, Carry::Some, false); },
                [](Writer &w) { return sum(w, 1245, 5890, 1167, 3890, Carry::Some, true); }}},
        {4,
            {[](Writer &w) { return missing(w, 1000, 2000, 10000); },
                [](Writer &w) { return missing(w, 100, 1000, 5000); },
                [](Writer &w) { return three(w, 100, 120, 880); }}},
        {4,
            {[](Writer &w) { return sum(w, 12345, 56789, 3456, 9876, Carry::Some, false); },
                [](Writer &w) { return sum(w, 12345, 45678, 12345, 34567, Carry::Some, true); },
                [](Writer &w) { return sum(w, 23456, 67890, 12345, 29876, Carry::Some, false); }}},
    };
}
