// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the question pictures.
#include "picturekit.h"

#include <QFontMetricsF>

#include <algorithm>

namespace art {

QString signOf(Op op)
{
    switch (op) {
    case Op::Add: return QStringLiteral("+");
    case Op::Subtract: return QStringLiteral("\u2212");
    case Op::Multiply: return QStringLiteral("\u00d7");
    case Op::Divide: return QStringLiteral("\u00f7");
    case Op::None: break;
    }
    return {};
}

void text(QPainter &p, const QString &s, QPointF centre, qreal size, const QColor &c)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(textPath(s, boldFont(size), centre));
    p.restore();
}

// Text centred on a point by its font box (so digits of a row line up).
void label(QPainter &p, const QString &s, QPointF centre, qreal size, const QColor &c)
{
    const QFont font = boldFont(size);
    const QFontMetricsF fm(font);
    p.save();
    p.setFont(font);
    p.setPen(c);
    const qreal w = fm.horizontalAdvance(s);
    p.drawText(QPointF(centre.x() - w / 2, centre.y() + (fm.ascent() - fm.descent()) / 2), s);
    p.restore();
}

qreal labelWidth(const QString &s, qreal size) { return QFontMetricsF(boldFont(size)).horizontalAdvance(s); }

// A rounded number chip; "?" chips are sunny so the unknown stands out.
QRectF chip(QPainter &p, const QString &s, QPointF centre, qreal size, QColor tint)
{
    const bool unknown = s == QLatin1String("?");
    const qreal w = std::max(size * 1.7, labelWidth(s, size) + size * 0.9);
    const qreal h = size * 1.6;
    const QRectF r(centre.x() - w / 2, centre.y() - h / 2, w, h);
    p.save();
    p.setPen(QPen(unknown ? QColor(220, 130, 0) : tint, 2));
    p.setBrush(unknown ? QColor(255, 214, 60) : mix(tint, Qt::white, 0.85));
    p.drawRoundedRect(r, h / 2, h / 2);
    p.restore();
    label(p, s, centre, size);
    return r;
}

// A caption line of chips and signs, such as "6 ÷ 2 = ?", centred on y.
void caption(QPainter &p, const QStringList &parts, qreal y, qreal size)
{
    QList<qreal> widths;
    qreal total = 0;
    for (const QString &part : parts) {
        const bool isSign = part.size() == 1 && !part.at(0).isDigit() && part != QLatin1String("?");
        const qreal w = isSign ? size * 1.2 : std::max(size * 1.7, labelWidth(part, size) + size * 0.9);
        widths << w;
        total += w + 4;
    }
    qreal x = pictureWidth / 2.0 - total / 2 + 2;
    for (int i = 0; i < parts.size(); ++i) {
        const QPointF c(x + widths[i] / 2, y);
        const QString &part = parts[i];
        if (part.size() == 1 && !part.at(0).isDigit() && part != QLatin1String("?"))
            text(p, part, c, size * 1.1);
        else
            chip(p, part, c, size);
        x += widths[i] + 4;
    }
}

QStringList equationParts(const QList<int> &numbers, Op op, int missing)
{
    QStringList parts;
    for (int i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            parts << signOf(op);
        parts << (i == missing ? QStringLiteral("?") : QString::number(numbers[i]));
    }
    return parts;
}

// Square cells for n items, as large as the area allows, centred in it.
QList<QRectF> grid(int n, const QRectF &area, int maxCols)
{
    int bestCols = 1;
    qreal best = 0;
    for (int cols = 1; cols <= std::min(n, maxCols); ++cols) {
        const int rows = (n + cols - 1) / cols;
        const qreal cell = std::min(area.width() / cols, area.height() / rows);
        if (cell > best + 0.01) {
            best = cell;
            bestCols = cols;
        }
    }
    const int cols = bestCols;
    const int rows = (n + cols - 1) / cols;
    const QPointF origin(area.center().x() - cols * best / 2, area.center().y() - rows * best / 2);
    QList<QRectF> cells;
    for (int i = 0; i < n; ++i)
        cells << QRectF(origin.x() + (i % cols) * best, origin.y() + (i / cols) * best, best, best);
    return cells;
}

QRectF shrink(const QRectF &r, qreal f)
{
    const qreal dx = r.width() * (1 - f) / 2, dy = r.height() * (1 - f) / 2;
    return r.adjusted(dx, dy, -dx, -dy);
}

void glossyBall(QPainter &p, const QRectF &r, const QColor &c)
{
    QRadialGradient g(r.x() + r.width() * 0.35, r.y() + r.height() * 0.3, r.width() * 0.7);
    g.setColorAt(0, mix(c, Qt::white, 0.55));
    g.setColorAt(0.5, c);
    g.setColorAt(1, mix(c, Qt::black, 0.25));
    p.setPen(QPen(mix(c, Qt::black, 0.35), std::max(0.8, r.width() * 0.05)));
    p.setBrush(g);
    p.drawEllipse(r);
}

void drawThing(QPainter &p, Thing thing, const QRectF &cell, const QColor &c)
{
    const QRectF r = shrink(cell, 0.84);
    const qreal w = r.width(), h = r.height(), x = r.x(), y = r.y();
    const qreal line = std::max(0.8, w * 0.05);
    const QPen outline(colour::ink, line);
    p.save();
    switch (thing) {
    case Thing::Dot:
        glossyBall(p, r, c);
        break;
    case Thing::Bead:
        glossyBall(p, r, c);
        p.setBrush(Qt::white);
        p.drawEllipse(r.center(), w * 0.12, h * 0.12);
        break;
    case Thing::Star:
        p.setPen(QPen(mix(c, Qt::black, 0.4), line));
        p.setBrush(c == groupA ? QColor(255, 200, 0) : QColor(120, 200, 255));
        p.drawPath(star(r.center() + QPointF(0, h * 0.04), w * 0.52, w * 0.22));
        break;
    case Thing::Apple: {
        const QColor skin = c == groupA ? QColor(230, 40, 40) : QColor(120, 200, 40);
        glossyBall(p, QRectF(x, y + h * 0.18, w, h * 0.82), skin);
        p.setPen(QPen(QColor(110, 70, 20), line * 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x + w / 2, y + h * 0.25), QPointF(x + w * 0.55, y + h * 0.02));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 160, 50));
        p.drawEllipse(QRectF(x + w * 0.58, y, w * 0.3, h * 0.16));
        break;
    }
    case Thing::Sweet: {
        p.setPen(QPen(mix(c, Qt::black, 0.4), line));
        p.setBrush(mix(c, Qt::white, 0.2));
        p.drawPath(polygon({QPointF(x, y + h * 0.25), QPointF(x + w * 0.3, y + h / 2), QPointF(x, y + h * 0.75)}));
        p.drawPath(polygon({QPointF(x + w, y + h * 0.25), QPointF(x + w * 0.7, y + h / 2), QPointF(x + w, y + h * 0.75)}));
        glossyBall(p, QRectF(x + w * 0.2, y + h * 0.22, w * 0.6, h * 0.56), c);
        break;
    }
    case Thing::Cake: {
        p.setPen(outline);
        p.setBrush(QColor(240, 190, 110));
        p.drawPath(polygon({QPointF(x + w * 0.12, y + h * 0.5), QPointF(x + w * 0.88, y + h * 0.5),
                            QPointF(x + w * 0.76, y + h), QPointF(x + w * 0.24, y + h)}));
        p.setBrush(mix(c, Qt::white, 0.45));
        p.drawChord(QRectF(x + w * 0.04, y + h * 0.18, w * 0.92, h * 0.64), 0, 180 * 16);
        p.setBrush(QColor(220, 30, 50));
        p.drawEllipse(QPointF(x + w / 2, y + h * 0.16), w * 0.12, w * 0.12);
        break;
    }
    case Thing::Pencil: {
        const QRectF body(x + w * 0.3, y + h * 0.12, w * 0.4, h * 0.62);
        p.setPen(outline);
        p.setBrush(c);
        p.drawRect(body);
        p.setBrush(QColor(245, 215, 160));
        p.drawPath(polygon({body.bottomLeft(), body.bottomRight(), QPointF(x + w / 2, y + h)}));
        p.setBrush(QColor(250, 150, 170));
        p.drawRect(QRectF(body.x(), y, body.width(), h * 0.12));
        break;
    }
    case Thing::Child: {
        p.setPen(outline);
        p.setBrush(c);
        p.drawRoundedRect(QRectF(x + w * 0.16, y + h * 0.46, w * 0.68, h * 0.54), w * 0.2, w * 0.2);
        p.setBrush(QColor(255, 214, 170));
        p.drawEllipse(QRectF(x + w * 0.27, y, w * 0.46, h * 0.46));
        break;
    }
    case Thing::Book: {
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(x + w * 0.12, y + h * 0.1, w * 0.8, h * 0.84));
        p.setBrush(c);
        p.drawRect(QRectF(x + w * 0.08, y + h * 0.06, w * 0.76, h * 0.84));
        p.setPen(QPen(Qt::white, line));
        p.drawLine(QPointF(x + w * 0.24, y + h * 0.06), QPointF(x + w * 0.24, y + h * 0.9));
        break;
    }
    case Thing::Dog: {
        const QColor fur(190, 130, 70);
        p.setPen(QPen(colour::ink, line * 1.8, Qt::SolidLine, Qt::RoundCap));
        for (qreal lx : {0.2, 0.34, 0.56, 0.7})
            p.drawLine(QPointF(x + w * lx, y + h * 0.7), QPointF(x + w * lx, y + h * 0.92));
        p.drawLine(QPointF(x + w * 0.12, y + h * 0.56), QPointF(x + w * 0.02, y + h * 0.4)); // tail
        p.setPen(outline);
        p.setBrush(fur);
        p.drawRoundedRect(QRectF(x + w * 0.1, y + h * 0.48, w * 0.68, h * 0.3), h * 0.15, h * 0.15);
        p.drawEllipse(QRectF(x + w * 0.52, y + h * 0.14, w * 0.44, h * 0.42));
        p.setBrush(QColor(120, 70, 30));
        p.drawEllipse(QRectF(x + w * 0.5, y + h * 0.16, w * 0.14, h * 0.34)); // ear
        p.setBrush(colour::ink);
        p.drawEllipse(QPointF(x + w * 0.8, y + h * 0.3), w * 0.035, w * 0.035);
        p.drawEllipse(QPointF(x + w * 0.95, y + h * 0.38), w * 0.045, w * 0.04); // nose
        break;
    }
    case Thing::Egg:
        p.setPen(QPen(QColor(170, 140, 100), line));
        p.setBrush(QColor(255, 246, 225));
        p.drawEllipse(QRectF(x + w * 0.16, y, w * 0.68, h));
        break;
    case Thing::Bird: {
        p.setPen(outline);
        p.setBrush(QColor(255, 170, 30));
        p.drawPath(polygon({QPointF(x + w * 0.8, y + h * 0.32), QPointF(x + w, y + h * 0.42),
                            QPointF(x + w * 0.8, y + h * 0.5)}));
        p.setBrush(c);
        p.drawEllipse(QRectF(x + w * 0.05, y + h * 0.2, w * 0.8, h * 0.66));
        p.setBrush(mix(c, Qt::white, 0.4));
        p.drawEllipse(QRectF(x + w * 0.15, y + h * 0.45, w * 0.4, h * 0.26));
        p.setBrush(colour::ink);
        p.drawEllipse(QPointF(x + w * 0.62, y + h * 0.4), w * 0.05, w * 0.05);
        break;
    }
    case Thing::Seat: {
        p.setPen(outline);
        p.setBrush(c);
        p.drawRoundedRect(QRectF(x + w * 0.18, y + h * 0.05, w * 0.64, h * 0.55), w * 0.12, w * 0.12);
        p.drawRoundedRect(QRectF(x + w * 0.1, y + h * 0.55, w * 0.8, h * 0.3), w * 0.1, w * 0.1);
        break;
    }
    case Thing::Pumpkin: {
        // Three lobes, the middle one in front, and a stalk.
        const QColor skin(240, 140, 30);
        p.setPen(QPen(mix(skin, Qt::black, 0.35), line));
        p.setBrush(mix(skin, Qt::black, 0.08));
        p.drawEllipse(QRectF(x, y + h * 0.22, w * 0.58, h * 0.78));
        p.drawEllipse(QRectF(x + w * 0.42, y + h * 0.22, w * 0.58, h * 0.78));
        p.setBrush(skin);
        p.drawEllipse(QRectF(x + w * 0.22, y + h * 0.18, w * 0.56, h * 0.82));
        p.setPen(QPen(QColor(90, 120, 40), line * 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x + w * 0.5, y + h * 0.2), QPointF(x + w * 0.57, y + h * 0.03));
        break;
    }
    }
    p.restore();
}

void crossOut(QPainter &p, const QRectF &cell)
{
    const QRectF r = shrink(cell, 0.8);
    p.save();
    p.setPen(QPen(QColor(215, 30, 30), std::max(2.0, cell.width() * 0.1), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    p.restore();
}

// Draws n things in the area; the last `crossed` ones faded and crossed out.
void things(QPainter &p, Thing thing, int n, const QRectF &area, const QColor &c, int crossed, int maxCols)
{
    const QList<QRectF> cells = grid(n, area, maxCols);
    for (int i = 0; i < n; ++i) {
        const bool gone = i >= n - crossed;
        if (gone)
            p.setOpacity(0.45);
        drawThing(p, thing, cells[i], c);
        p.setOpacity(1);
        if (gone)
            crossOut(p, cells[i]);
    }
}

void brace(QPainter &p, qreal x1, qreal x2, qreal y, bool up, const QString &tag)
{
    const qreal d = up ? -1 : 1;
    QPainterPath b(QPointF(x1, y));
    b.quadTo(x1, y + d * 7, x1 + 8, y + d * 7);
    b.lineTo((x1 + x2) / 2 - 6, y + d * 7);
    b.quadTo((x1 + x2) / 2, y + d * 7, (x1 + x2) / 2, y + d * 13);
    b.quadTo((x1 + x2) / 2, y + d * 7, (x1 + x2) / 2 + 6, y + d * 7);
    b.lineTo(x2 - 8, y + d * 7);
    b.quadTo(x2, y + d * 7, x2, y);
    p.setPen(QPen(colour::ink, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(b);
    chip(p, tag, QPointF((x1 + x2) / 2, y + d * 26), 13, colour::purple);
}

// A bar cut into parts; each part's fill and label come from the callbacks.
void bar(QPainter &p, const QRectF &r, int parts, const std::function<QColor(int)> &fill,
         const std::function<QString(int)> &tag)
{
    const qreal w = r.width() / parts;
    for (int i = 0; i < parts; ++i) {
        const QRectF part(r.x() + i * w, r.y(), w, r.height());
        p.setPen(QPen(colour::ink, 2));
        p.setBrush(fill(i));
        p.drawRect(part);
        const QString t = tag(i);
        if (!t.isEmpty())
            label(p, t, part.center(), std::min(14.0, std::max(8.0, w * 0.42)));
    }
}

void stackedFraction(QPainter &p, const Fraction &f, QPointF centre, qreal size, const QColor &c)
{
    const QString top = f.top ? QString::number(f.top) : QStringLiteral("?");
    const QString bottom = f.bottom ? QString::number(f.bottom) : QStringLiteral("?");
    const qreal w = std::max(labelWidth(top, size), labelWidth(bottom, size)) + 6;
    if (!f.top)
        chip(p, top, centre - QPointF(0, size * 0.72), size * 0.8);
    else
        label(p, top, centre - QPointF(0, size * 0.68), size, c);
    if (!f.bottom)
        chip(p, bottom, centre + QPointF(0, size * 0.72), size * 0.8);
    else
        label(p, bottom, centre + QPointF(0, size * 0.7), size, c);
    p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(centre.x() - w / 2, centre.y()), QPointF(centre.x() + w / 2, centre.y()));
}

} // namespace art
