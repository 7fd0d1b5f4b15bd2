// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/mistakes.h"
#include "content/generator/numberfacts.h"
#include "content/generator/placevalue.h"
#include "content/generator/writer.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

using PlaceValue::byTemptation;
using PlaceValue::Listed;
using PlaceValue::placeOf;

// The number just after or just before another.
Draft nextTo(Writer &w, int low, int high)
{
    const int n = w.graded(low, high);
    if (w.chance(50)) {
        Draft d = made(w.say({u"What number comes just after %1? Type the number.",
                                 u"Quel nombre vient juste après %1 ? Tape ce nombre.",
                                 u"¿Qué número va justo después del %1? Escribe el número."},
                           {n}),
            n + 1,
            w.say({u"Count on one from %1.", u"Avance de 1 à partir de %1.", u"Cuenta uno más desde el %1."}, {n}),
            {n - 1, n + 2, Mistakes::digitsSwapped(n + 1), n + 10});
        d.fact = Fact::sum(n, 1);
        return d;
    }
    Draft d = made(w.say({u"What number comes just before %1? Type the number.",
                             u"Quel nombre vient juste avant %1 ? Tape ce nombre.",
                             u"¿Qué número va justo antes del %1? Escribe el número."},
                       {n}),
        n - 1,
        w.say(
            {u"Count back one from %1.", u"Recule de 1 à partir de %1.", u"Cuenta uno hacia atrás desde el %1."}, {n}),
        {n + 1, n - 2, n - 10, Mistakes::digitsSwapped(n - 1)});
    d.fact = Fact::sum(n - 1, 1);
    return d;
}

Draft countOn(Writer &w, int low, int high)
{
    const int n = w.graded(low, high);
    const int on = w.number(2, 4);
    Draft d = made(w.say({u"Start at %1 and count on %2. What number do you land on?",
                             u"Pars de %1 et avance de %2. Sur quel nombre arrives-tu ?",
                             u"Empieza en el %1 y cuenta %2 más. ¿A qué número llegas?"},
                       {n, on}),
        n + on,
        w.say({u"Hold %1 in your head and count %2 more on your fingers.",
                  u"Garde %1 dans ta tête et compte encore %2 sur tes doigts.",
                  u"Guarda el %1 en la cabeza y cuenta %2 más con los dedos."},
            {n, on}),
        {n + on - 1, n + on + 1, n - on});
    d.fact = Fact::sum(n, on);
    return d;
}

Draft doubled(Writer &w, int low, int high)
{
    int n = w.graded(low, high);
    if (n >= 10 && n % 10 == 0)
        n += w.number(1, 9);
    const QString clue = n < 10
        ? w.say({u"Double means adding a number to itself: %1 + %1.",
                    u"Le double, c'est le nombre ajouté à lui-même : %1 + %1.",
                    u"El doble es el número sumado a sí mismo: %1 + %1."},
            {n})
        : w.say({u"Double %1 and double %2, then add the two answers.",
                    u"Double %1 et double %2, puis ajoute les deux résultats.",
                    u"Calcula el doble de %1 y el doble de %2, y luego suma los dos resultados."},
            {n / 10 * 10, n % 10});
    Draft d = made(w.say({u"What is double %1?", u"Quel est le double de %1 ?", u"¿Cuál es el doble de %1?"}, {n}),
        2 * n, clue, {Mistakes::carryForgotten(n, n), 2 * n + 2, 2 * n - 2, n + 2});
    d.fact = Fact::sum(n, n);
    return d;
}

// How many tens, hundreds or thousands make a number.
Draft howManyUnits(Writer &w, int unit, int low, int high)
{
    const int count = w.graded(low, high);
    const int place = placeOf(unit);
    const Tongue t = w.tongue();
    QString clue;
    if (count < 10)
        clue = w.say(
            {u"Count in %1s up to %2, and count the steps.", u"Compte de %1 en %1 jusqu'à %2, et compte les bonds.",
                u"Cuenta de %1 en %1 hasta %2 y cuenta los saltos."},
            {unit, count * unit});
    else if (count % 10 == 0)
        clue = w.say({u"Think of %1 as %2. Each %3 is 10 %4.", u"Dans %1, il y a %2. Chaque %3 vaut 10 %4.",
                         u"Piensa en %1 como %2. Cada %3 equivale a 10 %4."},
                    {count * unit})
                   .arg(Methods::counted(t, count / 10, place + 1), Methods::onePlace(t, place + 1).section(u' ', 1),
                       Methods::places(t, place));
    else
        clue =
            w.say({u"Think of %1 as %2 and %3. Each %4 is 10 %5.", u"Dans %1, il y a %2 et %3. Chaque %4 vaut 10 %5.",
                      u"Piensa en %1 como %2 y %3. Cada %4 equivale a 10 %5."},
                 {count * unit})
                .arg(Methods::counted(t, count / 10, place + 1), Methods::counted(t, count % 10, place),
                    Methods::onePlace(t, place + 1).section(u' ', 1), Methods::places(t, place));
    Draft d = made(w.say({u"How many %1 make %2?", u"Combien y a-t-il de %1 dans %2 ?", u"¿Cuántas %1 hay en %2?"})
                       .arg(Methods::places(t, place))
                       .arg(count * unit),
        count, clue, {count * unit, count * 10, count + 1, count - 1, count * unit / 100});
    d.fact = Fact::other('u', unit, count);
    return d;
}

// Which of five numbers is odd (or even); the choice line keeps the three most tempting.
Draft oddOrEven(Writer &w, int high)
{
    const bool odd = w.chance(50);
    const int answer = w.number(5, high / 2) * 2 + (odd ? 1 : 0);
    QList<int> others;
    while (others.size() < Listed - 1) {
        const int other = w.number(5, high / 2) * 2 + (odd ? 0 : 1);
        if (!others.contains(other))
            others.append(other);
    }
    QList<int> shown = others;
    shown.insert(w.number(0, Listed - 1), answer);
    Draft d = made(odd
            ? w.say(
                   {u"Which of these numbers is odd: %1? Type it.", u"Lequel de ces nombres est impair : %1 ? Tape-le.",
                       u"¿Cuál de estos números es impar: %1? Escríbelo."})
                  .arg(w.listed(shown))
            : w.say({u"Which of these numbers is even: %1? Type it.", u"Lequel de ces nombres est pair : %1 ? Tape-le.",
                        u"¿Cuál de estos números es par: %1? Escríbelo."})
                  .arg(w.listed(shown)),
        answer,
        odd ? w.say({u"An odd number cannot be split into two equal groups. Look at the ones digit.",
            u"Un nombre impair ne se partage pas en deux groupes égaux. Regarde le chiffre des "
            u"unités.",
            u"Un número impar no se puede repartir en dos grupos iguales. Fíjate en la cifra de las "
            u"unidades."})
            : w.say({u"An even number can be split into two equal groups. Look at the ones digit.",
                u"Un nombre pair se partage en deux groupes égaux. Regarde le chiffre des unités.",
                u"Un número par se puede repartir en dos grupos iguales. Fíjate en la cifra de las "
                u"unidades."}),
        {});
    d.options = byTemptation(others, answer);
    d.fact = Fact::other('o', answer);
    return d;
}

// The next number of a pattern going up or down, or a missing one inside it.
Draft pattern(Writer &w, const QList<int> &steps, int high)
{
    const int step = w.pick(steps);
    const bool down = w.chance(35);
    const int start = down ? w.number(step * 5, std::max(step * 5, high)) : w.number(1, std::max(1, high - step * 5));
    QList<int> terms;
    for (int i = 0; i < 5; ++i)
        terms.append(down ? start - i * step : start + i * step);
    const QString step01 =
        w.say({u"Find the step: how much is it from %1 to %2?", u"Cherche l'écart : combien y a-t-il de %1 à %2 ?",
                  u"Busca el salto: ¿cuánto hay de %1 a %2?"},
            {terms.at(0), terms.at(1)});
    Draft d;
    d.fact = Fact::other('s', start, down ? -step : step);
    if (w.chance(50)) {
        const int answer = terms.at(3);
        QStringList shown;
        for (int i = 0; i < 5; ++i)
            shown.append(i == 3 ? QStringLiteral("__") : QString::number(terms.at(i)));
        d.answer = answer;
        d.text =
            w.say({u"Type the missing number in the pattern: %1.", u"Tape le nombre qui manque dans la suite : %1.",
                      u"Escribe el número que falta en la serie: %1."})
                .arg(shown.join(QStringLiteral(", ")));
        d.clue = step01;
        d.mistakes = {answer + 1, answer - 1, answer + step, answer - step};
        return d;
    }
    const int answer = terms.takeLast();
    QStringList shown;
    for (int term : terms)
        shown.append(QString::number(term));
    const QString listed = shown.join(QStringLiteral(", "));
    d.answer = answer;
    d.text = down
        ? w.say({u"Count back in %1s: %2, ... What number comes next?",
                    u"Recule de %1 en %1 : %2... Quel nombre vient ensuite ?",
                    u"Cuenta hacia atrás de %1 en %1: %2... ¿Qué número viene después?"},
               {step})
              .arg(listed)
        : w.say({u"What is the next number in the pattern %1, ...?", u"Quel nombre vient ensuite dans la suite %1... ?",
                    u"¿Qué número sigue en la serie %1...?"})
              .arg(listed);
    d.clue = down
        ? w.say({u"Take %1 away from the last number.", u"Enlève %1 au dernier nombre.", u"Quita %1 al último número."},
            {step})
        : step01;
    const int back = down ? -1 : 1;
    d.mistakes = {answer + back, answer + back * step, answer - back * step, answer - back};
    return d;
}

// Exactly halfway between two numbers.
Draft halfway(Writer &w, int step, int low, int high)
{
    const int gap = w.number(1, 4) * 2 * step;
    const int a = w.graded(low / step, (high - gap) / step) * step;
    const int middle = a + gap / 2;
    Draft d = made(w.say({u"What number is exactly halfway between %1 and %2?",
                             u"Quel nombre se trouve exactement au milieu entre %1 et %2 ?",
                             u"¿Qué número está justo en medio entre %1 y %2?"},
                       {a, a + gap}),
        middle,
        w.say({u"The gap from %1 to %2 is %3. Half of it takes you from %1 to the middle.",
                  u"L'écart entre %1 et %2 est de %3. La moitié de cet écart mène de %1 au milieu.",
                  u"La distancia de %1 a %2 es %3. La mitad de esa distancia te lleva de %1 al medio."},
            {a, a + gap, gap}),
        {2 * a + gap, middle + step / 2 * (step >= 10 ? 1 : 2), middle - step, middle + step});
    d.fact = Fact::other('h', a, a + gap);
    return d;
}

} // namespace

Plan Plans::numberSkills(int level)
{
    if (level == 1) {
        return {
            {4,
                {[](Writer &w) { return nextTo(w, 5, 59); }, [](Writer &w) { return countOn(w, 3, 25); },
                    [](Writer &w) { return doubled(w, 2, 9); }}},
            {4,
                {[](Writer &w) { return doubled(w, 6, 15); }, [](Writer &w) { return howManyUnits(w, 10, 2, 9); },
                    [](Writer &w) { return oddOrEven(w, 40); }}},
            {4,
                {[](Writer &w) { return PlaceValue::moreOrLess(w, 10, 11, 89); },
                    [](Writer &w) {
                        return pattern(w, {2, 5, 10}, 40);
                    }}},
            {4,
                {[](Writer &w) { return PlaceValue::partition(w, 21, 98); }, [](Writer &w) { return PlaceValue::ordering(w, 2); },
                    [](Writer &w) { return PlaceValue::tensAndOnes(w); }}},
            {4,
                {[](Writer &w) {
                     return pattern(w, {2, 3, 5, 10}, 60);
                 },
                    [](Writer &w) { return halfway(w, 2, 10, 40); }, [](Writer &w) { return PlaceValue::placeValue(w, 12, 98); },
                    [](Writer &w) { return doubled(w, 11, 25); }}},
        };
    }
    if (level == 2) {
        return {
            {4,
                {[](Writer &w) { return PlaceValue::placeValue(w, 123, 987); },
                    [](Writer &w) { return PlaceValue::moreOrLess(w, 100, 120, 899); },
                    [](Writer &w) { return PlaceValue::moreOrLess(w, 10, 102, 989); }}},
            {4,
                {[](Writer &w) { return PlaceValue::rounding(w, 10, 101, 989); },
                    [](Writer &w) { return PlaceValue::rounding(w, 100, 120, 980); }, [](Writer &w) { return PlaceValue::ordering(w, 3); }}},
            {4,
                {[](Writer &w) {
                     return pattern(w, {3, 4, 6, 8, 25, 50}, 200);
                 },
                    [](Writer &w) { return PlaceValue::fromDigits(w, 3); },
                    [](Writer &w) { return howManyUnits(w, 100, 12, 45); }}},
            {4,
                {[](Writer &w) { return halfway(w, 10, 100, 990); }, [](Writer &w) { return doubled(w, 26, 49); },
                    [](Writer &w) {
                        return pattern(w, {7, 9, 25, 50, 100}, 500);
                    }}},
            {4,
                {[](Writer &w) { return NumberFacts::romanNumerals(w, 4, 50); },
                    [](Writer &w) { return NumberFacts::temperature(w, 10); },
                    [](Writer &w) { return PlaceValue::moreOrLess(w, 1000, 1200, 8900); }}},
        };
    }
    return {
        {4,
            {[](Writer &w) { return PlaceValue::placeValue(w, 10234, 98765); },
                [](Writer &w) { return PlaceValue::rounding(w, 1000, 1100, 9900); },
                [](Writer &w) { return PlaceValue::rounding(w, 100, 1010, 9990); }}},
        {4,
            {[](Writer &w) { return NumberFacts::inDigits(w, 1001, 99999); },
                [](Writer &w) { return NumberFacts::temperature(w, 20); }, [](Writer &w) { return PlaceValue::fromDigits(w, 4); }}},
        {4,
            {[](Writer &w) { return NumberFacts::whichIs(w, 99); }, [](Writer &w) { return NumberFacts::powers(w); },
                [](Writer &w) { return howManyUnits(w, 1000, 12, 95); }}},
        {4,
            {[](Writer &w) { return NumberFacts::romanNumerals(w, 40, 1999); },
                [](Writer &w) { return halfway(w, 100, 1000, 9900); },
                [](Writer &w) { return NumberFacts::belowZero(w); }}},
        {4,
            {[](Writer &w) { return NumberFacts::common(w); }, [](Writer &w) { return NumberFacts::whichIs(w, 150); },
                [](Writer &w) {
                    return pattern(w, {15, 25, 75, 125, 250}, 2000);
                }}},
    };
}
