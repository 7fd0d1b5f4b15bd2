// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/methods.h"

#include "content/generator/mistakes.h"
#include "content/generator/writer.h"

#include <algorithm>

namespace {

// A times-table fact t x o (both 12 or less), taught through a fact the child already knows.
QString tableClue(Writer &w, int a, int b)
{
    for (int t : {10, 2, 5, 4, 9, 6, 8, 11, 12, 7, 3}) {
        if (a != t && b != t)
            continue;
        const int o = a == t ? b : a;
        switch (t) {
        case 10:
            return w.say({u"When you multiply by 10, each digit moves one place to the left.",
                u"Quand tu multiplies par 10, chaque chiffre avance d'un rang vers la gauche.",
                u"Al multiplicar por 10, cada cifra se mueve un lugar hacia la izquierda."});
        case 2: return w.say({u"Double %1.", u"Prends le double de %1.", u"Calcula el doble de %1."}, {o});
        case 5:
            return o <= 5
                ? w.say({u"Count in 5s, %1 times.", u"Compte de 5 en 5, %1 fois.", u"Cuenta de 5 en 5, %1 veces."}, {o})
                : w.say({u"Work out 10 x %1, then halve it.", u"Calcule 10 x %1, puis prends la moitié.",
                            u"Calcula 10 x %1 y luego la mitad."},
                    {o});
        case 4:
            return w.say({u"Double %1, then double the answer again.", u"Double %1, puis double encore le résultat.",
                             u"Calcula el doble de %1 y luego el doble del resultado."},
                {o});
        case 9:
            return w.say({u"Work out 10 x %1, then take one %1 away.", u"Calcule 10 x %1, puis enlève un %1.",
                             u"Calcula 10 x %1 y luego quita un %1."},
                {o});
        case 6:
            return w.say({u"Work out 5 x %1, then add one more %1.", u"Calcule 5 x %1, puis ajoute encore un %1.",
                             u"Calcula 5 x %1 y luego suma otro %1."},
                {o});
        case 8:
            return w.say({u"Double %1, double the answer, then double once more.",
                             u"Double %1, double le résultat, puis double encore une fois.",
                             u"Calcula el doble de %1, el doble del resultado y otra vez el doble."},
                {o});
        case 11:
            return w.say({u"Work out 10 x %1, then add one more %1.", u"Calcule 10 x %1, puis ajoute encore un %1.",
                             u"Calcula 10 x %1 y luego suma otro %1."},
                {o});
        case 12:
            return w.say(
                {u"Work out 10 x %1 and 2 x %1, then add them.", u"Calcule 10 x %1 et 2 x %1, puis additionne-les.",
                    u"Calcula 10 x %1 y 2 x %1, y luego súmalos."},
                {o});
        case 7:
            return w.say(
                {u"Work out 5 x %1 and 2 x %1, then add them.", u"Calcule 5 x %1 et 2 x %1, puis additionne-les.",
                    u"Calcula 5 x %1 y 2 x %1, y luego súmalos."},
                {o});
        default:
            return w.say({u"Double %1, then add one more %1.", u"Double %1, puis ajoute encore un %1.",
                             u"Calcula el doble de %1 y luego suma otro %1."},
                {o});
        }
    }
    return w.say(
        {u"Count in %1s, %2 times.", u"Compte de %1 en %1, %2 fois.", u"Cuenta de %1 en %1, %2 veces."}, {a, b});
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
QString partsClue(Writer &w, int big, int o)
{
    QStringList products;
    for (int part : parts(big))
        products.append(QStringLiteral("%1 x %2").arg(part).arg(o));
    const QString last = products.takeLast();
    return w
        .say({u"Work out %1 and %2, then add them.", u"Calcule %1 et %2, puis additionne-les.",
            u"Calcula %1 y %2, y luego súmalos."})
        .arg(products.join(QStringLiteral(", ")), last);
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

// Short multiplication's first step, fitted to the ones digit: 246 x 5 starts with 6 x 5 = 30.
QString shortFirst(Writer &w, int big, int o)
{
    const int product = big % 10 * o;
    return product >= 10
        ? w.say({u"Start with the ones: %1 x %2 = %3. Write %4 and carry %5 into the tens.",
                    u"Commence par les unités : %1 x %2 = %3. Pose %4 et retiens %5 dans les dizaines.",
                    u"Empieza por las unidades: %1 x %2 = %3. Escribe %4 y llévate %5 a las decenas."},
            {big % 10, o, product, product % 10, product / 10})
        : w.say({u"Start with the ones: %1 x %2 = %3, with nothing to carry. Then do the tens.",
                    u"Commence par les unités : %1 x %2 = %3, sans retenue. Passe ensuite aux dizaines.",
                    u"Empieza por las unidades: %1 x %2 = %3, sin llevar nada. Luego sigue con las "
                    u"decenas."},
            {big % 10, o, product});
}

// Two-digit times two-digit: split either number, round one up, or use a grid.
QString byParts(Writer &w, int big, int small)
{
    switch (w.number(0, 3)) {
    case 0:
        if (small % 10 != 0)
            return w.say(
                {u"Work out %1 x %2 and %1 x %3, then add them.", u"Calcule %1 x %2 et %1 x %3, puis additionne-les.",
                    u"Calcula %1 x %2 y %1 x %3, y luego súmalos."},
                {big, small / 10 * 10, small % 10});
        break;
    case 1:
        if (big % 10 != 0 && big < 100)
            return w.say({u"Split %1 into %2 and %3: work out %2 x %4 and %3 x %4, then add them.",
                             u"Décompose %1 en %2 + %3 : calcule %2 x %4 et %3 x %4, puis additionne-les.",
                             u"Descompón %1 en %2 + %3: calcula %2 x %4 y %3 x %4, y luego súmalos."},
                {big, big / 10 * 10, big % 10, small});
        break;
    case 2:
        if (small % 10 >= 8)
            return w.say({u"Work out %1 x %2, then take %3 x %1 away.", u"Calcule %1 x %2, puis enlève %3 x %1.",
                             u"Calcula %1 x %2 y luego quita %3 x %1."},
                {big, (small / 10 + 1) * 10, 10 - small % 10});
        break;
    default:
        if (big >= 100)
            break;
        return w.say({u"Use a grid: split %1 and %2 into tens and ones, multiply each part by each part, then add the "
                      u"four answers.",
                         u"Fais un tableau : décompose %1 et %2 en dizaines et unités, multiplie chaque partie par "
                         u"chaque partie, puis additionne les quatre résultats.",
                         u"Usa una cuadrícula: descompón %1 y %2 en decenas y unidades, multiplica cada parte por cada "
                         u"parte y suma los cuatro resultados."},
            {big, small});
    }
    return w.say({u"Work out %1 x %2 and %1 x %3, then add them.", u"Calcule %1 x %2 et %1 x %3, puis additionne-les.",
                     u"Calcula %1 x %2 y %1 x %3, y luego súmalos."},
        {big, small / 10 * 10, small % 10});
}

QString tenTimes(Writer &w, int x, int y)
{
    if (w.chance(50))
        return w.say(
            {u"Work out %1 x %2 first. Times 10 then moves each digit one place to the left.",
                u"Calcule d'abord %1 x %2. Multiplier par 10 fait ensuite avancer chaque chiffre d'un rang "
                u"vers la gauche.",
                u"Calcula primero %1 x %2. Multiplicar por 10 mueve luego cada cifra un lugar a la izquierda."},
            {x, y});
    return w.say(
        {u"Work out %1 x %2, then multiply the answer by 10.", u"Calcule %1 x %2, puis multiplie le résultat par 10.",
            u"Calcula %1 x %2 y luego multiplica el resultado por 10."},
        {x, y});
}

} // namespace

Draft Methods::multiplying(Writer &w, int a, int b)
{
    Draft d;
    d.answer = a * b;
    d.fact = Fact::product(a, b);
    const int p = d.answer;
    const int big = std::max(a, b);
    const int small = std::min(a, b);
    if (big <= 12 && b <= 5 && (a == 2 || a == 5 || a == 3 || a == 10)) {
        d.clue = w.say(
            {u"Count in %1s, %2 times.", u"Compte de %1 en %1, %2 fois.", u"Cuenta de %1 en %1, %2 veces."}, {a, b});
        d.mistakes = {p + a, p - a, a + b, p + 1};
    } else if (small == 10 || big == 10) {
        d.clue = big <= 12
            ? w.say({u"Count in 10s, %1 times.", u"Compte de 10 en 10, %1 fois.", u"Cuenta de 10 en 10, %1 veces."},
                {p / 10})
            : tableClue(w, 10, 10);
        d.mistakes = {a + b, p * 10, p + 10, p - 10};
    } else if (small == 100 || big == 100) {
        d.clue = w.say({u"When you multiply by 100, each digit moves two places to the left.",
            u"Quand tu multiplies par 100, chaque chiffre avance de deux rangs vers la gauche.",
            u"Al multiplicar por 100, cada cifra se mueve dos lugares hacia la izquierda."});
        d.mistakes = {p / 10, p * 10, a + b, p + 100};
    } else if (big <= 12) {
        d.clue = tableClue(w, a, b);
        d.mistakes = {p + a, p - a, a + b, p + 1};
    } else if (small <= 9 && big % 10 == 0 && big < 100) {
        d.clue = tenTimes(w, big / 10, small);
        d.mistakes = {a + b, p * 10, p - big, p / 10};
    } else if (big % 10 == 0 && big < 100) {
        d.clue = tenTimes(w, small, big / 10);
        d.mistakes = {small * (big / 10), p * 10, p - small, p + big};
    } else if (small == 4 && big <= 50) {
        d.clue = tableClue(w, 4, big);
        d.mistakes = {p - 10, p - big, p + 10, big * 2};
    } else if (small <= 12) {
        d.clue = big % 100 >= 95
            ? w.say({u"Work out %1 x %2, then take %3 x %2 away.", u"Calcule %1 x %2, puis enlève %3 x %2.",
                        u"Calcula %1 x %2 y luego quita %3 x %2."},
                {(big / 100 + 1) * 100, small, 100 - big % 100})
            : big % 10 != 0 && w.chance(50) ? shortFirst(w, big, small)
                                            : partsClue(w, big, small);
        d.mistakes = {carryForgotten(big, small), p + 10, p - 10, p + small, p + 100};
    } else if (small % 10 == 0) {
        d.clue = tenTimes(w, big, small / 10);
        d.mistakes = {big * (small / 10), p * 10, p + 10, p - 10, p + big};
    } else {
        d.clue = byParts(w, big, small);
        d.mistakes = {big * (small / 10) + big * (small % 10), p + 10, p - 10, p + 100, p + big};
    }
    return d;
}

Draft Methods::dividing(Writer &w, int a, int b)
{
    Draft d;
    d.answer = a / b;
    d.fact = Fact::quotient(a, b);
    const int q = d.answer;
    if (b == 2 && a <= 24) {
        d.clue = w.say(
            {u"Share %1 into 2 equal groups.", u"Partage %1 en 2 groupes égaux.", u"Reparte %1 en 2 grupos iguales."},
            {a});
        d.mistakes = {q + 1, q - 1, a - 2, a * 2};
    } else if (b == 10 || b == 100 || b == 1000) {
        d.clue = b == 10 && a <= 150
            ? w.say(
                {u"How many tens make %1?", u"Combien de dizaines y a-t-il dans %1 ?", u"¿Cuántas decenas hay en %1?"},
                {a})
            : w.say({u"Dividing by %1 moves every digit %2 to the right.",
                        u"Diviser par %1 fait reculer chaque chiffre %2 vers la droite.",
                        u"Al dividir entre %1, cada cifra se mueve %2 hacia la derecha."},
                   {b})
                  .arg(b == 10       ? w.say({u"one place", u"d'un rang", u"un lugar"})
                          : b == 100 ? w.say({u"two places", u"de deux rangs", u"dos lugares"})
                                     : w.say({u"three places", u"de trois rangs", u"tres lugares"}));
        d.mistakes = {q * 10, q / 10, q + 1, q - 1};
    } else if (q <= 12 && b <= 12) {
        static const Said ways[] = {
            {u"Count in %1s until you reach %2, and count the steps.",
                u"Compte de %1 en %1 jusqu'à %2, et compte les bonds.",
                u"Cuenta de %1 en %1 hasta llegar a %2 y cuenta los saltos."},
            {u"Which number times %1 makes %2?", u"Quel nombre multiplié par %1 donne %2 ?",
                u"¿Qué número multiplicado por %1 da %2?"},
            {u"Say the %1 times table until you reach %2.", u"Récite la table de %1 jusqu'à trouver %2.",
                u"Repasa la tabla del %1 hasta encontrar %2."},
        };
        if (b == 4 && w.chance(50))
            d.clue = w.say({u"Halve %1, then halve the answer again.",
                               u"Prends la moitié de %1, puis encore la moitié du résultat.",
                               u"Calcula la mitad de %1 y luego la mitad del resultado."},
                {a});
        else
            d.clue = w.say(ways[w.number(q <= 10 ? 0 : 1, 2)], {b, a});
        d.mistakes = {q + 1, q - 1, a - b, q + 2};
    } else if (b <= 12 && q % 10 != 0) {
        // Parts that each divide exactly: 96 is 60 and 36, 738 is 600, 120 and 18.
        QStringList pieces;
        for (int place = q >= 100 ? 100 : 10; place >= 1; place /= 10) {
            if (q / place % 10 != 0)
                pieces.append(QString::number(q / place % 10 * place * b));
        }
        const QString last = pieces.takeLast();
        int lead = a;
        while (lead / 10 >= b)
            lead /= 10;
        d.clue = w.chance(50)
            ? w.say({u"Split %1 into %2 and %3, and divide each part by %4.",
                        u"Décompose %1 en %2 et %3, et divise chaque partie par %4.",
                        u"Descompón %1 en %2 y %3, y divide cada parte entre %4."})
                  .arg(QString::number(a), pieces.join(QStringLiteral(", ")), last, QString::number(b))
            : w.say({u"Divide from the left, digit by digit: how many %1s go into %2? Carry what is left to the next "
                     u"digit.",
                        u"Divise de gauche à droite, chiffre par chiffre : combien de fois %1 dans %2 ? Reporte le "
                        u"reste sur le chiffre suivant.",
                        u"Divide de izquierda a derecha, cifra a cifra: ¿cuántas veces cabe el %1 en %2? Pasa lo que "
                        u"sobra a la cifra siguiente."},
                {b, lead});
        d.mistakes = {Mistakes::digitsSwapped(q), q + 1, q - 1, q + 10, q - 10};
    } else if (a % 10 == 0 && (a / 10) % b == 0) {
        d.clue = w.say({u"Work out %1 divided by %2 first, then multiply by 10.",
                           u"Calcule d'abord %1 divisé par %2, puis multiplie par 10.",
                           u"Calcula primero %1 dividido entre %2 y luego multiplica por 10."},
            {a / 10, b});
        d.mistakes = {q / 10, q * 10, q + 10, q - 10};
    } else {
        d.clue = q >= 20 && w.chance(50)
            ? w.say({u"Try %3 x %1 first and see how far it is from %2. Then count on in %1s.",
                        u"Essaie d'abord %3 x %1 et regarde l'écart avec %2. Puis avance de %1 en %1.",
                        u"Prueba primero %3 x %1 y mira cuánto falta hasta %2. Luego avanza de %1 en %1."},
                {b, a, q / 10 * 10})
            : w.say({u"Count up in %1s: start with 10 x %1, then add more %1s until you reach %2.",
                        u"Avance de %1 en %1 : pars de 10 x %1, puis ajoute des %1 jusqu'à %2.",
                        u"Avanza de %1 en %1: empieza por 10 x %1 y suma más veces %1 hasta llegar a %2."},
                {b, a});
        d.mistakes = {q + 1, q - 1, q + 10, Mistakes::digitsSwapped(q)};
    }
    return d;
}
