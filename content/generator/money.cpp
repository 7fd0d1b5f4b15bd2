// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/methods.h"
#include "content/generator/writer.h"

#include <algorithm>

// Money questions put "$" where the currency word goes ("3 $" reads "3
// dollars"), never more than three times in a question, since the exercise
// replaces no more. Every price is one the thing sells for, in proportion to
// the others; amounts are at least 2, so that the plural word reads right.

namespace {

// A price from low to high, growing through the band, and a thing of the kind that sells for it.
const Thing *priced(Writer &w, Nouns kind, int low, int high, int &price)
{
    price = w.graded(low, high);
    return w.thing(w.things(kind), price);
}

// Told with the thing bought and its price; an empty text (drafted again) when no story fits.
Draft told(Writer &w, Draft d, const QList<Story> &stories, const Telling &telling, int price)
{
    if (telling.noun)
        d.quantities.append({price, telling.noun->range});
    if (!w.tell(d, stories, telling))
        d.text.clear();
    return d;
}

// Two prices added.
Draft together(Writer &w, Nouns kind, int low, int high)
{
    int x = 0;
    int y = 0;
    const Thing *first = priced(w, kind, low, high, x);
    const Thing *second = priced(w, kind, low, high, y);
    Draft d = Methods::adding(w, x, y);
    if (!first || !second || first == second)
        return {};
    d.quantities.append({y, second->range});
    return told(w, d, w.bank().together, {{x, y}, {}, first, second}, x);
}

// What is left of a sum after buying something, or the change from a note.
Draft change(Writer &w, Nouns kind, int paid, int low, int high)
{
    int cost = 0;
    const Thing *thing = priced(w, kind, low, std::min(high, paid - 2), cost);
    if (!thing)
        return {};
    Draft d = Methods::takingAway(w, paid, cost);
    const bool note = paid <= 100 && w.chance(50);
    return told(w, d, note ? w.bank().paid : w.bank().spent, {{paid, cost}, {}, thing}, cost);
}

// Several of one thing at one price: one buyer, savings every week, or a school or club buying many.
Draft several(Writer &w, Nouns kind, int priceLow, int priceHigh, int countLow, int countHigh)
{
    int price = 0;
    const Thing *thing = priced(w, kind, priceLow, priceHigh, price);
    const int count = w.number(countLow, countHigh);
    if (!thing)
        return {};
    Draft d = Methods::multiplying(w, price, count);
    if (count <= 6 && price <= 20 && w.chance(35))
        return told(w, d, w.bank().saved, {{price, count}}, price);
    return told(w, d, count <= 6 && kind != Nouns::Bulk ? w.bank().several : w.bank().bought,
        {{price, count}, {}, thing}, price);
}

// One price from the price of several.
Draft onePrice(Writer &w, Nouns kind, int low, int high)
{
    int price = 0;
    const Thing *thing = priced(w, kind, low, high, price);
    const int count =
        w.pick(kind == Nouns::Bulk ? QList<int>{4, 5, 6, 8, 10, 12, 15} : QList<int>{2, 3, 4, 5, 6, 8, 10});
    if (!thing)
        return {};
    Draft d = Methods::dividing(w, price * count, count);
    return told(w, d, w.bank().onePrice, {{price * count, count}, {}, thing}, price);
}

// Several things bought from a sum of money: what is left.
Draft left(Writer &w, int has, int low, int high)
{
    const int count = w.number(3, 6);
    int price = 0;
    const Thing *thing = priced(w, Nouns::Dear, low, std::min(high, has / count - 1), price);
    if (!thing)
        return {};
    Draft d;
    d.answer = has - count * price;
    d.fact = Fact::other('l', has, count, price);
    d.clue = w.say({u"Work out %1 x %2 first, then take that away from %3.",
                       u"Calcule d'abord %1 x %2, puis enlève le résultat de %3.",
                       u"Calcula primero %1 x %2 y luego quita el resultado a %3."},
        {count, price, has});
    d.mistakes = {has - price, count * price, d.answer + price, d.answer - 10};
    return told(w, d, w.bank().left, {{has, count, price}, {}, thing}, price);
}

// A price cut by a fraction, or at level 3 by a percentage.
Draft sale(Writer &w, bool percentages, int low, int high)
{
    struct Cut
    {
        int top;
        int parts;
        int percent; // 0: told as a fraction
    };
    static const QList<Cut> fractions{{1, 2, 0}, {1, 4, 0}, {1, 5, 0}, {1, 10, 0}};
    static const QList<Cut> all{
        {1, 2, 0}, {1, 4, 0}, {1, 5, 0}, {1, 10, 0}, {1, 10, 10}, {1, 4, 25}, {1, 2, 50}, {1, 5, 20}, {3, 4, 75}};
    const Cut cut = w.pick(percentages ? all : fractions);
    int price = w.graded(low / cut.parts, high / cut.parts) * cut.parts;
    const Thing *thing = w.thing(w.things(Nouns::Big), price);
    if (!thing)
        return {};
    Draft d;
    d.answer = price - price / cut.parts * cut.top;
    d.fact = Fact::other('S', price, cut.parts, cut.top);
    const QString digits = cut.percent ? w.say({u"%1%", u"%1 %", u"el %1 %"}, {cut.percent})
                                       : QStringLiteral("%1/%2").arg(cut.top).arg(cut.parts);
    const QString words = cut.percent ? w.say({u"%1%", u"%1 %", u"el %1 %"}, {cut.percent})
                                      : Words::fraction(w.tongue(), cut.top, cut.parts);
    d.clue = w.say({u"Find %1 of %2, then take it away from %2.", u"Calcule %1 de %2, puis enlève-le à %2.",
                       u"Calcula %1 de %2 y luego quítalo de %2."})
                 .arg(digits)
                 .arg(price);
    d.mistakes = {price / cut.parts * cut.top, price + price / cut.parts * cut.top, d.answer + 10, d.answer - 10};
    return told(w, d, w.bank().sale, {{price}, {words}, thing}, price);
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
    d.fact = Fact::other('t', adult, child, adults * 10 + children);
    d.clue =
        w.say({u"Work out %1 x %2 and %3 x %4, then add them.", u"Calcule %1 x %2 et %3 x %4, puis additionne-les.",
                  u"Calcula %1 x %2 y %3 x %4, y luego súmalos."},
            {adults, adult, children, child});
    d.mistakes = {adult + child, (adults + children) * adult, d.answer - child, d.answer + 10};
    return told(w, d, w.bank().tickets, {{adults, adult, children, child}}, adult);
}

// How many weeks of saving buy something: any money short needs one more week.
Draft weeks(Writer &w, int low, int high)
{
    const int saved = w.pick(QList<int>{4, 5, 6, 8, 10, 12, 15, 20, 25});
    const int full = w.graded(low, high);
    const int cost = saved * full + w.number(1, saved - 1);
    Draft d;
    d.answer = full + 1;
    d.fact = Fact::other('w', saved, cost);
    d.clue = w.say({u"Work out %1 divided by %2. If there is a remainder, one more week is needed.",
                       u"Calcule %1 divisé par %2. S'il y a un reste, il faut une semaine de plus.",
                       u"Calcula %1 dividido entre %2. Si sobra algo, hace falta una semana más."},
        {cost, saved});
    d.mistakes = {full, full + 2, cost - saved, full - 1};
    return told(w, d, w.bank().weeks, {{saved, cost}}, cost);
}

// Coins or notes of one value making an amount. Coins are worth 2; 5 and more are notes.
Draft coins(Writer &w, const QList<int> &values, int low, int high)
{
    const int each = w.pick(values);
    const int count = w.graded(low, high);
    Draft d = Methods::dividing(w, each * count, each);
    d.text = each <= 2
        ? w.say({u"How many coins worth %1 $ each make %2 $?", u"Combien faut-il de pièces de %1 $ pour faire %2 $ ?",
                    u"¿Cuántas monedas de %1 $ hacen falta para tener %2 $?"},
            {each, each * count})
        : w.say({u"How many notes worth %1 $ each make %2 $?", u"Combien faut-il de billets de %1 $ pour faire %2 $ ?",
                    u"¿Cuántos billetes de %1 $ hacen falta para tener %2 $?"},
            {each, each * count});
    if (count <= 10)
        d.clue = w.say({u"Count in %1s until you reach %2, and count the steps.",
                           u"Compte de %1 en %1 jusqu'à %2, et compte les bonds.",
                           u"Cuenta de %1 en %1 hasta llegar a %2 y cuenta los saltos."},
            {each, each * count});
    return d;
}

// An amount shared equally between friends.
Draft shared(Writer &w, const QList<int> &counts, int low, int high)
{
    const int count = w.pick(counts);
    const int each = w.graded(low, high);
    Draft d = Methods::dividing(w, each * count, count);
    return told(w, d, w.bank().shared, {{each * count, count}}, each);
}

// How much more is needed to buy something.
Draft needed(Writer &w, Nouns kind, int low, int high)
{
    int cost = 0;
    const Thing *thing = priced(w, kind, low, high, cost);
    const int has = w.number(cost / 4, cost - std::max(2, cost / 5));
    if (!thing || has < 2)
        return {};
    Draft d = Methods::takingAway(w, cost, has);
    d.clue = Methods::countingUp(w, has, cost);
    d.mistakes = {cost + has, d.answer + 10, d.answer - 10, d.answer + 1};
    return told(w, d, w.bank().short_, {{cost, has}, {}, thing}, cost);
}

} // namespace

Plan Plans::money(int level)
{
    if (level == 1) {
        return {
            {4,
                {[](Writer &w) { return together(w, Nouns::Cheap, 2, 5); },
                    [](Writer &w) { return several(w, Nouns::Cheap, 2, 5, 2, 2); }}},
            {4,
                {[](Writer &w) { return change(w, Nouns::Cheap, 10, 2, 8); },
                    [](Writer &w) {
                        return coins(w, {2, 5}, 2, 5);
                    }}},
            {4,
                {[](Writer &w) { return several(w, Nouns::Cheap, 2, 5, 2, 5); },
                    [](Writer &w) { return together(w, Nouns::Cheap, 4, 9); }}},
            {4,
                {[](Writer &w) { return change(w, Nouns::Cheap, 20, 3, 15); },
                    [](Writer &w) { return needed(w, Nouns::Dear, 8, 20); }}},
            {4,
                {[](Writer &w) { return several(w, Nouns::Cheap, 2, 10, 3, 6); },
                    [](Writer &w) {
                        return coins(w, {2, 5, 10}, 3, 10);
                    },
                    [](Writer &w) { return together(w, Nouns::Dear, 8, 19); }}},
        };
    }
    if (level == 2) {
        return {
            {4,
                {[](Writer &w) { return together(w, Nouns::Dear, 8, 35); },
                    [](Writer &w) { return change(w, Nouns::Cheap, 20, 3, 15); }}},
            {4,
                {[](Writer &w) { return several(w, Nouns::Dear, 6, 15, 3, 6); },
                    [](Writer &w) { return change(w, Nouns::Dear, 50, 12, 45); }}},
            {4,
                {[](Writer &w) {
                     return shared(w, {3, 4, 5, 6}, 3, 12);
                 },
                    [](Writer &w) { return needed(w, Nouns::Dear, 25, 80); },
                    [](Writer &w) { return onePrice(w, Nouns::Bakes, 2, 6); }}},
            {4,
                {[](Writer &w) { return together(w, Nouns::Dear, 15, 60); },
                    [](Writer &w) { return change(w, Nouns::Dear, 100, 23, 80); },
                    [](Writer &w) {
                        return coins(w, {2, 5, 10, 20}, 5, 20);
                    }}},
            {4,
                {[](Writer &w) { return several(w, Nouns::Dear, 12, 25, 3, 6); },
                    [](Writer &w) { return sale(w, false, 40, 200); },
                    [](Writer &w) { return needed(w, Nouns::Big, 60, 250); }}},
        };
    }
    return {
        {4,
            {[](Writer &w) { return together(w, Nouns::Big, 125, 490); },
                [](Writer &w) { return change(w, Nouns::Big, 500, 135, 480); }}},
        {4,
            {[](Writer &w) { return several(w, Nouns::Bulk, 15, 48, 12, 30); },
                [](Writer &w) { return change(w, Nouns::Family, 1000, 245, 890); },
                [](Writer &w) { return onePrice(w, Nouns::Bulk, 12, 45); }}},
        {4,
            {[](Writer &w) {
                 return shared(w, {3, 4, 5, 6}, 15, 45);
             },
                [](Writer &w) { return needed(w, Nouns::Big, 250, 800); },
                [](Writer &w) { return sale(w, true, 80, 600); }}},
        {4,
            {[](Writer &w) {
                 return left(w, w.pick(QList<int>{100, 200, 500}), 12, 60);
             },
                [](Writer &w) { return tickets(w, 8, 25); }, [](Writer &w) { return weeks(w, 6, 20); }}},
        {4,
            {[](Writer &w) { return several(w, Nouns::Bulk, 125, 250, 12, 24); },
                [](Writer &w) { return change(w, Nouns::Family, 2000, 1120, 1890); },
                [](Writer &w) { return several(w, Nouns::Bulk, 115, 350, 4, 9); }}},
    };
}
