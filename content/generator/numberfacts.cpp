// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/numberfacts.h"

#include "content/generator/writer.h"

#include <algorithm>
#include <cstdlib>

#include <QStringList>

#include <cmath>
#include <numeric>

namespace {

// The largest factor of both below the largest one, or 0 when there is none above 1.
int smallerCommonFactor(int x, int y)
{
    for (int factor = std::gcd(x, y) - 1; factor > 1; --factor) {
        if (x % factor == 0 && y % factor == 0)
            return factor;
    }
    return 0;
}

// The largest factor of x, below x, that does not divide y.
int onlyFactorOf(int x, int y)
{
    for (int factor = x / 2; factor > 1; --factor) {
        if (x % factor == 0 && y % factor != 0)
            return factor;
    }
    return 0;
}

// "XLIV" (1 to 3999).
QString roman(int value)
{
    static const std::pair<int, const char *> numerals[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"},
        {100, "C"}, {90, "XC"}, {50, "L"}, {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString text;
    for (const auto &[amount, letters] : numerals) {
        for (; value >= amount; value -= amount)
            text += QLatin1String(letters);
    }
    return text;
}

// Roman numerals read as if every letter were added: XIV read as 16.
int romanAdded(const QString &numerals)
{
    int total = 0;
    for (QChar letter : numerals) {
        switch (letter.unicode()) {
        case 'M': total += 1000; break;
        case 'D': total += 500; break;
        case 'C': total += 100; break;
        case 'L': total += 50; break;
        case 'X': total += 10; break;
        case 'V': total += 5; break;
        default: total += 1; break;
        }
    }
    return total;
}

bool isPrime(int value)
{
    if (value < 2)
        return false;
    for (int divisor = 2; divisor * divisor <= value; ++divisor) {
        if (value % divisor == 0)
            return false;
    }
    return true;
}

} // namespace

// Temperatures that go below zero.
Draft NumberFacts::temperature(Writer &w, int most)
{
    const int start = w.number(2, most / 2); // "1 degrees" reads wrong
    const int change = w.number(start + 1, most);
    Draft d;
    switch (w.number(0, 2)) {
    case 0:
        d = made(
            w.say({u"The temperature is %1 degrees. It falls by %2 degrees. What is the temperature now? Type a "
                   u"minus sign for below zero.",
                      u"Il fait %1 degrés. La température baisse de %2 degrés. Quelle est la température maintenant ? "
                      u"Tape le signe moins pour une température sous zéro.",
                      u"La temperatura es de %1 grados. Baja %2 grados. ¿Qué temperatura hace ahora? Escribe el "
                      u"signo menos si está bajo cero."},
                {start, change}),
            start - change,
            w.say({u"Count down %1 to get to zero, then count down the rest.",
                      u"Descends de %1 pour arriver à zéro, puis continue avec ce qui reste.",
                      u"Baja %1 para llegar a cero y luego baja lo que falta."},
                {start}),
            {change - start, -(start + change), start - change + 1, start - change - 1});
        d.fact = Fact::other('T', start, -change);
        break;
    case 1:
        d = made(w.say({u"The temperature is -%1 degrees. It rises by %2 degrees. What is the temperature now?",
                           u"Il fait -%1 degrés. La température monte de %2 degrés. Quelle est la température "
                           u"maintenant ?",
                           u"La temperatura es de -%1 grados. Sube %2 grados. ¿Qué temperatura hace ahora?"},
                     {start, change}),
            change - start,
            w.say({u"Count up %1 to get to zero, then count up the rest.",
                      u"Monte de %1 pour arriver à zéro, puis continue avec ce qui reste.",
                      u"Sube %1 para llegar a cero y luego sube lo que falta."},
                {start}),
            {change + start, start - change, change - start + 1, change - start - 1});
        d.fact = Fact::other('T', -start, change);
        break;
    default:
        d = made(
            w.say({u"At night the temperature is -%1 degrees. At noon it is %2 degrees. How many degrees warmer is "
                   u"it at noon?",
                      u"La nuit, il fait -%1 degrés. À midi, il fait %2 degrés. De combien de degrés fait-il plus "
                      u"chaud à midi ?",
                      u"Por la noche hace -%1 grados. A mediodía hace %2 grados. ¿Cuántos grados más hace a "
                      u"mediodía?"},
                {start, change}),
            change + start,
            w.say({u"Count up from -%1 to zero, then from zero to %2.",
                      u"Compte de -%1 jusqu'à zéro, puis de zéro "
                      u"jusqu'à %2.",
                      u"Cuenta desde -%1 hasta cero y luego desde cero hasta %2."},
                {start, change}),
            {change - start, change + start + 1, -(change + start), change + start - 1});
        d.fact = Fact::other('D', start, change);
        break;
    }
    d.belowZero = true;
    return d;
}

Draft NumberFacts::romanNumerals(Writer &w, int low, int high)
{
    int n = w.graded(low, high);
    QString numerals = roman(n);
    // A numeral with a letter taken away is the one worth asking about.
    for (int attempt = 0; attempt < 20 && romanAdded(numerals) == n; ++attempt) {
        n = w.graded(low, high);
        numerals = roman(n);
    }
    const QString clue = high <= 50
        ? w.say({u"X is 10, V is 5 and I is 1. A smaller letter before a bigger one is taken away.",
            u"X vaut 10, V vaut 5 et I vaut 1. Une lettre plus petite placée avant une plus grande se retranche.",
            u"X vale 10, V vale 5 e I vale 1. Una letra menor delante de una mayor se resta."})
        : w.say({u"M is 1000, D 500, C 100, L 50, X 10, V 5 and I 1. A smaller letter before a bigger one is taken "
                 u"away.",
            u"M vaut 1000, D 500, C 100, L 50, X 10, V 5 et I 1. Une lettre plus petite placée avant une plus "
            u"grande se retranche.",
            u"M vale 1000, D 500, C 100, L 50, X 10, V 5 e I 1. Una letra menor delante de una mayor se resta."});
    Draft d = made(w.say({u"Which number is written %1 in Roman numerals?",
                             u"Quel nombre s'écrit %1 en chiffres "
                             u"romains ?",
                             u"¿Qué número se escribe %1 en números romanos?"})
                       .arg(numerals),
        n, clue, {romanAdded(numerals), n + 1, n - 1, n + 10});
    d.fact = Fact::other('R', n);
    return d;
}

Draft NumberFacts::inDigits(Writer &w, int low, int high)
{
    int n = w.graded(low, high);
    // Zeros inside the number are the part children get wrong.
    const QString digits = QString::number(n);
    if (!digits.mid(1).contains(QLatin1Char('0')))
        n = n / 100 * 100 + n % 10;
    const QString text = QString::number(n);
    QString withoutZeros = text;
    withoutZeros.remove(QLatin1Char('0'));
    QString extraZero = text;
    extraZero.insert(extraZero.indexOf(QLatin1Char('0')), QLatin1Char('0'));
    Draft d = made(
        w.say({u"Write this number in digits: %1. Type the number.", u"Écris ce nombre en chiffres, sans espace : %1.",
                  u"Escribe este número en cifras, sin puntos ni espacios: %1."})
            .arg(Words::number(w.tongue(), n)),
        n,
        w.say({u"Write the thousands, then the hundreds, tens and ones. A place with nothing in it holds a "
               u"zero.",
            u"Écris les milliers, puis les centaines, les dizaines et les unités. Un rang vide prend un "
            u"zéro.",
            u"Escribe los millares y luego las centenas, las decenas y las unidades. Un lugar vacío lleva "
            u"un cero."}),
        {withoutZeros.toInt(), extraZero.toInt(), n + 100});
    d.fact = Fact::other('W', n);
    return d;
}

// One number of five that is prime, a square or a multiple of a table; the
// choice line keeps the answer and the two most misleading of the others.
Draft NumberFacts::whichIs(Writer &w, int high)
{
    const int kind = w.number(0, 2);
    const int table = w.number(3, 9);
    const auto fits = [&](int value) {
        if (kind == 0)
            return isPrime(value);
        if (kind == 1) {
            const int root = static_cast<int>(std::sqrt(value));
            return root * root == value;
        }
        return value % table == 0;
    };
    int answer = w.number(10, high);
    while (!fits(answer))
        answer = w.number(10, high);
    QList<int> others;
    while (others.size() < 4) {
        // Odd numbers that are not prime, and numbers near a square or the table, are the ones that mislead.
        // Those that are not prime divide by 3, 5 or 7, as the clue says to try.
        const int other = kind == 0 ? w.number(5, high / 2) * 2 + 1 : w.number(10, high);
        const bool clueFindsIt = kind != 0 || other % 3 == 0 || other % 5 == 0 || other % 7 == 0;
        if (!fits(other) && clueFindsIt && other != answer && !others.contains(other))
            others.append(other);
    }
    QList<int> shown = others;
    shown.insert(w.number(0, 4), answer);
    const QString listed = w.listed(shown);
    const QString text = kind == 0 ? w.say({u"Which of these is a prime number: %1? Type it.",
                                               u"Lequel de ces nombres est premier : %1 ? Tape-le.",
                                               u"¿Cuál de estos números es primo: %1? Escríbelo."})
                                         .arg(listed)
        : kind == 1 ? w.say({u"Which of these is a square number: %1? Type it.",
                                u"Lequel de ces nombres est un carré : %1 ? Tape-le.",
                                u"¿Cuál de estos números es un cuadrado perfecto: %1? Escríbelo."})
                          .arg(listed)
                    : w.say({u"Which of these is a multiple of %1: %2? Type it.",
                                u"Lequel de ces nombres est un multiple de %1 : %2 ? Tape-le.",
                                u"¿Cuál de estos números es múltiplo de %1: %2? Escríbelo."},
                           {table})
                          .arg(listed);
    const QString clue = kind == 0 ? w.say({u"A prime number can only be divided exactly by 1 and itself. Try dividing "
                                            u"each number by 3, 5 and 7.",
                             u"Un nombre premier ne se divise exactement que par 1 et par lui-même. "
                             u"Essaie de diviser chaque nombre par 3, 5 et 7.",
                             u"Un número primo solo se puede dividir exactamente entre 1 y entre sí "
                             u"mismo. Prueba a dividir cada número entre 3, 5 y 7."})
        : kind == 1                ? w.say({u"A square number is a number times itself, like 6 x 6.",
                             u"Un carré, c'est un nombre multiplié par lui-même, comme 6 x 6.",
                             u"Un cuadrado perfecto es un número multiplicado por sí mismo, como 6 x "
                             u"6."})
                                   : w.say({u"Count on in %1s, or divide each number by %1.",
                                               u"Avance de %1 en %1, ou divise chaque nombre par %1.",
                                               u"Cuenta de %1 en %1, o divide cada número entre %1."},
                                       {table});
    Draft d = made(text, answer, clue, {});
    // Misleading first: for primes the ones that end as primes do (not in 5), then the closest.
    const auto misleading = [&](int x) { return kind == 0 && x % 5 != 0 ? 0 : 1; };
    std::stable_sort(others.begin(), others.end(), [&](int x, int y) {
        return std::pair(misleading(x), std::abs(x - answer)) < std::pair(misleading(y), std::abs(y - answer));
    });
    d.options = others;
    d.fact = Fact::other('?', kind, answer);
    return d;
}

// The smallest number two numbers both divide into, or the largest that divides both.
Draft NumberFacts::common(Writer &w)
{
    const int a = w.number(2, 9);
    int b = w.number(3, 12);
    while (b == a || b % a == 0 || a % b == 0)
        b = w.number(3, 12);
    if (w.chance(50)) {
        const int lcm = std::lcm(a, b);
        Draft d = made(w.say({u"What is the smallest number that is a multiple of both %1 and %2?",
                                 u"Quel est le plus petit nombre qui est à la fois un multiple de %1 et de %2 ?",
                                 u"¿Cuál es el menor número que es múltiplo de %1 y de %2 a la vez?"},
                           {a, b}),
            lcm,
            w.say({u"Count in %1s and in %2s. Which number do you reach both times?",
                      u"Compte de %1 en %1 et de %2 en %2. Quel nombre atteins-tu les deux fois ?",
                      u"Cuenta de %1 en %1 y de %2 en %2. ¿A qué número llegas las dos veces?"},
                {a, b}),
            {a * b == lcm ? lcm + a : a * b, lcm + std::max(a, b), std::max(a, b), a + b});
        d.fact = Fact::other('L', std::min(a, b), std::max(a, b));
        return d;
    }
    const int factor = w.number(2, 9);
    const int x = factor * a;
    const int y = factor * b;
    const int hcf = std::gcd(x, y);
    Draft d = made(w.say({u"What is the largest number that divides exactly into both %1 and %2?",
                             u"Quel est le plus grand nombre qui divise exactement à la fois %1 et %2 ?",
                             u"¿Cuál es el mayor número que divide exactamente a %1 y a %2?"},
                       {x, y}),
        hcf,
        w.say({u"List the factors of %1, then find the largest one that also divides %2.",
                  u"Écris les diviseurs de %1, puis cherche le plus grand qui divise aussi %2.",
                  u"Escribe los divisores de %1 y busca el mayor que también divida a %2."},
            {x, y}),
        {smallerCommonFactor(x, y), std::min(x, y), onlyFactorOf(x, y), onlyFactorOf(y, x)});
    d.fact = Fact::other('H', x, y);
    return d;
}

Draft NumberFacts::powers(Writer &w)
{
    if (w.chance(50)) {
        const int n = w.number(2, 5);
        Draft d =
            made(w.say({u"What is %1 cubed?", u"Combien vaut %1 au cube ?", u"¿Cuánto es %1 al cubo?"}, {n}), n * n * n,
                w.say({u"To cube a number, multiply it by itself twice: %1 x %1 x %1.",
                          u"Un nombre au cube, c'est ce nombre multiplié trois fois par lui-même : %1 x %1 x %1.",
                          u"Elevar al cubo es multiplicar el número tres veces: %1 x %1 x %1."},
                    {n}),
                {3 * n, n * n, n * n * n + n});
        d.fact = Fact::other('C', n);
        return d;
    }
    const int n = w.number(6, 12);
    QStringList shown;
    for (int i = n - 3; i < n; ++i)
        shown.append(QString::number(i * i));
    Draft d =
        made(w.say({u"What is the next number in the pattern %1, ...?",
                       u"Quel nombre vient ensuite dans la suite %1... ?", u"¿Qué número sigue en la serie %1...?"})
                 .arg(shown.join(QStringLiteral(", "))),
            n * n,
            w.say({u"These are square numbers: each is a number times itself.",
                u"Ce sont des carrés : chacun est un nombre multiplié par lui-même.",
                u"Son cuadrados perfectos: cada uno es un número multiplicado por sí mismo."}),
            {(n - 1) * (n - 1) + 2 * (n - 1) - 1, n * n + 1, n * n - 1, (n - 1) * (n - 1) + n});
    d.fact = Fact::product(n, n);
    return d;
}

Draft NumberFacts::belowZero(Writer &w)
{
    const int step = w.number(2, 6);
    const int start = step * w.number(2, 3) + w.number(1, step - 1);
    QStringList shown;
    for (int i = 0; i < 4; ++i)
        shown.append(QString::number(start - i * step));
    const int answer = start - 4 * step;
    Draft d = made(w.say({u"What is the next number in the pattern %1, ...? Type a minus sign for below zero.",
                             u"Quel nombre vient ensuite dans la suite %1... ? Tape le signe moins sous zéro.",
                             u"¿Qué número sigue en la serie %1...? Escribe el signo menos si está bajo cero."})
                       .arg(shown.join(QStringLiteral(", "))),
        answer,
        w.say({u"Find the step, then take it away from the last number. The pattern goes on below zero.",
            u"Cherche l'écart, puis enlève-le au dernier nombre. La suite continue sous zéro.",
            u"Busca el salto y quítalo al último número. La serie sigue por debajo de cero."}),
        {-answer, answer + 1, answer - 1, answer + step});
    d.belowZero = true;
    d.fact = Fact::other('B', start, step);
    return d;
}
