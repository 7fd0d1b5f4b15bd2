// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/numberfacts.h"

#include "content/generator/writer.h"

#include <QStringList>

#include <cmath>
#include <numeric>

namespace {

QString belowHundred(int value)
{
    static const QStringList ones{
        QString(),          QStringLiteral("one"),     QStringLiteral("two"),      QStringLiteral("three"),
        QStringLiteral("four"), QStringLiteral("five"), QStringLiteral("six"),     QStringLiteral("seven"),
        QStringLiteral("eight"), QStringLiteral("nine"), QStringLiteral("ten"),    QStringLiteral("eleven"),
        QStringLiteral("twelve"), QStringLiteral("thirteen"), QStringLiteral("fourteen"), QStringLiteral("fifteen"),
        QStringLiteral("sixteen"), QStringLiteral("seventeen"), QStringLiteral("eighteen"), QStringLiteral("nineteen")};
    static const QStringList tens{QString(),              QString(),
                                  QStringLiteral("twenty"), QStringLiteral("thirty"),
                                  QStringLiteral("forty"),  QStringLiteral("fifty"),
                                  QStringLiteral("sixty"),  QStringLiteral("seventy"),
                                  QStringLiteral("eighty"), QStringLiteral("ninety")};
    if (value < 20)
        return ones.at(value);
    return value % 10 == 0 ? tens.at(value / 10) : tens.at(value / 10) + QLatin1Char('-') + ones.at(value % 10);
}

// 0 to 999, "and" before the tens and ones as it is said.
QString belowThousand(int value)
{
    if (value < 100)
        return belowHundred(value);
    QString text = belowHundred(value / 100) + QStringLiteral(" hundred");
    if (value % 100 != 0)
        text += QStringLiteral(" and ") + belowHundred(value % 100);
    return text;
}

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

// "twelve thousand and forty", "four thousand, five hundred and six" (0 to 99999).
QString inWords(int value)
{
    if (value == 0)
        return QStringLiteral("zero");
    const int thousands = value / 1000;
    const int rest = value % 1000;
    if (thousands == 0)
        return belowThousand(rest);
    QString text = belowThousand(thousands) + QStringLiteral(" thousand");
    if (rest == 0)
        return text;
    return text + (rest < 100 ? QStringLiteral(" and ") : QStringLiteral(", ")) + belowThousand(rest);
}

// "XLIV" (1 to 3999).
QString roman(int value)
{
    static const std::pair<int, const char *> numerals[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"},
                                                            {100, "C"},  {90, "XC"},  {50, "L"},  {40, "XL"},
                                                            {10, "X"},   {9, "IX"},   {5, "V"},   {4, "IV"},
                                                            {1, "I"}};
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
    Draft d;
    d.belowZero = true;
    const int start = w.number(2, most / 2); // "1 degrees" reads wrong
    const int change = w.number(start + 1, most);
    switch (w.number(0, 2)) {
    case 0:
        d = made(QStringLiteral("The temperature is %1 degrees. It falls by %2 degrees. What is the temperature now? "
                                "Type a minus sign for below zero.")
                     .arg(start)
                     .arg(change),
                 start - change, QStringLiteral("Count down %1 to get to zero, then count down the rest.").arg(start),
                 {change - start, -(start + change), start - change + 1, start - change - 1});
        break;
    case 1:
        d = made(QStringLiteral("The temperature is -%1 degrees. It rises by %2 degrees. What is the temperature "
                                "now?")
                     .arg(start)
                     .arg(change),
                 change - start, QStringLiteral("Count up %1 to get to zero, then count up the rest.").arg(start),
                 {change + start, start - change, change - start + 1, change - start - 1});
        break;
    default:
        d = made(QStringLiteral("At night the temperature is -%1 degrees. At noon it is %2 degrees. How many degrees "
                                "warmer is it at noon?")
                     .arg(start)
                     .arg(change),
                 change + start, QStringLiteral("Count up from -%1 to zero, then from zero to %2.").arg(start).arg(change),
                 {change - start, change + start + 1, -(change + start), change + start - 1});
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
        ? QStringLiteral("X is 10, V is 5 and I is 1. A smaller letter before a bigger one is taken away.")
        : QStringLiteral("M is 1000, D 500, C 100, L 50, X 10, V 5 and I 1. A smaller letter before a bigger one is "
                         "taken away.");
    return made(QStringLiteral("Which number is written %1 in Roman numerals?").arg(numerals), n, clue,
                {romanAdded(numerals), n + 1, n - 1, n + 10});
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
    return made(QStringLiteral("Write %1 in digits. Type the number.").arg(inWords(n)), n,
                QStringLiteral("Write the thousands, then the hundreds, tens and ones. A place with nothing in it "
                               "holds a zero."),
                {withoutZeros.toInt(), extraZero.toInt(), n + 100});
}

// One number of four that is prime, a square or a multiple of a table.
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
    QList<int> options{answer};
    while (options.size() < 4) {
        // Odd numbers that are not prime, and numbers near the table, are the ones that mislead. Those
        // that are not prime divide by 3, 5 or 7, as the clue says to try.
        const int other = kind == 0 ? w.number(5, high / 2) * 2 + 1 : w.number(10, high);
        const bool clueFindsIt = kind != 0 || other % 3 == 0 || other % 5 == 0 || other % 7 == 0;
        if (!fits(other) && clueFindsIt && !options.contains(other))
            options.append(other);
    }
    w.random().shuffle(options);
    const QString what = kind == 0   ? QStringLiteral("a prime number")
                         : kind == 1 ? QStringLiteral("a square number")
                                     : QStringLiteral("a multiple of %1").arg(table);
    const QString clue = kind == 0 ? QStringLiteral("A prime number can only be divided exactly by 1 and itself. Try "
                                                    "dividing each number by 3, 5 and 7.")
                         : kind == 1 ? QStringLiteral("A square number is a number times itself, like 6 x 6.")
                                     : QStringLiteral("Count on in %1s, or divide each number by %1.").arg(table);
    Draft d = made(QStringLiteral("Which of these is %1: %2? Type it.").arg(what, listed(options)), answer, clue, {});
    d.options = options;
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
        return made(QStringLiteral("What is the smallest number that is a multiple of both %1 and %2?").arg(a).arg(b),
                    lcm, QStringLiteral("Count in %1s and in %2s. Which number do you reach both times?").arg(a).arg(b),
                    {a * b == lcm ? lcm + a : a * b, lcm + std::max(a, b), std::max(a, b), a + b});
    }
    const int factor = w.number(2, 9);
    const int x = factor * a;
    const int y = factor * b;
    const int hcf = std::gcd(x, y);
    return made(QStringLiteral("What is the largest number that divides exactly into both %1 and %2?").arg(x).arg(y),
                hcf, QStringLiteral("List the factors of %1, then find the largest one that also divides %2.")
                         .arg(x)
                         .arg(y),
                {smallerCommonFactor(x, y), std::min(x, y), onlyFactorOf(x, y), onlyFactorOf(y, x)});
}

Draft NumberFacts::powers(Writer &w)
{
    if (w.chance(50)) {
        const int n = w.number(2, 5);
        return made(QStringLiteral("What is %1 cubed?").arg(n), n * n * n,
                    QStringLiteral("%1 cubed means %1 x %1 x %1.").arg(n), {3 * n, n * n, n * n * n + n});
    }
    const int n = w.number(6, 12);
    QStringList shown;
    for (int i = n - 3; i < n; ++i)
        shown.append(QString::number(i * i));
    return made(QStringLiteral("What is the next number in the pattern %1, ...?").arg(shown.join(QStringLiteral(", "))),
                n * n, QStringLiteral("These are square numbers: each is a number times itself."),
                {(n - 1) * (n - 1) + 2 * (n - 1) - 1, n * n + 1, n * n - 1, (n - 1) * (n - 1) + n});
}

Draft NumberFacts::belowZero(Writer &w)
{
    const int step = w.number(2, 6);
    const int start = step * w.number(2, 3) + w.number(1, step - 1);
    QStringList shown;
    for (int i = 0; i < 4; ++i)
        shown.append(QString::number(start - i * step));
    const int answer = start - 4 * step;
    Draft d = made(QStringLiteral("What is the next number in the pattern %1, ...? Type a minus sign for below zero.")
                       .arg(shown.join(QStringLiteral(", "))),
                   answer, QStringLiteral("Find the step, then take it away from the last number. The pattern goes on "
                                          "below zero."),
                   {-answer, answer + 1, answer - 1, answer + step});
    d.belowZero = true;
    return d;
}
