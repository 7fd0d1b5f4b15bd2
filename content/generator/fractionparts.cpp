// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/fractionparts.h"

#include "content/generator/writer.h"

#include <numeric>

namespace FractionParts {

// Percentages that are simple fractions.
Draft percent(Writer &w)
{
    static const QList<std::pair<int, int>> simple{{50, 2}, {25, 4}, {10, 10}, {20, 5}, {75, 4}};
    const auto [rate, bottom] = w.pick(simple);
    const int amount = bottom * w.graded(3, 40) * (bottom == 10 ? 1 : 2);
    const int top = rate * bottom / 100;
    Draft d;
    d.answer = amount * rate / 100;
    d.fact = Fact::part(top, bottom, amount);
    d.text = w.say({u"What is %1% of %2?", u"Combien font %1 % de %2 ?", u"¿Cuánto es el %1 % de %2?"}, {rate, amount});
    d.clue = (w.chance(50) ? w.say({u"Think of %1% as %2 of %3.", u"Dis-toi que %1 % de %3, c'est %2 de %3.",
                                       u"Piensa que el %1 % de %3 es %2 de %3."},
                  {rate})
                           : w.say({u"Per cent means out of 100: %1% of %3 is %2 of %3.",
                                       u"Pour cent veut dire sur 100 : %1 % de %3, c'est %2 de %3.",
                                       u"Por ciento quiere decir de cada 100: el %1 % de %3 es %2 de %3."},
                               {rate}))
                 .arg(f(top, bottom))
                 .arg(amount);
    d.mistakes = {amount - d.answer, d.answer + amount / bottom, rate, d.answer / 10, d.answer + 1};
    return d;
}

// Whole numbers and fractions: "3 3/4 = __/4", "2/9 + 5/9 = __/9", "1 - 3/10 = __/10".
Draft pieceCount(Writer &w)
{
    const int bottom = w.pick(QList<int>{3, 4, 5, 6, 8, 10});
    int top = w.number(1, bottom - 1);
    while (std::gcd(top, bottom) != 1)
        top = w.number(1, bottom - 1);
    const QString piece = Words::pieces(w.tongue(), bottom);
    const Said missing{u"Type the missing number: %1 = __/%2.", u"Tape le nombre qui manque : %1 = __/%2.",
        u"Escribe el número que falta: %1 = __/%2."};
    Draft d;
    switch (w.number(0, 2)) {
    case 0: {
        const int count = w.number(2, 5);
        d.answer = count * bottom + top;
        d.fact = Fact::other('m', count, top, bottom);
        d.text = w.say(missing).arg(QStringLiteral("%1 %2").arg(count).arg(f(top, bottom))).arg(bottom);
        d.clue = w.say({u"Each whole is %1 %2. Count the %2 in %3 wholes, then add %4 more.",
                           u"Chaque unité vaut %1 %2. Compte les %2 de %3 unités, puis ajoute encore %4.",
                           u"Cada entero son %1 %2. Cuenta los %2 de %3 enteros y suma %4 más."})
                     .arg(bottom)
                     .arg(piece)
                     .arg(count)
                     .arg(top);
        d.mistakes = {count * bottom, count + top + bottom, count * top + bottom, d.answer + 1};
        break;
    }
    case 1: {
        const int other = w.number(1, bottom - 1);
        d.answer = top + other;
        d.fact = Fact::other('a', std::min(top, other), std::max(top, other), bottom);
        d.text = w.say(missing).arg(f(top, bottom) + QStringLiteral(" + ") + f(other, bottom)).arg(bottom);
        d.clue = w.say({u"The pieces are all %1, so add the top numbers only.",
                           u"Ce sont tous des %1 : additionne seulement les nombres du haut.",
                           u"Todas las partes son %1: suma solo los números de arriba."})
                     .arg(piece);
        d.mistakes = {d.answer + bottom, 2 * bottom, d.answer + 1, d.answer - 1};
        break;
    }
    default:
        d.answer = bottom - top;
        d.fact = Fact::other('1', top, bottom);
        d.text = w.say(missing).arg(QStringLiteral("1 - ") + f(top, bottom)).arg(bottom);
        d.clue = w.say({u"One whole is %1/%1. Take away %2 of the %3.", u"Une unité, c'est %1/%1. Enlève %2 %3.",
                           u"Un entero es %1/%1. Quita %2 %3."})
                     .arg(bottom)
                     .arg(top)
                     .arg(piece);
        d.mistakes = {top, bottom, d.answer + 1, bottom + top};
        break;
    }
    return d;
}

// Two parts taken from one amount: what is left.
Draft neither(Writer &w)
{
    const int first = w.pick(QList<int>{2, 3, 4, 5});
    int second = w.pick(QList<int>{3, 4, 5, 6, 10});
    while (second == first)
        second = w.pick(QList<int>{3, 4, 5, 6, 10});
    const int amount = first * second / std::gcd(first, second) * w.number(1, 4) * (first == 2 ? 1 : 2);
    Draft d;
    d.answer = amount - amount / first - amount / second;
    d.fact = Fact::other('n', first * 100 + second, amount);
    d.clue = w.say({u"Find 1/%1 of %2 and 1/%3 of %2, then take both away from %2.",
                       u"Cherche 1/%1 de %2 et 1/%3 de %2, puis enlève les deux de %2.",
                       u"Calcula 1/%1 de %2 y 1/%3 de %2, y luego quita las dos partes de %2."},
        {first, amount, second});
    d.mistakes = {amount / first + amount / second, amount - amount / first, amount - amount / second, d.answer + 1};
    if (!w.tell(d, w.bank().twoParts,
            {{amount}, {Words::fraction(w.tongue(), 1, first), Words::fraction(w.tongue(), 1, second)}}))
        d.text.clear(); // too many for any story: drafted again
    return d;
}

} // namespace FractionParts
