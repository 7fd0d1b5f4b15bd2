// SPDX-License-Identifier: GPL-3.0-or-later
// Measure pictures: a road for distance, jugs, bottles or a tank for
// volume, parcels on scales for mass.
#include "picturekit.h"

#include <algorithm>

namespace art {
namespace {

void road(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 120));
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(Qt::white, 2, Qt::DashLine));
    p.drawLine(QPointF(r.left() + 4, r.center().y()), QPointF(r.right() - 4, r.center().y()));
    for (qreal x : {r.left(), r.right()}) {
        p.setPen(QPen(colour::ink, 2));
        p.drawLine(QPointF(x, r.top() - 20), QPointF(x, r.bottom()));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 50, 50));
        p.drawPath(polygon({QPointF(x, r.top() - 20), QPointF(x + 12, r.top() - 15), QPointF(x, r.top() - 10)}));
    }
}

void jug(QPainter &p, const QRectF &r, const QString &tag)
{
    const qreal w = r.width(), h = r.height();
    QPainterPath body(QPointF(r.x() + w * 0.15, r.y() + h * 0.12));
    body.lineTo(r.x() + w * 0.78, r.y() + h * 0.12);
    body.lineTo(r.x() + w * 0.82, r.bottom());
    body.lineTo(r.x() + w * 0.1, r.bottom());
    body.closeSubpath();
    p.setPen(QPen(QColor(120, 160, 190), 2));
    p.setBrush(QColor(235, 246, 252));
    p.drawPath(body);
    QPainterPath water = body.intersected([&] {
        QPainterPath level;
        level.addRect(QRectF(r.x(), r.y() + h * 0.38, w, h));
        return level;
    }());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 180, 240));
    p.drawPath(water);
    p.setPen(QPen(QColor(120, 160, 190), std::max(2.0, w * 0.08)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(r.x() + w * 0.66, r.y() + h * 0.25, w * 0.32, h * 0.4), -90 * 16, 180 * 16);
    if (!tag.isEmpty())
        chip(p, tag, QPointF(r.x() + w * 0.46, r.y() + h * 0.68), std::min(13.0, w * 0.3), colour::blue);
}

const QColor glass(235, 246, 252), glassRim(120, 160, 190), water(90, 180, 240);

// The part of a container's shape below the water line at y.
QPainterPath below(const QPainterPath &shape, qreal y)
{
    QPainterPath level;
    const QRectF box = shape.boundingRect();
    level.addRect(QRectF(box.left() - 1, y, box.width() + 2, box.bottom() - y + 1));
    return shape.intersected(level);
}

// A water bottle standing in r, as wide as half its height at most.
void bottle(QPainter &p, const QRectF &r, const QString &tag)
{
    const qreal h = r.height(), w = std::min(r.width(), h * 0.5);
    const qreal cx = r.center().x(), top = r.top(), bottom = r.bottom();
    const qreal neck = w * 0.34, side = w / 2, round = w * 0.2;
    QPainterPath body(QPointF(cx - neck / 2, top + h * 0.1));
    body.lineTo(cx - neck / 2, top + h * 0.2);
    body.cubicTo(cx - neck / 2, top + h * 0.28, cx - side, top + h * 0.26, cx - side, top + h * 0.36);
    body.lineTo(cx - side, bottom - round);
    body.quadTo(cx - side, bottom, cx - side + round, bottom);
    body.lineTo(cx + side - round, bottom);
    body.quadTo(cx + side, bottom, cx + side, bottom - round);
    body.lineTo(cx + side, top + h * 0.36);
    body.cubicTo(cx + side, top + h * 0.26, cx + neck / 2, top + h * 0.28, cx + neck / 2, top + h * 0.2);
    body.closeSubpath();
    p.setPen(QPen(glassRim, 1.5));
    p.setBrush(glass);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawPath(below(body, top + h * 0.4));
    p.setPen(QPen(mix(colour::blue, Qt::black, 0.3), 1));
    p.setBrush(colour::blue);
    p.drawRoundedRect(QRectF(cx - neck * 0.7, top, neck * 1.4, h * 0.11), 2, 2); // cap
    if (!tag.isEmpty())
        chip(p, tag, QPointF(cx, top + h * 0.7), std::min(11.0, w * 0.42), colour::blue);
}

// A see-through farm tank on legs, filled from the bottom in layers: each
// is a share of the tank's height with its tag. Returns the water's levels:
// the tank's floor, then the top of each layer.
QList<qreal> tank(QPainter &p, const QRectF &r, const QList<std::pair<qreal, QString>> &layers)
{
    const qreal rim = std::min(8.0, r.height() * 0.07), legs = r.height() * 0.12;
    const QRectF wall(r.left(), r.top() + rim, r.width(), r.height() - legs - 2 * rim);
    p.setPen(QPen(colour::ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {wall.left() + wall.width() * 0.15, wall.right() - wall.width() * 0.15})
        p.drawLine(QPointF(x, wall.bottom()), QPointF(x, r.bottom()));
    QPainterPath shape, floor;
    shape.addRect(wall);
    floor.addEllipse(QRectF(wall.left(), wall.bottom() - rim, wall.width(), 2 * rim));
    shape = shape.united(floor);
    p.setPen(QPen(glassRim, 2));
    p.setBrush(glass);
    p.drawPath(shape);
    QList<qreal> tops{wall.bottom()};
    qreal level = wall.bottom();
    for (int i = 0; i < layers.size(); ++i) {
        const qreal top = level - wall.height() * layers[i].first;
        QPainterPath layer = below(shape, top);
        if (i > 0) {
            QPainterPath under;
            under.addRect(QRectF(wall.left() - 1, level, wall.width() + 2, r.height()));
            layer = layer.subtracted(under);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? mix(water, Qt::white, 0.45) : water);
        p.drawPath(layer);
        p.setPen(QPen(mix(water, Qt::black, 0.2), 1.5));
        p.drawLine(QPointF(wall.left(), top), QPointF(wall.right(), top));
        tops << top;
        level = top;
    }
    p.setPen(QPen(glassRim, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setBrush(mix(glass, glassRim, 0.3));
    p.drawEllipse(QRectF(wall.left(), wall.top() - rim, wall.width(), 2 * rim)); // lid
    for (int i = 0; i < layers.size(); ++i)
        if (!layers[i].second.isEmpty())
            chip(p, layers[i].second, QPointF(wall.center().x(), (tops[i] + tops[i + 1]) / 2),
                 std::min(13.0, wall.width() * 0.3), colour::blue);
    return tops;
}

// A brace right of x, from y1 down to y2, with a chip at its point.
void sideBrace(QPainter &p, qreal x, qreal y1, qreal y2, const QString &tag)
{
    const qreal mid = (y1 + y2) / 2;
    QPainterPath b(QPointF(x, y1));
    b.quadTo(x + 7, y1, x + 7, y1 + 8);
    b.lineTo(x + 7, mid - 6);
    b.quadTo(x + 7, mid, x + 13, mid);
    b.quadTo(x + 7, mid, x + 7, mid + 6);
    b.lineTo(x + 7, y2 - 8);
    b.quadTo(x + 7, y2, x, y2);
    p.setPen(QPen(colour::ink, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(b);
    chip(p, tag, QPointF(x + 32, mid), 15, colour::purple);
}

void weight(QPainter &p, const QRectF &r, const QString &tag, Thing load)
{
    // A parcel, or a pumpkin when the question weighs one, on a kitchen scale.
    const QRectF base(r.x(), r.bottom() - r.height() * 0.3, r.width(), r.height() * 0.3);
    p.setPen(QPen(colour::ink, 1.5));
    p.setBrush(QColor(220, 225, 235));
    p.drawRoundedRect(base, 5, 5);
    p.setBrush(Qt::white);
    p.drawEllipse(base.center(), base.height() * 0.32, base.height() * 0.32);
    p.drawLine(base.center(), base.center() + QPointF(base.height() * 0.2, -base.height() * 0.2));
    p.setBrush(QColor(160, 165, 175));
    p.drawRect(QRectF(r.x() + r.width() * 0.08, base.top() - 5, r.width() * 0.84, 5));
    const QRectF parcel(r.x() + r.width() * 0.14, r.y(), r.width() * 0.72, base.top() - 5 - r.y());
    if (load == Thing::Pumpkin) {
        // As wide as the pan and standing on it: drawThing leaves 8 % round the cell.
        const qreal size = r.width(), bottom = base.top() - 5 + size * 0.08;
        const QRectF cell(r.center().x() - size / 2, bottom - size * 0.8, size, size * 0.8);
        drawThing(p, Thing::Pumpkin, cell, QColor());
        if (!tag.isEmpty())
            chip(p, tag, cell.center() + QPointF(0, size * 0.06), std::min(13.0, size * 0.2), QColor(170, 90, 20));
        return;
    }
    p.setBrush(QColor(215, 165, 100));
    p.drawRect(parcel);
    p.setPen(QPen(QColor(170, 120, 60), 2));
    p.drawLine(QPointF(parcel.center().x(), parcel.top()), QPointF(parcel.center().x(), parcel.bottom()));
    if (!tag.isEmpty())
        chip(p, tag, parcel.center(), std::min(13.0, parcel.width() * 0.28), QColor(170, 120, 60));
}

void measureThing(QPainter &p, const Scene &s, const QRectF &r, const QString &tag)
{
    if (s.measure != Measure::Volume)
        weight(p, r, tag, s.thing);
    else if (s.vessel == Vessel::Bottle)
        bottle(p, r, tag);
    else if (s.vessel == Vessel::Tank)
        tank(p, r, {{0.6, tag}});
    else
        jug(p, r, tag);
}

// n cells in the area for things twice as tall as they are wide: up to five
// in a row, each row centred.
QList<QRectF> tallCells(int n, const QRectF &area)
{
    const int cols = std::min(n, 5), rows = (n + cols - 1) / cols;
    const qreal h = area.height() / rows, w = std::min(area.width() / cols, h * 0.6);
    QList<QRectF> cells;
    for (int i = 0; i < n; ++i) {
        const int row = i / cols, inRow = std::min(cols, n - row * cols);
        const qreal x = area.center().x() + (i % cols - inRow / 2.0) * w;
        cells << QRectF(x, area.top() + row * h, w, h);
    }
    return cells;
}

} // namespace

void drawMeasure(QPainter &p, const Scene &s)
{
    const QList<int> &n = s.numbers;
    if (s.measure == Measure::Distance) {
        const QRectF r(18, 70, 164, 22);
        road(p, r);
        if (s.op == Op::Divide) {
            const int parts = n.value(1, 2);
            for (int i = 1; i < parts; ++i) {
                const qreal x = r.x() + r.width() * i / parts;
                p.setPen(QPen(QColor(255, 210, 0), 3));
                p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
            }
            for (int i = 0; i < parts; ++i) {
                const qreal x = r.x() + r.width() * (i + 0.5) / parts;
                drawThing(p, Thing::Child, QRectF(x - 11, r.top() - 26, 22, 22), i % 2 ? groupB : groupA);
                chip(p, QStringLiteral("?"), QPointF(x, r.bottom() + 16), 12);
            }
            brace(p, r.left(), r.right(), r.bottom() + 30, false, QString::number(n[0]));
        } else {
            const qreal split = r.x() + r.width() * n[0] / std::max(1, n[0] + n.value(1));
            brace(p, r.left(), split, r.bottom() + 4, false, QString::number(n[0]));
            brace(p, split, r.right(), r.bottom() + 4, false, QString::number(n.value(1)));
            brace(p, r.left(), r.right(), r.top() - 24, true, QStringLiteral("?"));
        }
        return;
    }
    if (s.op == Op::Multiply) {
        // n[1] containers holding n[0] each.
        const int count = n.value(1, 1);
        const QRectF area(16, 14, 168, 124);
        const QList<QRectF> cells = s.vessel == Vessel::Bottle ? tallCells(count, area) : grid(count, area, 5);
        for (const QRectF &c : cells)
            measureThing(p, s, shrink(c, 0.92), QString::number(n[0]));
        caption(p, equationParts({n[0], count}, Op::Multiply) << QStringLiteral("=") << QStringLiteral("?"), 155);
        return;
    }
    if (s.op == Op::Divide) {
        measureThing(p, s, QRectF(60, 16, 80, 110), QString::number(n[0]));
        caption(p, equationParts(n, Op::Divide) << QStringLiteral("=") << QStringLiteral("?"), 155);
        return;
    }
    if (s.measure == Measure::Volume && s.vessel == Vessel::Tank && s.op == Op::Add && n.size() == 2) {
        // Water poured into the tank on top of what it has: the "?" is both.
        const qreal total = std::max(1, n[0] + n[1]);
        // At x 40.36 the chips' digits fall on the same fractions of a pixel
        // as the jugs' that stood here: the font hinter's state, which later
        // pictures inherit, depends on them.
        const QRectF r(40.36, 18, 96, 140);
        const QList<qreal> levels = tank(p, r, {{0.78 * std::max(0.3, n[0] / total), QString::number(n[0])},
                                                {0.78 * std::max(0.3, n[1] / total), QString::number(n[1])}});
        // "+" before the water added
        text(p, signOf(Op::Add),
             QPointF(r.center().x() - labelWidth(QString::number(n[1]), 13) / 2 - 20, (levels[1] + levels[2]) / 2), 24);
        sideBrace(p, r.right() + 4, levels[2], levels[0], QStringLiteral("?"));
        return;
    }
    measureThing(p, s, QRectF(16, 24, 66, 100), QString::number(n.value(0)));
    measureThing(p, s, QRectF(118, 44, 66, 80), QString::number(n.value(1)));
    text(p, signOf(s.op), QPointF(100, 84), 24);
    caption(p, {QStringLiteral("?")}, 155);
}

} // namespace art
