// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <functional>

class Writer;

// The values a number may take in a story: a class of 15 to 32 children.
struct Range
{
    int low = 0;
    int high = 0;
    bool holds(int value) const { return low <= value && value <= high; }
};

// A number of a story and the range that makes it believable there.
struct Quantity
{
    int value = 0;
    Range range;
};

// The sum or product a question asks about, so that one set never asks the
// same thing twice: 24 divided by 4 and "how many 4s make 24" are the
// product of 4 and 6, 17 - 9 the sum of 8 and 9.
struct Fact
{
    char kind = 0; // 0: nothing to compare
    int x = 0;
    int y = 0;
    int z = 0;

    static Fact sum(int a, int b);
    static Fact difference(int a, int b) { return sum(b, a - b); }
    static Fact product(int a, int b);
    static Fact quotient(int a, int b) { return product(b, a / b); }
    // top/bottom of amount, the fraction in its lowest terms (75% of 40 is 3/4 of 40).
    static Fact part(int top, int bottom, int amount);
    static Fact other(char kind, int x, int y = 0, int z = 0) { return {kind, x, y, z}; }
    bool operator==(const Fact &o) const { return kind == o.kind && x == o.x && y == o.y && z == o.z; }
};

// What a clue says about the digits of its numbers, checked against them, so a
// clue never says "the tens stay the same" when they do not.
struct Claim
{
    enum Kind {
        Kept,      // a and b have the same digit at every place of the mask
        Carries,   // the columns of a + b that make 10 or more
        Exchanges, // the columns of a - b that must take ten from the column on their left
    };
    Kind kind = Kept;
    int a = 0;
    int b = 0;
    int places = 0;    // 1 ones, 2 tens, 4 hundreds, 8 thousands, 16 ten thousands
    bool exact = true; // Carries, Exchanges: these columns and no others (else: at least these)
};

// Place masks.
constexpr int Ones = 1;
constexpr int Tens = 2;
constexpr int Hundreds = 4;
constexpr int Thousands = 8;
constexpr int EveryPlace = 31;

// One question as a topic writes it, before its choice line is made.
struct Draft
{
    QString text;
    int answer = 0;
    QString clue;
    // Wrong answers that children really give, the most telling first; the
    // choice line offers the first few that make sense.
    QList<int> mistakes;
    // A question that lists numbers to choose from ("Which of these numbers is
    // odd: ...") offers the answer and the most tempting of them.
    QList<int> options;
    // Whether wrong options may be 0 or below, as with temperatures.
    bool belowZero = false;

    Fact fact;
    QList<Claim> claims;
    QList<Quantity> quantities;
    // The story told, so that a set tells each one once; null for a bare question.
    const void *story = nullptr;
};

inline Draft made(const QString &text, int answer, const QString &clue, const QList<int> &mistakes)
{
    Draft draft;
    draft.text = text;
    draft.answer = answer;
    draft.clue = clue;
    draft.mistakes = mistakes;
    return draft;
}

using Maker = std::function<Draft(Writer &)>;

// A run of questions of about the same difficulty: each slot is written by
// one of the makers, dealt in turn so that a set mixes them.
struct Band
{
    int slots = 0;
    QList<Maker> makers;
};

// The bands of one topic and level, from easier to harder; twenty slots in all.
using Plan = QList<Band>;

namespace Plans {
Plan numberSkills(int level);
Plan addition(int level);
Plan subtraction(int level);
Plan multiplication(int level);
Plan division(int level);
Plan fractions(int level);
Plan money(int level);
} // namespace Plans
