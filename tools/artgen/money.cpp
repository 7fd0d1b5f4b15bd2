// SPDX-License-Identifier: GPL-3.0-or-later
// Money pictures: coins and notes that carry only a number, since the
// currency word is a setting of the program.
#include "picturekit.h"

#include <algorithm>

namespace art {
namespace {

constexpr qreal coinSize = 28;

constexpr qreal noteWidth = 48, noteHeight = 28;

// 1 and 2 are coins in most currencies; 5 and up are notes, as the questions
// say: there is no 5 euro, 5 pound or 5 dollar coin.
bool isNote(int value)
{
    return value >= 5;
}

void coin(QPainter &p, QPointF c, int value)
{
    const qreal radius = coinSize / 2;
    const QColor metal(200, 200, 205);
    glossyBall(p, QRectF(c.x() - radius, c.y() - radius, radius * 2, radius * 2), metal);
    p.setPen(QPen(mix(metal, Qt::black, 0.3), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius * 0.8, radius * 0.8);
    label(p, QString::number(value), c, 13, mix(metal, Qt::black, 0.65));
}

void note(QPainter &p, QPointF c, int value)
{
    const QColor paper = value >= 100 ? QColor(120, 200, 120)
                         : value >= 50 ? QColor(230, 140, 170)
                         : value >= 20 ? QColor(130, 180, 240)
                         : value >= 10 ? QColor(240, 170, 100)
                                       : QColor(170, 200, 185);
    const qreal w = std::max(noteWidth, labelWidth(QString::number(value), 13) + 22);
    const QRectF r(c.x() - w / 2, c.y() - noteHeight / 2, w, noteHeight);
    p.setPen(QPen(mix(paper, Qt::black, 0.4), 1.5));
    p.setBrush(paper);
    p.drawRoundedRect(r, 3, 3);
    p.setBrush(mix(paper, Qt::white, 0.55));
    p.drawEllipse(shrink(r, 0.72));
    label(p, QString::number(value), r.center(), 13, mix(paper, Qt::black, 0.65));
}

// The fewest coins and notes for an amount; an amount that would need more
// than six is shown as one note carrying the whole amount.
QList<int> coinsAndNotes(int amount)
{
    QList<int> pieces;
    int rest = amount;
    for (int d : {100, 50, 20, 10, 5, 2, 1})
        while (rest >= d) {
            pieces << d;
            rest -= d;
        }
    if (pieces.size() > 6)
        return {amount};
    return pieces;
}

// One row of a money picture: coins and notes, count chips and signs.
struct MoneyItem {
    enum Type { Piece, Count, Sign } type;
    int value = 0;
    QString sign;
    qreal width() const
    {
        switch (type) {
        case Piece: return isNote(value) ? std::max(noteWidth, labelWidth(QString::number(value), 13) + 22) : coinSize;
        case Count: return std::max(15 * 1.7, labelWidth(QString::number(value), 15) + 14);
        case Sign: return 18;
        }
        return 0;
    }
};

using MoneyRow = QList<MoneyItem>;

qreal rowWidth(const MoneyRow &row)
{
    qreal width = -4;
    for (const MoneyItem &item : row)
        width += item.width() + 4;
    return width;
}

void drawMoneyRow(QPainter &p, const MoneyRow &row, qreal y, qreal scale)
{
    const qreal width = rowWidth(row);
    p.save();
    p.translate(100, y);
    p.scale(scale, scale);
    qreal x = -width / 2;
    for (const MoneyItem &item : row) {
        const QPointF c(x + item.width() / 2, 0);
        if (item.type == MoneyItem::Piece)
            isNote(item.value) ? note(p, c, item.value) : coin(p, c, item.value);
        else if (item.type == MoneyItem::Count)
            chip(p, QString::number(item.value), c, 15, colour::purple);
        else
            text(p, item.sign, c, 18);
        x += item.width() + 4;
    }
    p.restore();
}

} // namespace

void drawMoney(QPainter &p, const Scene &s)
{
    // Terms in reading order; with two terms the amount of money goes
    // first, and for taking away or sharing the larger one: "20 - 7".
    QList<int> order;
    for (int i = 0; i < s.numbers.size(); ++i)
        order << i;
    const bool two = order.size() == 2;
    if (two && s.op != Op::Add)
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            if (s.amounts.value(a) != s.amounts.value(b))
                return s.amounts.value(a);
            return s.numbers[a] > s.numbers[b];
        });
    const QString countSign = signOf(s.op == Op::Divide ? Op::Divide : Op::Multiply);
    QList<MoneyRow> rows;
    bool pendingCount = false; // the last row is "n ×", waiting for its amount
    for (int k = 0; k < order.size(); ++k) {
        const int i = order[k];
        const int value = s.numbers[i];
        if (s.amounts.value(i)) {
            if (!pendingCount)
                rows << MoneyRow{};
            for (int piece : coinsAndNotes(value))
                rows.last() << MoneyItem{MoneyItem::Piece, piece, {}};
            pendingCount = false;
            continue;
        }
        const bool amountNext = k + 1 < order.size() && s.amounts.value(order[k + 1]);
        const bool lastRowIsMoney = !rows.isEmpty() && rows.last().last().type == MoneyItem::Piece &&
                                    std::none_of(rows.last().begin(), rows.last().end(),
                                                 [](const MoneyItem &m) { return m.type == MoneyItem::Count; });
        if (lastRowIsMoney && !(amountNext && s.op == Op::Multiply && !two)) {
            const MoneyItem sign{MoneyItem::Sign, 0, countSign}, count{MoneyItem::Count, value, {}};
            qreal width = sign.width() + count.width() + 8;
            for (const MoneyItem &item : rows.last())
                width += item.width() + 4;
            if (width > 176)
                rows << MoneyRow{sign, count};
            else
                rows.last() << sign << count;
        } else if (amountNext) {
            rows << MoneyRow{MoneyItem{MoneyItem::Count, value, {}}, MoneyItem{MoneyItem::Sign, 0, countSign}};
            pendingCount = true;
        } else {
            rows << MoneyRow{MoneyItem{MoneyItem::Count, value, {}}};
        }
    }
    const bool twoAmounts = two && rows.size() == 2 && rows[1].first().type == MoneyItem::Piece;
    if (twoAmounts)
        rows[1].prepend(MoneyItem{MoneyItem::Sign, 0, signOf(s.op)});
    // One size for all rows: as big as fits, up to a third larger.
    qreal scale = 1.35;
    for (const MoneyRow &row : rows)
        scale = std::min(scale, 176 / rowWidth(row));
    const qreal rowHeight = 32 * scale, gap = 8;
    const qreal height = rows.size() * rowHeight + (rows.size() - 1) * gap;
    if (height > 132)
        scale *= 132 / height;
    const qreal top = 76 - (rows.size() * 32 * scale + (rows.size() - 1) * gap) / 2;
    for (int r = 0; r < rows.size(); ++r)
        drawMoneyRow(p, rows[r], top + r * (32 * scale + gap) + 16 * scale, scale);
    if (two || order.size() == 1)
        caption(p, {QStringLiteral("="), QStringLiteral("?")}, 154);
    else
        caption(p, {QStringLiteral("?")}, 154);
}

} // namespace art
