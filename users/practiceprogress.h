// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/practice.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a child's practice box shows at a glance: per topic, how many questions
// are being practised, how many of them are due today and how many are known;
// and a map of the times tables, each fact as the child's answers show it.
namespace PracticeProgress {

struct TopicRow
{
    QString topic; // as stored
    int practised = 0;
    int due = 0;
    int known = 0;
};
// The seven topics in their order, then others as first met; only those in the box.
QList<TopicRow> topics(const Practice::Box &box, const QDate &today);
QStringList tableHeader();
QList<QStringList> tableRows(const QList<TopicRow> &rows);
// One sentence over the whole box.
QString summary(const Practice::Box &box, const QDate &today);

enum class Cell { NotMet, Practised, Known };

// The times tables from 1 to 10, or to 12 once the child has met a fact of 11 or 12.
struct Map
{
    int size = 10;
    QList<TimesFact> known;
    QList<TimesFact> practised;
    // Row a, column b, both from 1: a x b and b x a are one fact.
    Cell cell(int a, int b) const;
};
Map map(const Practice::Box &box);
// The map in words, for a screen reader and the report.
QString mapDescription(const Map &map);
// The names of the three states, for the map's key.
QString cellName(Cell cell);

} // namespace PracticeProgress
