// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/methods.h"

#include "content/generator/mistakes.h"
#include "content/generator/writer.h"

#include <algorithm>

namespace {

int nextTen(int value)
{
    return (value / 10 + 1) * 10;
}

// The one of a and b that is a multiple of round while the other is not, or 0.
int roundOne(int a, int b, int round)
{
    if ((a % round == 0) == (b % round == 0))
        return 0;
    return a % round == 0 ? a : b;
}

// Every place but these.
constexpr int allBut(int places)
{
    return EveryPlace & ~places;
}

Draft singles(Writer &w, int a, int b)
{
    Draft d;
    d.answer = a + b;
    const int s = d.answer;
    const int big = std::max(a, b);
    const int small = std::min(a, b);
    if (s <= 10) {
        static const Said ways[] = {
            {u"Start at %1 and count on %2 more.", u"Pars de %1 et avance encore de %2.",
                u"Empieza en el %1 y cuenta %2 más."},
            {u"Hold %1 in your head and count on %2 on your fingers.",
                u"Garde %1 dans ta tête et compte encore %2 sur tes doigts.",
                u"Guarda el %1 en la cabeza y cuenta %2 más con los dedos."},
            {u"Start from the bigger number, %1, and make %2 jumps along a number line.",
                u"Pars du plus grand nombre, %1, et fais %2 bonds sur la file numérique.",
                u"Empieza por el número mayor, el %1, y da %2 saltos en la recta numérica."},
        };
        d.clue = w.say(ways[w.number(0, 2)], {big, small});
        d.mistakes = {s - 1, s + 1, big - small, s + 2};
    } else if (big == small) {
        d.clue = w.say({u"It is a double: %1 and %1 again.", u"C'est un double : %1 et encore %1.",
                           u"Es un doble: %1 y otra vez %1."},
            {big});
        d.mistakes = {s - 1, s + 1, s + 2, s - 10};
    } else if (big - small == 1) {
        d.clue = w.say({u"Double %1 is %2. Then add one more.", u"Le double de %1, c'est %2. Ajoute encore un.",
                           u"El doble de %1 es %2. Luego suma uno más."},
            {small, 2 * small});
        d.mistakes = {s - 1, s + 1, s + 2, s - 10};
    } else {
        const int toTen = 10 - big;
        d.clue = w.say({u"Make 10 first: %1 + %2 = 10, then add the %3 that is left of the %4.",
                           u"Fais d'abord 10 : %1 + %2 = 10. Dans le %4, il reste encore %3 à ajouter.",
                           u"Primero llega a 10: %1 + %2 = 10. Luego suma el %3 que queda del %4."},
            {big, toTen, small - toTen, small});
        d.mistakes = {s - 1, s + 1, s - 10, s + 2};
    }
    return d;
}

// Column addition from the ones: the first column that makes ten or more, fitted to its digits.
Draft columns(Writer &w, int a, int b)
{
    Draft d;
    d.answer = a + b;
    const int s = d.answer;
    int place = 0;
    while (place < 5 && Methods::digitAt(a, place) + Methods::digitAt(b, place) < 10)
        ++place;
    if (place == 5) {
        d.clue = w.say({u"No column makes 10 or more, so add each column in turn: nothing to carry.",
            u"Aucune colonne ne fait 10 ou plus : additionne chaque colonne, sans retenue.",
            u"Ninguna columna llega a 10: suma cada columna por orden, sin llevar."});
        d.claims.append({Claim::Carries, a, b, 0, true});
    } else {
        const int x = Methods::digitAt(a, place);
        const int y = Methods::digitAt(b, place);
        const QString where = place == 0
            ? w.say({u"Start with the ones: ", u"Commence par les unités : ", u"Empieza por las unidades: "})
            : place == 1
            ? w.say({u"The ones make less than 10. In the tens, ", u"Les unités font moins de 10. Dans les dizaines, ",
                u"Las unidades no llegan a 10. En las decenas, "})
            : w.say({u"The columns to the right make less than 10. In the %1, ",
                        u"Les colonnes de droite font moins de 10. Dans les %1, ",
                        u"Las columnas de la derecha no llegan a 10. En las %1, "})
                  .arg(Methods::places(w.tongue(), place));
        d.clue = where
            + w.say({u"%1 + %2 = %3, so write %4 and carry 1 into the %5 column.",
                        u"%1 + %2 = %3, donc pose %4 et retiens 1 dans la colonne des %5.",
                        u"%1 + %2 = %3, así que escribe %4 y llévate 1 a la columna de las %5."},
                   {x, y, x + y, x + y - 10})
                  .arg(Methods::places(w.tongue(), place + 1));
        d.claims.append({Claim::Carries, a, b, 1 << place, false});
    }
    d.mistakes = {Mistakes::carryForgotten(a, b), s + 10, s - 10, s + 100, s - 100, Mistakes::digitsSwapped(s)};
    return d;
}

// The place a number is rounded to for an estimate: 3456 is about 3500, 45678 about 46000.
int roughPlace(int n)
{
    return n >= 10000 ? 1000 : n >= 1000 ? 100 : 10;
}

} // namespace

QString Methods::estimate(Writer &w, int a, int b, bool adding)
{
    // Both numbers rounded to the same place, so that 5360 - 709 is about 5400 - 700.
    const int place = std::max(roughPlace(a), roughPlace(b));
    const int x = (a + place / 2) / place * place;
    const int y = (b + place / 2) / place * place;
    if (x == a || y == b || (!adding && x <= y))
        return {};
    return w.say({u"First estimate: %1 is about %2 and %3 is about %4, so the answer is near %5. Then work it out "
                  u"exactly.",
                     u"Estime d'abord : %1, c'est environ %2 et %3 environ %4, donc le résultat est proche de %5. "
                     u"Calcule-le ensuite exactement.",
                     u"Primero estima: %1 es más o menos %2 y %3 más o menos %4, así que el resultado se acerca a %5. "
                     u"Luego calcúlalo exactamente."},
        {a, x, b, y, adding ? x + y : x - y});
}

namespace {

// a + b in two parts split at the hundreds: 346 + 278 is 300 + 200 and 46 + 78.
QString partialSums(Writer &w, int a, int b)
{
    return w.say({u"Add %1 and %2, then %3 and %4, then put the two answers together.",
                     u"Additionne %1 et %2, puis %3 et %4, puis rassemble les deux résultats.",
                     u"Suma %1 y %2, luego %3 y %4, y después junta los dos resultados."},
        {a / 100 * 100, b / 100 * 100, a % 100, b % 100});
}

// Adding a number just below a round one: add the round number, then take the difference away.
bool nearRound(Writer &w, Draft &d, int near, int other)
{
    for (int round : {1000, 100, 10}) {
        const int up = (near / round + 1) * round;
        const int gap = up - near;
        if (near > round && gap <= (round == 10 ? 1 : 3) && (round > 10 || near < 100)) {
            d.clue = gap == 1 && near < other
                ? w.say({u"Adding %1 is the same as adding %2 and taking 1 away.",
                            u"Ajouter %1, c'est ajouter %2 puis enlever 1.",
                            u"Sumar %1 es lo mismo que sumar %2 y quitar 1."},
                    {near, up})
                : w.say({u"Add %1 to %2, then take %3 away.", u"Ajoute %1 à %2, puis enlève %3.",
                            u"Suma %1 a %2 y luego quita %3."},
                    {up, other, gap});
            d.mistakes = {d.answer + gap, d.answer - gap, d.answer + 2 * gap, d.answer + 10};
            return true;
        }
    }
    return false;
}

} // namespace

int Methods::digitAt(int value, int place)
{
    for (int i = 0; i < place; ++i)
        value /= 10;
    return value % 10;
}

QString Methods::places(Tongue tongue, int place)
{
    static const Said names[] = {
        {u"ones", u"unités", u"unidades"},
        {u"tens", u"dizaines", u"decenas"},
        {u"hundreds", u"centaines", u"centenas"},
        {u"thousands", u"milliers", u"unidades de millar"},
        {u"ten thousands", u"dizaines de mille", u"decenas de millar"},
    };
    return Words::in(tongue, names[std::clamp(place, 0, 4)]);
}

QString Methods::onePlace(Tongue tongue, int place)
{
    static const Said names[] = {
        {u"one one", u"une unité", u"una unidad"},
        {u"one ten", u"une dizaine", u"una decena"},
        {u"one hundred", u"une centaine", u"una centena"},
        {u"one thousand", u"un millier", u"una unidad de millar"},
        {u"one ten thousand", u"une dizaine de mille", u"una decena de millar"},
    };
    return Words::in(tongue, names[std::clamp(place, 0, 4)]);
}

QString Methods::counted(Tongue tongue, int count, int place)
{
    if (count != 1)
        return QString::number(count) + QLatin1Char(' ') + places(tongue, place);
    QString one = onePlace(tongue, place);
    return QStringLiteral("1") + one.mid(one.indexOf(QLatin1Char(' ')));
}

QString Methods::countingUp(Writer &w, int b, int a)
{
    QList<int> stops;
    for (int round = 10; round < a; round *= 10) {
        const int stop = (b / round + 1) * round;
        if (b % round != 0 && stop < a && (stops.isEmpty() || stop > stops.last()))
            stops.append(stop);
    }
    stops.append(a);
    QString text = w.chance(50)
        ? w.say({u"Count up from %1 to %2", u"Compte de %1 jusqu'à %2", u"Cuenta desde %1 hasta %2"},
            {b, int(stops.takeFirst())})
        : w.say(
            {u"Start at %1 and count on to %2", u"Pars de %1 et avance jusqu'à %2", u"Empieza en %1 y avanza hasta %2"},
            {b, int(stops.takeFirst())});
    for (int stop : stops)
        text += w.say({u", then to %1", u", puis jusqu'à %1", u", luego hasta %1"}, {stop});
    return text + QLatin1Char('.');
}

Draft Methods::adding(Writer &w, int a, int b)
{
    const int big = std::max(a, b);
    const int small = std::min(a, b);
    Draft d = big < 10 ? singles(w, a, b) : Draft{};
    d.fact = Fact::sum(a, b);
    if (big < 10)
        return d;
    d.answer = a + b;
    const int s = d.answer;
    const Tongue t = w.tongue();
    const bool carries = Mistakes::carryForgotten(a, b) != s;
    const bool compensated =
        small >= 10 && w.chance(75) && (nearRound(w, d, small, big) || nearRound(w, d, big, small));
    if (compensated) {
        // The clue and mistakes are written.
    } else if (a % 10 == 0 && b % 10 == 0 && s < 100) {
        d.clue = w.say({u"How many tens do %1 and %2 make?", u"Combien de dizaines font %1 et %2 ?",
                           u"¿Cuántas decenas son %1 y %2?"})
                     .arg(counted(t, a / 10, 1), counted(t, b / 10, 1));
        d.mistakes = {s / 10, s + 10, s - 10, s + 1};
    } else if (const int thousands = roundOne(a, b, 1000); thousands > 0) {
        d.clue = w.say({u"Count on %1 in thousands from %2: the hundreds, tens and ones stay the same.",
                           u"Avance de %1 milliers à partir de %2 : les centaines, les dizaines et les unités ne "
                           u"changent pas.",
                           u"Desde %2, avanza %1 unidades de millar: las centenas, las decenas y las unidades no "
                           u"cambian."},
            {thousands / 1000, s - thousands});
        d.claims.append({Claim::Kept, s - thousands, s, Ones | Tens | Hundreds});
        d.mistakes = {s - thousands + thousands / 10, s + 1000, s - 1000, s - thousands + thousands / 100};
    } else if (const int hundreds = roundOne(a, b, 100); hundreds > 0 && hundreds < 1000) {
        d.clue = w.say({u"Count on %1 in hundreds from %2: the tens and ones stay the same.",
                           u"Avance de %1 centaines à partir de %2 : les dizaines et les unités ne changent pas.",
                           u"Desde %2, avanza %1 centenas: las decenas y las unidades no cambian."},
            {hundreds / 100, s - hundreds});
        d.claims.append({Claim::Kept, s - hundreds, s, Ones | Tens});
        d.mistakes = {s - hundreds + hundreds / 10, s + 100, s - 100, s - hundreds + hundreds / 100};
    } else if (a % 100 == 0 && b % 100 == 0 && s < 10000) {
        d.clue = w.say({u"How many hundreds do %1 and %2 make?", u"Combien de centaines font %1 et %2 ?",
                           u"¿Cuántas centenas son %1 y %2?"})
                     .arg(counted(t, a / 100, 2), counted(t, b / 100, 2));
        d.mistakes = {s / 100, s + 100, s - 100, s * 10};
    } else if (small < 10) {
        if (carries) {
            const int toTen = nextTen(big) - big;
            d.clue = w.chance(50) ? w.say({u"Use %1 of the %2 to make %3, then add %4 more.",
                                              u"Prends %1 dans le %2 pour faire %3, puis ajoute encore %4.",
                                              u"Usa %1 del %2 para llegar a %3 y luego suma %4 más."},
                         {toTen, small, nextTen(big), small - toTen})
                                  : w.say({u"First add %1 to reach %2, then add %3 more.",
                                              u"Ajoute d'abord %1 pour arriver à %2, puis encore %3.",
                                              u"Suma primero %1 para llegar a %2 y luego %3 más."},
                                      {toTen, nextTen(big), small - toTen});
            d.mistakes = {Mistakes::carryForgotten(big, small), s + 10, s - 1, s + 1};
        } else {
            d.clue = w.say({u"Add the ones: %1 + %2. The tens stay the same.",
                               u"Ajoute les unités : %1 + %2. Les dizaines ne changent pas.",
                               u"Suma las unidades: %1 + %2. Las decenas no cambian."},
                {big % 10, small});
            d.claims.append({Claim::Kept, big, s, allBut(Ones)});
            d.mistakes = {big + small * 10, s - 1, s + 1, s + 10};
        }
    } else if (const int tens = roundOne(a, b, 10); tens > 0 && tens < 100 && s < 1000 && !carries) {
        const int other = s - tens;
        if (tens == 10) {
            d.clue = w.say({u"Count on one ten from %1.", u"Avance d'une dizaine à partir de %1.",
                               u"Desde %1, avanza una decena."},
                {other});
        } else if (tens <= 40) {
            d.clue = w.say({u"Count on from %1 in tens, %2 times.", u"Avance de 10 en 10 à partir de %1, %2 fois.",
                               u"Desde %1, avanza de diez en diez, %2 veces."},
                {other, tens / 10});
        } else {
            d.clue = w.say({u"Add %1 tens to %2. Only the tens digit changes.",
                               u"Ajoute %1 dizaines à %2. Seul le chiffre des dizaines change.",
                               u"Suma %1 decenas a %2. Solo cambia la cifra de las decenas."},
                {tens / 10, other});
            d.claims.append({Claim::Kept, other, s, allBut(Tens)});
        }
        d.mistakes = {other + tens / 10, s - 10, s + 10, s + 100};
    } else if (big < 100) {
        const int x = a < b ? b : a; // the larger first, the smaller split
        const int y = a < b ? a : b;
        if (!carries) {
            d.clue = w.say({u"Add the tens: %1 + %2. Then add the ones: %3 + %4.",
                               u"Ajoute les dizaines : %1 + %2. Puis les unités : %3 + %4.",
                               u"Suma las decenas: %1 + %2. Luego las unidades: %3 + %4."},
                {x / 10 * 10, y / 10 * 10, x % 10, y % 10});
            d.claims.append({Claim::Carries, a, b, 0, true});
        } else if (w.chance(50)) {
            d.clue = w.say({u"Add the tens: %1 + %2. Add the ones: %3 + %4. Then put them together.",
                               u"Ajoute les dizaines : %1 + %2. Ajoute les unités : %3 + %4. Puis rassemble les deux.",
                               u"Suma las decenas: %1 + %2. Suma las unidades: %3 + %4. Después junta los dos "
                               u"resultados."},
                {x / 10 * 10, y / 10 * 10, x % 10, y % 10});
        } else {
            d.clue = w.say({u"Add %1 to %2 first, then add the %3.", u"Ajoute d'abord %1 à %2, puis ajoute %3.",
                               u"Suma primero %1 a %2 y luego suma %3."},
                {y / 10 * 10, x, y % 10});
        }
        d.mistakes = {Mistakes::carryForgotten(a, b), s + 10, s - 10, Mistakes::columnsWritten(a, b), s + 1};
    } else {
        const Draft column = columns(w, a, b);
        d.clue = column.clue;
        d.claims = column.claims;
        d.mistakes = column.mistakes;
        // Columns, two partial sums or an estimate first, so that a set's clues do not all read alike.
        const int way = w.number(0, 2);
        if (way == 1 && a % 100 != 0 && b % 100 != 0 && a >= 100 && b >= 100) {
            d.clue = partialSums(w, a, b);
            d.claims.clear();
        } else if (way == 2 && !Methods::estimate(w, a, b, true).isEmpty()) {
            d.clue = Methods::estimate(w, a, b, true);
            d.claims.clear();
        }
        // Parts that make a round hundred or thousand together are the thing to notice.
        for (int round : {1000, 100}) {
            const int x = a % round;
            const int y = b % round;
            if (x != 0 && y != 0 && x + y == round && x % (round / 10) != 0 && a > round && b > round) {
                d.clue = w.say({u"Notice that %1 and %2 go well together: they make %3.",
                                   u"Remarque que %1 et %2 vont bien ensemble : ils font %3.",
                                   u"Fíjate en que %1 y %2 van bien juntos: forman %3."},
                    {x, y, round});
                d.claims.clear();
                break;
            }
        }
        if (s >= 1000)
            d.mistakes = {Mistakes::carryForgotten(a, b), s + 100, s - 100, s + 1000, s - 10};
    }
    return d;
}
