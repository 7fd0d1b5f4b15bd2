// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A times-table fact: the product a multiplication or division question is
// about, its smaller number first. 7 x 3, 3 x 7, 21 divided by 3 and "3 x __ =
// 21" are all the fact 3 x 7.
struct TimesFact
{
    int a = 0;
    int b = 0;

    // The fact of two numbers, in either order; none when one is not above 0.
    static TimesFact of(int x, int y);
    // The fact of a division with no remainder, dividend divided by divisor.
    static TimesFact ofQuotient(int dividend, int divisor);
    // The fact as it is stored, "3x7", and back; none for any other text.
    QString text() const;
    static TimesFact fromText(const QString &text);

    bool isValid() const { return a > 0 && b >= a; }
    bool operator==(const TimesFact &other) const { return a == other.a && b == other.b; }
    bool operator!=(const TimesFact &other) const { return !(*this == other); }
};

namespace TimesFacts {

// The fact a question written by hand asks, when it is one of the plain forms
// "What is a x b?" and "What is a divided by b?" in a language the program
// ships ("Combien font a x b ?", "¿Cuánto es a dividido entre b?"); none for
// any other question, such as a story, whose fact only its writer knows.
TimesFact recognised(const QString &question);

} // namespace TimesFacts
