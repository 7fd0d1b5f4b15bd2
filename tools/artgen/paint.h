// SPDX-License-Identifier: GPL-3.0-or-later
// Shared look of every picture: canvases, colours, fonts, glossy shapes,
// outlined text and soft shadows.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <initializer_list>

namespace art {

// A transparent canvas and a painter on it with all smoothing switched on.
QImage canvas(int width, int height);
void prepare(QPainter &p);

// Writes a PNG, making the folder first. Returns false (after a message on
// stderr) when the file cannot be written.
bool save(const QImage &image, const QString &path);

// The one text face of the pictures: Liberation Sans bold, sized in pixels.
QFont boldFont(qreal pixelSize);

QColor mix(const QColor &a, const QColor &b, qreal t); // t = 0 gives a
QColor withAlpha(QColor c, int alpha);

// Cheerful palette shared by icons, cards and counters.
namespace colour {
inline const QColor sun{255, 196, 0};
inline const QColor orange{255, 128, 0};
inline const QColor red{232, 62, 62};
inline const QColor green{60, 176, 70};
inline const QColor blue{40, 128, 230};
inline const QColor navy{40, 60, 130};
inline const QColor purple{140, 84, 214};
inline const QColor pink{236, 84, 160};
inline const QColor teal{0, 160, 170};
inline const QColor ink{50, 40, 60};   // outlines and dark text
inline const QColor paper{255, 253, 246};
} // namespace colour

// Area helpers: everything is built as filled paths so that shapes can be
// united, cut out of each other and given one shadow.
QPainterPath strokeArea(const QPainterPath &path, qreal width,
                        Qt::PenCapStyle cap = Qt::RoundCap,
                        Qt::PenJoinStyle join = Qt::RoundJoin);
QPainterPath lineArea(QPointF a, QPointF b, qreal width);
QPainterPath roundRect(const QRectF &r, qreal radius);
QPainterPath circle(QPointF centre, qreal radius);
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath star(QPointF centre, qreal outer, qreal inner, int points = 5,
                  qreal rotationDeg = -90);
QPainterPath heart(const QRectF &box);
// Text as a path, centred on a point by its visible ink.
QPainterPath textPath(const QString &text, const QFont &font, QPointF centre);

// A blurred-looking shadow made from widening translucent strokes.
void softShadow(QPainter &p, const QPainterPath &shape, QPointF offset,
                qreal spread, const QColor &colour);

// A shape filled with a top-to-bottom shine of its colour, a dark rim and a
// glassy highlight over its upper half: the badge look.
void glossyFill(QPainter &p, const QPainterPath &shape, const QColor &base,
                qreal rimWidth);

// Text with a thick outline (drawn under the fill) and optional shadow.
void outlinedText(QPainter &p, const QString &text, const QFont &font,
                  QPointF centre, const QColor &fill, const QColor &outline,
                  qreal outlineWidth, bool shadow = true);

// The program's own badge: a glossy sun with twelve rays and a white glyph
// (given in a 64 x 64 box) on it, painted into a size x size square.
void sunBadge(QPainter &p, qreal size, const QPainterPath &glyph);

} // namespace art
