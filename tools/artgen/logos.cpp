// SPDX-License-Identifier: GPL-3.0-or-later
// The two logos: "logo.png", the word mark of the sign-in window, and
// "Logo.png", the square badge of the about boxes.
#include "families.h"
#include "paint.h"

#include <QFontMetricsF>
#include <QTransform>

namespace art {
namespace {

const QList<QColor> letterColours{colour::red, colour::orange, colour::sun, colour::green,
                                  colour::blue, colour::purple, colour::pink};

QImage wordMark()
{
    QImage img = canvas(300, 90);
    QPainter p(&img);
    prepare(p);
    sunBadge(p, 74, [] {
        QPainterPath plus = roundRect(QRectF(17, 27.5, 30, 9), 3.6);
        return plus.united(roundRect(QRectF(27.5, 17, 9, 30), 3.6));
    }());

    // Letters hop up and down and lean a little, each in its own colour.
    const QString word = QStringLiteral("Brightsum");
    const QFont font = boldFont(44);
    const QFontMetricsF metrics(font);
    const qreal spacing = -1.0;
    qreal width = 0;
    for (const QChar ch : word)
        width += metrics.horizontalAdvance(ch) + spacing;
    const qreal scale = qMin(1.0, 214.0 / width);
    qreal x = 80;
    for (int i = 0; i < word.size(); ++i) {
        const QString ch = word.mid(i, 1);
        const qreal advance = (metrics.horizontalAdvance(ch) + spacing) * scale;
        QPainterPath glyph;
        glyph.addText(0, 0, font, ch);
        QTransform t;
        t.translate(x + advance / 2, 52 + ((i % 2) ? 3 : -2));
        t.rotate((i % 2) ? 5 : -5);
        t.scale(scale, scale);
        t.translate(-metrics.horizontalAdvance(ch) / 2, 0);
        glyph = t.map(glyph);
        const QPainterPath body = glyph.united(strokeArea(glyph, 5));
        softShadow(p, body, QPointF(1, 1.8), 1.5, QColor(0, 0, 0, 70));
        p.setPen(Qt::NoPen);
        p.setBrush(colour::ink);
        p.drawPath(body);
        p.setBrush(letterColours[i % letterColours.size()]);
        p.drawPath(glyph);
        x += advance;
    }

    // The four operations, small, under the word.
    const QStringList signs{QStringLiteral("+"), QStringLiteral("\u2212"), QStringLiteral("\u00d7"),
                            QStringLiteral("\u00f7")};
    for (int i = 0; i < signs.size(); ++i)
        outlinedText(p, signs[i], boldFont(26), QPointF(140 + i * 34, 76),
                     letterColours[(i * 2 + 1) % letterColours.size()], colour::ink, 2.2, false);
    return img;
}

QImage badge()
{
    QImage img = canvas(96, 96);
    QPainter p(&img);
    prepare(p);
    const QPainterPath text = textPath(QStringLiteral("1+2"), boldFont(17), QPointF(32, 32.5));
    sunBadge(p, 96, text.united(strokeArea(text, 1.2)));
    return img;
}

} // namespace

bool makeLogos(const QString &artDir)
{
    bool ok = save(wordMark(), artDir + QStringLiteral("/logo.png"));
    ok &= save(badge(), artDir + QStringLiteral("/Logo.png"));
    return ok;
}

} // namespace art
