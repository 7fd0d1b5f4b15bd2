// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the question pictures: the card size and group colours,
// number chips and captions, layout grids, the counted things, braces, bars
// and written fractions; and the drawing function of each picture family.
#pragma once

#include "paint.h"
#include "questions.h"

#include <functional>

namespace art {

constexpr int pictureWidth = 200;
constexpr int pictureHeight = 180;

inline const QColor groupA{255, 122, 40}; // first group of things
inline const QColor groupB{48, 140, 235}; // second group of things
inline const QColor faded{196, 190, 182}; // things not picked

QString signOf(Op op);
// Bold text centred on a point by its ink (text) or by its font box (label,
// so that digits of a row line up).
void text(QPainter &p, const QString &s, QPointF centre, qreal size, const QColor &c = colour::ink);
void label(QPainter &p, const QString &s, QPointF centre, qreal size, const QColor &c = colour::ink);
qreal labelWidth(const QString &s, qreal size);
// A rounded number chip; "?" chips are sunny so the unknown stands out.
QRectF chip(QPainter &p, const QString &s, QPointF centre, qreal size = 17, QColor tint = colour::blue);
// A line of chips and signs, such as "6 ÷ 2 = ?", centred across the card.
void caption(QPainter &p, const QStringList &parts, qreal y, qreal size = 15);
QStringList equationParts(const QList<int> &numbers, Op op, int missing = -1);
// Square cells for n items, as large as the area allows, centred in it.
QList<QRectF> grid(int n, const QRectF &area, int maxCols = 12);
QRectF shrink(const QRectF &r, qreal f);

void glossyBall(QPainter &p, const QRectF &r, const QColor &c);
void drawThing(QPainter &p, Thing thing, const QRectF &cell, const QColor &c);
void crossOut(QPainter &p, const QRectF &cell);
// n things in the area; the last `crossed` ones faded and crossed out.
void things(QPainter &p, Thing thing, int n, const QRectF &area, const QColor &c, int crossed = 0, int maxCols = 5);

// A curly brace under or over x1..x2 with a chip at its point.
void brace(QPainter &p, qreal x1, qreal x2, qreal y, bool up, const QString &tag);
// A bar cut into parts; each part's fill and label come from the callbacks.
void bar(QPainter &p, const QRectF &r, int parts, const std::function<QColor(int)> &fill,
         const std::function<QString(int)> &tag);
// A fraction written the school way, numerator over denominator; an unknown
// part (0) shows as a "?" chip.
void stackedFraction(QPainter &p, const Fraction &f, QPointF centre, qreal size, const QColor &c = colour::ink);
// "3/4 of 20 = ?" across the top of the card; whole or part 0 is unknown.
void fractionOfHeader(QPainter &p, const Fraction &f, int whole, int part, Language language);

// The words pictures write, as primary schools of each language write them:
// "of" between a fraction and its whole, and the heading of a place-value
// column (place 0: ones, up to 5: hundred thousands).
QString ofWord(Language language);
QString placeHeading(Language language, int place);

// One drawing function per picture family (see Kind).
void drawCounters(QPainter &p, const Scene &s);
void drawTenFrames(QPainter &p, const Scene &s);
void drawBaseTen(QPainter &p, const Scene &s);
void drawArray(QPainter &p, const Scene &s);
void drawSharing(QPainter &p, const Scene &s);
void drawGrouping(QPainter &p, const Scene &s);
void drawNumberLine(QPainter &p, const Scene &s);
void drawColumn(QPainter &p, const Scene &s);
void drawAreaModel(QPainter &p, const Scene &s);
void drawSequence(QPainter &p, const Scene &s);
void drawPlaceValue(QPainter &p, const Scene &s);
void drawEquation(QPainter &p, const Scene &s);
void drawNumberCards(QPainter &p, const Scene &s);
void drawBar(QPainter &p, const Scene &s);
void drawPies(QPainter &p, const Scene &s);
void drawFractionBars(QPainter &p, const Scene &s);
void drawFractionOf(QPainter &p, const Scene &s);
void drawMoney(QPainter &p, const Scene &s);
void drawMeasure(QPainter &p, const Scene &s);

} // namespace art
