// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/draft.h"
#include "content/generator/fractionparts.h"
#include "content/generator/writer.h"

#include <algorithm>
#include <numeric>

namespace {

using FractionParts::f;

// Half of an even amount split where halving is easy: 34 is 20 and 14.
QString halving(Writer &w, int amount)
{
    const int tens = amount / 10;
    const int ones = amount % 10;
    const int first = tens % 2 == 0 || ones == 0 ? tens * 10 : (tens - 1) * 10;
    const int second = amount - first;
    if (amount < 20 || second == 0 || first == 0) {
        static const Said ways[] = {
            {u"Share %1 into 2 equal groups.", u"Partage %1 en 2 groupes égaux.", u"Reparte %1 en 2 grupos iguales."},
            {u"Which number added to itself makes %1?", u"Quel nombre ajouté à lui-même donne %1 ?",
                u"¿Qué número sumado a sí mismo da %1?"},
            {u"Half of %1 is the number you double to make %1.",
                u"La moitié de %1, c'est le nombre dont le double "
                u"est %1.",
                u"La mitad de %1 es el número cuyo doble es %1."},
        };
        return w.say(ways[w.number(0, 2)], {amount});
    }
    return w.say({u"Find half of %1 and half of %2, then add them together.",
                     u"Prends la moitié de %1 et la moitié de %2, puis ajoute les deux résultats.",
                     u"Calcula la mitad de %1 y la mitad de %2, y luego suma los dos resultados."},
        {first, second});
}

// top/bottom of amount, as a bare question or a story.
Draft of(Writer &w, int top, int bottom, int amount, bool asStory)
{
    Draft d;
    const int unit = amount / bottom;
    d.answer = unit * top;
    d.fact = Fact::part(top, bottom, amount);
    if (top == 1 && bottom == 2) {
        d.clue = halving(w, amount);
        d.mistakes = {amount * 2, d.answer + 1, d.answer - 1, amount - 2};
    } else if (top == 1) {
        d.clue = bottom == 4 ? w.say({u"Halve %1, then halve the answer again.",
                                         u"Prends la moitié de %1, puis encore la moitié du résultat.",
                                         u"Calcula la mitad de %1 y luego la mitad del resultado."},
                     {amount})
            : w.chance(50)   ? w.say({u"Share %1 into %2 equal groups.", u"Partage %1 en %2 groupes égaux.",
                                         u"Reparte %1 en %2 grupos iguales."},
                    {amount, bottom})
                             : w.say({u"Which number times %2 makes %1?", u"Quel nombre multiplié par %2 donne %1 ?",
                                         u"¿Qué número multiplicado por %2 da %1?"},
                                 {amount, bottom});
        d.mistakes = {amount - unit, d.answer + 1, amount / 2, d.answer - 1, amount * bottom};
    } else {
        static const Said ways[] = {
            {u"Find 1/%1 of %2 first, then multiply by %3.", u"Cherche d'abord 1/%1 de %2, puis multiplie par %3.",
                u"Calcula primero 1/%1 de %2 y luego multiplica por %3."},
            {u"Divide %2 by %1, then multiply the answer by %3.",
                u"Divise %2 par %1, puis multiplie le résultat par %3.",
                u"Divide %2 entre %1 y luego multiplica el resultado por %3."},
            {u"Share %2 into %1 equal groups and take %3 of the groups.",
                u"Partage %2 en %1 groupes égaux et prends %3 de ces groupes.",
                u"Reparte %2 en %1 grupos iguales y toma %3 de esos grupos."},
        };
        d.clue = top == bottom - 1 && w.chance(40)
            ? w.say({u"Find 1/%1 of %2, then take it away from %2: %3/%1 is all but one of the %1 parts.",
                        u"Cherche 1/%1 de %2, puis enlève-le de %2 : %3/%1, c'est toutes les parts sauf une.",
                        u"Calcula 1/%1 de %2 y luego quítalo de %2: %3/%1 son todas las partes menos una."},
                {bottom, amount, top})
            : w.say(ways[w.number(0, 2)], {bottom, amount, top});
        d.mistakes = {unit, amount - d.answer, d.answer + unit, amount, d.answer - 1};
    }
    if (asStory && w.tell(d, w.bank().parts, {{amount}, {Words::fraction(w.tongue(), top, bottom)}}))
        return d;
    if (top == 1 && bottom == 2)
        d.text =
            w.say({u"What is half of %1?", u"Quelle est la moitié de %1 ?", u"¿Cuál es la mitad de %1?"}, {amount});
    else if (top == 1 && bottom == 4 && amount < 50 && w.chance(60))
        d.text = w.say(
            {u"What is a quarter of %1?", u"Quel est le quart de %1 ?", u"¿Cuánto es un cuarto de %1?"}, {amount});
    else
        d.text = w.say({u"What is %1 of %2?", u"Combien vaut %1 de %2 ?", u"¿Cuánto es %1 de %2?"})
                     .arg(f(top, bottom))
                     .arg(amount);
    if (w.tongue() == Tongue::French && top > 1)
        d.text.replace(QStringLiteral("Combien vaut"), QStringLiteral("Combien valent"));
    return d;
}

// A fraction of a multiple of its bottom number, from low to high times the bottom number.
Draft ofAmount(Writer &w, const QList<int> &bottoms, bool unit, int low, int high, bool asStory)
{
    const int bottom = w.pick(bottoms);
    int top = unit ? 1 : w.number(2, bottom - 1);
    while (!unit && std::gcd(top, bottom) != 1)
        top = w.number(2, bottom - 1);
    const int amount = bottom * w.graded(low, high);
    return of(w, top, bottom, amount, asStory);
}

Draft ofAmountEither(Writer &w, const QList<int> &bottoms, int low, int high)
{
    const bool asStory = w.chance(50);
    return ofAmount(w, bottoms, true, low, high, asStory);
}

// How many pieces make some wholes, or how many wholes some pieces make.
Draft wholes(Writer &w, const QList<int> &bottoms, int most)
{
    const int bottom = w.pick(bottoms);
    const int count = w.number(1, most);
    Draft d;
    d.fact = Fact::other('w', bottom, count);
    const QString piece = Words::pieces(w.tongue(), bottom);
    const bool food = bottom == 2 || bottom == 3 || bottom == 4 || bottom == 6 || bottom == 8;
    if (w.chance(60) || count == 1 || !food) {
        d.answer = bottom * count;
        d.text = count == 1 ? w.say({u"How many %1 make 1 whole?", u"Combien faut-il de %1 pour faire 1 unité ?",
                                        u"¿Cuántos %1 forman 1 entero?"})
                                  .arg(piece)
                            : w.say({u"How many %1 make %2 wholes?", u"Combien faut-il de %1 pour faire %2 unités ?",
                                        u"¿Cuántos %1 forman %2 enteros?"})
                                  .arg(piece)
                                  .arg(count);
        d.clue = w.say(
            {u"Think of cutting each whole into %1 equal pieces.", u"Imagine chaque unité coupée en %1 parts égales.",
                u"Imagina cada entero cortado en %1 partes iguales."},
            {bottom});
        d.mistakes = {bottom + count, bottom, count, d.answer + bottom};
    } else {
        d.answer = count;
        d.text = w.told(w.say({u"There are %1 %2 of {thing} on the table. How many whole {things} do they make?",
                                  u"Il y a %1 %2 de {thing} sur la table. Combien de {things} {entiers|entières} cela "
                                  u"fait-il ?",
                                  u"Hay %1 %2 de {thing} en la mesa. ¿Cuánt{os|as} {things} enter{os|as} forman?"})
                            .arg(bottom * count)
                            .arg(bottom == 2 ? w.say({u"halves", u"moitiés", u"mitades"}) : piece),
            {{}, {}, w.thing(w.bank().foods)});
        d.clue =
            w.say({u"One whole is %1 %2.", u"Une unité, c'est %1 %2.", u"Un entero son %1 %2."}).arg(bottom).arg(piece);
        d.mistakes = {bottom * count, bottom * count - bottom, bottom, count + 1};
    }
    return d;
}

// Something cut into halves or quarters: how many pieces, or how many are left.
Draft cut(Writer &w)
{
    const int bottom = w.pick(QList<int>{2, 4});
    const int count = bottom == 2 ? w.number(2, 3) : w.number(1, 2);
    Draft d;
    d.answer = bottom * count;
    d.clue = bottom == 2 ? w.say({u"Cutting in half makes two equal pieces of each whole.",
                 u"Couper en deux donne deux parts égales de chaque chose entière.",
                 u"Cortar por la mitad da dos trozos iguales de cada cosa entera."})
                         : w.say({u"Quarters: cut each whole in half, then cut each half in half again.",
                             u"Des quarts : coupe chaque chose en deux, puis encore chaque moitié en deux.",
                             u"Cuartos: corta cada cosa por la mitad y luego otra vez cada mitad por la mitad."});
    if (w.chance(40)) {
        d.fact = Fact::other('c', count, bottom);
        d.mistakes = {d.answer + 1, d.answer * 2, d.answer - 1, count};
        if (w.tell(d, w.bank().cutUp, {{count, bottom}}))
            return d;
    }
    const int eaten = w.number(1, d.answer - 1);
    d.fact = Fact::other('e', count, bottom, eaten);
    d.mistakes = {d.answer, d.answer - eaten + 1, d.answer - eaten - 1, eaten};
    d.answer -= eaten;
    if (!w.tell(d, w.bank().eaten, {{count, bottom, eaten}}))
        d.text.clear(); // no story fits so many pieces eaten: drafted again
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
    d.fact = Fact::part(top, bottom, d.answer);
    if (top == 1 && bottom == 2)
        d.text = w.say(
            {u"Half of a number is %1. What is the number?", u"La moitié d'un nombre est %1. Quel est ce nombre ?",
                u"La mitad de un número es %1. ¿Cuál es ese número?"},
            {known});
    else
        d.text = top == 1 ? w.say({u"If %1 of a number is %2, what is the number?",
                                      u"Si %1 d'un nombre vaut %2, quel est ce nombre ?",
                                      u"Si %1 de un número es %2, ¿cuál es ese número?"})
                                .arg(f(top, bottom))
                                .arg(known)
                          : w.say({u"If %1 of a number is %2, what is the number?",
                                      u"Si %1 d'un nombre valent %2, quel est ce nombre ?",
                                      u"Si %1 de un número son %2, ¿cuál es ese número?"})
                                .arg(f(top, bottom))
                                .arg(known);
    d.clue = top == 1 ? w.say({u"The number is made of %1 parts like this one, so multiply by %1.",
                                  u"Le nombre est fait de %1 parts comme celle-ci, alors multiplie par %1.",
                                  u"El número está formado por %1 partes como esta, así que multiplica por %1."},
                 {bottom})
                      : w.say({u"Share %2 into %3 parts to find 1/%1. The number is %1 of those parts.",
                                  u"Partage %2 en %3 parts pour trouver 1/%1. Le nombre contient %1 de ces parts.",
                                  u"Reparte %2 en %3 partes para hallar 1/%1. El número tiene %1 de esas partes."},
                          {bottom, known, top});
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
    d.fact = Fact::other('=', top, bottom, times);
    const Said missing{u"Type the missing number: %1 = %2.", u"Tape le nombre qui manque : %1 = %2.",
        u"Escribe el número que falta: %1 = %2."};
    if (w.chance(50)) {
        d.answer = top * times;
        d.text = w.say(missing).arg(f(top, bottom), QStringLiteral("__/%1").arg(bottom * times));
        d.clue = w.say({u"The bottom number was multiplied by %1. Do the same to the top number.",
                           u"Le nombre du bas a été multiplié par %1. Fais pareil avec le nombre du haut.",
                           u"El número de abajo se ha multiplicado por %1. Haz lo mismo con el de arriba."},
            {times});
        d.mistakes = {top + times, top * times + 1, bottom * times - bottom, d.answer - 1};
    } else {
        d.answer = bottom;
        d.text = w.say(missing).arg(f(top * times, bottom * times), QStringLiteral("%1/__").arg(top));
        d.clue = w.say({u"Divide the top number and the bottom number by %1.",
                           u"Divise le nombre du haut et le nombre du bas par %1.",
                           u"Divide el número de arriba y el de abajo entre %1."},
            {times});
        d.mistakes = {bottom * times, bottom * times - top * times + top, bottom + 1, bottom * times - times};
    }
    return d;
}

} // namespace

Plan Plans::fractions(int level)
{
    if (level == 1) {
        return {
            {4,
                {[](Writer &w) { return ofAmount(w, {2}, true, 2, 15, false); },
                    [](Writer &w) { return ofAmount(w, {2}, true, 2, 10, true); }}},
            {4,
                {[](Writer &w) {
                     return wholes(w, {2, 4}, 6);
                 },
                    [](Writer &w) { return cut(w); }}},
            {4,
                {[](Writer &w) { return ofAmount(w, {4}, true, 1, 10, false); },
                    [](Writer &w) { return ofAmount(w, {2}, true, 6, 15, true); }}},
            {4,
                {[](Writer &w) { return whole(w, {2}, 1, 3, 20); },
                    [](Writer &w) { return ofAmount(w, {2}, true, 10, 25, false); },
                    [](Writer &w) { return ofAmount(w, {4}, true, 2, 6, true); }}},
            {4,
                {[](Writer &w) { return ofAmountEither(w, {3}, 2, 10); },
                    [](Writer &w) {
                        const bool asStory = w.chance(50);
                        return of(w, 3, 4, 4 * w.graded(1, 6), asStory);
                    },
                    [](Writer &w) {
                        return whole(w, {3, 4}, 1, 2, 8);
                    }}},
        };
    }
    if (level == 2) {
        return {
            {4,
                {[](Writer &w) {
                     return ofAmount(w, {3, 4, 5, 10}, true, 2, 10, false);
                 },
                    [](Writer &w) {
                        return ofAmount(w, {3, 4, 5}, true, 3, 10, true);
                    }}},
            {4,
                {[](Writer &w) {
                     return wholes(w, {3, 4, 5, 10}, 5);
                 },
                    [](Writer &w) {
                        return ofAmount(w, {6, 8}, true, 2, 9, false);
                    }}},
            {4,
                {[](Writer &w) {
                     return equivalent(w, {2, 3, 4}, 4);
                 },
                    [](Writer &w) {
                        return ofAmount(w, {3, 4, 5}, false, 2, 10, false);
                    }}},
            {4,
                {[](Writer &w) {
                     return ofAmount(w, {4, 5, 10}, false, 2, 10, false);
                 },
                    [](Writer &w) {
                        return ofAmount(w, {3, 4, 5}, false, 3, 12, true);
                    },
                    [](Writer &w) {
                        return equivalent(w, {4, 5, 6}, 5);
                    }}},
            {4,
                {[](Writer &w) {
                     return whole(w, {2, 3, 4, 5}, 1, 4, 15);
                 },
                    [](Writer &w) {
                        return ofAmount(w, {5, 6, 8, 10}, false, 3, 12, false);
                    }}},
        };
    }
    return {
        {4,
            {[](Writer &w) {
                 return ofAmount(w, {5, 8, 10}, false, 4, 15, false);
             },
                [](Writer &w) {
                    return ofAmount(w, {4, 5, 6, 8, 10}, false, 6, 30, true);
                }}},
        {4,
            {[](Writer &w) {
                 return equivalent(w, {3, 4, 5, 6, 8}, 9);
             },
                [](Writer &w) {
                    return ofAmount(w, {3, 5, 8, 10, 12}, false, 12, 60, false);
                }}},
        {4,
            {[](Writer &w) {
                 return whole(w, {3, 5, 7}, 2, 3, 12);
             },
                [](Writer &w) { return FractionParts::percent(w); },
                [](Writer &w) {
                    return whole(w, {4, 5, 8, 10}, 1, 6, 25);
                }}},
        {4, {[](Writer &w) { return FractionParts::pieceCount(w); }, [](Writer &w) { return FractionParts::percent(w); }}},
        {4,
            {[](Writer &w) { return FractionParts::neither(w); },
                [](Writer &w) {
                    return whole(w, {4, 5, 8, 10}, 3, 4, 15);
                },
                [](Writer &w) {
                    return ofAmount(w, {6, 8, 12}, false, 15, 80, true);
                }}},
    };
}
