// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/practiceprogress.h"

#include "content/topics.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PracticeProgress", text);
}

QString listed(QList<TimesFact> facts)
{
    std::sort(facts.begin(), facts.end(),
              [](const TimesFact &x, const TimesFact &y) { return std::pair(x.a, x.b) < std::pair(y.a, y.b); });
    QStringList texts;
    for (const TimesFact &fact : std::as_const(facts))
        texts.append(QStringLiteral("%1 × %2").arg(fact.a).arg(fact.b));
    return texts.join(QStringLiteral(", "));
}

QList<TimesFact> within(const QList<TimesFact> &facts, int size)
{
    QList<TimesFact> inside;
    std::copy_if(facts.cbegin(), facts.cend(), std::back_inserter(inside),
                 [size](const TimesFact &fact) { return fact.b <= size; });
    return inside;
}

} // namespace

QList<PracticeProgress::TopicRow> PracticeProgress::topics(const Practice::Box &box, const QDate &today)
{
    QList<TopicRow> rows;
    for (const QString &topic : Topics::names())
        rows.append({topic});
    QHash<QString, qsizetype> rowOf;
    for (qsizetype i = 0; i < rows.size(); ++i)
        rowOf.insert(rows.at(i).topic, i);
    for (const PracticeItem &item : box.items) {
        auto row = rowOf.constFind(item.origin.topic);
        if (row == rowOf.cend()) {
            row = rowOf.insert(item.origin.topic, rows.size());
            rows.append({item.origin.topic});
        }
        TopicRow &counts = rows[*row];
        if (item.isKnown())
            ++counts.known;
        else
            ++counts.practised;
        if (box.isDue(item, today))
            ++counts.due;
    }
    rows.removeIf([](const TopicRow &row) { return row.practised + row.known == 0; });
    return rows;
}

QStringList PracticeProgress::tableHeader()
{
    return {tr("Topic"), tr("Being practised"), tr("Due today"), tr("Known")};
}

QList<QStringList> PracticeProgress::tableRows(const QList<TopicRow> &rows)
{
    QList<QStringList> table;
    for (const TopicRow &row : rows)
        table.append({Topics::shownName(row.topic), QString::number(row.practised), QString::number(row.due),
                      QString::number(row.known)});
    return table;
}

QString PracticeProgress::summary(const Practice::Box &box, const QDate &today)
{
    if (box.items.isEmpty())
        return tr("No question has been missed yet, so there is nothing to practise.");
    const int known = static_cast<int>(box.items.size()) - box.practisingCount();
    return tr("Questions being practised: %1, due today: %2; questions known: %3.")
        .arg(box.practisingCount())
        .arg(box.dueCount(today))
        .arg(known);
}

PracticeProgress::Cell PracticeProgress::Map::cell(int a, int b) const
{
    const TimesFact fact = TimesFact::of(a, b);
    if (practised.contains(fact))
        return Cell::Practised;
    return known.contains(fact) ? Cell::Known : Cell::NotMet;
}

PracticeProgress::Map PracticeProgress::map(const Practice::Box &box)
{
    Map map;
    const auto large = [](const TimesFact &fact) { return fact.b > 10; };
    if (std::any_of(box.known.cbegin(), box.known.cend(), large)
        || std::any_of(box.practised.cbegin(), box.practised.cend(), large))
        map.size = Practice::LargestTable;
    map.known = within(box.known, map.size);
    map.practised = within(box.practised, map.size);
    return map;
}

QString PracticeProgress::mapDescription(const Map &map)
{
    // Each fact once: a x b is b x a.
    const int facts = map.size * (map.size + 1) / 2;
    const int met = static_cast<int>(map.known.size() + map.practised.size());
    QStringList parts{tr("Times tables from 1 to %1.").arg(map.size)};
    if (!map.known.isEmpty())
        parts.append(tr("Known: %1.").arg(listed(map.known)));
    if (!map.practised.isEmpty())
        parts.append(tr("Being practised: %1.").arg(listed(map.practised)));
    parts.append(met == 0 ? tr("No fact met yet.") : tr("Facts not met yet: %1.").arg(facts - met));
    return parts.join(QLatin1Char(' '));
}

QString PracticeProgress::cellName(Cell cell)
{
    switch (cell) {
    case Cell::Known: return tr("Known");
    case Cell::Practised: return tr("Being practised");
    case Cell::NotMet: break;
    }
    return tr("Not met yet");
}
