// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/ui/progresschart.h"

#include "content/topics.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <cmath>

namespace {

// At most this many dates under the chart, so they never overlap.
constexpr int DateLabels = 4;
// Markers on every exercise while they stay apart.
constexpr int MarkedExercises = 60;

// Each built-in topic keeps its colour from child to child and on paper, and
// the colours stay apart for the common kinds of colour blindness.
QColor colourOf(const QString &topic, int otherIndex)
{
    static const QColor topicColours[] = {QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00), QColor(0x00, 0x9E, 0x73),
                                          QColor(0xCC, 0x79, 0xA7), QColor(0x56, 0xB4, 0xE9), QColor(0xE6, 0x9F, 0x00),
                                          QColor(0x33, 0x33, 0x33)};
    static const QColor otherColours[] = {QColor(0x88, 0x22, 0x55), QColor(0x44, 0x77, 0x22), QColor(0x99, 0x66, 0x00),
                                          QColor(0x33, 0x22, 0x88)};
    const int index = Topics::indexOf(topic);
    if (index >= 0)
        return topicColours[index];
    return otherColours[otherIndex % int(std::size(otherColours))];
}

QCategoryAxis *timeAxis(const Progress::Figures &figures)
{
    auto *axis = new QCategoryAxis;
    axis->setTitleText(QCoreApplication::translate("ProgressChart", "Exercises, oldest first"));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int count = static_cast<int>(figures.timeline.size());
    axis->setRange(0.5, std::max(count, 1) + 0.5);
    axis->setStartValue(0.5);
    const int labels = std::min(count, DateLabels);
    QString previous;
    for (int i = 0; i < labels; ++i) {
        const int position = labels == 1 ? 1 : 1 + int(std::lround(double(i) * (count - 1) / (labels - 1)));
        const Progress::Exercise &exercise = figures.timeline.at(position - 1);
        const QString label = Progress::dateText(exercise.completed); // "undated" for the oldest
        // The axis takes each label once; a day with many exercises is named once.
        if (label != previous && !axis->categoriesLabels().contains(label))
            axis->append(label, position);
        previous = label;
    }
    return axis;
}

QValueAxis *scoreAxis(const Progress::Figures &figures)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(QCoreApplication::translate("ProgressChart", "Score"));
    const Progress::ScoreScale scale = Progress::scoreScale(figures);
    axis->setRange(scale.low, scale.high);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(scale.step);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

} // namespace

QChart *ProgressChart::build(const Progress::Figures &figures)
{
    auto *chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    QCategoryAxis *time = timeAxis(figures);
    QValueAxis *score = scoreAxis(figures);
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(score, Qt::AlignLeft);

    const bool marked = figures.timeline.size() <= MarkedExercises;
    int others = 0;
    for (const Progress::TopicFigures &topic : figures.topics) {
        QList<QPointF> points;
        points.reserve(topic.completed);
        for (const Progress::Exercise &exercise : figures.timeline) {
            if (exercise.topic == topic.topic)
                points.append(QPointF(exercise.position, exercise.score));
        }
        auto *series = new QLineSeries(chart);
        // The legend reads its names as rich text.
        series->setName(Topics::shownName(topic.topic).toHtmlEscaped());
        series->replace(points);
        QPen pen(colourOf(topic.topic, Topics::indexOf(topic.topic) < 0 ? others++ : 0));
        pen.setWidthF(2.5);
        series->setPen(pen);
        series->setPointsVisible(marked);
        chart->addSeries(series);
        series->attachAxis(time);
        series->attachAxis(score);
    }
    return chart;
}
