// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/writer.h"

namespace {

Draft bare(Writer &w, int a, int b)
{
    Draft d = Methods::dividing(w, a, b);
    d.text =
        w.say({u"What is %1 divided by %2?", u"Combien font %1 divisé par %2 ?", u"¿Cuánto es %1 dividido entre %2?"},
            {a, b});
    return d;
}

// Groups counted out: in steps of their size, on a number line or as groups.
QString countSteps(Writer &w, int step, int to)
{
    static const Said ways[] = {
        {u"Count in %1s until you reach %2, and count the steps.",
            u"Compte de %1 en %1 jusqu'à %2, et compte les bonds.",
            u"Cuenta de %1 en %1 hasta llegar a %2 y cuenta los saltos."},
        {u"On a number line, jump in %1s from 0 to %2. How many jumps is that?",
            u"Sur la file numérique, fais des bonds de %1 de 0 jusqu'à %2. Combien de bonds fais-tu ?",
            u"En la recta numérica, da saltos de %1 en %1 desde 0 hasta %2. ¿Cuántos saltos das?"},
        {u"Make groups of %1 until all %2 are used, and count the groups.",
            u"Avec les %2, fais des groupes de %1, puis compte les groupes.",
            u"Reparte los %2 en grupos de %1 y cuenta los grupos."},
    };
    return w.say(ways[w.number(0, 2)], {step, to});
}

// The quotient from low to high, the divisor one of these.
Draft quotient(Writer &w, const QList<int> &divisors, int low, int high, bool asStory)
{
    const int b = w.pick(divisors);
    const int a = b * w.graded(low, high);
    if (!asStory)
        return bare(w, a, b);
    Draft d = Methods::dividing(w, a, b);
    const bool groups = w.chance(50);
    if (!w.tell(d, groups ? w.bank().grouping : w.bank().sharing, {{a, b}})
        && !w.tell(d, groups ? w.bank().sharing : w.bank().grouping, {{a, b}}))
        return bare(w, a, b);
    // Groups are counted out: the clue counts in the size of a group.
    if (groups && b <= 12 && a / b <= 10 && b != 10)
        d.clue = countSteps(w, b, a);
    return d;
}

// A quotient that is a multiple of ten: 360 divided by 12.
Draft roundQuotient(Writer &w, const QList<int> &divisors, int low, int high)
{
    const int b = w.pick(divisors);
    return bare(w, b * w.graded(low, high) * 10, b);
}

// By 10, 100 or 1000, with answers in the hundreds.
Draft placeValue(Writer &w)
{
    const int b = w.pick(QList<int>{10, 100, 1000});
    const int q = w.graded(12, b == 1000 ? 95 : 950);
    return bare(w, q * b, b);
}

Draft howMany(Writer &w, const QList<int> &divisors, int low, int high)
{
    const int b = w.pick(divisors);
    const int a = b * w.graded(low, high);
    Draft d = Methods::dividing(w, a, b);
    d.text = w.say(
        {u"How many %1s make %2?", u"Combien de fois %1 faut-il pour faire %2 ?", u"¿Cuántas veces cabe el %1 en %2?"},
        {b, a});
    d.clue = countSteps(w, b, a);
    return d;
}

// a divided by __ = q.
Draft missing(Writer &w, const QList<int> &divisors, int low, int high)
{
    const int b = w.pick(divisors);
    const int q = w.graded(low, high);
    Draft d;
    d.answer = b;
    d.fact = Fact::product(b, q);
    d.text = w.say(
        {u"Type the missing number: %1 divided by __ = %2.", u"Tape le nombre qui manque : %1 divisé par __ = %2.",
            u"Escribe el número que falta: %1 dividido entre __ = %2."},
        {b * q, q});
    d.clue = w.say({u"Which number times %1 makes %2?", u"Quel nombre multiplié par %1 donne %2 ?",
                       u"¿Qué número multiplicado por %1 da %2?"},
        {q, b * q});
    d.mistakes = {q, b + 1, b - 1, b * q - q};
    return d;
}

// A division that does not come out exactly: the remainder, or the whole
// groups, or the groups needed for everything.
Draft leftOver(Writer &w, const QList<int> &divisors, int low, int high)
{
    const int b = w.pick(divisors);
    const int q = w.graded(low, high);
    const int r = w.number(1, b - 1);
    const int a = b * q + r;
    Draft d;
    d.fact = Fact::other('r', a, b);
    const int kind = w.number(0, 2);
    if (kind == 1) {
        d.answer = q;
        d.clue = w.say({u"Work out %1 divided by %2. What is left over is not enough for one more.",
                           u"Calcule %1 divisé par %2. Ce qui reste ne suffit pas pour en faire un de plus.",
                           u"Calcula %1 dividido entre %2. Lo que sobra no alcanza para uno más."},
            {a, b});
        d.mistakes = {q + 1, r, q - 1, q + r};
        if (w.tell(d, w.bank().filled, {{a, b}}))
            return d;
    } else if (kind == 2) {
        d.answer = q + 1;
        d.clue = w.say({u"Work out %1 divided by %2. If there is a remainder, you need one more.",
                           u"Calcule %1 divisé par %2. S'il y a un reste, ajoute 1 au résultat.",
                           u"Calcula %1 dividido entre %2. Si sobra algo, suma 1 al resultado."},
            {a, b});
        d.mistakes = {q, q + 2, r, q - 1};
        if (w.tell(d, w.bank().needed, {{a, b}}))
            return d;
    }
    d = Draft{};
    d.fact = Fact::other('r', a, b);
    d.answer = r;
    d.text = w.say({u"What is the remainder when %1 is divided by %2?",
                       u"Quel est le reste quand on divise %1 par %2 ?", u"¿Cuál es el resto de dividir %1 entre %2?"},
        {a, b});
    d.clue = w.say({u"Find the biggest number in the %1 times table that is not more than %2.",
                       u"Cherche le plus grand nombre de la table de %1 qui ne dépasse pas %2.",
                       u"Busca el mayor número de la tabla del %1 que no pase de %2."},
        {b, a});
    d.mistakes = {q, r + 1, b - r, r - 1};
    return d;
}

} // namespace

Plan Plans::division(int level)
{
    if (level == 1) {
        // Young children's numbers are few, so most questions are stories, which vary more.
        return {
            {4,
                {[](Writer &w) { return quotient(w, {2}, 2, 8, false); },
                    [](Writer &w) { return quotient(w, {2}, 2, 8, true); },
                    [](Writer &w) { return quotient(w, {2}, 3, 10, true); }}},
            {4,
                {[](Writer &w) {
                     return quotient(w, {5, 10}, 2, 6, true);
                 },
                    [](Writer &w) {
                        return howMany(w, {2, 5, 10}, 2, 10);
                    },
                    [](Writer &w) { return quotient(w, {10}, 2, 10, true); }}},
            {4,
                {[](Writer &w) {
                     return quotient(w, {2, 5}, 4, 10, false);
                 },
                    [](Writer &w) {
                        return quotient(w, {2, 5, 10}, 3, 8, true);
                    },
                    [](Writer &w) {
                        return quotient(w, {2, 5}, 3, 10, true);
                    }}},
            {4,
                {[](Writer &w) {
                     return quotient(w, {3, 4}, 2, 6, true);
                 },
                    [](Writer &w) {
                        return howMany(w, {3, 4}, 2, 8);
                    },
                    [](Writer &w) {
                        return quotient(w, {3, 4}, 2, 8, false);
                    }}},
            {4,
                {[](Writer &w) {
                     return quotient(w, {2, 5, 10}, 6, 12, true);
                 },
                    [](Writer &w) {
                        return quotient(w, {3, 4}, 4, 10, true);
                    },
                    [](Writer &w) {
                        return howMany(w, {2, 5, 10}, 6, 12);
                    }}},
        };
    }
    if (level == 2) {
        return {
            {4,
                {[](Writer &w) {
                     return quotient(w, {3, 4, 8}, 3, 12, false);
                 },
                    [](Writer &w) {
                        return quotient(w, {3, 4, 8}, 3, 12, true);
                    }}},
            {4,
                {[](Writer &w) {
                     return quotient(w, {6, 7, 9}, 3, 12, false);
                 },
                    [](Writer &w) {
                        return quotient(w, {6, 7, 9}, 3, 12, true);
                    },
                    [](Writer &w) {
                        return quotient(w, {11, 12}, 3, 12, false);
                    }}},
            {4,
                {[](Writer &w) {
                     return quotient(w, {10, 100}, 3, 25, false);
                 },
                    [](Writer &w) {
                        return missing(w, {6, 7, 8, 9}, 3, 9);
                    },
                    [](Writer &w) {
                        return quotient(w, {3, 4, 5, 6}, 4, 12, true);
                    }}},
            {4,
                {[](Writer &w) {
                     return leftOver(w, {3, 4, 5, 6}, 3, 9);
                 },
                    [](Writer &w) {
                        return leftOver(w, {4, 5, 6, 7, 8}, 4, 9);
                    }}},
            {4,
                {[](Writer &w) {
                     return quotient(w, {2, 3, 4, 5}, 13, 32, false);
                 },
                    [](Writer &w) {
                        return quotient(w, {3, 4, 6}, 13, 24, true);
                    },
                    [](Writer &w) {
                        return quotient(w, {6, 7, 8}, 12, 16, false);
                    }}},
        };
    }
    return {
        {4,
            {[](Writer &w) {
                 return quotient(w, {3, 4, 6, 7}, 13, 29, false);
             },
                [](Writer &w) {
                    return missing(w, {7, 8, 9, 11, 12}, 6, 12);
                },
                [](Writer &w) {
                    return quotient(w, {11, 12}, 6, 12, true);
                }}},
        {4,
            {[](Writer &w) {
                 return quotient(w, {3, 4, 5, 6, 7, 8, 9}, 104, 189, false);
             },
                [](Writer &w) {
                    return quotient(w, {3, 4, 5, 6, 7, 8}, 34, 123, true);
                }}},
        {4,
            {[](Writer &w) { return placeValue(w); },
                [](Writer &w) {
                    return roundQuotient(w, {3, 4, 6, 7, 8, 12}, 2, 9);
                },
                [](Writer &w) {
                    return leftOver(w, {6, 7, 8, 9, 12}, 8, 30);
                }}},
        {4,
            {[](Writer &w) {
                 return quotient(w, {4, 6, 7, 8, 9}, 215, 999, false);
             },
                [](Writer &w) {
                    return leftOver(w, {12, 15, 20, 25}, 6, 40);
                }}},
        {4,
            {[](Writer &w) {
                 return quotient(w, {13, 14, 15, 16, 24, 25}, 12, 48, false);
             },
                [](Writer &w) {
                    return quotient(w, {12, 15, 16, 24}, 12, 40, true);
                }}},
    };
}
