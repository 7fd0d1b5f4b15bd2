// SPDX-License-Identifier: GPL-3.0-or-later
// Number lines: hops, rounding, halfway and difference.
#include "picturekit.h"
#include "families.h"

#include <algorithm>

namespace art {
namespace {

// A number line from lo to hi across the card at height y.
struct Line {
    int lo, hi;
    qreal y = 110, left = 22, right = 178;
    qreal at(qreal v) const { return left + (v - lo) * (right - left) / (hi - lo); }
};

// The smallest of 1, 2, 5, 10, 20, 50, ... that cuts span into at most 12 steps.
int niceStep(int span)
{
    for (int power = 1;; power *= 10)
        for (int step : {power, 2 * power, 5 * power})
            if (span / step <= 12)
                return step;
}

// Draws the line with ticks, labelling the multiples of labelStep (none when
// it is 0) except `hidden`.
void numberLine(QPainter &p, const Line &l, int tickStep, int labelStep, const QList<int> &hidden)
{
    p.setPen(QPen(colour::ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(l.left - 8, l.y), QPointF(l.right + 8, l.y));
    p.setBrush(colour::ink);
    p.drawPath(polygon({QPointF(l.right + 14, l.y), QPointF(l.right + 6, l.y - 4.5), QPointF(l.right + 6, l.y + 4.5)}));
    p.drawPath(polygon({QPointF(l.left - 14, l.y), QPointF(l.left - 6, l.y - 4.5), QPointF(l.left - 6, l.y + 4.5)}));
    const qreal labelSize = std::max(QString::number(l.hi).size(), QString::number(l.lo).size()) > 3 ? 9.5 : 11;
    for (int v = l.lo; v <= l.hi; v += tickStep) {
        const bool major = labelStep > 0 && v % labelStep == 0;
        p.setPen(QPen(colour::ink, major ? 2.2 : 1.6));
        p.drawLine(QPointF(l.at(v), l.y - (major ? 7 : 5)), QPointF(l.at(v), l.y + (major ? 7 : 5)));
        if (major && !hidden.contains(v))
            label(p, QString::number(v), QPointF(l.at(v), l.y + 16), labelSize);
    }
}

void hopArc(QPainter &p, qreal x1, qreal x2, qreal y, qreal height, const QString &tag, const QColor &c)
{
    QPainterPath arc(QPointF(x1, y - 4));
    arc.cubicTo(x1, y - height, x2, y - height, x2, y - 6);
    p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const qreal dir = x2 > x1 ? 1 : -1;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(polygon({QPointF(x2, y - 4), QPointF(x2 - dir * 1.5 - 4, y - 12), QPointF(x2 + 4 - dir * 1.5, y - 11)}));
    if (!tag.isEmpty())
        chip(p, tag, QPointF((x1 + x2) / 2, y - height * 0.75 - 8), 12, c);
}

} // namespace

void drawNumberLine(QPainter &p, const Scene &s)
{
    const QList<int> &n = s.numbers;
    switch (s.lineMode) {
    case LineMode::Round: {
        const int v = n[0], r = s.roundTo;
        Line l{v / r * r, v / r * r + r};
        l.y = 96;
        numberLine(p, l, r / 10, r, {});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 60, 60));
        p.drawPath(polygon({QPointF(l.at(v), l.y - 8), QPointF(l.at(v) - 7, l.y - 22), QPointF(l.at(v) + 7, l.y - 22)}));
        chip(p, QString::number(v), QPointF(l.at(v), l.y - 38), 13, QColor(230, 60, 60));
        caption(p, {QString::number(v), QStringLiteral("\u2192"), QStringLiteral("?")}, 153);
        return;
    }
    case LineMode::Between:
    case LineMode::Difference: {
        const int a = std::min(n[0], n[1]), b = std::max(n[0], n[1]);
        const int step = niceStep(b - a);
        Line l{a - step, b + step};
        numberLine(p, l, step, 0, {});
        for (int v : {a, b})
            chip(p, QString::number(v), QPointF(l.at(v), l.y + 22), 12, colour::blue);
        p.setPen(QPen(QColor(230, 60, 60), 2.5));
        if (s.lineMode == LineMode::Difference) {
            hopArc(p, l.at(a), l.at(b), l.y, 70, QStringLiteral("?"), QColor(230, 60, 60));
        } else {
            const qreal mx = (l.at(a) + l.at(b)) / 2;
            hopArc(p, l.at(a), mx, l.y, 50, {}, QColor(230, 60, 60));
            hopArc(p, l.at(b), mx, l.y, 50, {}, QColor(230, 60, 60));
            chip(p, QStringLiteral("?"), QPointF(mx, l.y - 56), 14);
        }
        return;
    }
    case LineMode::Hop:
        break;
    }
    // Hops: from numbers[0] by numbers[1], or to numbers[1] when that hop is unknown.
    const bool unknownHop = s.missing == 1;
    const int start = n[0];
    const int sign = s.op == Op::Subtract ? -1 : 1;
    const int end = unknownHop ? n[1] : start + sign * n[1];
    const LineScale scale = hopScale(start, end, unknownHop);
    Line l{scale.lo, scale.hi};
    const int step = scale.tickStep, labelStep = scale.labelStep;
    numberLine(p, l, step, labelStep, {start, end});
    const QColor hop(0, 150, 110);
    const QString by = (sign > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + QString::number(n[1]);
    if (!unknownHop && n[1] <= 5 && step == 1) {
        for (int i = 0; i < n[1]; ++i)
            hopArc(p, l.at(start + sign * i), l.at(start + sign * (i + 1)), l.y, 26, {}, hop);
        chip(p, by, QPointF((l.at(start) + l.at(end)) / 2, l.y - 42), 12, hop);
    } else {
        hopArc(p, l.at(start), l.at(end), l.y, 62, unknownHop ? QStringLiteral("?") : by, hop);
    }
    chip(p, QString::number(start), QPointF(l.at(start), l.y + 36), 13, colour::blue);
    if (unknownHop)
        chip(p, QString::number(end), QPointF(l.at(end), l.y + 36), 13, colour::blue);
    else
        chip(p, QStringLiteral("?"), QPointF(l.at(end), l.y + 36), 13);
}

LineScale hopScale(int start, int end, bool landingKnown)
{
    const int lo = std::min(start, end), hi = std::max(start, end);
    const int step = niceStep(hi - lo + 2);
    LineScale scale{std::max(0, (lo - step) / step * step), (hi + 2 * step - 1) / step * step, step, 0};
    if (hi - lo < 6 * step) { // short hops: a little of the line either side
        scale.lo = std::max(0, lo - 2 * step);
        scale.hi = hi + 2 * step;
    }
    // Label round numbers, but never a set of them that includes the
    // landing place: its missing label would give the answer away.
    for (int candidate : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000}) {
        if (candidate < step || candidate % step)
            continue;
        const int labels = scale.hi / candidate - (scale.lo + candidate - 1) / candidate + 1;
        if (labels >= 2 && labels <= 7 && (landingKnown || end % candidate != 0)) {
            scale.labelStep = candidate;
            break;
        }
    }
    return scale;
}

} // namespace art
