// SPDX-License-Identifier: GPL-3.0-or-later
// Score digits 0 to 9: a chunky sunny numeral with a dark outline on a small
// scoreboard card. Two cards stand side by side (their left edges 100 px
// apart) on the window's light grey, below the question picture.
#include "families.h"
#include "paint.h"

namespace art {
namespace {

constexpr int digitWidth = 90;
constexpr int digitHeight = 68;

QImage digitImage(int digit)
{
    QImage img = canvas(digitWidth, digitHeight);
    QPainter p(&img);
    prepare(p);
    const QRectF cardRect(4, 2, digitWidth - 8, digitHeight - 6);
    const QPainterPath card = roundRect(cardRect, 14);
    softShadow(p, card, QPointF(0, 1.5), 1.5, QColor(0, 0, 0, 70));
    glossyFill(p, card, QColor(58, 110, 220), 2.5);

    const QString text = QString::number(digit);
    const QFont font = boldFont(64);
    const QPainterPath glyph = textPath(text, font, cardRect.center() + QPointF(0, 1));
    const QPainterPath body = glyph.united(strokeArea(glyph, 6));
    softShadow(p, body, QPointF(1.2, 2), 1.5, QColor(0, 0, 0, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    p.drawPath(body);
    QLinearGradient fill(0, glyph.boundingRect().top(), 0, glyph.boundingRect().bottom());
    fill.setColorAt(0, QColor(255, 238, 90));
    fill.setColorAt(1, QColor(255, 170, 0));
    p.setBrush(fill);
    p.drawPath(glyph);
    return img;
}

} // namespace

bool makeDigits(const QString &artDir)
{
    bool ok = true;
    for (int d = 0; d <= 9; ++d)
        ok &= save(digitImage(d), artDir + QStringLiteral("/Score/%1.png").arg(d));
    return ok;
}

} // namespace art
