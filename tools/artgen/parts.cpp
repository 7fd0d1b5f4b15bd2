// SPDX-License-Identifier: GPL-3.0-or-later
// Parts of a whole: bar models, pies and fractions.
#include "picturekit.h"

#include <QtMath>

#include <algorithm>

namespace art {
namespace {

void pie(QPainter &p, QPointF c, qreal radius, int parts, int shaded, const QColor &fill)
{
    p.setPen(QPen(colour::ink, 2));
    for (int i = 0; i < parts; ++i) {
        p.setBrush(i < shaded ? fill : QColor(255, 250, 240));
        p.drawPie(QRectF(c.x() - radius, c.y() - radius, radius * 2, radius * 2), 90 * 16 - i * 5760 / parts,
                  -5760 / parts);
    }
}

} // namespace

void drawPies(QPainter &p, const Scene &s)
{
    const int d = std::max(2, s.fractions.value(0).bottom);
    const int n = std::max(1, s.numbers.value(0, 1));
    const QColor fill(255, 178, 60);
    if (s.emphasis) {
        // Loose pieces waiting to be put together into wholes.
        const QList<QRectF> cells = grid(n, QRectF(14, 14, 172, 120), 6);
        const qreal half = std::min(90.0, 180.0 / d); // half the wedge's angle
        for (const QRectF &cell : cells) {
            const QRectF c = shrink(cell, 0.9);
            const qreal r = std::min(c.height() * 0.95, c.width() / (2 * qSin(qDegreesToRadians(half))));
            const QPointF tip(c.center().x(), c.center().y() + r / 2);
            p.setPen(QPen(colour::ink, 2));
            p.setBrush(fill);
            p.drawPie(QRectF(tip.x() - r, tip.y() - r, 2 * r, 2 * r), int((90 - half) * 16), int(2 * half * 16));
        }
        caption(p, {QString::number(n), QStringLiteral("\u2192"), QStringLiteral("?")}, 153);
        return;
    }
    const qreal radius = n == 1 ? 56 : n == 2 ? 40 : 27;
    for (int i = 0; i < n; ++i) {
        const qreal cx = 100 + (i - (n - 1) / 2.0) * (radius * 2 + 8);
        pie(p, QPointF(cx, 74), radius, d, d, i % 2 ? QColor(255, 200, 90) : fill);
    }
    caption(p, {QStringLiteral("?")}, 153);
}

void drawFractionBars(QPainter &p, const Scene &s)
{
    const Fraction a = s.fractions.value(0), b = s.fractions.value(1, Fraction{0, 0});
    const QRectF top(14, 30, 130, 34), low(14, 98, 130, 34);
    const QColor shade(255, 178, 60), light(255, 248, 235);
    bar(p, top, std::max(1, a.bottom), [&](int i) { return i < a.top ? shade : light; }, [](int) { return QString(); });
    if (b.bottom) {
        bar(p, low, b.bottom, [&](int) { return light; }, [](int) { return QString(); });
    } else {
        // Unknown parts: shade as much as the first fraction, without cuts.
        const qreal w = low.width() * a.top / std::max(1, a.bottom);
        p.setPen(QPen(colour::ink, 2));
        p.setBrush(light);
        p.drawRect(low);
        p.setBrush(QColor(200, 225, 250));
        p.drawRect(QRectF(low.x(), low.y(), w, low.height()));
    }
    // Where the first fraction ends, a dashed guide down to the second bar.
    const qreal edge = top.x() + top.width() * a.top / std::max(1, a.bottom);
    p.setPen(QPen(QColor(220, 60, 60), 2, Qt::DashLine));
    p.drawLine(QPointF(edge, top.top() - 6), QPointF(edge, low.bottom() + 6));
    stackedFraction(p, a, QPointF(166, top.center().y()), 16);
    stackedFraction(p, b, QPointF(166, low.center().y()), 16);
    text(p, QStringLiteral("="), QPointF(166, (top.bottom() + low.top()) / 2), 18);
}

QString ofWord(Language language)
{
    switch (language) {
    case Language::French:
    case Language::Spanish: return QStringLiteral("de");
    case Language::English: break;
    }
    return QStringLiteral("of");
}

void fractionOfHeader(QPainter &p, const Fraction &f, int whole, int part, Language language)
{
    const qreal y = 26;
    const QString wholeText = whole ? QString::number(whole) : QStringLiteral("?");
    const QString partText = part ? QString::number(part) : QStringLiteral("?");
    const qreal wholeWidth = std::max(13 * 1.7, labelWidth(wholeText, 13) + 12);
    const qreal partWidth = std::max(13 * 1.7, labelWidth(partText, 13) + 12);
    const qreal total = 22 + 8 + 18 + 8 + wholeWidth + 8 + 14 + 8 + partWidth;
    qreal x = 100 - total / 2;
    stackedFraction(p, f, QPointF(x + 11, y), 12);
    x += 30;
    label(p, ofWord(language), QPointF(x + 9, y - 1), 14);
    x += 26;
    chip(p, wholeText, QPointF(x + wholeWidth / 2, y), 13, colour::blue);
    x += wholeWidth + 8;
    label(p, QStringLiteral("="), QPointF(x + 7, y - 1), 16);
    x += 22;
    chip(p, partText, QPointF(x + partWidth / 2, y), 13, colour::blue);
}

void drawFractionOf(QPainter &p, const Scene &s)
{
    const Fraction f = s.fractions.value(0, Fraction{1, 2});
    const int whole = s.numbers.value(0);
    const int d = std::max(1, f.bottom);
    if (s.op == Op::Subtract) {
        // The whole over the bar, the fraction taken away crossed out, and
        // the "?" under what is left.
        const QRectF r(16, 72, 168, 34);
        const int gone = std::clamp(f.top, 0, d);
        const qreal cut = r.left() + r.width() * gone / d;
        brace(p, r.left(), r.right(), r.top() - 4, true, QString::number(whole));
        bar(p, r, d, [&](int i) { return i < gone ? QColor(236, 232, 226) : QColor(255, 178, 60); },
            [](int) { return QString(); });
        p.save();
        p.setPen(QPen(QColor(215, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        const QRectF crossed = QRectF(r.left(), r.top(), cut - r.left(), r.height()).adjusted(6, 6, -6, -6);
        p.drawLine(crossed.topLeft(), crossed.bottomRight());
        p.drawLine(crossed.topRight(), crossed.bottomLeft());
        p.restore();
        stackedFraction(p, f, QPointF((r.left() + cut) / 2, r.bottom() + 24), 12);
        brace(p, cut, r.right(), r.bottom() + 4, false, QStringLiteral("?"));
        return;
    }
    fractionOfHeader(p, f, whole, 0, s.language);
    if (whole <= 40 && whole % d == 0) {
        // The things sorted into d equal groups; f.top groups are picked.
        const int each = whole / d;
        const qreal gw = 168.0 / d;
        for (int g = 0; g < d; ++g) {
            const QRectF box(16 + g * gw + 2, 54, gw - 4, 108);
            p.setPen(QPen(g < f.top ? QColor(230, 120, 0) : QColor(200, 195, 185), 2));
            p.setBrush(g < f.top ? QColor(255, 236, 200) : QColor(246, 244, 240));
            p.drawRoundedRect(box, 8, 8);
            things(p, s.thing, each, shrink(box, 0.9), g < f.top ? groupA : faded, 0, 3);
        }
        return;
    }
    const QRectF r(16, 76, 168, 34);
    bar(p, r, d, [&](int i) { return i < f.top ? QColor(255, 178, 60) : QColor(255, 248, 235); },
        [](int) { return QString(); });
    brace(p, r.left(), r.left() + r.width() * f.top / d, r.bottom() + 4, false, QStringLiteral("?"));
}

void drawBar(QPainter &p, const Scene &s)
{
    const QRectF r(16, s.barMode == BarMode::PartKnown ? 70 : 74, 168, 34);
    const QList<int> &n = s.numbers;
    switch (s.barMode) {
    case BarMode::Share:
        bar(p, r, n[1], [](int i) { return i % 2 ? QColor(200, 225, 250) : QColor(255, 222, 180); },
            [](int) { return QStringLiteral("?"); });
        brace(p, r.left(), r.right(), r.top() - 4, true, QString::number(n[0]));
        caption(p, equationParts(n, Op::Divide) << QStringLiteral("=") << QStringLiteral("?"), 153);
        break;
    case BarMode::GroupsOf: {
        // The number of parts is the answer, so the middle is left open.
        const QRectF left(r.x(), r.y(), r.width() * 0.58, r.height());
        bar(p, left, 3, [](int i) { return i % 2 ? QColor(200, 225, 250) : QColor(255, 222, 180); },
            [&](int) { return QString::number(n[1]); });
        const QRectF last(r.right() - r.width() * 0.19, r.y(), r.width() * 0.19, r.height());
        bar(p, last, 1, [](int) { return QColor(200, 225, 250); }, [&](int) { return QString::number(n[1]); });
        p.setPen(QPen(colour::ink, 2));
        p.drawLine(left.topRight(), last.topLeft());
        p.drawLine(left.bottomRight(), last.bottomLeft());
        label(p, QStringLiteral("\u2026"), QPointF((left.right() + last.left()) / 2, r.center().y()), 18);
        brace(p, r.left(), r.right(), r.top() - 4, true, QString::number(n[0]));
        brace(p, r.left(), r.right(), r.bottom() + 4, false, QStringLiteral("?"));
        break;
    }
    case BarMode::PartKnown:
        fractionOfHeader(p, s.fractions.value(0, Fraction{1, n[1]}), 0, n[0], s.language);
        bar(p, r, n[1], [](int i) { return i == 0 ? QColor(255, 200, 120) : QColor(255, 240, 215); },
            [&](int i) { return i == 0 ? QString::number(n[0]) : QString(); });
        brace(p, r.left(), r.right(), r.bottom() + 4, false, QStringLiteral("?"));
        break;
    }
}

} // namespace art
