// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/methods.h"

#include "content/generator/mistakes.h"
#include "content/generator/writer.h"

namespace {

constexpr int allBut(int places)
{
    return EveryPlace & ~places;
}

// "exchange one ten for ten ones", the place that gives and the one that takes.
QString exchange(Writer &w, int from)
{
    return w.say({u"exchange %1 for ten %2", u"échange %1 contre dix %2", u"cambia %1 por diez %2"})
        .arg(Methods::onePlace(w.tongue(), from), Methods::places(w.tongue(), from - 1));
}

// Column subtraction from the ones: the first column whose top digit is too
// small, and where its ten comes from, fitted to the digits.
Draft columns(Writer &w, int a, int b)
{
    Draft d;
    const Tongue t = w.tongue();
    int place = 0;
    while (place < 5 && Methods::digitAt(a, place) >= Methods::digitAt(b, place))
        ++place;
    if (place == 5) {
        d.clue = w.say({u"Every top digit is at least the one below it, so nothing needs exchanging: take away each "
                        u"column in turn.",
            u"Chaque chiffre du haut est au moins égal à celui du bas : soustrais chaque colonne, sans "
            u"échange.",
            u"Cada cifra de arriba es igual o mayor que la de abajo: resta cada columna por orden, sin "
            u"cambiar nada."});
        d.claims.append({Claim::Exchanges, a, b, 0, true});
        return d;
    }
    const int top = Methods::digitAt(a, place);
    const int below = Methods::digitAt(b, place);
    QString text = place == 0
        ? w.say({u"Start with the ones: %1 is smaller than %2", u"Commence par les unités : %1 est plus petit que %2",
                    u"Empieza por las unidades: %1 es menor que %2"},
            {top, below})
        : place == 1
        ? w.say({u"The ones need no exchange. In the tens, %1 is smaller than %2",
                    u"Les unités n'ont pas besoin d'échange. Dans les dizaines, %1 est plus petit que %2",
                    u"Las unidades no necesitan cambios. En las decenas, %1 es menor que %2"},
            {top, below})
        : w.say({u"The columns to the right need no exchange. In the %3, %1 is smaller than %2",
                    u"Les colonnes de droite n'ont pas besoin d'échange. Dans les %3, %1 est plus petit que %2",
                    u"Las columnas de la derecha no necesitan cambios. En las %3, %1 es menor que %2"},
               {top, below})
              .arg(Methods::places(t, place));
    int claimed = 1 << place;
    if (Methods::digitAt(a, place + 1) > 0) {
        text += w.say({u", so ", u", donc ", u", así que "}) + exchange(w, place + 1) + QLatin1Char('.');
    } else {
        // Across a zero: the next place has nothing to give, so the one beyond it gives first.
        int lender = place + 1;
        while (lender < 5 && Methods::digitAt(a, lender) == 0)
            ++lender;
        text += w.say({u", but there are no %1 to give: first %2, then %3.",
                          u", mais il n'y a pas de %1 à échanger : d'abord %2, puis %3.",
                          u", pero no hay %1 que cambiar: primero %2 y luego %3."})
                    .arg(Methods::places(t, place + 1), exchange(w, lender), exchange(w, place + 1));
        for (int between = place + 1; between < lender; ++between)
            claimed |= 1 << between;
        if (lender > place + 2)
            text.clear(); // a chain across two zeros is left to simpler clues
    }
    d.clue = text;
    d.claims.append({Claim::Exchanges, a, b, claimed, false});
    return d;
}

} // namespace

Draft Methods::takingAway(Writer &w, int a, int b)
{
    Draft d;
    d.answer = a - b;
    d.fact = Fact::difference(a, b);
    const int r = d.answer;
    const Tongue t = w.tongue();
    const bool exchanges = Mistakes::smallerFromLarger(a, b) != r;
    if (a <= 20 && b < 10) {
        if (a <= 10 || a % 10 == 0) {
            static const Said ways[] = {
                {u"Start at %1 and count back %2.", u"Pars de %1 et recule de %2.",
                    u"Empieza en el %1 y cuenta %2 hacia atrás."},
                {u"Hold %1 in your head and count back %2 on your fingers.",
                    u"Garde %1 dans ta tête et recule de %2 sur tes doigts.",
                    u"Guarda el %1 en la cabeza y cuenta %2 hacia atrás con los dedos."},
                {u"Count up from %2 to %1: how many steps is that?",
                    u"Compte de %2 jusqu'à %1 : combien de bonds "
                    u"fais-tu ?",
                    u"Cuenta desde %2 hasta %1: ¿cuántos saltos das?"},
            };
            d.clue = w.say(ways[w.number(0, 2)], {a, b});
            d.mistakes = {r + 1, r - 1, r + 2, a + b};
        } else if (a % 10 >= b) {
            d.clue = w.say({u"Take %1 from the %2 ones. The ten stays.", u"Enlève %1 aux %2 unités. La dizaine reste.",
                               u"Quita %1 a las %2 unidades. La decena se queda."},
                {b, a % 10});
            d.claims.append({Claim::Kept, a, r, allBut(Ones)});
            d.mistakes = {r + 1, r - 1, r - 10, a + b};
        } else {
            d.clue = w.say({u"Take away %1 to get to 10, then take away %2 more.",
                               u"Enlève %1 pour arriver à 10, puis enlève encore %2.",
                               u"Quita %1 para llegar a 10 y luego quita %2 más."},
                {a % 10, b - a % 10});
            d.mistakes = {Mistakes::smallerFromLarger(a, b), r + 1, r - 1, a + b};
        }
    } else if (a % 10 == 0 && b % 10 == 0 && a < 100) {
        d.clue = b == 10 ? w.say({u"Count back one ten from %1.", u"Recule d'une dizaine à partir de %1.",
                                     u"Desde %1, cuenta una decena hacia atrás."},
                     {a})
                         : w.say({u"Count back %1 tens from %2.", u"Recule de %1 dizaines à partir de %2.",
                                     u"Desde %2, cuenta %1 decenas hacia atrás."},
                             {b / 10, a});
        d.mistakes = {r + 10, r - 10, r / 10, a + b};
    } else if (a % 100 == 0 && b % 100 == 0 && a >= 1000 && b > 1000 && b % 1000 != 0) {
        d.clue = w.say({u"Take away %1, then take away %2 more.", u"Enlève %1, puis enlève encore %2.",
                           u"Quita %1 y luego quita %2 más."},
            {b / 1000 * 1000, b % 1000});
        d.mistakes = {r + 1000, r - 1000, r + 100, r - 100};
    } else if (a % 1000 == 0 && b % 1000 == 0) {
        d.clue = w.say({u"How many thousands are left when you take %2 from %1?",
                           u"Combien de milliers reste-t-il quand on enlève %2 à %1 ?",
                           u"¿Cuántas unidades de millar quedan si a %1 le quitas %2?"})
                     .arg(counted(t, a / 1000, 3), counted(t, b / 1000, 3));
        d.mistakes = {r + 1000, r - 1000, r / 1000, r + 100};
    } else if (a % 100 == 0 && b % 100 == 0) {
        d.clue = w.say({u"How many hundreds are left when you take %2 from %1?",
                           u"Combien de centaines reste-t-il quand on enlève %2 à %1 ?",
                           u"¿Cuántas centenas quedan si a %1 le quitas %2?"})
                     .arg(counted(t, a / 100, 2), counted(t, b / 100, 2));
        d.mistakes = {r + 100, r - 100, r / 100, r + 1000};
    } else if (a % 100 == 0) {
        d.clue = Methods::countingUp(w, b, a);
        d.mistakes = {r - 10, r + 10, r + 1, r - 100};
    } else if (b < 10) {
        if (a % 10 >= b) {
            d.clue = w.say({u"Take %1 away from the %2 ones. The tens stay the same.",
                               u"Enlève %1 aux %2 unités. Les dizaines ne changent pas.",
                               u"Quita %1 a las %2 unidades. Las decenas no cambian."},
                {b, a % 10});
            d.claims.append({Claim::Kept, a, r, allBut(Ones)});
            d.mistakes = {r - 1, r + 1, a - b * 10, r + 2};
        } else {
            d.clue = a % 10 == 0
                ? w.say({u"Split %1 into %2 and 10. Take %3 from the 10, then put what is left with %2.",
                            u"Décompose %1 en %2 + 10. Enlève %3 au 10, puis ajoute ce qui reste à %2.",
                            u"Descompón %1 en %2 + 10. Quita %3 al 10 y junta lo que queda con %2."},
                    {a, a - 10, b})
                : w.say({u"Take away %1 to reach %2, then take away %3 more.",
                            u"Enlève %1 pour arriver à %2, puis enlève encore %3.",
                            u"Quita %1 para llegar a %2 y luego quita %3 más."},
                    {a % 10, a - a % 10, b - a % 10});
            d.mistakes = {Mistakes::smallerFromLarger(a, b), r + 10, r - 1, r + 1};
        }
    } else if (b % 10 == 0 && b < 100) {
        const int tens = b / 10;
        if (b == 10) {
            d.clue = w.say({u"Count back one ten from %1.", u"Recule d'une dizaine à partir de %1.",
                               u"Desde %1, cuenta una decena hacia atrás."},
                {a});
        } else if (b <= 40) {
            d.clue = w.say({u"Count back in tens from %1, %2 times.", u"Recule de 10 en 10 à partir de %1, %2 fois.",
                               u"Desde %1, cuenta hacia atrás de diez en diez, %2 veces."},
                {a, tens});
        } else if (digitAt(a, 1) >= tens) {
            d.clue = w.say({u"Take %1 tens away from the %2 tens of %3. The other digits stay the same.",
                               u"Enlève %1 dizaines aux %2 dizaines de %3. Les autres chiffres ne changent pas.",
                               u"Quita %1 decenas a las %2 decenas de %3. Las demás cifras no cambian."},
                {tens, digitAt(a, 1), a});
            d.claims.append({Claim::Kept, a, r, allBut(Tens)});
        } else {
            // Too few tens in the tens digit: count the tens of the whole number.
            d.clue = w.say({u"Think of %1 as %2 tens and %3 ones. Take away %4 tens; the ones stay the same.",
                               u"Dans %1, il y a %2 dizaines et %3 unités. Enlève %4 dizaines ; les unités ne changent "
                               u"pas.",
                               u"Piensa en %1 como %2 decenas y %3 unidades. Quita %4 decenas; las unidades no "
                               u"cambian."},
                {a, a / 10, a % 10, tens});
            d.claims.append({Claim::Kept, a, r, Ones});
        }
        d.mistakes = {a - tens, r + 10, r - 10, r + 100, Mistakes::smallerFromLarger(a, b)};
    } else if (b % 10 >= 8 && (b < 100 || b % 100 >= 98)) {
        const int round = (b / 10 + 1) * 10;
        d.clue = w.say({u"Take away %1 and then add %2 back.", u"Enlève %1, puis rajoute %2.",
                           u"Quita %1 y luego vuelve a sumar %2."},
            {round, round - b});
        d.mistakes = {Mistakes::smallerFromLarger(a, b), r - 2 * (round - b), r + 10, r - 10};
    } else if (a < 100) {
        if (!exchanges) {
            d.clue = w.say({u"Take %1 away from %2, then take %3 away from %4.",
                               u"Enlève %1 à %2, puis enlève %3 à %4.", u"Quita %1 a %2 y luego quita %3 a %4."},
                {b / 10 * 10, a / 10 * 10, b % 10, a % 10});
            d.claims.append({Claim::Exchanges, a, b, 0, true});
        } else if (a - b <= 25 && w.chance(50)) {
            d.clue = Methods::countingUp(w, b, a);
        } else {
            d.clue = w.say({u"Take away %1, then take away %2 more.", u"Enlève %1, puis enlève encore %2.",
                               u"Quita %1 y luego quita %2 más."},
                {b / 10 * 10, b % 10});
        }
        d.mistakes = {Mistakes::smallerFromLarger(a, b), r + 10, r - 10, r + 1};
    } else {
        const Draft column = columns(w, a, b);
        d.clue = column.clue;
        d.claims = column.claims;
        // Columns, the largest part first, counting up or an estimate first, so that a set's clues vary.
        const int way = d.clue.isEmpty() ? 1 : w.number(0, 3);
        if (way == 2 && (a - b <= 1000 || a % 1000 == 0)) {
            d.clue = Methods::countingUp(w, b, a);
            d.claims.clear();
        } else if (way == 3 && b >= 100 && !Methods::estimate(w, a, b, false).isEmpty()) {
            d.clue = Methods::estimate(w, a, b, false);
            d.claims.clear();
        } else if (way == 1 && (d.clue.isEmpty() || (b > 100 && b % 100 != 0))) {
            // Take away the largest part first, then the rest.
            const int big = b >= 1000 ? b / 1000 * 1000 : b >= 100 ? b / 100 * 100 : b / 10 * 10;
            d.clue = w.say({u"Take away %1 first, then take away %2 more.",
                               u"Enlève d'abord %1, puis enlève encore %2.", u"Quita primero %1 y luego quita %2 más."},
                {big, b - big});
            d.claims.clear();
        }
        d.mistakes = {Mistakes::smallerFromLarger(a, b), r + 10, r + 100, r - 10, r - 100, r + 1000};
    }
    return d;
}
