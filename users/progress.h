// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/savedexercise.h"
#include "users/scorebook.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// How one child is doing: per topic, the exercises completed and the first,
// best and latest scores, and every exercise in the order it was done.
namespace Progress {

// One completed exercise at its place in the child's timeline, counted from 1.
struct Exercise
{
    int position = 0;
    QString topic;
    int clues = 0;
    int choices = 0;
    int score = 0;
    QDateTime completed; // invalid: undated
};

struct TopicFigures
{
    QString topic;
    int completed = 0;
    int first = 0;
    int best = 0;
    int latest = 0;
    QDateTime latestAt; // invalid when the latest is undated
};

struct Figures
{
    QString player;
    QList<Exercise> timeline;
    QList<TopicFigures> topics; // the seven topics in their order, then templates as first met
    int lowestScore = 0;        // the lowest score shown, never above 0
    int highestScore = SavedExercise::MaxScore; // the highest score shown, never below a full score
};

// The chart's score axis: from below the lowest score to above the highest,
// with ticks a round number of points apart (10, 20, 50, 100, 200, ...), so
// that it has at most MaxScoreTicks of them whatever scores the store holds.
struct ScoreScale
{
    double low = 0;
    double high = 0;
    double step = 0;
};
constexpr int MaxScoreTicks = 12;
ScoreScale scoreScale(const Figures &figures);

// The child's records in time order. Undated records were all completed before
// records were dated, so they come first, in the order they were completed;
// dated ones follow by their time (records brought from another computer are
// stored after this one's, whenever they were done).
Figures of(const QList<ScoreRecord> &all, const QString &player);

// A date as the tables and the report show it, in this computer's time and
// language, or "undated".
QString dateText(const QDateTime &when);
QString dateTimeText(const QDateTime &when);

// The summary table: a header, then one row per topic.
QStringList tableHeader();
QList<QStringList> tableRows(const Figures &figures);
// One sentence: how many exercises, and from when to when.
QString summary(const Figures &figures);
// The chart in words, for a screen reader: per topic, the scores from the first to the latest.
QString chartDescription(const Figures &figures);

} // namespace Progress
