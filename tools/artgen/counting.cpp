// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures that show every unit: counters, ten-frames, base-ten blocks,
// arrays, and things shared out or put into groups.
#include "picturekit.h"

#include <algorithm>

namespace art {
namespace {

void tenFrame(QPainter &p, const QRectF &frame, int filled, const QColor &c)
{
    const qreal cell = frame.width() / 5;
    p.setPen(QPen(QColor(90, 80, 100), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(frame, 3, 3);
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(frame.x() + i * cell, frame.top()), QPointF(frame.x() + i * cell, frame.bottom()));
    p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
    for (int i = 0; i < filled; ++i) {
        const QRectF r(frame.x() + (i % 5) * cell, frame.y() + (i / 5) * cell, cell, cell);
        glossyBall(p, shrink(r, 0.78), c);
    }
}

// Base-ten blocks of one number: rods of ten and columns of five cubes.
qreal blocksWidth(int v, qreal u) { return (v / 10 + (v % 10 + 4) / 5) * (u + 3); }

void blocks(QPainter &p, int v, QPointF bottomLeft, qreal u, const QColor &c, int crossedTens = 0,
            int crossedOnes = 0)
{
    const int rods = v / 10, cubes = v % 10;
    qreal x = bottomLeft.x();
    const qreal bottom = bottomLeft.y();
    auto cube = [&](const QRectF &r, bool gone, bool fadedRod = false) {
        p.setOpacity(gone || fadedRod ? 0.4 : 1);
        p.setPen(QPen(mix(c, Qt::black, 0.4), 1));
        p.setBrush(c);
        p.drawRect(r);
        p.setPen(QPen(mix(c, Qt::white, 0.5), 1));
        p.drawLine(r.topLeft() + QPointF(1.5, 1.5), r.topRight() + QPointF(-1.5, 1.5));
        p.setOpacity(1);
        if (gone)
            crossOut(p, r.adjusted(-1, -1, 1, 1));
    };
    for (int i = 0; i < rods; ++i) {
        const bool gone = i >= rods - crossedTens;
        for (int k = 0; k < 10; ++k)
            cube(QRectF(x, bottom - (k + 1) * u, u, u), false, gone);
        if (gone) {
            p.save();
            p.setPen(QPen(QColor(215, 30, 30), std::max(2.0, u * 0.25), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, bottom - 10 * u), QPointF(x + u, bottom));
            p.drawLine(QPointF(x + u, bottom - 10 * u), QPointF(x, bottom));
            p.restore();
        }
        x += u + 3;
    }
    for (int i = 0; i < cubes; ++i) {
        const QRectF r(x + (i / 5) * (u + 3), bottom - (i % 5 + 1) * (u + 1), u, u);
        cube(r, i >= cubes - crossedOnes);
    }
}

void plate(QPainter &p, const QRectF &r, const QString &tag)
{
    p.setPen(QPen(QColor(160, 150, 140), 1.5));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(r);
    p.setBrush(QColor(235, 240, 245));
    p.drawEllipse(shrink(r, 0.68));
    if (!tag.isEmpty())
        label(p, tag, r.center(), std::min(16.0, r.height() * 0.5));
}

} // namespace

void drawCounters(QPainter &p, const Scene &s)
{
    const QList<int> &n = s.numbers;
    if (n.size() == 1) {
        things(p, s.thing, n[0], QRectF(16, 16, 168, 116), groupA, 0, 5);
        caption(p, {QStringLiteral("?")}, 152);
        return;
    }
    if (s.op == Op::Subtract) {
        things(p, s.thing, n[0], QRectF(16, 14, 168, 118), groupA, std::min(n[1], n[0]), 5);
        caption(p, equationParts({n[0], n[1]}, s.op) << QStringLiteral("=") << QStringLiteral("?"), 153);
        return;
    }
    things(p, s.thing, n[0], QRectF(14, 14, 76, 118), groupA, 0, 2);
    things(p, s.thing, n[1], QRectF(110, 14, 76, 118), groupB, 0, 2);
    text(p, signOf(s.op), QPointF(100, 73), 26);
    caption(p, equationParts({n[0], n[1]}, s.op) << QStringLiteral("=") << QStringLiteral("?"), 153);
}

void drawTenFrames(QPainter &p, const Scene &s)
{
    const qreal cell = 14, fw = cell * 5, fh = cell * 2;
    const qreal xs[2] = {14, 186 - fw};
    for (int g = 0; g < 2; ++g) {
        const int v = s.numbers[g];
        const int frames = (v + 9) / 10;
        const qreal top = 72 - (frames * fh + (frames - 1) * 8) / 2;
        for (int f = 0; f < frames; ++f)
            tenFrame(p, QRectF(xs[g], top + f * (fh + 8), fw, fh), std::min(10, v - f * 10), g ? groupB : groupA);
        if (s.thing != Thing::Dot)
            drawThing(p, s.thing, QRectF(xs[g] + fw / 2 - 14, top - 34, 28, 28), g ? groupB : groupA);
    }
    text(p, signOf(s.op), QPointF(100, 72), 24);
    caption(p, equationParts(s.numbers.mid(0, 2), s.op) << QStringLiteral("=") << QStringLiteral("?"), 153);
}

void drawBaseTen(QPainter &p, const Scene &s)
{
    const QList<int> &n = s.numbers;
    QList<int> groups = n;
    if (s.op == Op::Multiply)
        groups = QList<int>(n[1], n[0]);
    else if (s.op == Op::Subtract || n.size() == 1)
        groups = {n[0]};
    const int signs = s.op == Op::Add ? int(groups.size()) - 1 : 0;
    const qreal gap = s.op == Op::Multiply ? 12 : 8;
    qreal u = 10.5;
    auto totalWidth = [&](qreal unit) {
        qreal w = signs * 22 + (groups.size() - 1) * gap;
        for (int v : groups)
            w += blocksWidth(v, unit);
        return w;
    };
    while (u > 5 && totalWidth(u) > 168)
        u -= 0.5;
    const qreal bottom = 134;
    qreal x = 100 - totalWidth(u) / 2;
    const QList<QColor> colours{groupB, groupA, colour::green};
    for (int i = 0; i < groups.size(); ++i) {
        const qreal w = blocksWidth(groups[i], u);
        const QColor c = s.op == Op::Multiply ? groupB : colours[i % colours.size()];
        if (s.op == Op::Multiply) {
            p.setPen(QPen(QColor(200, 190, 170), 1.5, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(x - 4, bottom - 10 * u - 5, w + 5, 10 * u + 10), 6, 6);
        }
        const int crossedTens = s.op == Op::Subtract ? n[1] / 10 : 0;
        const int crossedOnes = s.op == Op::Subtract ? n[1] % 10 : 0;
        blocks(p, groups[i], QPointF(x, bottom), u, c, crossedTens, crossedOnes);
        x += w;
        if (i < signs) {
            text(p, signOf(s.op), QPointF(x + 8, bottom - 5 * u), 20);
            x += 22;
        } else {
            x += gap;
        }
    }
    if (n.size() == 1)
        caption(p, {QString::number(n[0])}, 153);
    else
        caption(p, equationParts(n, s.op) << QStringLiteral("=") << QStringLiteral("?"), 153);
}

// A bus seen from above, its front to the right: each of its rows runs
// across it, seats either side of the aisle, in bands of alternate colours.
void drawBus(QPainter &p, const Scene &s)
{
    const int rows = s.numbers[0], seats = s.numbers[1];
    const int farSide = (seats + 1) / 2; // seats beyond the aisle
    const qreal cell = std::min(24.0, 150.0 / rows); // along the bus
    const qreal across = std::min(cell * 1.3, 96.0 / (seats + 0.8)), aisle = across * 0.8;
    const qreal depth = seats * across + aisle;
    const QRectF body(100 - (rows * cell + 26) / 2, 74 - depth / 2 - 6, rows * cell + 26, depth + 12);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    for (qreal x : {body.left() + 16, body.right() - 22})
        for (qreal y : {body.top() - 3, body.bottom() - 3})
            p.drawRoundedRect(QRectF(x, y, 12, 6), 2, 2); // wheels
    p.setPen(QPen(mix(colour::sun, Qt::black, 0.35), 2));
    p.setBrush(colour::sun);
    p.drawRoundedRect(body, 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 205, 245));
    p.drawRoundedRect(QRectF(body.right() - 13, body.top() + 8, 8, body.height() - 16), 3, 3); // windscreen
    p.setBrush(QColor(255, 248, 225));
    const QRectF floor(body.left() + 5, body.top() + 6, rows * cell + 4, depth);
    p.drawRect(floor);
    for (int r = 0; r < rows; ++r) {
        const QRectF band(floor.left() + 2 + r * cell + 1, floor.top(), cell - 2, depth);
        p.setBrush(r % 2 ? QColor(225, 238, 252) : QColor(255, 226, 196));
        p.drawRoundedRect(band, cell / 2.5, cell / 2.5);
        for (int k = 0; k < seats; ++k) {
            // A seat from above, facing the front: its back on the left.
            const QRectF seat = QRectF(band.center().x() - cell / 2, floor.top() + k * across + (k >= farSide ? aisle : 0),
                                       cell, across)
                                    .adjusted(cell * 0.16, across * 0.08, -cell * 0.16, -across * 0.08);
            const QColor c = r % 2 ? groupB : groupA;
            p.setPen(QPen(colour::ink, 1));
            p.setBrush(c);
            p.drawRoundedRect(seat.adjusted(seat.width() * 0.3, 0, 0, 0), 2.5, 2.5);
            p.setBrush(mix(c, Qt::black, 0.3));
            p.drawRoundedRect(QRectF(seat.left(), seat.top() - 0.5, seat.width() * 0.38, seat.height() + 1), 2, 2);
            p.setPen(Qt::NoPen);
        }
    }
    caption(p, equationParts(s.numbers, Op::Multiply) << QStringLiteral("=") << QStringLiteral("?"), 153);
}

void drawArray(QPainter &p, const Scene &s)
{
    if (s.arrayMode == ArrayMode::Bus) {
        drawBus(p, s);
        return;
    }
    int rows = s.numbers[0], cols = s.numbers[1];
    const QRectF area(16, 14, 168, 120);
    // Turn the array if that gives bigger things, unless the question
    // names its rows.
    const qreal asIs = std::min(area.width() / cols, area.height() / rows);
    const qreal turned = std::min(area.width() / rows, area.height() / cols);
    if (turned > asIs && s.arrayMode == ArrayMode::Free)
        std::swap(rows, cols);
    const qreal cell = std::min(area.width() / cols, area.height() / rows);
    const QPointF origin(area.center().x() - cols * cell / 2, area.center().y() - rows * cell / 2);
    for (int r = 0; r < rows; ++r) {
        const QRectF band(origin.x() - 2, origin.y() + r * cell + 1, cols * cell + 4, cell - 2);
        p.setPen(Qt::NoPen);
        p.setBrush(r % 2 ? QColor(225, 238, 252) : QColor(255, 236, 214));
        p.drawRoundedRect(band, cell / 2.5, cell / 2.5);
        for (int c = 0; c < cols; ++c)
            drawThing(p, s.thing, QRectF(origin.x() + c * cell, origin.y() + r * cell, cell, cell),
                      r % 2 ? groupB : groupA);
    }
    caption(p, equationParts(s.numbers, Op::Multiply) << QStringLiteral("=") << QStringLiteral("?"), 153);
}

void drawSharing(QPainter &p, const Scene &s)
{
    const int total = s.numbers[0], parts = s.numbers[1];
    things(p, s.thing, total, QRectF(16, 12, 168, 74), groupA, 0, 12);
    const qreal w = std::min(52.0, 168.0 / parts - 4);
    for (int i = 0; i < parts; ++i) {
        const qreal cx = 100 + (i - (parts - 1) / 2.0) * (w + 4);
        plate(p, QRectF(cx - w / 2, 96, w, w * 0.6), QStringLiteral("?"));
    }
    caption(p, {QString::number(total), signOf(Op::Divide), QString::number(parts), QStringLiteral("="), QStringLiteral("?")}, 155);
}

void drawGrouping(QPainter &p, const Scene &s)
{
    const int total = s.numbers[0], size = s.numbers[1];
    things(p, s.thing, total, QRectF(16, 12, 168, 78), groupA, 0, 12);
    // One example group in a box, then how many such boxes: "?".
    const bool remainder = s.groupsAsked == GroupsAsked::Remainder;
    const qreal cell = std::min(18.0, 90.0 / size);
    const QRectF box(100 - size * cell / 2 - (remainder ? 4 : 30), 100, size * cell + 8, cell + 8);
    p.setPen(QPen(QColor(180, 130, 60), 2));
    p.setBrush(QColor(255, 240, 210));
    p.drawRoundedRect(box, 6, 6);
    for (int i = 0; i < size; ++i)
        drawThing(p, s.thing, QRectF(box.x() + 4 + i * cell, box.y() + 4, cell, cell), groupB);
    if (remainder) {
        // "47 = 5 × [ ] + ?": the number of groups is a step on the way,
        // what is left over the answer.
        caption(p, {QString::number(total), QStringLiteral("="), QString::number(size), signOf(Op::Multiply),
                    QString(), signOf(Op::Add), QStringLiteral("?")}, 155);
        return;
    }
    text(p, signOf(Op::Multiply), QPointF(box.right() + 14, box.center().y()), 18);
    chip(p, QStringLiteral("?"), QPointF(box.right() + 38, box.center().y()), 14);
    caption(p, {QString::number(total), signOf(Op::Divide), QString::number(size), QStringLiteral("="), QStringLiteral("?")}, 155);
}

} // namespace art
