// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/mistakes.h"
#include "content/generator/numberfacts.h"
#include "content/generator/writer.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// The number just after or just before another.
Draft nextTo(Writer &w, int low, int high)
{
    const int n = w.graded(low, high);
    if (w.chance(50)) {
        return made(QStringLiteral("What number comes just after %1? Type the number.").arg(n), n + 1,
                    QStringLiteral("Say the numbers in order and count on by one."),
                    {n - 1, n + 2, Mistakes::digitsSwapped(n + 1), n});
    }
    return made(QStringLiteral("What number comes just before %1? Type the number.").arg(n), n - 1,
                QStringLiteral("Say the numbers in order and count back by one."), {n + 1, n - 2, n});
}

Draft countOn(Writer &w, int low, int high)
{
    const int n = w.graded(low, high);
    const int on = w.number(2, 4);
    return made(QStringLiteral("Start at %1 and count on %2. What number do you land on?").arg(n).arg(on), n + on,
                QStringLiteral("Hold %1 in your head and count %2 more on your fingers.").arg(n).arg(on),
                {n + on - 1, n + on + 1, n - on});
}

Draft doubled(Writer &w, int low, int high)
{
    int n = w.graded(low, high);
    if (n > 10 && n % 10 == 0)
        n += w.number(1, 9);
    const QString clue = n < 10 ? QStringLiteral("Double means adding a number to itself: %1 + %1.").arg(n)
                                : QStringLiteral("Double the tens, double the ones, then add the two answers.");
    return made(QStringLiteral("What is double %1?").arg(n), 2 * n, clue,
                {Mistakes::carryForgotten(n, n), 2 * n + 2, 2 * n - 2, n + 2, Mistakes::sideBySide(n, n)});
}

// How many tens or hundreds make a number.
Draft howManyUnits(Writer &w, int unit, int low, int high)
{
    const int count = w.graded(low, high);
    const QString name = unit == 10 ? QStringLiteral("tens") : unit == 100 ? QStringLiteral("hundreds")
                                                                            : QStringLiteral("thousands");
    const QString clue = unit == 10 ? QStringLiteral("Count in tens: 10, 20, 30 and so on, and count the steps.")
                         : unit == 100 ? QStringLiteral("There are 10 hundreds in every thousand.")
                                       : QStringLiteral("There are 10 thousands in every ten thousand.");
    return made(QStringLiteral("How many %1 make %2?").arg(name).arg(count * unit), count, clue,
                {count * unit, count * 10, count + 1, count - 1, count * unit / 100});
}

// One number that is odd (or even) among three that are not.
Draft oddOneOut(Writer &w, int high)
{
    const bool odd = w.chance(50);
    QList<int> options;
    const int answer = w.number(5, high / 2) * 2 + (odd ? 1 : 0);
    options.append(answer);
    while (options.size() < 4) {
        const int other = w.number(5, high / 2) * 2 + (odd ? 0 : 1);
        if (!options.contains(other))
            options.append(other);
    }
    w.random().shuffle(options);
    Draft d = made(QStringLiteral("Which of these numbers is %1: %2? Type it.")
                       .arg(odd ? QStringLiteral("odd") : QStringLiteral("even"), listed(options)),
                   answer,
                   odd ? QStringLiteral("An odd number cannot be split into two equal groups. Look at the ones digit.")
                       : QStringLiteral("An even number can be split into two equal groups. Look at the ones digit."),
                   {});
    d.options = options;
    return d;
}

// 10, 100 or 1000 more or less than a number.
Draft moreOrLess(Writer &w, int step, int low, int high)
{
    const int n = w.graded(low, high);
    const bool more = w.chance(50);
    const QString digit = step == 10 ? QStringLiteral("tens") : step == 100 ? QStringLiteral("hundreds")
                                                                            : QStringLiteral("thousands");
    const QString clue = QStringLiteral("Only the %1 digit changes, by one. The other digits stay the same.").arg(digit);
    if (more)
        return made(QStringLiteral("What number is %1 more than %2?").arg(step).arg(n), n + step, clue,
                    {n + 1, n + step * 10, n - step, n + step / 10 + (step == 10 ? 0 : 1)});
    return made(QStringLiteral("What number is %1 less than %2?").arg(step).arg(n), n - step, clue,
                {n - 1, n + step, n - step * 10, n - step / 10});
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
    if (w.chance(50)) {
        const int answer = terms.at(3);
        QStringList shown;
        for (int i = 0; i < 5; ++i)
            shown.append(i == 3 ? QStringLiteral("__") : QString::number(terms.at(i)));
        return made(QStringLiteral("Type the missing number in the pattern: %1.").arg(shown.join(QStringLiteral(", "))),
                    answer, QStringLiteral("Find the step between each number and the next."),
                    {answer + 1, answer - 1, answer + step, (terms.at(2) + terms.at(4)) / 2 + 2});
    }
    const int answer = terms.at(4);
    terms.removeLast();
    QStringList shown;
    for (int term : terms)
        shown.append(QString::number(term));
    const QString text = down ? QStringLiteral("Count back in %1s: %2, ... What number comes next?")
                                    .arg(step)
                                    .arg(shown.join(QStringLiteral(", ")))
                              : QStringLiteral("What is the next number in the pattern %1, ...?")
                                    .arg(shown.join(QStringLiteral(", ")));
    const QString clue = down ? QStringLiteral("Take %1 away from the last number.").arg(step)
                              : QStringLiteral("Look at how much the numbers go up by each time.");
    const int back = down ? -1 : 1;
    return made(text, answer, clue, {answer + back, answer + back * step, answer - back * step, answer - back});
}

Draft rounding(Writer &w, int to, int low, int high)
{
    int n = w.graded(low, high);
    if (n % to == 0)
        n += w.number(1, to - 1);
    const int down = n / to * to;
    const int answer = n % to * 2 >= to ? down + to : down;
    const QString place = to == 10 ? QStringLiteral("ones") : to == 100 ? QStringLiteral("tens")
                                                                        : QStringLiteral("hundreds");
    const QString name = to == 10 ? QStringLiteral("ten") : to == 100 ? QStringLiteral("hundred")
                                                                      : QStringLiteral("thousand");
    return made(QStringLiteral("Round %1 to the nearest %2.").arg(n).arg(name), answer,
                QStringLiteral("Look at the %1 digit. 5 or more rounds up, less than 5 rounds down.").arg(place),
                {answer == down ? down + to : down, n, answer == down ? down - to : down + 2 * to});
}

// The smallest or largest of four numbers made from the same digits.
Draft ordering(Writer &w, int digits)
{
    QList<int> options;
    QList<int> pool;
    // Two-digit numbers from three digits, so that there are four to choose from.
    const int poolSize = digits == 2 ? 3 : digits;
    while (pool.size() < poolSize) {
        const int digit = w.number(pool.isEmpty() ? 1 : 0, 9);
        if (!pool.contains(digit))
            pool.append(digit);
    }
    for (int attempt = 0; options.size() < 4 && attempt < 50; ++attempt) {
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
    Draft d = made(QStringLiteral("Which is the %1 of these numbers: %2? Type it.")
                       .arg(smallest ? QStringLiteral("smallest") : QStringLiteral("largest"), listed(options)),
                   answer,
                   digits == 2 ? QStringLiteral("Compare the tens digits first, then the ones.")
                               : QStringLiteral("Compare the hundreds digits first, then the tens."),
                   {});
    d.options = options;
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
    return made(QStringLiteral("In the number %1, what is the digit %2 worth? Type its value.").arg(n).arg(digit),
                worth, QStringLiteral("Count the places from the right: ones, tens, hundreds, thousands."),
                {digit, worth * 10, worth / 10, n});
}

Draft tensAndOnes(Writer &w)
{
    const int tens = w.number(1, 9);
    int ones = w.number(1, 9);
    while (ones == tens)
        ones = w.number(1, 9);
    return made(QStringLiteral("A number has %1 and %2 ones. What is the number?")
                    .arg(tens == 1 ? QStringLiteral("1 ten") : QStringLiteral("%1 tens").arg(tens))
                    .arg(ones),
                tens * 10 + ones, QStringLiteral("Each ten is worth 10. Count the tens in tens, then add the ones."),
                {ones * 10 + tens, tens + ones, tens * 100 + ones, tens * 10});
}

// Exactly halfway between two numbers.
Draft halfway(Writer &w, int step, int low, int high)
{
    const int gap = w.number(1, 4) * 2 * step;
    const int a = w.graded(low / step, (high - gap) / step) * step;
    const int middle = a + gap / 2;
    return made(QStringLiteral("What number is exactly halfway between %1 and %2?").arg(a).arg(a + gap), middle,
                QStringLiteral("Count the same number of steps in from each end until you meet."),
                {2 * a + gap, middle + step / 2 * (step >= 10 ? 1 : 2), middle - step, middle + step});
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
        return std::accumulate(order.cbegin(), order.cend(), 0, [](int value, int digit) { return value * 10 + digit; });
    };
    const int smallest = number(sorted);
    std::reverse(sorted.begin(), sorted.end());
    const int largest = number(sorted);
    const bool large = w.chance(60);
    QStringList shown;
    for (int digit : digits)
        shown.append(QString::number(digit));
    const QString last = shown.takeLast();
    const QString text = QStringLiteral("What is the %1 number you can make with the digits %2 and %3?")
                             .arg(large ? QStringLiteral("largest") : QStringLiteral("smallest"),
                                  shown.join(QStringLiteral(", ")), last);
    return made(text, large ? largest : smallest,
                large ? QStringLiteral("Put the biggest digit in the first place, then the next biggest.")
                      : QStringLiteral("Put the smallest digit in the first place, then the next smallest."),
                {large ? smallest : largest, number(digits), Mistakes::digitsSwapped(large ? largest : smallest)});
}

} // namespace

Plan Plans::numberSkills(int level)
{
    if (level == 1) {
        return {
            {4, {[](Writer &w) { return nextTo(w, 5, 39); }, [](Writer &w) { return countOn(w, 3, 15); },
                 [](Writer &w) { return doubled(w, 2, 5); }}},
            {4, {[](Writer &w) { return doubled(w, 2, 10); },
                 [](Writer &w) { return howManyUnits(w, 10, 2, 9); },
                 [](Writer &w) { return oddOneOut(w, 30); }}},
            {4, {[](Writer &w) { return moreOrLess(w, 10, 11, 89); },
                 [](Writer &w) { return pattern(w, {2, 5, 10}, 40); }}},
            {4, {[](Writer &w) { return rounding(w, 10, 11, 99); },
                 [](Writer &w) { return ordering(w, 2); },
                 [](Writer &w) { return tensAndOnes(w); }}},
            {4, {[](Writer &w) { return pattern(w, {2, 3, 4, 5, 10}, 60); },
                 [](Writer &w) { return halfway(w, 10, 10, 100); },
                 [](Writer &w) { return placeValue(w, 12, 98); },
                 [](Writer &w) { return doubled(w, 11, 25); }}},
        };
    }
    if (level == 2) {
        return {
            {4, {[](Writer &w) { return placeValue(w, 123, 987); },
                 [](Writer &w) { return moreOrLess(w, 100, 120, 899); },
                 [](Writer &w) { return moreOrLess(w, 10, 102, 989); }}},
            {4, {[](Writer &w) { return rounding(w, 10, 101, 989); },
                 [](Writer &w) { return rounding(w, 100, 120, 980); },
                 [](Writer &w) { return ordering(w, 3); }}},
            {4, {[](Writer &w) { return pattern(w, {3, 4, 6, 8, 25, 50}, 200); },
                 [](Writer &w) { return fromDigits(w, 3); },
                 [](Writer &w) { return howManyUnits(w, 100, 12, 45); }}},
            {4, {[](Writer &w) { return halfway(w, 10, 100, 990); },
                 [](Writer &w) { return doubled(w, 26, 49); },
                 [](Writer &w) { return pattern(w, {7, 9, 25, 50, 100}, 500); }}},
            {4, {[](Writer &w) { return NumberFacts::romanNumerals(w, 4, 50); },
                 [](Writer &w) { return NumberFacts::temperature(w, 10); },
                 [](Writer &w) { return moreOrLess(w, 1000, 1200, 8900); }}},
        };
    }
    return {
        {4, {[](Writer &w) { return placeValue(w, 10234, 98765); },
             [](Writer &w) { return rounding(w, 1000, 1100, 9900); },
             [](Writer &w) { return rounding(w, 100, 1010, 9990); }}},
        {4, {[](Writer &w) { return NumberFacts::inDigits(w, 1001, 99999); },
             [](Writer &w) { return NumberFacts::temperature(w, 20); },
             [](Writer &w) { return fromDigits(w, 4); }}},
        {4, {[](Writer &w) { return NumberFacts::whichIs(w, 99); },
             [](Writer &w) { return NumberFacts::powers(w); },
             [](Writer &w) { return howManyUnits(w, 1000, 12, 95); }}},
        {4, {[](Writer &w) { return NumberFacts::romanNumerals(w, 40, 1999); },
             [](Writer &w) { return halfway(w, 100, 1000, 9900); },
             [](Writer &w) { return NumberFacts::belowZero(w); }}},
        {4, {[](Writer &w) { return NumberFacts::common(w); },
             [](Writer &w) { return NumberFacts::whichIs(w, 150); },
             [](Writer &w) { return pattern(w, {15, 25, 75, 125, 250}, 2000); }}},
    };
}
