// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/placevalue.h"

#include "content/generator/methods.h"
#include "content/generator/mistakes.h"
#include "content/generator/writer.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace PlaceValue {

int placeOf(int step)
{
    int place = 0;
    for (; step >= 10; step /= 10)
        ++place;
    return place;
}

QList<int> byTemptation(QList<int> numbers, int answer)
{
    std::stable_sort(
        numbers.begin(), numbers.end(), [answer](int x, int y) { return std::abs(x - answer) < std::abs(y - answer); });
    return numbers;
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

} // namespace PlaceValue
