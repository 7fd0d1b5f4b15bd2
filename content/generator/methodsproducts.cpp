// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/methods.h"

#include "content/generator/mistakes.h"

#include <algorithm>

namespace {

QString clue(const char16_t *form, std::initializer_list<int> numbers)
{
    QString text = QString::fromUtf16(form);
    for (int number : numbers)
        text = text.arg(number);
    return text;
}

// A times-table fact t x o (both 12 or less), taught through a fact the child already knows.
QString tableClue(int a, int b)
{
    for (int t : {10, 2, 5, 4, 9, 6, 8, 11, 12, 7, 3}) {
        if (a != t && b != t)
            continue;
        const int o = a == t ? b : a;
        switch (t) {
        case 10: return QStringLiteral("When you multiply by 10, each digit moves one place to the left.");
        case 2: return clue(u"Double %1.", {o});
        case 5:
            return o <= 5 ? clue(u"Count in 5s, %1 times.", {o}) : clue(u"Work out 10 x %1, then halve it.", {o});
        case 4: return clue(u"Double %1, then double the answer again.", {o});
        case 9: return clue(u"Work out 10 x %1, then take one %1 away.", {o});
        case 6: return clue(u"Work out 5 x %1, then add one more %1.", {o});
        case 8: return clue(u"Double %1, double the answer, then double once more.", {o});
        case 11: return clue(u"Work out 10 x %1, then add one more %1.", {o});
        case 12: return clue(u"Work out 10 x %1 and 2 x %1, then add them.", {o});
        case 7: return clue(u"Work out 5 x %1 and 2 x %1, then add them.", {o});
        default: return clue(u"Double %1, then add one more %1.", {o});
        }
    }
    return clue(u"Count in %1s, %2 times.", {a, b});
}

// The parts of a number by place value, largest first, zeros left out: 238 gives 200, 30 and 8.
QList<int> parts(int value)
{
    QList<int> result;
    for (int place = 1; value > 0; place *= 10, value /= 10) {
        if (value % 10 != 0)
            result.prepend(value % 10 * place);
    }
    return result;
}

// "Work out 200 x 7, 30 x 7 and 8 x 7, then add them."
QString partsClue(int big, int o)
{
    QStringList products;
    for (int part : parts(big))
        products.append(QStringLiteral("%1 x %2").arg(part).arg(o));
    const QString last = products.takeLast();
    return QStringLiteral("Work out %1 and %2, then add them.").arg(products.join(QStringLiteral(", ")), last);
}

// Short multiplication forgetting to carry: each digit's product leaves only
// its last digit, the leftmost its whole product. 34 x 6 gives 184.
int carryForgotten(int big, int o)
{
    int result = 0;
    int place = 1;
    for (; big >= 10; big /= 10, place *= 10)
        result += big % 10 * o % 10 * place;
    return result + big * o * place;
}

} // namespace

Draft Methods::multiplying(int a, int b)
{
    Draft d;
    d.answer = a * b;
    const int p = d.answer;
    const int big = std::max(a, b);
    const int small = std::min(a, b);
    if (big <= 12 && small <= 5 && (a == 2 || a == 5 || a == 3 || a == 10)) {
        d.clue = clue(u"Count in %1s, %2 times.", {a, b});
        d.mistakes = {p + a, p - a, a + b, p + 1};
    } else if (small == 10 || big == 10) {
        d.clue = big <= 12 ? clue(u"Count in 10s, %1 times.", {p / 10})
                           : QStringLiteral("When you multiply by 10, each digit moves one place to the left.");
        d.mistakes = {a + b, p * 10, Mistakes::sideBySide(small == 10 ? big : small, 10), p + 10};
    } else if (small == 100 || big == 100) {
        d.clue = QStringLiteral("When you multiply by 100, each digit moves two places to the left.");
        d.mistakes = {p / 10, p * 10, a + b};
    } else if (big <= 12) {
        d.clue = tableClue(a, b);
        d.mistakes = {p + a, p - a, a + b, p + 1};
    } else if (small <= 9 && big % 10 == 0 && big < 100) {
        d.clue = clue(u"Work out %1 x %2, then make it ten times bigger.", {big / 10, small});
        d.mistakes = {a + b, p * 10, p - big, p / 10};
    } else if (big % 10 == 0 && big < 100) {
        d.clue = clue(u"Work out %1 x %2, then make it ten times bigger.", {small, big / 10});
        d.mistakes = {small * (big / 10), p * 10, p - small, p + big};
    } else if (small == 4 && big <= 50) {
        d.clue = clue(u"Double %1, then double the answer again.", {big});
        d.mistakes = {p - 10, p - big, p + 10, big * 2};
    } else if (small <= 12) {
        d.clue = partsClue(big, small);
        d.mistakes = {carryForgotten(big, small), p + 10, p - 10, p + small, p + 100};
    } else if (small < 20) {
        d.clue = clue(u"Work out %1 x 10 and %1 x %2, then add them.", {big, small - 10});
        d.mistakes = {big + big * (small - 10), p + 10, p - 10, p + big};
    } else {
        const int tens = small / 10 * 10;
        d.clue = small % 10 == 0 ? clue(u"Work out %1 x %2, then make it ten times bigger.", {big, small / 10})
                                 : clue(u"Work out %1 x %2 and %1 x %3, then add them.", {big, tens, small % 10});
        d.mistakes = {big * (small / 10) + big * (small % 10), p + 10, p - 10, p + 100, p + big};
    }
    return d;
}

Draft Methods::dividing(int a, int b)
{
    Draft d;
    d.answer = a / b;
    const int q = d.answer;
    if (b == 2 && a <= 24) {
        d.clue = clue(u"Share %1 into 2 equal groups.", {a});
        d.mistakes = {q + 1, q - 1, a - 2, a * 2};
    } else if (b == 10 || b == 100 || b == 1000) {
        d.clue = b == 10 && a <= 150 ? clue(u"How many tens make %1?", {a})
                 : b == 10           ? QStringLiteral("Dividing by 10 moves every digit one place to the right.")
                 : b == 100 ? QStringLiteral("Dividing by 100 moves every digit two places to the right.")
                            : QStringLiteral("Dividing by 1000 moves every digit three places to the right.");
        d.mistakes = {q * 10, q / 10, a - b, q + 1};
    } else if (q <= 12 && b <= 12) {
        if (b == 4)
            d.clue = clue(u"Halve %1, then halve the answer again.", {a});
        else if ((b == 2 || b == 3 || b == 5) && q <= 10)
            d.clue = clue(u"Count in %1s until you reach %2, and count the steps.", {b, a});
        else if (q % 2 == 0)
            d.clue = clue(u"Which number times %1 makes %2?", {b, a});
        else
            d.clue = clue(u"Think of the %1 times table. Which fact ends in %2?", {b, a});
        d.mistakes = {q + 1, q - 1, a - b, b};
    } else if (b <= 12 && q % 10 != 0) {
        // Parts that each divide exactly: 96 is 60 and 36, 738 is 600, 120 and 18.
        QStringList pieces;
        for (int place = q >= 100 ? 100 : 10; place >= 1; place /= 10) {
            if (q / place % 10 != 0)
                pieces.append(QString::number(q / place % 10 * place * b));
        }
        const QString last = pieces.takeLast();
        d.clue = QStringLiteral("Split %1 into %2 and %3, and divide each part by %4.")
                     .arg(QString::number(a), pieces.join(QStringLiteral(", ")), last, QString::number(b));
        d.mistakes = {Mistakes::digitsSwapped(q), q + 1, q - 1, q + 10, q - 10};
    } else if (a % 10 == 0 && (a / 10) % b == 0) {
        d.clue = clue(u"Work out %1 divided by %2 first, then think about the zero.", {a / 10, b});
        d.mistakes = {q / 10, q * 10, q + 1, q - 1};
    } else {
        d.clue = clue(u"Count up in %1s: start with 10 x %1, then add more %1s until you reach %2.", {b, a});
        d.mistakes = {q + 1, q - 1, q + 10, Mistakes::digitsSwapped(q)};
    }
    return d;
}
