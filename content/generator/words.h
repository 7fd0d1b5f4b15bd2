// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// The languages the generator writes in.
enum class Tongue { English, French, Spanish };

// One text as it is written in each language; numbers go in as %1, %2...
struct Said
{
    const char16_t *en;
    const char16_t *fr;
    const char16_t *es;
};

namespace Words {

QString in(Tongue tongue, const Said &said);
// The text with each number put in turn in place of %1, %2...
QString in(Tongue tongue, const Said &said, std::initializer_list<int> numbers);
// 0 to 99999 as it is said: "twelve thousand and forty", "douze mille
// quarante", "doce mil cuarenta".
QString number(Tongue tongue, int value);
// "12, 17, 20 or 24"; in Spanish "7 u 8", as before a word that starts with o.
// All of them: "3, 8 and 5".
QString listed(Tongue tongue, const QList<int> &numbers, bool all = false);
// A part in words, as a story says it: "three quarters", "les trois quarts",
// "tres cuartos"; "half", "la moitié", "la mitad".
QString fraction(Tongue tongue, int top, int bottom);
// The pieces a whole is cut into, counted: "quarters", "quarts", "cuartos".
QString pieces(Tongue tongue, int bottom);
// The text as the language prints it: in French a no-break space before ? ! : ; and %.
QString typeset(Tongue tongue, QString text);
// The first letter in capitals.
QString capitalized(QString text);

} // namespace Words
