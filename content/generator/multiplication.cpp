// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/writer.h"

namespace {

Draft bare(Writer &w, int a, int b)
{
    Draft d = Methods::multiplying(w, a, b);
    d.text = w.say({u"What is %1 x %2?", u"Combien font %1 x %2 ?", u"¿Cuánto es %1 x %2?"}, {a, b});
    return d;
}

// A times-table fact from one of the tables, the other number from low to high.
Draft fact(Writer &w, const QList<int> &tables, int low, int high)
{
    const int table = w.pick(tables);
    const int other = w.graded(low, high);
    return w.chance(50) ? bare(w, table, other) : bare(w, other, table);
}

// b groups of a.
Draft groups(Writer &w, int a, int b)
{
    Draft d = Methods::multiplying(w, a, b);
    return w.tell(d, w.bank().groups, {{a, b}}) ? d : bare(w, a, b);
}

Draft story(Writer &w, const QList<int> &tables, int low, int high)
{
    const int a = w.pick(tables);
    return groups(w, a, w.graded(low, high));
}

// Groups of a number from its window, b from its range.
Draft drawnGroups(Writer &w, int aLow, int aHigh, int bLow, int bHigh)
{
    const int a = w.graded(aLow, aHigh);
    return groups(w, a, w.number(bLow, bHigh));
}

// a from its window times b from its range, each times its own step: 30 x 7, 50 x 6.
Draft drawn(Writer &w, int aLow, int aHigh, int bLow, int bHigh, int aStep = 1, int bStep = 1)
{
    const int a = w.graded(aLow, aHigh) * aStep;
    return bare(w, a, w.number(bLow, bHigh) * bStep);
}

// Legs, wheels, fingers or days, each of them counting in one of the tables.
Draft legs(Writer &w, const QList<int> &tables, int low, int high)
{
    QList<Count> chosen;
    for (const Count &count : w.bank().counts) {
        if (tables.contains(count.each))
            chosen.append(count);
    }
    const Count count = w.pick(chosen);
    const int b = w.graded(low, high);
    Draft d = Methods::multiplying(w, count.each, b);
    d.text = QString::fromUtf16(count.question).arg(b);
    d.story = count.question;
    const QString one = QString::fromUtf16(count.one);
    d.clue = one + QLatin1Char(' ')
        + (count.each <= 5 || b <= 5
                ? w.say({u"Count in %1s, %2 times.", u"Compte de %1 en %1, %2 fois.", u"Cuenta de %1 en %1, %2 veces."},
                    {count.each, b})
                : d.clue);
    return d;
}

// a x __ = p.
Draft missing(Writer &w, const QList<int> &tables, int low, int high)
{
    const int a = w.pick(tables);
    const int b = w.graded(low, high);
    Draft d;
    d.answer = b;
    d.fact = Fact::product(a, b);
    d.text = w.say({u"Type the missing number: %1 x __ = %2.", u"Tape le nombre qui manque : %1 x __ = %2.",
                       u"Escribe el número que falta: %1 x __ = %2."},
        {a, a * b});
    d.clue = a <= 5 || b <= 5
        ? w.say({u"Count in %1s until you reach %2, and count the steps.",
                    u"Compte de %1 en %1 jusqu'à %2, et compte les bonds.",
                    u"Cuenta de %1 en %1 hasta llegar a %2 y cuenta los saltos."},
            {a, a * b})
        : w.say({u"Say the %1 times table until you reach %2.", u"Récite la table de %1 jusqu'à trouver %2.",
                    u"Repasa la tabla del %1 hasta encontrar %2."},
            {a, a * b});
    d.mistakes = {b + 1, b - 1, a * b - a, a * b / 10};
    return d;
}

Draft squared(Writer &w, int low, int high)
{
    const int a = w.graded(low, high);
    Draft d = Methods::multiplying(w, a, a);
    d.text = w.say({u"What is %1 squared?", u"Combien vaut %1 au carré ?", u"¿Cuánto es %1 al cuadrado?"}, {a});
    d.clue = w.say({u"To square a number, multiply it by itself: %1 x %1.",
                       u"Un nombre au carré, c'est ce nombre multiplié par lui-même : %1 x %1.",
                       u"Elevar al cuadrado es multiplicar un número por sí mismo: %1 x %1."},
                 {a})
        + QLatin1Char(' ') + d.clue;
    d.mistakes.prepend(2 * a);
    return d;
}

} // namespace

Plan Plans::multiplication(int level)
{
    if (level == 1) {
        return {
            {4,
                {[](Writer &w) {
                     return fact(w, {2, 5, 10}, 2, 10);
                 },
                    [](Writer &w) {
                        return story(w, {2, 5, 10}, 2, 6);
                    }}},
            {4,
                {[](Writer &w) {
                     return fact(w, {2, 10}, 3, 10);
                 },
                    [](Writer &w) {
                        return legs(w, {2, 4, 5}, 2, 6);
                    },
                    [](Writer &w) {
                        return story(w, {2, 5, 10}, 2, 8);
                    }}},
            {4,
                {[](Writer &w) { return fact(w, {5}, 3, 10); },
                    [](Writer &w) {
                        return story(w, {3, 4}, 2, 8);
                    },
                    [](Writer &w) {
                        return fact(w, {3, 4}, 2, 8);
                    }}},
            {4,
                {[](Writer &w) {
                     return fact(w, {3, 4}, 4, 10);
                 },
                    [](Writer &w) {
                        return legs(w, {2, 3, 4, 5}, 3, 8);
                    },
                    [](Writer &w) {
                        return missing(w, {2, 5, 10}, 3, 10);
                    }}},
            {4,
                {[](Writer &w) {
                     return fact(w, {2, 3, 4, 5, 10}, 6, 10);
                 },
                    [](Writer &w) {
                        return story(w, {3, 4, 5}, 6, 10);
                    },
                    [](Writer &w) {
                        return missing(w, {3, 4}, 3, 10);
                    }}},
        };
    }
    if (level == 2) {
        return {
            {4,
                {[](Writer &w) {
                     return fact(w, {3, 4, 8}, 4, 12);
                 },
                    [](Writer &w) {
                        return legs(w, {3, 4, 6, 7, 8}, 3, 12);
                    },
                    [](Writer &w) {
                        return story(w, {3, 4, 8}, 3, 10);
                    }}},
            {4,
                {[](Writer &w) {
                     return fact(w, {6, 7, 9}, 3, 12);
                 },
                    [](Writer &w) {
                        return story(w, {6, 7, 9}, 3, 10);
                    },
                    [](Writer &w) {
                        return fact(w, {11, 12}, 3, 12);
                    }}},
            {4,
                {[](Writer &w) {
                     return missing(w, {6, 7, 8, 9}, 3, 12);
                 },
                    [](Writer &w) { return drawn(w, 2, 9, 2, 9, 10); },
                    [](Writer &w) {
                        return fact(w, {6, 7, 8, 9, 11, 12}, 6, 12);
                    }}},
            {4,
                {[](Writer &w) { return drawn(w, 13, 25, 2, 5); },
                    [](Writer &w) {
                        return story(w, {2, 3, 4, 5, 6}, 12, 25);
                    },
                    [](Writer &w) {
                        return missing(w, {11, 12}, 3, 12);
                    }}},
            {4,
                {[](Writer &w) { return drawn(w, 23, 98, 3, 9); },
                    [](Writer &w) {
                        return story(w, {3, 4, 5, 6, 7, 8, 9}, 14, 48);
                    },
                    [](Writer &w) {
                        const int a = w.pick(QList<int>{25, 50});
                        return bare(w, a, w.number(2, 4) * 2);
                    }}},
        };
    }
    return {
        {4,
            {[](Writer &w) { return drawn(w, 23, 98, 4, 9); }, [](Writer &w) { return bare(w, w.graded(12, 99), 100); },
                [](Writer &w) {
                    return missing(w, {6, 7, 8, 9, 11, 12}, 6, 12);
                }}},
        {4,
            {[](Writer &w) { return drawn(w, 124, 789, 3, 9); },
                [](Writer &w) {
                    return story(w, {3, 4, 5, 6, 7, 8, 9}, 112, 389);
                },
                [](Writer &w) { return squared(w, 6, 15); }}},
        {4,
            {[](Writer &w) { return drawn(w, 21, 79, 11, 19); },
                [](Writer &w) { return drawnGroups(w, 21, 69, 12, 19); },
                [](Writer &w) { return drawn(w, 12, 95, 2, 9, 1, 10); }}},
        {4,
            {[](Writer &w) { return drawn(w, 34, 98, 23, 89); },
                [](Writer &w) { return drawnGroups(w, 32, 98, 21, 49); }}},
        {4,
            {[](Writer &w) { return drawn(w, 123, 789, 21, 89); }, [](Writer &w) { return drawn(w, 1234, 8765, 3, 9); },
                [](Writer &w) { return drawnGroups(w, 125, 480, 12, 48); }}},
    };
}
