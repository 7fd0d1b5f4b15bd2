// SPDX-License-Identifier: GPL-3.0-or-later
// Theme tiles: a flat mid-tone ground with a gentle motif. Every motif is
// drawn again one tile width and height away in each direction, so the
// pattern wraps at the edges and the tiles join without seams.
#include "families.h"
#include "paint.h"
#include "themes.h"

#include <QTransform>
#include <QtMath>

namespace art {
namespace {

constexpr int tileSize = 80;

struct Placement {
    QPointF at;
    qreal size;
    qreal angle;
};

QPainterPath placed(const QPainterPath &unit, const Placement &pl)
{
    QTransform t;
    t.translate(pl.at.x(), pl.at.y());
    t.rotate(pl.angle);
    t.scale(pl.size, pl.size);
    return t.map(unit);
}

// Unit motifs, roughly one unit across and centred on the origin.
QPainterPath sunMotif()
{
    QPainterPath sun = circle(QPointF(0, 0), 0.32);
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(i * 45.0);
        sun = sun.united(lineArea(QPointF(0.45 * qCos(a), 0.45 * qSin(a)),
                                  QPointF(0.62 * qCos(a), 0.62 * qSin(a)), 0.1));
    }
    return sun;
}

QPainterPath leafMotif()
{
    QPainterPath leaf(QPointF(0, -0.55));
    leaf.cubicTo(0.38, -0.3, 0.38, 0.25, 0, 0.5);
    leaf.cubicTo(-0.38, 0.25, -0.38, -0.3, 0, -0.55);
    leaf.closeSubpath();
    return leaf.subtracted(lineArea(QPointF(0, -0.4), QPointF(0, 0.42), 0.06))
        .united(lineArea(QPointF(0, 0.45), QPointF(0, 0.62), 0.07));
}

QPainterPath flameMotif()
{
    QPainterPath flame(QPointF(0, -0.6));
    flame.cubicTo(0.1, -0.3, 0.42, -0.1, 0.36, 0.2);
    flame.cubicTo(0.32, 0.45, 0.15, 0.55, 0, 0.55);
    flame.cubicTo(-0.15, 0.55, -0.34, 0.45, -0.36, 0.2);
    flame.cubicTo(-0.38, -0.02, -0.2, -0.08, -0.16, -0.3);
    flame.cubicTo(-0.06, -0.2, 0.02, -0.35, 0, -0.6);
    flame.closeSubpath();
    return flame;
}

QPainterPath starMotif() { return star(QPointF(0, 0), 0.5, 0.14, 4, -90); }

QPainterPath heartMotif() { return heart(QRectF(-0.45, -0.4, 0.9, 0.82)); }

QPainterPath motifShape(Motif motif)
{
    switch (motif) {
    case Motif::Sun: return sunMotif();
    case Motif::Leaf: return leafMotif();
    case Motif::Flame: return flameMotif();
    case Motif::Star: return starMotif();
    case Motif::Heart: return heartMotif();
    case Motif::Wave: break;
    }
    return {};
}

// Two big and two small motifs on a loose diagonal lattice.
const QList<Placement> lattice{
    {{20, 22}, 26, -12}, {{60, 60}, 26, 14}, {{62, 18}, 12, 25}, {{18, 62}, 12, -20},
};

void drawWrapped(QPainter &p, const QPainterPath &shape)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            p.drawPath(shape.translated(dx * tileSize, dy * tileSize));
}

void drawWaves(QPainter &p, const Theme &theme)
{
    // Sine waves whose period divides the tile width, so they wrap.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(theme.pattern, 4, Qt::SolidLine, Qt::RoundCap));
    for (qreal base : {16.0, 56.0}) {
        QPainterPath wave;
        for (int x = -2; x <= tileSize + 2; ++x) {
            const QPointF pt(x, base + 5 * qSin(2 * M_PI * x / 40.0));
            x == -2 ? wave.moveTo(pt) : wave.lineTo(pt);
        }
        p.drawPath(wave);
    }
    p.setPen(QPen(theme.pattern, 2));
    p.drawEllipse(QPointF(30, 36), 4, 4);
    p.drawEllipse(QPointF(70, 76 - tileSize), 3, 3);
    p.drawEllipse(QPointF(70, 76), 3, 3);
    p.drawEllipse(QPointF(38, 27), 2.2, 2.2);
}

void drawStars(QPainter &p, const Theme &theme)
{
    p.setPen(Qt::NoPen);
    p.setBrush(theme.pattern);
    for (const Placement &pl : lattice)
        drawWrapped(p, placed(starMotif(), {pl.at, pl.size * 0.7, 0}));
    // A few tiny bright specks; too small to trouble the text on top.
    p.setBrush(QColor(170, 180, 230));
    for (QPointF at : {QPointF(40, 8), QPointF(8, 40), QPointF(44, 46), QPointF(74, 38), QPointF(33, 71)})
        p.drawEllipse(at, 0.9, 0.9);
}

QImage tileImage(const Theme &theme)
{
    QImage img = canvas(tileSize, tileSize);
    QPainter p(&img);
    prepare(p);
    p.fillRect(img.rect(), theme.tile);
    if (theme.motif == Motif::Wave) {
        drawWaves(p, theme);
    } else if (theme.motif == Motif::Star) {
        drawStars(p, theme);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(theme.pattern);
        for (const Placement &pl : lattice)
            drawWrapped(p, placed(motifShape(theme.motif), pl));
    }
    return img;
}

} // namespace

bool makeTiles(const QString &artDir)
{
    bool ok = true;
    for (const Theme &theme : themes())
        ok &= save(tileImage(theme), artDir + QStringLiteral("/Tiles/") + theme.name + QStringLiteral(".png"));
    return ok;
}

} // namespace art
