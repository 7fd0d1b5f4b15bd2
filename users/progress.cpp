// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/progress.h"

#include "content/topics.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Progress", text);
}

} // namespace

Progress::Figures Progress::of(const QList<ScoreRecord> &all, const QString &player)
{
    Figures figures;
    figures.player = player;
    for (const ScoreRecord &record : all) {
        if (record.player != player)
            continue;
        // A damaged count reads as 0, as the sidebar's totals read it.
        figures.timeline.append({0, record.topic, record.clues.toInt(), record.choices.toInt(), record.score.toInt(),
                                 record.completedAt()});
    }
    std::stable_sort(figures.timeline.begin(), figures.timeline.end(), [](const Exercise &a, const Exercise &b) {
        if (a.completed.isValid() != b.completed.isValid())
            return !a.completed.isValid();
        return a.completed.isValid() && a.completed < b.completed;
    });

    QHash<QString, qsizetype> rowOf;
    for (const QString &topic : Topics::names()) {
        rowOf.insert(topic, figures.topics.size());
        figures.topics.append({topic, 0, 0, 0, 0, {}});
    }
    for (qsizetype i = 0; i < figures.timeline.size(); ++i) {
        Exercise &exercise = figures.timeline[i];
        exercise.position = static_cast<int>(i + 1);
        figures.lowestScore = std::min(figures.lowestScore, exercise.score);
        figures.highestScore = std::max(figures.highestScore, exercise.score);
        auto row = rowOf.constFind(exercise.topic);
        if (row == rowOf.cend()) {
            row = rowOf.insert(exercise.topic, figures.topics.size());
            figures.topics.append({exercise.topic, 0, 0, 0, 0, {}});
        }
        TopicFigures &topic = figures.topics[*row];
        if (topic.completed == 0) {
            topic.first = exercise.score;
            topic.best = exercise.score;
        }
        ++topic.completed;
        topic.best = std::max(topic.best, exercise.score);
        topic.latest = exercise.score;
        topic.latestAt = exercise.completed;
    }
    // Only the topics the child has done.
    figures.topics.removeIf([](const TopicFigures &topic) { return topic.completed == 0; });
    return figures;
}

Progress::ScoreScale Progress::scoreScale(const Figures &figures)
{
    // Ten points apart while they fit, as most children's scores do.
    const double lowest = std::min(figures.lowestScore, 0);
    const double highest = std::max(figures.highestScore, SavedExercise::MaxScore);
    ScoreScale scale;
    for (double decade = 10; scale.step == 0; decade *= 10) {
        for (const double step : {decade, 2 * decade, 5 * decade}) {
            // The ticks from the lowest multiple of the step up to the highest
            // score, and one more in the room above it.
            if ((highest - std::floor(lowest / step) * step) / step + 2 <= MaxScoreTicks) {
                scale.step = step;
                break;
            }
        }
    }
    // A little room above and below, so the markers at either end show whole.
    scale.low = std::floor(lowest / scale.step) * scale.step - scale.step / 5;
    scale.high = highest + scale.step / 5;
    return scale;
}

QString Progress::dateText(const QDateTime &when)
{
    return when.isValid() ? QLocale().toString(when.toLocalTime().date(), QLocale::ShortFormat) : tr("undated");
}

QString Progress::dateTimeText(const QDateTime &when)
{
    return when.isValid() ? QLocale().toString(when.toLocalTime(), QLocale::ShortFormat) : tr("undated");
}

QStringList Progress::tableHeader()
{
    return {tr("Topic"), tr("Exercises completed"), tr("First score"), tr("Best score"), tr("Latest score"),
            tr("Last completed")};
}

QList<QStringList> Progress::tableRows(const Figures &figures)
{
    QList<QStringList> rows;
    for (const TopicFigures &topic : figures.topics)
        rows.append({Topics::shownName(topic.topic), QString::number(topic.completed), QString::number(topic.first),
                     QString::number(topic.best), QString::number(topic.latest), dateText(topic.latestAt)});
    return rows;
}

QString Progress::summary(const Figures &figures)
{
    if (figures.timeline.isEmpty())
        return tr("%1 has not completed an exercise yet.").arg(figures.player);
    const auto firstDated = std::find_if(figures.timeline.cbegin(), figures.timeline.cend(),
                                         [](const Exercise &exercise) { return exercise.completed.isValid(); });
    const qsizetype undated = firstDated - figures.timeline.cbegin();
    QString count = tr("Exercises completed: %1").arg(figures.timeline.size());
    if (undated > 0)
        count += tr(" (undated: %1)").arg(undated);
    if (firstDated == figures.timeline.cend())
        return count + QLatin1Char('.');
    return tr("%1, from %2 to %3.").arg(count, dateText(firstDated->completed),
                                        dateText(figures.timeline.constLast().completed));
}

QString Progress::chartDescription(const Figures &figures)
{
    QStringList parts{tr("Scores over time, oldest first.")};
    for (const TopicFigures &topic : figures.topics) {
        parts.append(topic.completed == 1
                         ? tr("%1: one exercise, score %2.").arg(Topics::shownName(topic.topic), QString::number(topic.latest))
                         // In one pass, so a topic named with "%2" in it stays as it is.
                         : tr("%1: %2 exercises, from %3 at first to %4 at the latest, best %5.")
                               .arg(Topics::shownName(topic.topic), QString::number(topic.completed),
                                    QString::number(topic.first), QString::number(topic.latest),
                                    QString::number(topic.best)));
    }
    return parts.join(QLatin1Char(' '));
}
