// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <functional>

class Writer;

// One question as a topic writes it, before its choice line is made.
struct Draft
{
    QString text;
    int answer = 0;
    QString clue;
    // Wrong answers that children really give, the most telling first; the
    // choice line offers the first few that make sense.
    QList<int> mistakes;
    // A question that lists its own options ("Which of these numbers is odd:
    // ...") offers the same ones on its choice line.
    QList<int> options;
    // Whether wrong options may be 0 or below, as with temperatures.
    bool belowZero = false;
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

// "a, b, c or d", as choice lines and questions list numbers.
QString listed(const QList<int> &numbers);
