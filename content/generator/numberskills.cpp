// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/mistakes.h"
#include "content/generator/numberfacts.h"
#include "content/generator/writer.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

constexpr int Listed = 5; // numbers a "which of these" question lists

// The place of a step: 10 the tens (1), 100 the hundreds (2)...
int placeOf(int step)
{
    int place = 0;
    for (; step >= 10; step /= 10)
        ++place;
    return place;
}

// The listed numbers, the ones closest to the answer first: the most tempting.
QList<int> byTemptation(QList<int> numbers, int answer)
{
    std::stable_sort(
        numbers.begin(), numbers.end(), [answer](int x, int y) { return std::abs(x - answer) < std::abs(y - answer); });
    return numbers;
}

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

// 10, 100 or 1000 more or less than a number: only one digit changes, or the
// one on its left too when it goes past 9 or below 0.
Draft moreOrLess(Writer &w, int step, int low, int high)
{
    const int n = w.graded(low, high);
    const bool more = w.chance(50);
    const int place = placeOf(step);
    const int digit = Methods::digitAt(n, place);
    const int result = more ? n + step : n - step;
    const Tongue t = w.tongue();
    Draft d;
    d.answer = result;
    d.fact = more ? Fact::sum(n, step) : Fact::difference(n, step);
    d.text = more ? w.say({u"What number is %1 more than %2?", u"Ajoute %1 à %2. Quel nombre obtiens-tu ?",
                              u"¿Qué número obtienes si sumas %1 a %2?"},
                 {step, n})
                  : w.say({u"What number is %1 less than %2?", u"Enlève %1 à %2. Quel nombre obtiens-tu ?",
                              u"¿Qué número obtienes si restas %1 a %2?"},
                      {step, n});
    const QString digitName = Methods::places(t, place);
    if ((more && digit < 9) || (!more && digit > 0)) {
        d.clue = more
            ? w.say({u"Only the %1 digit changes: it goes up by one. The other digits stay the same.",
                        u"Seul le chiffre des %1 change : il augmente de 1. Les autres chiffres ne changent "
                        u"pas.",
                        u"Solo cambia la cifra de las %1: sube uno. Las demás cifras no cambian."})
                  .arg(digitName)
            : w.say({u"Only the %1 digit changes: it goes down by one. The other digits stay the same.",
                        u"Seul le chiffre des %1 change : il diminue de 1. Les autres chiffres ne changent pas.",
                        u"Solo cambia la cifra de las %1: baja uno. Las demás cifras no cambian."})
                  .arg(digitName);
        d.claims.append({Claim::Kept, n, result, EveryPlace & ~(1 << place)});
    } else if (more) {
        d.clue =
            w.say({u"In %1 the %2 digit is 9: adding %3 makes ten %2, so the %4 digit goes up by one and the %2 "
                   u"digit becomes 0.",
                      u"Dans %1, le chiffre des %2 est 9 : en ajoutant %3, on arrive à dix %2, donc le chiffre des %4 "
                      u"augmente de 1 et celui des %2 devient 0.",
                      u"En %1, la cifra de las %2 es 9: al sumar %3 se llega a diez %2, así que la cifra de las %4 "
                      u"sube uno y la de las %2 pasa a ser 0."},
                 {n})
                .arg(digitName, Methods::onePlace(t, place), Methods::places(t, place + 1));
        d.claims.append({Claim::Carries, n, step, 1 << place, true});
    } else {
        d.clue =
            w.say({u"In %1 the %2 digit is 0: exchange %3 for ten %2, so the %4 digit goes down by one and the %2 "
                   u"digit becomes 9.",
                      u"Dans %1, le chiffre des %2 est 0 : échange %3 contre dix %2, donc le chiffre des %4 baisse de "
                      u"1 et celui des %2 devient 9.",
                      u"En %1, la cifra de las %2 es 0: cambia %3 por diez %2, así que la cifra de las %4 baja uno y "
                      u"la de las %2 pasa a ser 9."},
                 {n})
                .arg(digitName, Methods::onePlace(t, place + 1), Methods::places(t, place + 1));
        d.claims.append({Claim::Exchanges, n, step, 1 << place, true});
    }
    d.mistakes = more ? QList<int>{n + 1, n + step * 10, n - step, result + step}
                      : QList<int>{n - 1, n + step, n - step * 10, result - step};
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

Draft rounding(Writer &w, int to, int low, int high)
{
    int n = w.graded(low, high);
    if (n % to == 0)
        n += w.number(1, to - 1);
    const int down = n / to * to;
    const int answer = n % to * 2 >= to ? down + to : down;
    const int place = placeOf(to);
    static const Said forms[] = {
        {u"Round %1 to the nearest ten.", u"Arrondis %1 à la dizaine la plus proche.",
            u"Redondea %1 a la decena más cercana."},
        {u"Round %1 to the nearest hundred.", u"Arrondis %1 à la centaine la plus proche.",
            u"Redondea %1 a la centena más cercana."},
        {u"Round %1 to the nearest thousand.", u"Arrondis %1 au millier le plus proche.",
            u"Redondea %1 al millar más cercano."},
    };
    Draft d = made(w.say(forms[std::clamp(place - 1, 0, 2)], {n}), answer,
        w.say({u"Look at the %1 digit of %2: is it 5 or more?",
                  u"Regarde le chiffre des %1 de %2 : est-il égal à 5 ou plus ?",
                  u"Fíjate en la cifra de las %1 de %2: ¿es 5 o más?"})
            .arg(Methods::places(w.tongue(), place - 1))
            .arg(n),
        {answer == down ? down + to : down, n, answer == down ? down - to : down + 2 * to});
    d.fact = Fact::other('r', n, to);
    return d;
}

// The smallest or largest of five numbers made from the same digits; the
// choice line keeps the three closest to it.
Draft ordering(Writer &w, int digits)
{
    QList<int> options;
    QList<int> pool;
    // Two-digit numbers from three digits, so that there are enough to choose from.
    const int poolSize = digits == 2 ? 3 : digits;
    while (pool.size() < poolSize) {
        const int digit = w.number(pool.isEmpty() ? 1 : 0, 9);
        if (!pool.contains(digit))
            pool.append(digit);
    }
    for (int attempt = 0; options.size() < Listed && attempt < 60; ++attempt) {
        QList<int> order = pool;
        w.random().shuffle(order);
        if (order.first() == 0)
            continue;
        int value = 0;
        for (int i = 0; i < digits; ++i)
            value = value * 10 + order.at(i);
        if (!options.contains(value))
            options.append(value);
    }
    const bool smallest = w.chance(50);
    const int answer = smallest ? *std::min_element(options.cbegin(), options.cend())
                                : *std::max_element(options.cbegin(), options.cend());
    const QString listed = w.listed(options);
    Draft d = made(smallest ? w.say({u"Which is the smallest of these numbers: %1? Type it.",
                                        u"Quel est le plus petit de ces nombres : %1 ? Tape-le.",
                                        u"¿Cuál es el menor de estos números: %1? Escríbelo."})
                                  .arg(listed)
                            : w.say({u"Which is the largest of these numbers: %1? Type it.",
                                        u"Quel est le plus grand de ces nombres : %1 ? Tape-le.",
                                        u"¿Cuál es el mayor de estos números: %1? Escríbelo."})
                                  .arg(listed),
        answer,
        digits == 2 ? w.say({u"Compare the tens digits first, then the ones.",
            u"Compare d'abord les chiffres des dizaines, puis ceux des unités.",
            u"Compara primero las cifras de las decenas y luego las de las unidades."})
                    : w.say({u"Compare the hundreds digits first, then the tens.",
                        u"Compare d'abord les chiffres des centaines, puis ceux des dizaines.",
                        u"Compara primero las cifras de las centenas y luego las de las decenas."}),
        {});
    options.removeOne(answer);
    d.options = byTemptation(options, answer);
    d.fact = Fact::other('<', answer, smallest ? 0 : 1);
    return d;
}

// What a digit is worth in a number: not the ones digit, nor a 0 or a digit that comes twice.
Draft placeValue(Writer &w, int low, int high)
{
    int n = 0;
    int position = 0;
    QString digits;
    for (int attempt = 0; attempt < 100; ++attempt) {
        n = w.graded(low, high);
        digits = QString::number(n);
        position = w.number(0, static_cast<int>(digits.size()) - 2);
        const bool roundAfter = digits.mid(position + 1).count(QLatin1Char('0')) == digits.size() - position - 1;
        if (digits.at(position) != QLatin1Char('0') && digits.count(digits.at(position)) == 1 && !roundAfter)
            break;
    }
    const int digit = digits.at(position).digitValue();
    int worth = digit;
    for (qsizetype i = position + 1; i < digits.size(); ++i)
        worth *= 10;
    Draft d = made(w.say({u"In the number %1, what is the digit %2 worth? Type its value.",
                             u"Dans le nombre %1, combien vaut le chiffre %2 ? Tape sa valeur.",
                             u"En el número %1, ¿cuánto vale la cifra %2? Escribe su valor."},
                       {n, digit}),
        worth,
        w.say({u"Count the places from the right of %1: ones, tens, hundreds, thousands...",
                  u"Compte les rangs depuis la droite de %1 : unités, dizaines, centaines, milliers...",
                  u"Cuenta los lugares desde la derecha de %1: unidades, decenas, centenas, millares..."},
            {n}),
        {digit, worth * 10, worth / 10, n});
    d.fact = Fact::other('v', n, digit);
    return d;
}

Draft tensAndOnes(Writer &w)
{
    const int tens = w.number(1, 9);
    int ones = w.number(1, 9);
    while (ones == tens)
        ones = w.number(1, 9);
    const Tongue t = w.tongue();
    Draft d = made(w.say({u"A number has %1 and %2. What is the number?", u"Un nombre a %1 et %2. Quel est ce nombre ?",
                             u"Un número tiene %1 y %2. ¿Qué número es?"})
                       .arg(Methods::counted(t, tens, 1), Methods::counted(t, ones, 0)),
        tens * 10 + ones,
        w.say({u"Each ten is worth 10. Count the tens in tens, then add the ones.",
            u"Chaque dizaine vaut 10. Compte les dizaines de 10 en 10, puis ajoute les unités.",
            u"Cada decena vale 10. Cuenta las decenas de diez en diez y luego suma las unidades."}),
        {ones * 10 + tens, tens + ones, tens * 100 + ones, tens * 10});
    d.fact = Fact::other('t', tens, ones);
    return d;
}

// 47 = 40 + __, or 47 = __ + 7.
Draft partition(Writer &w, int low, int high)
{
    int n = w.graded(low, high);
    if (n % 10 == 0)
        n += w.number(1, 9);
    const bool onesMissing = w.chance(50);
    const Said missing{u"Type the missing number: %1 = %2.", u"Tape le nombre qui manque : %1 = %2.",
        u"Escribe el número que falta: %1 = %2."};
    Draft d;
    d.fact = Fact::other('p', n);
    if (onesMissing) {
        d.answer = n % 10;
        d.text = w.say(missing).arg(n).arg(QStringLiteral("%1 + __").arg(n / 10 * 10));
        d.clue = w.say({u"Look at the ones digit of %1.", u"Regarde le chiffre des unités de %1.",
                           u"Fíjate en la cifra de las unidades de %1."},
            {n});
        d.mistakes = {n / 10, d.answer + 1, d.answer - 1, n - 10};
    } else {
        d.answer = n / 10 * 10;
        d.text = w.say(missing).arg(n).arg(QStringLiteral("__ + %1").arg(n % 10));
        d.clue = w.say({u"The tens digit of %1 tells how many tens: each ten is worth 10.",
                           u"Le chiffre des dizaines de %1 dit combien il y a de dizaines : chacune vaut 10.",
                           u"La cifra de las decenas de %1 dice cuántas decenas hay: cada una vale 10."},
            {n});
        d.mistakes = {n / 10, d.answer + 10, d.answer - 10, n};
    }
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

// The largest or smallest number made from some digits.
Draft fromDigits(Writer &w, int count)
{
    QList<int> digits;
    while (digits.size() < count) {
        const int digit = w.number(1, 9);
        if (!digits.contains(digit))
            digits.append(digit);
    }
    QList<int> sorted = digits;
    std::sort(sorted.begin(), sorted.end());
    const auto number = [](const QList<int> &order) {
        return std::accumulate(
            order.cbegin(), order.cend(), 0, [](int value, int digit) { return value * 10 + digit; });
    };
    const int smallest = number(sorted);
    std::reverse(sorted.begin(), sorted.end());
    const int largest = number(sorted);
    const bool large = w.chance(60);
    const QString listed = Words::listed(w.tongue(), digits, true);
    Draft d = made(large ? w.say({u"What is the largest number you can make with the digits %1?",
                                     u"Quel est le plus grand nombre que tu peux écrire avec les chiffres %1 ?",
                                     u"¿Cuál es el mayor número que puedes formar con las cifras %1?"})
                               .arg(listed)
                         : w.say({u"What is the smallest number you can make with the digits %1?",
                                     u"Quel est le plus petit nombre que tu peux écrire avec les chiffres %1 ?",
                                     u"¿Cuál es el menor número que puedes formar con las cifras %1?"})
                               .arg(listed),
        large ? largest : smallest,
        large ? w.say({u"Put the biggest digit in the first place, then the next biggest.",
            u"Mets le plus grand chiffre en premier, puis le suivant.",
            u"Pon la cifra más grande en primer lugar y luego la siguiente."})
              : w.say({u"Put the smallest digit in the first place, then the next smallest.",
                  u"Mets le plus petit chiffre en premier, puis le suivant.",
                  u"Pon la cifra más pequeña en primer lugar y luego la siguiente."}),
        {large ? smallest : largest, number(digits), Mistakes::digitsSwapped(large ? largest : smallest)});
    d.fact = Fact::other('d', smallest, large ? 1 : 0);
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
                {[](Writer &w) { return moreOrLess(w, 10, 11, 89); },
                    [](Writer &w) {
                        return pattern(w, {2, 5, 10}, 40);
                    }}},
            {4,
                {[](Writer &w) { return partition(w, 21, 98); }, [](Writer &w) { return ordering(w, 2); },
                    [](Writer &w) { return tensAndOnes(w); }}},
            {4,
                {[](Writer &w) {
                     return pattern(w, {2, 3, 5, 10}, 60);
                 },
                    [](Writer &w) { return halfway(w, 2, 10, 40); }, [](Writer &w) { return placeValue(w, 12, 98); },
                    [](Writer &w) { return doubled(w, 11, 25); }}},
        };
    }
    if (level == 2) {
        return {
            {4,
                {[](Writer &w) { return placeValue(w, 123, 987); },
                    [](Writer &w) { return moreOrLess(w, 100, 120, 899); },
                    [](Writer &w) { return moreOrLess(w, 10, 102, 989); }}},
            {4,
                {[](Writer &w) { return rounding(w, 10, 101, 989); },
                    [](Writer &w) { return rounding(w, 100, 120, 980); }, [](Writer &w) { return ordering(w, 3); }}},
            {4,
                {[](Writer &w) {
                     return pattern(w, {3, 4, 6, 8, 25, 50}, 200);
                 },
                    [](Writer &w) { return fromDigits(w, 3); },
                    [](Writer &w) { return howManyUnits(w, 100, 12, 45); }}},
            {4,
                {[](Writer &w) { return halfway(w, 10, 100, 990); }, [](Writer &w) { return doubled(w, 26, 49); },
                    [](Writer &w) {
                        return pattern(w, {7, 9, 25, 50, 100}, 500);
                    }}},
            {4,
                {[](Writer &w) { return NumberFacts::romanNumerals(w, 4, 50); },
                    [](Writer &w) { return NumberFacts::temperature(w, 10); },
                    [](Writer &w) { return moreOrLess(w, 1000, 1200, 8900); }}},
        };
    }
    return {
        {4,
            {[](Writer &w) { return placeValue(w, 10234, 98765); },
                [](Writer &w) { return rounding(w, 1000, 1100, 9900); },
                [](Writer &w) { return rounding(w, 100, 1010, 9990); }}},
        {4,
            {[](Writer &w) { return NumberFacts::inDigits(w, 1001, 99999); },
                [](Writer &w) { return NumberFacts::temperature(w, 20); }, [](Writer &w) { return fromDigits(w, 4); }}},
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
