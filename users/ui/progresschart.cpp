// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/ui/progresschart.h"

#include "content/topics.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <cmath>
#include <utility>

namespace {

// At most this many dates under the chart, so they never overlap.
constexpr int DateLabels = 4;
// Markers on every exercise while they stay apart.
constexpr int MarkedExercises = 60;
// Templates' topics with a colour and a legend entry of their own; the rest
// share a grey and one entry, so the legend keeps its names readable.
constexpr int ColouredOthers = 4;
// Legend entries in a row below the chart; more go in a column at its right.
constexpr int LegendRow = 4;

// Each built-in topic keeps its colour from child to child and on paper, and
// the colours stay apart for the common kinds of colour blindness.
QColor colourOf(const QString &topic, int otherIndex)
{
    static const QColor topicColours[] = {QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00), QColor(0x00, 0x9E, 0x73),
                                          QColor(0xCC, 0x79, 0xA7), QColor(0x56, 0xB4, 0xE9), QColor(0xE6, 0x9F, 0x00),
                                          QColor(0x33, 0x33, 0x33)};
    static const QColor otherColours[ColouredOthers] = {QColor(0x88, 0x22, 0x55), QColor(0x44, 0x77, 0x22),
                                                        QColor(0x99, 0x66, 0x00), QColor(0x33, 0x22, 0x88)};
    const int index = Topics::indexOf(topic);
    if (index >= 0)
        return topicColours[index];
    return otherIndex < ColouredOthers ? otherColours[otherIndex] : QColor(0x99, 0x99, 0x99);
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
    QCategoryAxis *time = timeAxis(figures);
    QValueAxis *score = scoreAxis(figures);
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(score, Qt::AlignLeft);

    const bool marked = figures.timeline.size() <= MarkedExercises;
    int others = 0;
    bool groupShown = false;
    int entries = 0; // in the legend
    for (const Progress::TopicFigures &topic : figures.topics) {
        const bool builtIn = Topics::indexOf(topic.topic) >= 0;
        const bool grouped = !builtIn && others >= ColouredOthers;
        QList<QPointF> points;
        points.reserve(topic.completed);
        for (const Progress::Exercise &exercise : figures.timeline) {
            if (exercise.topic == topic.topic)
                points.append(QPointF(exercise.position, exercise.score));
        }
        auto *series = new QLineSeries(chart);
        // The legend reads its names as rich text.
        series->setName(grouped ? QCoreApplication::translate("ProgressChart", "Other topics")
                                : Topics::shownName(topic.topic).toHtmlEscaped());
        series->replace(points);
        QPen pen(colourOf(topic.topic, builtIn ? 0 : others++));
        pen.setWidthF(2.5);
        series->setPen(pen);
        series->setPointsVisible(marked);
        chart->addSeries(series);
        series->attachAxis(time);
        series->attachAxis(score);
        if (grouped && std::exchange(groupShown, true))
            chart->legend()->markers(series).constFirst()->setVisible(false);
        else
            ++entries;
    }
    // A few names fit in a row below the chart; more stand in a column beside it.
    chart->legend()->setAlignment(entries > LegendRow ? Qt::AlignRight : Qt::AlignBottom);
    keepLastDateInside(chart);
    return chart;
}

void ProgressChart::keepLastDateInside(QChart *chart)
{
    // The last date stands centred under the chart's right end: half of it
    // lies beyond the plot, and must lie within the chart.
    for (QAbstractAxis *axis : chart->axes(Qt::Horizontal)) {
        auto *dates = qobject_cast<QCategoryAxis *>(axis);
        const QStringList labels = dates ? dates->categoriesLabels() : QStringList();
        if (labels.isEmpty())
            continue;
        const qreal half = QFontMetricsF(dates->labelsFont()).horizontalAdvance(labels.constLast()) / 2;
        QMargins margins = chart->margins();
        margins.setRight(std::max(margins.left(), int(std::ceil(half)) + 4));
        chart->setMargins(margins);
    }
}
