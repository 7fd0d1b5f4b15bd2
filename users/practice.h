// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/questionfile.h"
#include "content/timesfact.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

class StoreChange;
class StoreMap;

// Where a question of an exercise comes from: the topic it was asked in (a
// built-in topic's stored name or a template's) and its place there, 0 to 19,
// which names its picture; its level, for fresh questions like it; and the
// times-table fact it asks, when that is known.
struct PracticeOrigin
{
    QString topic;
    int position = -1; // none: a question the generator wrote for a practice
    int level = 1;
    TimesFact fact;
};

// One question in a child's practice box, kept as written: its placeholders
// are filled when it is asked, so a later change of currency or units applies.
struct PracticeItem
{
    PracticeOrigin origin;
    QuestionRecord question;
    int box = 1;     // 1 to Practice::Boxes, or Practice::Known
    QDate due;       // when it is to be practised again; once known, the day it became known
    QDateTime added; // when it was first missed
    bool isKnown() const;
};

// Spaced practice of what a child got wrong. A question answered wrong, or
// answered only after its clue or choice line was shown, goes into the
// child's practice box at once, in box 1. The boxes wait longer and longer
// before their questions are due again: 1, 2, 4, 8 and 16 days. So a question
// answered right whenever it is due comes back the next day, then 2, 4, 8 and
// 16 days later, and is known a month after it was missed: long enough to
// show it is remembered, short enough for a child to see the end of it.
// Answered right at the first try and without help on or after its day, a
// question moves up a box; from the last box it is known, and leaves the
// practice (it stays for the map). Answered wrong or with help, whenever that
// is, it goes back to box 1. Answered right before its day it stays where it
// is: early practice is welcome, but only remembering after the wait moves it.
namespace Practice {

constexpr int Boxes = 5;
constexpr int Known = Boxes + 1;
// At most this many questions per child: every question of the seven topics
// and more. A new one then takes the place of the one known longest, or, when
// none is known, of the oldest in the highest box, the nearest to being known.
constexpr int MaxQuestions = 200;
// The times tables followed on the map: 1 to 10, and 11 and 12 once met.
constexpr int LargestTable = 12;

// How many days a question waits in a box before it is due again.
int waitDays(int box);
// The level of the question at a place in an exercise of twenty, which runs
// from easier to harder: the first seven are level 1, the last six level 3.
int levelAt(int position);

// A child's practice box: the questions missed, and the facts of the times
// tables the child's answers show known or still being practised.
struct Box
{
    QList<PracticeItem> items;
    QList<TimesFact> known;
    QList<TimesFact> practised;

    // A question missed: into box 1, or back to it, due after box 1's wait.
    void miss(const PracticeOrigin &origin, const QuestionRecord &question, const QDateTime &when);
    // A question answered right at the first try and without help; false when
    // that changes nothing.
    bool answerRight(const QuestionRecord &question, const TimesFact &fact, const QDate &today);

    bool isDue(const PracticeItem &item, const QDate &today) const;
    int dueCount(const QDate &today) const;
    int practisingCount() const;
    // The question's place among the items, or -1.
    qsizetype indexOf(const QuestionRecord &question) const;

private:
    bool setFact(const TimesFact &fact, bool practising);
    void makeRoom();
};

// A child's box as a store holds it, and written back whole. A name that
// cannot be a player's (the empty name, or one of a damaged store) has none.
Box read(const StoreMap &store, const QString &player);
void write(StoreMap &store, const QString &player, const Box &box);
// From the windows' copy of the store.
Box of(const QString &player);

// The changes the rules above make, each as one change of the store that
// carries the day it happened on, so it does the same whenever it is written.
StoreChange missing(const QString &player, const PracticeOrigin &origin, const QuestionRecord &question,
                    const QDateTime &when);
StoreChange answering(const QString &player, const QuestionRecord &question, const TimesFact &fact,
                      const QDate &today);

} // namespace Practice
