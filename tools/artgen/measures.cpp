// SPDX-License-Identifier: GPL-3.0-or-later
// Measure pictures: a road for distance, jugs for volume, parcels on
// scales for mass.
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

void weight(QPainter &p, const QRectF &r, const QString &tag)
{
    // A parcel on a kitchen scale.
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
    p.setBrush(QColor(215, 165, 100));
    p.drawRect(parcel);
    p.setPen(QPen(QColor(170, 120, 60), 2));
    p.drawLine(QPointF(parcel.center().x(), parcel.top()), QPointF(parcel.center().x(), parcel.bottom()));
    if (!tag.isEmpty())
        chip(p, tag, parcel.center(), std::min(13.0, parcel.width() * 0.28), QColor(170, 120, 60));
}

void measureThing(QPainter &p, Measure m, const QRectF &r, const QString &tag)
{
    if (m == Measure::Volume)
        jug(p, r, tag);
    else
        weight(p, r, tag);
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
        const QList<QRectF> cells = grid(count, QRectF(16, 14, 168, 124), 5);
        for (const QRectF &c : cells)
            measureThing(p, s.measure, shrink(c, 0.92), QString::number(n[0]));
        caption(p, equationParts({n[0], count}, Op::Multiply) << QStringLiteral("=") << QStringLiteral("?"), 155);
        return;
    }
    if (s.op == Op::Divide) {
        measureThing(p, s.measure, QRectF(60, 16, 80, 110), QString::number(n[0]));
        caption(p, equationParts(n, Op::Divide) << QStringLiteral("=") << QStringLiteral("?"), 155);
        return;
    }
    measureThing(p, s.measure, QRectF(16, 24, 66, 100), QString::number(n.value(0)));
    measureThing(p, s.measure, QRectF(118, 44, 66, 80), QString::number(n.value(1)));
    text(p, signOf(s.op), QPointF(100, 84), 24);
    caption(p, {QStringLiteral("?")}, 155);
}

} // namespace art
