// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/story.h"

#include <algorithm>
#include <numeric>

namespace {

QString f(int top, int bottom)
{
    return QStringLiteral("%1/%2").arg(top).arg(bottom);
}

// The name of the pieces: "halves", "thirds"...
QString pieces(int bottom)
{
    static const QStringList names{QString(), QString(), QStringLiteral("halves"), QStringLiteral("thirds"),
                                   QStringLiteral("quarters"), QStringLiteral("fifths"), QStringLiteral("sixths"),
                                   QStringLiteral("sevenths"), QStringLiteral("eighths"), QStringLiteral("ninths"),
                                   QStringLiteral("tenths")};
    return names.value(bottom);
}

// top/bottom of amount, as a bare question or a story.
Draft of(Writer &w, int top, int bottom, int amount, bool asStory)
{
    Draft d;
    const int unit = amount / bottom;
    d.answer = unit * top;
    if (top == 1) {
        d.clue = QStringLiteral("Share %1 into %2 equal groups.").arg(amount).arg(bottom);
        d.mistakes = bottom == 2 ? QList<int>{amount, amount * 2, d.answer + 1, d.answer - 1}
                                 : QList<int>{amount - unit, d.answer + 1, amount / 2, d.answer - 1, amount * bottom};
    } else {
        d.clue = QStringLiteral("Find 1/%1 of %2 first. %3 is %4 of those.")
                     .arg(bottom)
                     .arg(amount)
                     .arg(f(top, bottom))
                     .arg(top);
        d.mistakes = {unit, amount - d.answer, d.answer + unit, amount + top, d.answer - 1};
    }
    const QString part = top == 1 && bottom == 2 ? QStringLiteral("half")
                         : top == 1 && bottom == 4 && amount < 50 ? QStringLiteral("a quarter")
                                                                 : f(top, bottom);
    if (!asStory) {
        d.text = top == 1 && bottom <= 4 && w.chance(40) ? QStringLiteral("What is %1 of %2?").arg(f(1, bottom)).arg(amount)
                                                         : QStringLiteral("What is %1 of %2?").arg(part).arg(amount);
        return d;
    }
    const QList<Story> stories{
        {4, 40, u"{n} has {a} {things} and gives {p} of them to {m}. How many {things} does {he} give away?"},
        {4, 40, u"{n} has {a} {things}. {He} puts {p} of them in a box. How many {things} go in the box?"},
        {4, 40, u"There are {a} ducks on a pond. {p} of them swim away. How many ducks swim away?"},
        {4, 40, u"{n} picks {a} {fruits}. {p} of them are ripe. How many ripe {fruits} are there?"},
        {4, 48, u"A tray holds {a} {bakes}. {n} gives {p} of them to {his} class. How many {bakes} does {he} give?"},
        {12, 36, u"There are {a} children in a class. {p} of them walk to school. How many children walk to school?"},
        {40, 200, u"A water butt holds {a} ^. It is {p} full. How much water is in it?"},
        {60, 600, u"A family drives {a} ~ to the coast. They stop for lunch after {p} of the way. How far have they "
                  u"driven by lunch?"},
        {10, 200, u"A bag holds {a} @ of flour. A baker uses {p} of it. How much flour does the baker use?"},
        {20, 999, u"A school has {a} children. {p} of them have a packed lunch. How many children have a packed "
                  u"lunch?"},
        {10, 40, u"A cartoon lasts {a} minutes. {n} has watched {p} of it. How many minutes has {he} watched?"},
        {60, 240, u"A film lasts {a} minutes. {n} has watched {p} of it. How many minutes has {he} watched?"},
    };
    QString text = told(w, stories, {amount});
    if (text.isEmpty())
        return of(w, top, bottom, amount, false);
    const QString start = QString(part).replace(0, 1, part.at(0).toUpper());
    text.replace(QStringLiteral(". {p}"), QStringLiteral(". ") + start);
    text.replace(QStringLiteral("{p}"), part);
    d.text = text;
    return d;
}

// A fraction of a multiple of its bottom number, from low to high times the bottom number.
Draft ofAmount(Writer &w, const QList<int> &bottoms, bool unit, int low, int high, bool asStory)
{
    const int bottom = w.pick(bottoms);
    int top = unit ? 1 : w.number(2, bottom - 1);
    while (!unit && std::gcd(top, bottom) != 1)
        top = w.number(2, bottom - 1);
    return of(w, top, bottom, bottom * w.graded(low, high), asStory);
}

// How many pieces make some wholes, or how many wholes some pieces make.
Draft wholes(Writer &w, const QList<int> &bottoms, int most)
{
    const int bottom = w.pick(bottoms);
    const int count = w.graded(1, most);
    Draft d;
    if (w.chance(60) || count == 1) {
        d.answer = bottom * count;
        d.text = count == 1 ? QStringLiteral("How many %1 make 1 whole?").arg(pieces(bottom))
                            : QStringLiteral("How many %1 make %2 wholes?").arg(pieces(bottom)).arg(count);
        d.clue = QStringLiteral("Think of cutting each whole into %1 equal pieces.").arg(bottom);
        d.mistakes = {bottom + count, bottom, count, d.answer + bottom};
    } else {
        const QString thing = w.pick(QStringList{QStringLiteral("pizzas"), QStringLiteral("cakes"),
                                                 QStringLiteral("pies")});
        d.answer = count;
        d.text = QStringLiteral("How many whole %1 can you make from %2 %3?").arg(thing).arg(bottom * count)
                     .arg(pieces(bottom));
        d.clue = QStringLiteral("%1 %2 make one whole.").arg(bottom).arg(pieces(bottom));
        d.mistakes = {bottom * count, bottom * count - bottom, bottom, count + 1};
    }
    return d;
}

// Something cut into halves or quarters: how many pieces, or how many are left.
// One thing in halves is too plain to ask about, so halves always come in twos.
Draft cut(Writer &w)
{
    const int bottom = w.pick(QList<int>{2, 4});
    static const QList<Thing> foods{{QStringLiteral("pizza"), QStringLiteral("pizzas")},
                                    {QStringLiteral("cake"), QStringLiteral("cakes")},
                                    {QStringLiteral("pie"), QStringLiteral("pies")},
                                    {QStringLiteral("sandwich"), QStringLiteral("sandwiches")},
                                    {QStringLiteral("chocolate bar"), QStringLiteral("chocolate bars")},
                                    {QStringLiteral("pancake"), QStringLiteral("pancakes")}};
    const Thing food = w.thing(foods);
    const int wholes = bottom == 2 ? 2 : w.number(1, 2);
    const QString how = bottom == 2 ? QStringLiteral("in half") : QStringLiteral("into quarters");
    const QString what = wholes == 1 ? QStringLiteral("a ") + food.one : QStringLiteral("two ") + food.many;
    Draft d;
    d.answer = bottom * wholes;
    if (w.chance(40)) {
        d.text = QStringLiteral("%1 cut %2. How many pieces are there?")
                     .arg(wholes == 1 ? QStringLiteral("A %1 is").arg(food.one)
                                      : QStringLiteral("Two %1 are").arg(food.many),
                          how);
        d.mistakes = {d.answer + 1, d.answer * 2, d.answer - 1, wholes};
    } else {
        const int eaten = w.number(1, d.answer - 1);
        d.text = QStringLiteral("%1 cuts %2 %3 and eats %4 of the pieces. How many pieces are left?")
                     .arg(w.person().name, what, how)
                     .arg(eaten);
        d.mistakes = {d.answer, d.answer - eaten + 1, d.answer - eaten - 1, eaten};
        d.answer -= eaten;
    }
    d.clue = bottom == 2 ? QStringLiteral("Cutting in half makes two equal pieces of each whole.")
                         : QStringLiteral("Quarters: cut each whole in half, then cut each half in half again.");
    return d;
}

// "Half of a number is 14. What is the number?" and other parts of a whole.
Draft whole(Writer &w, const QList<int> &bottoms, int top, int low, int high)
{
    QList<int> fitting;
    for (int bottom : bottoms) {
        if (bottom > top && std::gcd(top, bottom) == 1)
            fitting.append(bottom);
    }
    const int bottom = w.pick(fitting);
    const int unit = w.graded(low, high);
    const int known = unit * top;
    Draft d;
    d.answer = unit * bottom;
    const QString part = top == 1 && bottom == 2 ? QStringLiteral("Half") : f(top, bottom);
    d.text = QStringLiteral("%1 of a number is %2. What is the number?").arg(part).arg(known);
    d.clue = top == 1 ? QStringLiteral("The whole is made of %1 parts like this one, so multiply.").arg(bottom)
                      : QStringLiteral("Find 1/%1 first by sharing %2 into %3 parts. The whole is %1 of those.")
                            .arg(bottom)
                            .arg(known)
                            .arg(top);
    d.mistakes = {known, known + bottom, d.answer - unit, d.answer + unit, unit};
    return d;
}

// "Type the missing number: 3/4 = __/12." or "2/6 = 1/__."
Draft equivalent(Writer &w, const QList<int> &bottoms, int most)
{
    const int bottom = w.pick(bottoms);
    int top = w.number(1, bottom - 1);
    while (std::gcd(top, bottom) != 1)
        top = w.number(1, bottom - 1);
    const int times = w.graded(2, most);
    Draft d;
    if (w.chance(50)) {
        d.answer = top * times;
        d.text = QStringLiteral("Type the missing number: %1 = __/%2.").arg(f(top, bottom)).arg(bottom * times);
        d.clue = QStringLiteral("The bottom number was multiplied by %1. Do the same to the top number.").arg(times);
        d.mistakes = {top + times, top * times + 1, bottom * times - bottom, d.answer - 1};
    } else {
        d.answer = bottom;
        d.text = QStringLiteral("Type the missing number: %1 = %2/__.").arg(f(top * times, bottom * times)).arg(top);
        d.clue = QStringLiteral("Divide the top number and the bottom number by %1.").arg(times);
        d.mistakes = {bottom * times, bottom * times - top * times + top, bottom + 1, bottom * times - times};
    }
    return d;
}

// Percentages that are simple fractions.
Draft percent(Writer &w)
{
    static const QList<std::pair<int, int>> simple{{50, 2}, {25, 4}, {10, 10}, {20, 5}, {75, 4}};
    const auto [rate, bottom] = w.pick(simple);
    const int amount = bottom * w.graded(3, 40) * (bottom == 10 ? 1 : 2);
    const int top = rate * bottom / 100;
    Draft d;
    d.answer = amount * rate / 100;
    d.text = QStringLiteral("What is %1% of %2?").arg(rate).arg(amount);
    d.clue = QStringLiteral("%1% is the same as %2.").arg(rate).arg(top == 1 ? f(1, bottom) : f(top, bottom));
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
    Draft d;
    switch (w.number(0, 2)) {
    case 0: {
        const int count = w.number(2, 5);
        d.answer = count * bottom + top;
        d.text = QStringLiteral("Type the missing number: %1 %2 = __/%3.").arg(count).arg(f(top, bottom)).arg(bottom);
        d.clue = QStringLiteral("Each whole is %1 %2. Count the %2 in %3 wholes, then add the %4 more.")
                     .arg(bottom)
                     .arg(pieces(bottom))
                     .arg(count)
                     .arg(top);
        d.mistakes = {count * bottom, count + top + bottom, count * top + bottom, d.answer + 1};
        break;
    }
    case 1: {
        const int other = w.number(1, bottom - 1);
        d.answer = top + other;
        d.text = QStringLiteral("Type the missing number: %1 + %2 = __/%3.").arg(f(top, bottom), f(other, bottom))
                     .arg(bottom);
        d.clue = QStringLiteral("The pieces are all %1, so add the top numbers only.").arg(pieces(bottom));
        d.mistakes = {d.answer + bottom, 2 * bottom, d.answer + 1, d.answer - 1};
        break;
    }
    default:
        d.answer = bottom - top;
        d.text = QStringLiteral("Type the missing number: 1 - %1 = __/%2.").arg(f(top, bottom)).arg(bottom);
        d.clue = QStringLiteral("One whole is %1/%1. Take away %2 of the %3.").arg(bottom).arg(top).arg(pieces(bottom));
        d.mistakes = {top, bottom, d.answer + 1, bottom + top};
        break;
    }
    return d;
}

// Two parts taken from one amount.
Draft neither(Writer &w)
{
    const int first = w.pick(QList<int>{2, 3, 4, 5});
    int second = w.pick(QList<int>{3, 4, 5, 6, 10});
    while (second == first)
        second = w.pick(QList<int>{3, 4, 5, 6, 10});
    const int amount = first * second / std::gcd(first, second) * w.number(1, 4) * (first == 2 ? 1 : 2);
    const Person p = w.person();
    Draft d;
    d.answer = amount - amount / first - amount / second;
    const QString part = first == 2 ? QStringLiteral("Half") : f(1, first);
    d.text = w.chance(50) ? QStringLiteral("%1 has %2 sweets. %3 of them are red and %4 are green. The rest are "
                                           "yellow. How many are yellow?")
                                .arg(p.name)
                                .arg(amount)
                                .arg(part, f(1, second))
                          : QStringLiteral("There are %1 children in a school club. %2 of them walk to school and %3 "
                                           "come by bus. The rest come by car. How many come by car?")
                                .arg(amount)
                                .arg(part, f(1, second));
    d.clue = QStringLiteral("Find 1/%1 of %2 and 1/%3 of %2, then take both away from %2.").arg(first).arg(amount)
                 .arg(second);
    d.mistakes = {amount / first + amount / second, amount - amount / first, amount - amount / second,
                  d.answer + 1};
    return d;
}

} // namespace

Plan Plans::fractions(int level)
{
    if (level == 1) {
        return {
            {4, {[](Writer &w) { return ofAmount(w, {2}, true, 2, 10, false); },
                 [](Writer &w) { return ofAmount(w, {2}, true, 2, 10, true); }}},
            {4, {[](Writer &w) { return wholes(w, {2, 4}, 3); }, [](Writer &w) { return cut(w); }}},
            {4, {[](Writer &w) { return ofAmount(w, {4}, true, 1, 5, false); },
                 [](Writer &w) { return ofAmount(w, {2}, true, 6, 15, true); }}},
            {4, {[](Writer &w) { return whole(w, {2}, 1, 3, 20); },
                 [](Writer &w) { return ofAmount(w, {2}, true, 10, 25, false); },
                 [](Writer &w) { return ofAmount(w, {4}, true, 2, 6, true); }}},
            {4, {[](Writer &w) { return ofAmount(w, {3}, true, 2, 10, w.chance(50)); },
                 [](Writer &w) { return of(w, 3, 4, 4 * w.graded(1, 6), w.chance(50)); },
                 [](Writer &w) { return whole(w, {3, 4}, 1, 2, 8); }}},
        };
    }
    if (level == 2) {
        return {
            {4, {[](Writer &w) { return ofAmount(w, {3, 4, 5, 10}, true, 2, 10, false); },
                 [](Writer &w) { return ofAmount(w, {3, 4, 5}, true, 3, 10, true); }}},
            {4, {[](Writer &w) { return wholes(w, {3, 4, 5, 10}, 5); },
                 [](Writer &w) { return ofAmount(w, {6, 8}, true, 2, 9, false); }}},
            {4, {[](Writer &w) { return equivalent(w, {2, 3, 4}, 4); },
                 [](Writer &w) { return ofAmount(w, {3, 4}, false, 2, 8, false); }}},
            {4, {[](Writer &w) { return ofAmount(w, {4, 5, 10}, false, 2, 10, false); },
                 [](Writer &w) { return ofAmount(w, {3, 4, 5}, false, 3, 12, true); },
                 [](Writer &w) { return equivalent(w, {4, 5, 6}, 5); }}},
            {4, {[](Writer &w) { return whole(w, {2, 3, 4, 5}, 1, 4, 15); },
                 [](Writer &w) { return ofAmount(w, {5, 8, 10}, false, 3, 12, false); }}},
        };
    }
    return {
        {4, {[](Writer &w) { return ofAmount(w, {5, 8, 10}, false, 4, 15, false); },
             [](Writer &w) { return ofAmount(w, {4, 5, 6, 8, 10}, false, 6, 30, true); }}},
        {4, {[](Writer &w) { return equivalent(w, {3, 4, 5, 6, 8}, 9); },
             [](Writer &w) { return ofAmount(w, {3, 5, 8, 10, 12}, false, 12, 60, false); }}},
        {4, {[](Writer &w) { return whole(w, {3, 5, 7}, 2, 3, 12); },
             [](Writer &w) { return percent(w); },
             [](Writer &w) { return whole(w, {4, 5, 8, 10}, 1, 6, 25); }}},
        {4, {[](Writer &w) { return pieceCount(w); },
             [](Writer &w) { return percent(w); }}},
        {4, {[](Writer &w) { return neither(w); },
             [](Writer &w) { return whole(w, {4, 5, 8, 10}, 3, 4, 15); },
             [](Writer &w) { return ofAmount(w, {6, 8, 12}, false, 15, 80, true); }}},
    };
}
