// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QTransform>
#include <QtMath>

#include <cstdio>

namespace art {

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

bool save(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG"))
        return true;
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
    return false;
}

QFont boldFont(qreal pixelSize)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    return f;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    auto lerp = [t](qreal x, qreal y) { return x + (y - x) * t; };
    return QColor::fromRgbF(float(lerp(a.redF(), b.redF())), float(lerp(a.greenF(), b.greenF())),
                            float(lerp(a.blueF(), b.blueF())), float(lerp(a.alphaF(), b.alphaF())));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QPainterPath strokeArea(const QPainterPath &path, qreal width, Qt::PenCapStyle cap,
                        Qt::PenJoinStyle join)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    return stroker.createStroke(path).simplified();
}

QPainterPath lineArea(QPointF a, QPointF b, qreal width)
{
    QPainterPath path(a);
    path.lineTo(b);
    return strokeArea(path, width);
}

QPainterPath roundRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points, qreal rotationDeg)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = qDegreesToRadians(rotationDeg + 180.0 * i / points);
        poly << centre + QPointF(r * qCos(a), r * qSin(a));
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath heart(const QRectF &b)
{
    const qreal x = b.x(), y = b.y(), w = b.width(), h = b.height();
    QPainterPath path(QPointF(x + w / 2, y + h));
    path.cubicTo(x + w * 0.1, y + h * 0.68, x - w * 0.04, y + h * 0.36, x + w * 0.08, y + h * 0.14);
    path.cubicTo(x + w * 0.2, y - h * 0.04, x + w * 0.44, y + h * 0.0, x + w / 2, y + h * 0.22);
    path.cubicTo(x + w * 0.56, y + h * 0.0, x + w * 0.8, y - h * 0.04, x + w * 0.92, y + h * 0.14);
    path.cubicTo(x + w * 1.04, y + h * 0.36, x + w * 0.9, y + h * 0.68, x + w / 2, y + h);
    path.closeSubpath();
    return path;
}

QPainterPath textPath(const QString &text, const QFont &font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    path.translate(centre - ink.center());
    return path;
}

void softShadow(QPainter &p, const QPainterPath &shape, QPointF offset, qreal spread,
                const QColor &colour)
{
    const QPainterPath moved = shape.translated(offset);
    const int steps = qMax(1, qCeil(spread));
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = steps; i >= 1; --i) {
        QColor c = colour;
        c.setAlphaF(float(colour.alphaF() / (steps + 1)));
        p.setPen(QPen(c, 2.0 * i * spread / steps, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(moved);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(moved);
    p.restore();
}

void glossyFill(QPainter &p, const QPainterPath &shape, const QColor &base, qreal rimWidth)
{
    const QRectF r = shape.boundingRect();
    p.save();
    QLinearGradient shine(r.topLeft(), r.bottomLeft());
    shine.setColorAt(0.0, mix(base, Qt::white, 0.35));
    shine.setColorAt(0.55, base);
    shine.setColorAt(1.0, mix(base, Qt::black, 0.18));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawPath(shape);

    // Highlight: the shape's upper part, fading out towards its middle.
    QPainterPath top;
    top.addRoundedRect(QRectF(r.x() + r.width() * 0.08, r.y() + r.height() * 0.04,
                              r.width() * 0.84, r.height() * 0.46),
                       r.width() * 0.3, r.height() * 0.22);
    QLinearGradient gloss(r.topLeft(), QPointF(r.x(), r.y() + r.height() * 0.5));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.setBrush(gloss);
    p.drawPath(top.intersected(shape));

    if (rimWidth > 0) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(mix(base, Qt::black, 0.35), rimWidth));
        p.drawPath(shape);
    }
    p.restore();
}

void outlinedText(QPainter &p, const QString &text, const QFont &font, QPointF centre,
                  const QColor &fill, const QColor &outline, qreal outlineWidth, bool shadow)
{
    const QPainterPath glyphs = textPath(text, font, centre);
    const QPainterPath body = glyphs.united(strokeArea(glyphs, outlineWidth * 2));
    p.save();
    if (shadow)
        softShadow(p, body, QPointF(outlineWidth * 0.6, outlineWidth * 0.9), outlineWidth,
                   QColor(0, 0, 0, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(outline);
    p.drawPath(body);
    p.setBrush(fill);
    p.drawPath(glyphs);
    p.restore();
}

void sunBadge(QPainter &p, qreal size, const QPainterPath &glyph)
{
    const QPointF mid(32, 32);
    QPainterPath rays;
    for (int i = 0; i < 12; ++i) {
        QTransform turn;
        turn.translate(32, 32);
        turn.rotate(i * 30.0);
        turn.translate(-32, -32);
        rays = rays.united(turn.map(polygon({QPointF(32, 0.5), QPointF(38.5, 14), QPointF(25.5, 14)})));
    }
    p.save();
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    softShadow(p, rays.united(circle(mid, 23)), QPointF(0.6, 1.2), 1.2, QColor(0, 0, 0, 50));
    p.setBrush(QColor(255, 150, 0));
    p.drawPath(rays);
    glossyFill(p, circle(mid, 23), QColor(255, 196, 0), 1.4);
    softShadow(p, glyph, QPointF(0.8, 1.4), 1.5, QColor(150, 60, 0, 150));
    p.setBrush(Qt::white);
    p.drawPath(glyph);
    p.restore();
}

} // namespace art
