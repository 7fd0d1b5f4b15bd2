// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/mistakes.h"
#include "content/generator/writer.h"

#include <algorithm>

namespace {

enum class Exchange { Any, None, Some };

bool exchanges(int a, int b)
{
    return Mistakes::smallerFromLarger(a, b) != a - b;
}

Draft bare(Writer &w, int a, int b)
{
    Draft d = Methods::takingAway(w, a, b);
    d.text = w.say({u"What is %1 - %2?", u"Combien font %1 - %2 ?", u"¿Cuánto es %1 - %2?"}, {a, b});
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
        return bare(w, a, b);
    Draft d = Methods::takingAway(w, a, b);
    return w.tell(d, w.bank().takingAway, {{a, b}}) ? d : bare(w, a, b);
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
    Draft d = Methods::takingAway(w, a, b);
    const bool smallerFirst = w.chance(50);
    d.text = w.say({u"What is the difference between %1 and %2?", u"Quel est l'écart entre %1 et %2 ?",
                       u"¿Cuál es la diferencia entre %1 y %2?"},
        {smallerFirst ? b : a, smallerFirst ? a : b});
    if (a - b <= 100 || w.chance(50))
        d.clue = Methods::countingUp(w, b, a);
    return d;
}

// a - __ = c.
Draft missing(Writer &w, int low, int high)
{
    const int a = w.graded(low, high);
    const int b = w.number(std::max(2, a / 5), a - std::max(2, a / 5));
    Draft d;
    d.answer = b;
    d.fact = Fact::difference(a, b);
    d.text = w.say({u"Type the missing number: %1 - __ = %2.", u"Tape le nombre qui manque : %1 - __ = %2.",
                       u"Escribe el número que falta: %1 - __ = %2."},
        {a, a - b});
    d.clue = a < 100 ? Methods::countingUp(w, a - b, a)
                     : w.say({u"Take %1 away from %2: what is left is the missing number.",
                                 u"Enlève %1 à %2 : ce qui reste est le nombre qui manque.",
                                 u"Quita %1 a %2: lo que queda es el número que falta."},
                         {a - b, a});
    d.mistakes = {a + (a - b), b + 1, b - 1, b + 10};
    return d;
}

} // namespace

// A bare question on a drawn from its window first, then b.
template <typename First, typename Second> Draft drawn(Writer &w, First first, Second second)
{
    const int a = first(w);
    return bare(w, a, second(w));
}

Plan Plans::subtraction(int level)
{
    if (level == 1) {
        return {
            {4,
                {[](Writer &w) { return difference(w, 5, 10, 2, 5, Exchange::None, false); },
                    [](Writer &w) { return difference(w, 5, 10, 2, 5, Exchange::None, true); }}},
            {4,
                {[](Writer &w) { return difference(w, 13, 19, 2, 6, Exchange::None, false); },
                    [](Writer &w) { return difference(w, 11, 18, 2, 9, Exchange::Some, false); },
                    [](Writer &w) { return difference(w, 11, 18, 3, 9, Exchange::Some, true); }}},
            {4,
                {[](Writer &w) {
                     return drawn(
                         w, [](Writer &v) { return v.graded(4, 9) * 10; },
                         [](Writer &v) { return v.number(1, 3) * 10; });
                 },
                    [](Writer &w) { return difference(w, 25, 99, 2, 8, Exchange::None, false); },
                    [](Writer &w) { return between(w, 8, 30); }}},
            {4,
                {[](Writer &w) { return missing(w, 11, 20); },
                    [](Writer &w) { return difference(w, 36, 89, 11, 45, Exchange::None, true); },
                    [](Writer &w) {
                        return drawn(
                            w,
                            [](Writer &v) {
                                const int tens = v.graded(4, 9) * 10;
                                return tens + v.number(1, 9);
                            },
                            [](Writer &v) { return v.number(1, 3) * 10; });
                    }}},
            {4,
                {[](Writer &w) { return difference(w, 21, 95, 3, 9, Exchange::Some, false); },
                    [](Writer &w) { return difference(w, 41, 98, 12, 39, Exchange::None, false); },
                    [](Writer &w) { return round(w, w.number(3, 10) * 10, 11, 29, false); },
                    [](Writer &w) { return difference(w, 31, 60, 11, 28, Exchange::Some, true); }}},
        };
    }
    if (level == 2) {
        return {
            {4,
                {[](Writer &w) { return difference(w, 41, 98, 13, 39, Exchange::Some, false); },
                    [](Writer &w) { return round(w, 100, 11, 89, false); },
                    [](Writer &w) { return difference(w, 41, 98, 13, 39, Exchange::Some, true); }}},
            {4,
                {[](Writer &w) {
                     return drawn(
                         w,
                         [](Writer &v) {
                             const int hundreds = v.graded(3, 9) * 100;
                             return hundreds + v.number(1, 9) * 10;
                         },
                         [](Writer &v) {
                             const int hundreds = v.number(1, 2) * 100;
                             return hundreds + v.number(1, 9) * 10;
                         });
                 },
                    [](Writer &w) { return difference(w, 201, 905, 3, 9, Exchange::Some, false); },
                    [](Writer &w) { return between(w, 30, 120); }}},
            {4,
                {[](Writer &w) { return difference(w, 120, 980, 18, 89, Exchange::Some, false); },
                    [](Writer &w) { return difference(w, 60, 400, 21, 199, Exchange::Some, true); },
                    [](Writer &w) { return missing(w, 40, 100); }}},
            {4,
                {[](Writer &w) { return difference(w, 350, 980, 115, 340, Exchange::Some, false); },
                    [](Writer &w) { return difference(w, 350, 980, 115, 340, Exchange::Some, true); },
                    [](Writer &w) { return round(w, w.number(2, 9) * 100, 101, 199, false); }}},
            {4,
                {[](Writer &w) { return round(w, 1000, 111, 889, false); },
                    [](Writer &w) { return difference(w, 412, 960, 158, 389, Exchange::Some, false); },
                    [](Writer &w) { return difference(w, 412, 960, 158, 389, Exchange::Some, true); },
                    [](Writer &w) { return round(w, w.number(2, 9) * 100, 121, 199, true); }}},
        };
    }
    return {
        {4,
            {[](Writer &w) { return difference(w, 412, 960, 158, 389, Exchange::Some, false); },
                [](Writer &w) {
                    return drawn(
                        w, [](Writer &v) { return v.graded(30, 95) * 100; },
                        [](Writer &v) { return v.number(11, 29) * 100; });
                },
                [](Writer &w) { return round(w, 1000, 111, 889, true); }}},
        {4,
            {[](Writer &w) {
                 return drawn(
                     w, [](Writer &v) { return v.graded(2100, 9800); },
                     [](Writer &v) {
                         return v.pick(QList<int>{99, 199, 999});
                     });
             },
                [](Writer &w) { return difference(w, 2100, 9800, 312, 989, Exchange::Some, false); },
                [](Writer &w) { return between(w, 1200, 5000); }}},
        {4,
            {[](Writer &w) { return difference(w, 3200, 9800, 1125, 3899, Exchange::Some, false); },
                [](Writer &w) { return difference(w, 3200, 9800, 1125, 3899, Exchange::Some, true); }}},
        {4,
            {[](Writer &w) { return round(w, 10000, 1111, 8888, false); },
                [](Writer &w) {
                    return drawn(
                        w,
                        [](Writer &v) {
                            const int hundreds = v.graded(20, 90) * 100;
                            return hundreds + v.number(1, 9);
                        },
                        [](Writer &v) { return v.number(1112, 1989); });
                },
                [](Writer &w) { return missing(w, 1000, 5000); }}},
        {4,
            {[](Writer &w) { return difference(w, 23456, 89765, 5678, 19876, Exchange::Some, false); },
                [](Writer &w) { return difference(w, 23456, 89765, 5678, 19876, Exchange::Some, true); },
                [](Writer &w) { return round(w, w.number(2, 9) * 10000, 1234, 9876, false); }}},
    };
}
