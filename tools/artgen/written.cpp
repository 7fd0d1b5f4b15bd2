// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of written numbers: column sums, the area model, stepping stones,
// place-value charts, equations and number cards.
#include "picturekit.h"

#include <algorithm>

namespace art {
namespace {

QList<int> tensAndOnes(int v)
{
    if (v < 10 || v % 10 == 0)
        return {v};
    return {v / 10 * 10, v % 10};
}

void stone(QPainter &p, QPointF c, qreal r, const QString &tag, const QColor &tint)
{
    const bool unknown = tag == QLatin1String("?");
    glossyBall(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), unknown ? QColor(255, 210, 50) : tint);
    label(p, tag, c, tag.size() > 2 ? r * 0.7 : r * 0.85, colour::ink);
}

} // namespace

QString placeHeading(Language language, int place)
{
    // From the ones up: English "O T H Th", French "U D C M" (unités,
    // dizaines, centaines, milliers), Spanish "U D C UM" (unidades, decenas,
    // centenas, unidades de millar).
    static const QStringList english{QStringLiteral("O"), QStringLiteral("T"), QStringLiteral("H"),
                                     QStringLiteral("Th"), QStringLiteral("TTh"), QStringLiteral("HTh")};
    static const QStringList french{QStringLiteral("U"), QStringLiteral("D"), QStringLiteral("C"),
                                    QStringLiteral("M"), QStringLiteral("DM"), QStringLiteral("CM")};
    static const QStringList spanish{QStringLiteral("U"), QStringLiteral("D"), QStringLiteral("C"),
                                     QStringLiteral("UM"), QStringLiteral("DM"), QStringLiteral("CM")};
    switch (language) {
    case Language::French: return french.value(place);
    case Language::Spanish: return spanish.value(place);
    case Language::English: break;
    }
    return english.value(place);
}

void drawColumn(QPainter &p, const Scene &s)
{
    const QList<int> &n = s.numbers;
    int digits = 0;
    for (int v : n)
        digits = std::max(digits, int(QString::number(v).size()));
    const int cols = digits + 1;
    const qreal cell = std::min(22.0, 170.0 / cols);
    const qreal left = 100 - cols * cell / 2;
    const int rows = int(n.size()) + 1;
    const qreal top = 84 - rows * cell * 1.1 / 2 - 6;
    // squared paper
    p.setPen(QPen(QColor(190, 215, 240), 1));
    for (int c = 0; c <= cols; ++c)
        p.drawLine(QPointF(left + c * cell, top - 6), QPointF(left + c * cell, top + rows * cell * 1.1 + 8));
    for (int r = 0; r <= rows; ++r)
        p.drawLine(QPointF(left - 6, top + r * cell * 1.1), QPointF(left + cols * cell + 6, top + r * cell * 1.1));
    for (int i = 0; i < n.size(); ++i) {
        const QString v = QString::number(n[i]);
        const qreal y = top + (i + 0.5) * cell * 1.1;
        for (int k = 0; k < v.size(); ++k)
            label(p, v.mid(k, 1), QPointF(left + (cols - v.size() + k + 0.5) * cell, y), cell * 0.86);
        if (i == n.size() - 1)
            label(p, signOf(s.op), QPointF(left + 0.5 * cell, y), 21, groupA);
    }
    const qreal lineY = top + n.size() * cell * 1.1;
    p.setPen(QPen(colour::ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left + 2, lineY), QPointF(left + cols * cell - 2, lineY));
    chip(p, QStringLiteral("?"), QPointF(left + cols * cell - cell, lineY + cell * 0.6), 15);
}

void drawAreaModel(QPainter &p, const Scene &s)
{
    const int a = std::max(s.numbers[0], s.numbers[1]), b = std::min(s.numbers[0], s.numbers[1]);
    const QList<int> across = tensAndOnes(a), down = tensAndOnes(b);
    const QRectF box(40, 36, 140, 88);
    const QList<QColor> fills{QColor(255, 214, 170), QColor(200, 225, 250), QColor(210, 240, 200), QColor(250, 210, 235)};
    qreal y = box.top();
    for (int j = 0; j < down.size(); ++j) {
        const qreal h = box.height() * (down.size() == 1 ? 1.0 : (j == 0 ? 0.62 : 0.38));
        qreal x = box.left();
        for (int i = 0; i < across.size(); ++i) {
            const qreal w = box.width() * (across.size() == 1 ? 1.0 : (i == 0 ? 0.68 : 0.32));
            p.setPen(QPen(colour::ink, 2));
            p.setBrush(fills[(i + 2 * j) % fills.size()]);
            p.drawRect(QRectF(x, y, w, h));
            label(p, QStringLiteral("?"), QPointF(x + w / 2, y + h / 2), 15, QColor(120, 110, 130));
            if (j == 0)
                label(p, QString::number(across[i]), QPointF(x + w / 2, box.top() - 11), 14, groupA);
            x += w;
        }
        label(p, QString::number(down[j]), QPointF(box.left() - 16, y + h / 2), 14, groupB);
        y += h;
    }
    caption(p, {QString::number(a), signOf(Op::Multiply), QString::number(b), QStringLiteral("="), QStringLiteral("?")}, 153);
}

void drawSequence(QPainter &p, const Scene &s)
{
    QStringList items;
    for (int v : s.numbers)
        items << QString::number(v);
    items.insert(std::clamp(s.missing, 0, int(items.size())), QStringLiteral("?"));
    // One zig-zag row of stepping stones, read from left to right.
    const int n = int(items.size());
    const qreal r = n >= 6 ? 17 : n == 5 ? 20 : 23;
    const qreal dx = n > 1 ? std::min(58.0, (176 - 2 * r) / (n - 1)) : 0;
    QList<QPointF> centres;
    for (int i = 0; i < n; ++i)
        centres << QPointF(100 + (i - (n - 1) / 2.0) * dx, 78 + (i % 2 ? 17 : -17));
    p.setPen(QPen(QColor(150, 200, 120), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath path(centres.first());
    for (int i = 1; i < n; ++i)
        path.lineTo(centres[i]);
    p.drawPath(path);
    const QList<QColor> tints{QColor(120, 190, 250), QColor(255, 160, 90), QColor(150, 220, 120), QColor(220, 150, 240)};
    for (int i = 0; i < n; ++i)
        stone(p, centres[i], r, items[i], tints[i % tints.size()]);
}

void drawPlaceValue(QPainter &p, const Scene &s)
{
    const QString digits = s.numbers.isEmpty() ? QString() : QString::number(s.numbers[0]);
    const int cols = digits.isEmpty() ? 5 : std::max(3, int(digits.size()));
    static const QList<QColor> colours{QColor(255, 140, 60), QColor(60, 160, 230), QColor(90, 190, 90),
                                       QColor(200, 100, 210), QColor(230, 80, 120), QColor(0, 160, 170)};
    const qreal w = std::min(40.0, 172.0 / cols);
    const qreal left = 100 - cols * w / 2;
    const int emphasised = s.emphasis ? s.numbers.value(1, -1) : -1;
    bool emphasisDone = false;
    for (int c = 0; c < cols; ++c) {
        const int place = cols - 1 - c;
        const QRectF head(left + c * w + 1, 34, w - 2, 24), cell(left + c * w + 1, 60, w - 2, 52);
        p.setPen(Qt::NoPen);
        p.setBrush(colours[place]);
        p.drawRoundedRect(head, 5, 5);
        label(p, placeHeading(s.language, place), head.center(), 12, Qt::white);
        p.setPen(QPen(colours[place], 2));
        p.setBrush(mix(colours[place], Qt::white, 0.88));
        p.drawRoundedRect(cell, 5, 5);
        const int index = int(digits.size()) - 1 - place;
        if (digits.isEmpty()) {
            label(p, QStringLiteral("?"), cell.center(), 22, QColor(170, 160, 170));
        } else if (index >= 0) {
            const QString d = digits.mid(index, 1);
            if (!emphasisDone && d.toInt() == emphasised) {
                p.setPen(QPen(QColor(230, 50, 50), 3));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(cell.center(), w * 0.36, w * 0.36);
                emphasisDone = true;
            }
            label(p, d, cell.center(), 26);
        }
    }
    caption(p, {QStringLiteral("?")}, 146);
}

void drawEquation(QPainter &p, const Scene &s)
{
    QList<int> n = s.numbers;
    QStringList parts;
    // "7 × ? = 56": the unknown takes its place between the two numbers.
    parts << QString::number(n.value(0)) << signOf(s.op) << QStringLiteral("?") << QStringLiteral("=")
          << QString::number(n.value(1));
    caption(p, parts, 80, 20);
}

void drawNumberCards(QPainter &p, const Scene &s)
{
    const QList<int> &n = s.numbers;
    const int count = std::max(1, int(n.size()));
    qreal widest = 0;
    for (int v : n)
        widest = std::max(widest, labelWidth(QString::number(v), 22));
    const qreal cw = std::max(34.0, widest + 14), ch = 52;
    const int perRow = count == 4 ? 2 : std::min(count, std::max(1, int(176 / (cw + 8))));
    const int rowsCount = (count + perRow - 1) / perRow;
    const QList<QColor> tints{QColor(255, 150, 70), QColor(70, 160, 240), QColor(110, 200, 100), QColor(210, 120, 220)};
    for (int i = 0; i < n.size(); ++i) {
        const int row = i / perRow, col = i % perRow;
        const int inRow = std::min(perRow, count - row * perRow);
        const qreal cx = 100 + (col - (inRow - 1) / 2.0) * (cw + 8);
        const qreal cy = 76 - (rowsCount - 1) * (ch + 10) / 2 + row * (ch + 10);
        const QRectF card(cx - cw / 2, cy - ch / 2, cw, ch);
        p.save();
        p.translate(card.center());
        p.rotate((i % 2 ? 4 : -4));
        p.translate(-card.center());
        softShadow(p, roundRect(card, 7), QPointF(1, 2), 1.5, QColor(0, 0, 0, 50));
        p.setPen(QPen(tints[i % tints.size()], 3));
        p.setBrush(Qt::white);
        p.drawRoundedRect(card, 7, 7);
        label(p, QString::number(n[i]), card.center(), 22);
        p.restore();
    }
    caption(p, {QStringLiteral("?")}, 153);
}

} // namespace art
