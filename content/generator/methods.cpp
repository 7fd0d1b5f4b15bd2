// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/methods.h"

#include "content/generator/mistakes.h"

#include <algorithm>

namespace {

// A clue with numbers put in: clue(u"Count in %1s, %2 times.", {5, 3}).
QString clue(const char16_t *form, std::initializer_list<int> numbers)
{
    QString text = QString::fromUtf16(form);
    for (int number : numbers)
        text = text.arg(number);
    return text;
}

int nextTen(int value)
{
    return (value / 10 + 1) * 10;
}

// Counting up from b to a by round numbers: 275 to 280, then to 300, then to 1000.
} // namespace

QString Methods::countingUp(int b, int a)
{
    QList<int> stops;
    for (int round = 10; round < a; round *= 10) {
        const int stop = (b / round + 1) * round;
        if (b % round != 0 && stop < a && (stops.isEmpty() || stop > stops.last()))
            stops.append(stop);
    }
    stops.append(a);
    QString text = clue(u"Count up from %1 to %2", {b, stops.takeFirst()});
    for (int stop : stops)
        text += clue(u", then to %1", {stop});
    return text + QLatin1Char('.');
}

namespace {

// "1 ten", "3 tens".
QString counted(int count, const char *unit)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(unit), count == 1 ? QString() : QStringLiteral("s"));
}

// The one of a and b that is a multiple of round while the other is not, or 0.
int roundOne(int a, int b, int round)
{
    if ((a % round == 0) == (b % round == 0))
        return 0;
    return a % round == 0 ? a : b;
}

Draft addingSingles(int a, int b)
{
    Draft d;
    d.answer = a + b;
    const int big = std::max(a, b);
    const int small = std::min(a, b);
    if (d.answer <= 10) {
        d.clue = clue(u"Start at %1 and count on %2 more.", {big, small});
        d.mistakes = {d.answer - 1, d.answer + 1, big - small, Mistakes::sideBySide(a, b)};
    } else if (big == small) {
        d.clue = clue(u"Count on %1 from %1.", {big});
        d.mistakes = {d.answer - 1, d.answer + 1, Mistakes::sideBySide(a, b), d.answer + 2};
    } else if (big - small == 1) {
        d.clue = clue(u"Double %1 is %2. Then add one more.", {small, 2 * small});
        d.mistakes = {d.answer - 1, d.answer + 1, Mistakes::sideBySide(a, b)};
    } else {
        const int toTen = 10 - big;
        d.clue = clue(u"Make 10 first: %1 + %2 = 10, then add the %3 that is left of the %4.",
                      {big, toTen, small - toTen, small});
        d.mistakes = {d.answer - 1, d.answer + 1, Mistakes::sideBySide(a, b), d.answer - 10};
    }
    return d;
}

// Which column of a + b first makes 10 or more: 1 the ones, 10 the tens... or 0 when none does.
int firstCarry(int a, int b)
{
    for (int place = 1; a > 0 || b > 0; place *= 10, a /= 10, b /= 10) {
        if (a % 10 + b % 10 >= 10)
            return place;
    }
    return 0;
}

Draft addingColumns(int a, int b)
{
    Draft d;
    d.answer = a + b;
    const int s = d.answer;
    const int carry = firstCarry(a, b);
    if (s < 1000) {
        if (carry == 1)
            d.clue = clue(u"Line up the hundreds, tens and ones. %1 + %2 makes 10 or more, so carry one ten.",
                          {a % 10, b % 10});
        else if (carry == 10)
            d.clue = QStringLiteral("Line up the hundreds, tens and ones. The tens make 10 tens or more, so carry "
                                    "one hundred.");
        else if (a % 10 == 0 && b % 10 == 0)
            d.clue = QStringLiteral("Add the hundreds first, then the tens.");
        else
            d.clue = QStringLiteral("Add the hundreds, then the tens, then the ones.");
        d.mistakes = {Mistakes::carryForgotten(a, b), s + 10, s - 10, s + 100, Mistakes::digitsSwapped(s)};
    } else {
        d.clue = carry ? QStringLiteral("Use column addition, starting with the ones, and remember to carry.")
                       : QStringLiteral("Add the thousands, the hundreds, the tens and the ones in turn.");
        d.mistakes = {Mistakes::carryForgotten(a, b), s + 100, s - 100, s + 1000, s - 10};
    }
    return d;
}

} // namespace

Draft Methods::adding(int a, int b)
{
    const int big = std::max(a, b);
    const int small = std::min(a, b);
    if (big < 10)
        return addingSingles(a, b);

    Draft d;
    d.answer = a + b;
    const int s = d.answer;
    const bool carries = firstCarry(a, b) != 0;
    if (a % 10 == 0 && b % 10 == 0 && s < 100) {
        d.clue = QStringLiteral("%1 and %2 make how many tens?").arg(counted(a / 10, "ten"), counted(b / 10, "ten"));
        d.mistakes = {s / 10, s + 10, s - 10, Mistakes::sideBySide(a / 10, b / 10)};
    } else if (const int thousands = roundOne(a, b, 1000); thousands > 0) {
        d.clue = QStringLiteral("Count on %1 from %2.").arg(counted(thousands / 1000, "thousand")).arg(s - thousands);
        d.mistakes = {s - thousands + thousands / 10, s + 1000, s - 1000, s - thousands + thousands / 100};
    } else if (const int hundreds = roundOne(a, b, 100); hundreds > 0 && hundreds < 1000) {
        d.clue = QStringLiteral("Count on %1 from %2.").arg(counted(hundreds / 100, "hundred")).arg(s - hundreds);
        d.mistakes = {s - hundreds + hundreds / 10, s + 100, s - 100, s - hundreds + hundreds / 100};
    } else if (a % 100 == 0 && b % 100 == 0 && s < 10000) {
        d.clue = QStringLiteral("%1 and %2 make how many hundreds?")
                     .arg(counted(a / 100, "hundred"), counted(b / 100, "hundred"));
        d.mistakes = {s / 100, s + 100, s - 100, s * 10};
    } else if (small % 10 == 9 && (small < 100 || (small < 1000 && small % 100 == 99))) {
        d.clue = clue(u"Adding %1 is the same as adding %2 and taking 1 away.", {small, small + 1});
        d.mistakes = {s + 1, s - 1, s + 2, s + 10};
    } else if (small < 10) {
        if (carries) {
            const int toTen = nextTen(big) - big;
            d.clue = clue(u"Use %1 of the %2 to make %3, then add the %4 that is left.",
                          {toTen, small, nextTen(big), small - toTen});
            d.mistakes = {Mistakes::carryForgotten(big, small), s + 10, s - 1, s + 1};
        } else {
            d.clue = clue(u"Add the ones: %1 + %2. The tens stay the same.", {big % 10, small});
            d.mistakes = {big + small * 10, s - 1, s + 1, s + 10};
        }
    } else if (small % 10 == 0 && small < 100 && big < 1000 && !carries) {
        d.clue = small == 10 ? clue(u"Count on one ten from %1.", {big})
                 : small <= 40 ? clue(u"Count on from %1 in tens, %2 times.", {big, small / 10})
                               : clue(u"Add %1 tens to %2. Only the tens digit changes.", {small / 10, big});
        d.mistakes = {big + small / 10, s - 10, s + 10, s + 100};
    } else if (big < 100) {
        d.clue = carries ? clue(u"Add the tens: %1 + %2. Add the ones: %3 + %4. Then put them together.",
                                {a / 10 * 10, b / 10 * 10, a % 10, b % 10})
                         : QStringLiteral("Add the tens, then add the ones.");
        const int written = Mistakes::sideBySide(a / 10 + b / 10, a % 10 + b % 10); // both column sums written down
        d.mistakes = {Mistakes::carryForgotten(a, b), s + 10, s - 10, written, s + 1};
    } else {
        return addingColumns(a, b);
    }
    return d;
}

Draft Methods::takingAway(int a, int b)
{
    Draft d;
    d.answer = a - b;
    const int r = d.answer;
    const bool exchanges = Mistakes::smallerFromLarger(a, b) != r;
    if (a <= 20 && b < 10) {
        if (a <= 10 || a % 10 >= b || a % 10 == 0) {
            d.clue = clue(u"Start at %1 and count back %2.", {a, b});
            d.mistakes = {r + 1, r - 1, a + b, r + 2};
        } else {
            d.clue = clue(u"Take away %1 to get to 10, then take away %2 more.", {a % 10, b - a % 10});
            d.mistakes = {Mistakes::smallerFromLarger(a, b), r + 1, r - 1, a + b};
        }
    } else if (a % 10 == 0 && b % 10 == 0 && a < 100) {
        d.clue = b == 10 ? clue(u"Count back one ten from %1.", {a}) : clue(u"Count back %1 tens from %2.", {b / 10, a});
        d.mistakes = {r + 10, r - 10, a + b, r / 10};
    } else if (a % 100 == 0 && b % 100 == 0 && a >= 1000 && b % 1000 != 0) {
        d.clue = b < 1000 ? clue(u"Count back %1 hundreds from %2.", {b / 100, a})
                          : clue(u"Take away %1, then take away %2 more.", {b / 1000 * 1000, b % 1000});
        d.mistakes = {r + 1000, r - 1000, r + 100, a + b};
    } else if (a % 100 == 0 && b % 100 == 0) {
        d.clue = QStringLiteral("Take away the hundreds: %1 take away %2.")
                     .arg(counted(a / 100, "hundred"), counted(b / 100, "hundred"));
        d.mistakes = {r + 100, r - 100, a + b, r / 100};
    } else if (a % 100 == 0 && b % 100 != 0) {
        d.clue = Methods::countingUp(b, a);
        d.mistakes = {r - 10, r + 10, r + 1, a + b};
    } else if (b < 10) {
        if (a % 10 >= b) {
            d.clue = QStringLiteral("Take away from the ones. The tens stay the same.");
            d.mistakes = {r - 1, r + 1, a - b * 10, a + b};
        } else {
            d.clue = a % 10 == 0
                ? clue(u"Split %1 into %2 and 10. Take %3 from the 10, then put what is left with %2.", {a, a - 10, b})
                : clue(u"Take away %1 to reach %2, then take away the rest.", {a % 10, a - a % 10});
            d.mistakes = {Mistakes::smallerFromLarger(a, b), r + 10, r - 1, r + 1};
        }
    } else if (b % 10 == 0 && b < 100) {
        d.clue = b == 10   ? clue(u"Count back one ten from %1.", {a})
                 : b <= 40 ? clue(u"Count back in tens from %1, %2 times.", {a, b / 10})
                         : clue(u"Take %1 tens away from the tens of %2. The ones stay the same.", {b / 10, a});
        d.mistakes = {a - b / 10, r + 10, r - 10, a + b};
    } else if (b % 10 >= 8 && (b < 100 || b % 100 >= 98)) {
        const int round = nextTen(b);
        d.clue = clue(u"Take away %1 and then add %2 back.", {round, round - b});
        d.mistakes = {Mistakes::smallerFromLarger(a, b), r - 2 * (round - b), r + 10, r - 10};
    } else if (a < 100) {
        d.clue = exchanges ? clue(u"Take away %1, then take away %2 more.", {b / 10 * 10, b % 10})
                           : QStringLiteral("Take away the tens, then take away the ones.");
        d.mistakes = {Mistakes::smallerFromLarger(a, b), r + 10, r - 10, r + 1};
    } else if (a < 1000) {
        const bool ones = a % 10 < b % 10;
        const bool tens = (a / 10 - (ones ? 1 : 0)) % 10 < b / 10 % 10;
        d.clue = ones && tens ? QStringLiteral("Use column subtraction. Exchange a ten for ten ones, then a hundred "
                                               "for ten tens.")
                 : ones       ? QStringLiteral("Use column subtraction. You need to exchange one ten for ten ones.")
                 : tens ? QStringLiteral("Use column subtraction. You need to exchange one hundred for ten tens.")
                 : a % 10 == 0 && b % 10 == 0 ? QStringLiteral("Take away the hundreds, then the tens.")
                                              : QStringLiteral("Take away the hundreds, then the tens, then the ones.");
        d.mistakes = {Mistakes::smallerFromLarger(a, b), r + 10, r + 100, r - 10, a + b};
    } else {
        d.clue = exchanges ? QStringLiteral("Use column subtraction, starting with the ones, and exchange where the "
                                            "top digit is smaller.")
                           : QStringLiteral("Take away the thousands, the hundreds, the tens and the ones in turn.");
        d.mistakes = {Mistakes::smallerFromLarger(a, b), r + 100, r - 100, r + 1000, r + 10};
    }
    return d;
}
