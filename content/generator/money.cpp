// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/writer.h"

// Money questions put "$" where the currency word goes ("3 $" reads "3
// dollars", "How many $" reads "How many dollars"), never more than three times
// in a question, since the exercise replaces no more.

namespace {

const QStringList &cheapThings()
{
    static const QStringList list{
        QStringLiteral("pencil"),   QStringLiteral("rubber"),   QStringLiteral("ruler"),  QStringLiteral("drink"),
        QStringLiteral("comic"),    QStringLiteral("ball"),     QStringLiteral("kite"),   QStringLiteral("sticker book"),
        QStringLiteral("yo-yo"),    QStringLiteral("notebook"), QStringLiteral("banana"), QStringLiteral("sharpener"),
        QStringLiteral("glue stick"), QStringLiteral("bag of sweets"), QStringLiteral("skipping rope"),
        QStringLiteral("hair clip")};
    return list;
}

const QStringList &dearThings()
{
    static const QStringList list{
        QStringLiteral("toy car"),  QStringLiteral("book"),       QStringLiteral("game"),
        QStringLiteral("T-shirt"),  QStringLiteral("cap"),        QStringLiteral("puzzle"),
        QStringLiteral("football"), QStringLiteral("lunchbox"),   QStringLiteral("board game"),
        QStringLiteral("backpack"), QStringLiteral("pair of shorts"), QStringLiteral("teddy bear"),
        QStringLiteral("paint set"), QStringLiteral("torch"),     QStringLiteral("water bottle"),
        QStringLiteral("pencil case")};
    return list;
}

const QStringList &bigThings()
{
    static const QStringList list{QStringLiteral("bike"),   QStringLiteral("tablet"), QStringLiteral("scooter"),
                                  QStringLiteral("tent"),   QStringLiteral("guitar"), QStringLiteral("coat"),
                                  QStringLiteral("camera"), QStringLiteral("keyboard")};
    return list;
}

// "a pencil", "an apple".
QString a(const QString &thing)
{
    static const QString vowels = QStringLiteral("aeiou");
    return (vowels.contains(thing.at(0)) ? QStringLiteral("an ") : QStringLiteral("a ")) + thing;
}

// Two prices from the list, added.
Draft together(Writer &w, const QStringList &things, int low, int high)
{
    const QString first = w.word(things);
    const QString second = w.word(things);
    const int x = w.graded(low, high);
    const int y = w.number(low, high);
    Draft d = Methods::adding(x, y);
    d.text = w.chance(50) ? QStringLiteral("%1 costs %2 $ and %3 costs %4 $. How many $ do they cost together?")
                                .arg(a(first).replace(0, 1, QStringLiteral("A")))
                                .arg(x)
                                .arg(a(second))
                                .arg(y)
                          : QStringLiteral("%1 buys %2 for %3 $ and %4 for %5 $. What is the total cost in $?")
                                .arg(w.person().name, a(first))
                                .arg(x)
                                .arg(a(second))
                                .arg(y);
    return d;
}

// Change from a round amount, or what is left after spending.
Draft change(Writer &w, const QStringList &things, int paid, int low, int high)
{
    const int cost = w.graded(low, std::min(high, paid - 1));
    Draft d = Methods::takingAway(paid, cost);
    const Person p = w.person();
    d.text = w.chance(50) ? QStringLiteral("%1 has %2 $ and spends %3 $ on %4. How many $ does %5 have left?")
                                .arg(p.name)
                                .arg(paid)
                                .arg(cost)
                                .arg(a(w.word(things)), p.he)
                          : QStringLiteral("%1 pays with %2 $ for %3 that costs %4 $. How much change does %5 get in $?")
                                .arg(p.name)
                                .arg(paid)
                                .arg(a(w.word(things)))
                                .arg(cost)
                                .arg(p.he);
    return d;
}

// Several of one thing at one price, or the same saved every week.
Draft several(Writer &w, const QStringList &things, int priceLow, int priceHigh, int countLow, int countHigh)
{
    const int price = w.graded(priceLow, priceHigh);
    const int count = w.number(countLow, countHigh);
    Draft d = Methods::multiplying(price, count);
    if (price > 30 || w.chance(60)) {
        d.text = QStringLiteral("%1 costs %2 $. How many $ do %3 of them cost?")
                     .arg(a(w.word(things)).replace(0, 1, QStringLiteral("A")))
                     .arg(price)
                     .arg(count);
    } else {
        const Person p = w.person();
        d.text = QStringLiteral("%1 saves %2 $ every week. How many $ has %3 saved after %4 weeks?")
                     .arg(p.name)
                     .arg(price)
                     .arg(p.he)
                     .arg(count);
    }
    return d;
}

// One price from the price of several: cakes from a shop, or things a club buys.
Draft each(Writer &w, bool club, int low, int high)
{
    static const QList<Thing> clubThings{{QStringLiteral("football"), QStringLiteral("footballs")},
                                         {QStringLiteral("T-shirt"), QStringLiteral("T-shirts")},
                                         {QStringLiteral("book"), QStringLiteral("books")},
                                         {QStringLiteral("tennis racket"), QStringLiteral("tennis rackets")},
                                         {QStringLiteral("helmet"), QStringLiteral("helmets")},
                                         {QStringLiteral("theatre ticket"), QStringLiteral("theatre tickets")}};
    const int count = w.pick(club ? QList<int>{4, 5, 6, 8, 12, 15} : QList<int>{2, 3, 4, 5, 6, 8, 10});
    const int price = w.graded(low, high);
    Draft d = Methods::dividing(price * count, count);
    const Thing thing = w.thing(club ? clubThings : Writer::bakes());
    d.text = (club ? QStringLiteral("A club buys %1 %2 for %3 $. How many $ does one %4 cost?")
                   : QStringLiteral("A shop sells %1 %2 for %3 $. How many $ does one %4 cost?"))
                 .arg(count)
                 .arg(thing.many)
                 .arg(price * count)
                 .arg(thing.one);
    return d;
}

// Several things bought from a sum of money: what is left.
Draft left(Writer &w, int has, int low, int high)
{
    const int count = w.number(3, 6);
    const int price = w.graded(low, std::min(high, has / count - 1));
    const Person p = w.person();
    const QString things = w.word({QStringLiteral("books"), QStringLiteral("comics"), QStringLiteral("games"),
                                   QStringLiteral("puzzles"), QStringLiteral("T-shirts"), QStringLiteral("caps")});
    Draft d;
    d.answer = has - count * price;
    d.text = QStringLiteral("%1 has %2 $ and buys %3 %4 at %5 $ each. How many $ does %6 have left?")
                 .arg(p.name)
                 .arg(has)
                 .arg(count)
                 .arg(things)
                 .arg(price)
                 .arg(p.he);
    d.clue = QStringLiteral("Work out what the %1 %2 cost first, then take that away from %3.")
                 .arg(count)
                 .arg(things)
                 .arg(has);
    d.mistakes = {has - price, count * price, d.answer + price, d.answer - 10};
    return d;
}

// A price cut by a fraction or a percentage.
Draft sale(Writer &w, int low, int high)
{
    static const QList<std::pair<QString, int>> cuts{{QStringLiteral("half"), 2},  {QStringLiteral("1/4"), 4},
                                                     {QStringLiteral("1/5"), 5},   {QStringLiteral("1/10"), 10},
                                                     {QStringLiteral("10%"), 10},  {QStringLiteral("25%"), 4},
                                                     {QStringLiteral("50%"), 2},   {QStringLiteral("20%"), 5}};
    const auto [cut, parts] = w.pick(cuts);
    const int price = parts * w.graded(low / parts, high / parts);
    Draft d;
    d.answer = price - price / parts;
    d.text = QStringLiteral("%1 costs %2 $. In a sale the price drops by %3. What is the new price in $?")
                 .arg(a(w.word(bigThings())).replace(0, 1, QStringLiteral("A")))
                 .arg(price)
                 .arg(cut);
    d.clue = QStringLiteral("Find %1 of %2, then take it away from %2.").arg(cut).arg(price);
    d.mistakes = {price / parts, price - parts, d.answer + 10, price + price / parts};
    return d;
}

// Tickets for grown-ups and children.
Draft tickets(Writer &w, int low, int high)
{
    const int adults = w.number(2, 3);
    const int children = w.number(2, 4);
    const int adult = w.graded(low, high);
    const int child = w.number(low / 2, adult - 2);
    Draft d;
    d.answer = adults * adult + children * child;
    d.text = QStringLiteral("A family buys %1 adult tickets at %2 $ each and %3 child tickets at %4 $ each. What is "
                            "the total cost in $?")
                 .arg(adults)
                 .arg(adult)
                 .arg(children)
                 .arg(child);
    d.clue = QStringLiteral("Work out the adult tickets and the child tickets separately, then add.");
    d.mistakes = {adult + child, (adults + children) * adult, d.answer - child, d.answer + 10};
    return d;
}

// How many weeks of saving buy something: any money short needs one more week.
Draft weeks(Writer &w, int low, int high)
{
    const int saved = w.pick(QList<int>{4, 5, 6, 8, 12, 15, 20, 25});
    int full = w.graded(low, high);
    const int cost = saved * full + w.number(1, saved - 1);
    const Person p = w.person();
    Draft d;
    d.answer = full + 1;
    d.text = QStringLiteral("%1 saves %2 $ every week. How many weeks does %3 need to save to buy %4 that costs %5 $?")
                 .arg(p.name)
                 .arg(saved)
                 .arg(p.he, a(w.word(bigThings())))
                 .arg(cost);
    d.clue = QStringLiteral("Work out %1 divided by %2. If there is a remainder, one more week is needed.")
                 .arg(cost)
                 .arg(saved);
    d.mistakes = {full, full + 2, cost - saved, full - 1};
    return d;
}

// Coins of one value making an amount, or an amount shared.
Draft sharing(Writer &w, const QList<int> &coins, int low, int high, bool share)
{
    const int each = w.pick(coins);
    const int count = w.graded(low, high);
    Draft d = Methods::dividing(each * count, share ? count : each);
    if (share) {
        d.text = QStringLiteral("%1 friends share %2 $ equally. How many $ does each friend get?")
                     .arg(count)
                     .arg(each * count);
    } else {
        d.text = QStringLiteral("How many coins worth %1 $ make %2 $?").arg(each).arg(each * count);
        if (count <= 10)
            d.clue = QStringLiteral("Count in %1s until you reach %2, and count the steps.").arg(each).arg(each * count);
    }
    return d;
}

// How much more is needed to buy something.
Draft needed(Writer &w, const QStringList &things, int low, int high)
{
    const int cost = w.graded(low, high);
    const int has = w.number(cost / 4, cost - 2);
    const Person p = w.person();
    Draft d = Methods::takingAway(cost, has);
    d.clue = Methods::countingUp(has, cost);
    d.mistakes = {cost + has, d.answer + 10, d.answer - 10, d.answer + 1};
    d.text = QStringLiteral("%1 costs %2 $. %3 has %4 $. How many more $ does %5 need?")
                 .arg(a(w.word(things)).replace(0, 1, QStringLiteral("A")))
                 .arg(cost)
                 .arg(p.name)
                 .arg(has)
                 .arg(p.he);
    return d;
}

} // namespace

Plan Plans::money(int level)
{
    if (level == 1) {
        return {
            {4, {[](Writer &w) { return together(w, cheapThings(), 2, 5); },
                 [](Writer &w) { return several(w, cheapThings(), 2, 5, 2, 2); }}},
            {4, {[](Writer &w) { return change(w, cheapThings(), 10, 2, 8); },
                 [](Writer &w) { return sharing(w, {2, 5}, 2, 5, false); }}},
            {4, {[](Writer &w) { return several(w, cheapThings(), 2, 5, 2, 5); },
                 [](Writer &w) { return together(w, cheapThings(), 4, 9); }}},
            {4, {[](Writer &w) { return change(w, cheapThings(), 20, 3, 15); },
                 [](Writer &w) { return needed(w, dearThings(), 8, 20); }}},
            {4, {[](Writer &w) { return several(w, cheapThings(), 2, 10, 3, 6); },
                 [](Writer &w) { return sharing(w, {2, 5, 10}, 3, 10, false); },
                 [](Writer &w) { return together(w, dearThings(), 8, 19); }}},
        };
    }
    if (level == 2) {
        return {
            {4, {[](Writer &w) { return together(w, dearThings(), 8, 35); },
                 [](Writer &w) { return change(w, cheapThings(), 20, 3, 17); }}},
            {4, {[](Writer &w) { return several(w, dearThings(), 6, 15, 3, 6); },
                 [](Writer &w) { return change(w, dearThings(), 50, 12, 45); }}},
            {4, {[](Writer &w) { return sharing(w, {3, 4, 5, 6}, 3, 12, true); },
                 [](Writer &w) { return needed(w, dearThings(), 25, 90); },
                 [](Writer &w) { return each(w, false, 2, 9); }}},
            {4, {[](Writer &w) { return together(w, dearThings(), 15, 60); },
                 [](Writer &w) { return change(w, dearThings(), 100, 23, 88); },
                 [](Writer &w) { return sharing(w, {2, 5, 10, 20}, 5, 20, false); }}},
            {4, {[](Writer &w) { return several(w, dearThings(), 12, 25, 3, 8); },
                 [](Writer &w) { return sale(w, 20, 120); },
                 [](Writer &w) { return needed(w, bigThings(), 60, 250); }}},
        };
    }
    return {
        {4, {[](Writer &w) { return together(w, bigThings(), 125, 490); },
             [](Writer &w) { return change(w, bigThings(), 500, 135, 480); }}},
        {4, {[](Writer &w) { return several(w, dearThings(), 15, 48, 12, 30); },
             [](Writer &w) { return change(w, bigThings(), 1000, 245, 890); },
             [](Writer &w) { return each(w, true, 12, 45); }}},
        {4, {[](Writer &w) { return sharing(w, {15, 25, 35, 45}, 3, 9, true); },
             [](Writer &w) { return needed(w, bigThings(), 250, 900); },
             [](Writer &w) { return sale(w, 80, 600); }}},
        {4, {[](Writer &w) { return several(w, bigThings(), 115, 350, 4, 9); },
             [](Writer &w) { return tickets(w, 8, 25); },
             [](Writer &w) { return weeks(w, 6, 20); }}},
        {4, {[](Writer &w) { return several(w, bigThings(), 125, 250, 12, 24); },
             [](Writer &w) { return change(w, bigThings(), 2000, 1120, 1890); },
             [](Writer &w) { return left(w, w.pick(QList<int>{100, 200, 500}), 12, 60); }}},
    };
}
