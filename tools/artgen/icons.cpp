// SPDX-License-Identifier: GPL-3.0-or-later
// Command, topic and window icons: rounded-square glossy badges, each with
// one bold white glyph. Glyphs are areas in a 64 x 64 box, built from filled
// paths so that cut-outs show the badge colour through the white.
#include "families.h"
#include "paint.h"

#include <QIcon>
#include <QTransform>
#include <QtMath>

#include <functional>

namespace art {
namespace {

using Glyph = std::function<QPainterPath()>;

const QPointF mid(32, 32);

QPainterPath bars(qreal length, qreal thick)
{
    QPainterPath h = roundRect(QRectF(32 - length / 2, 32 - thick / 2, length, thick), thick * 0.4);
    QPainterPath v = roundRect(QRectF(32 - thick / 2, 32 - length / 2, thick, length), thick * 0.4);
    return h.united(v);
}

QPainterPath rotated(const QPainterPath &path, qreal degrees, QPointF about = mid)
{
    QTransform t;
    t.translate(about.x(), about.y());
    t.rotate(degrees);
    t.translate(-about.x(), -about.y());
    return t.map(path);
}

QPainterPath plusGlyph() { return bars(40, 11); }

QPainterPath sunPlusGlyph() { return bars(30, 9); }

QPainterPath minusGlyph() { return roundRect(QRectF(12, 26.5, 40, 11), 4.4); }

QPainterPath timesGlyph() { return rotated(bars(42, 11), 45); }

QPainterPath divideGlyph()
{
    return roundRect(QRectF(12, 27.5, 40, 9), 3.6)
        .united(circle(QPointF(32, 15.5), 6))
        .united(circle(QPointF(32, 48.5), 6));
}

QPainterPath numbersGlyph()
{
    const QPainterPath text = textPath(QStringLiteral("123"), boldFont(28), mid);
    return text.united(strokeArea(text, 1.6));
}

QPainterPath fractionGlyph()
{
    const QPointF c(32, 32);
    QPainterPath ring = strokeArea(circle(c, 19), 5.5);
    QPainterPath half;
    half.moveTo(c);
    half.arcTo(QRectF(c.x() - 19, c.y() - 19, 38, 38), 90, 180);
    half.closeSubpath();
    QPainterPath divider = roundRect(QRectF(29.5, 11, 5, 42), 2);
    return ring.united(half).united(divider);
}

QPainterPath coinGlyph()
{
    // A stack of coins seen from the side, and one coin face on.
    QPainterPath stack;
    for (int i = 0; i < 3; ++i)
        stack = stack.united(roundRect(QRectF(7, 42 - i * 10.5, 26, 8), 3.5));
    QPainterPath face = circle(QPointF(40, 34), 17);
    face = face.subtracted(strokeArea(circle(QPointF(40, 34), 11.5), 3.5));
    return stack.subtracted(circle(QPointF(40, 34), 20.5)).united(face);
}

QPainterPath pageShape(const QRectF &r, qreal fold)
{
    return polygon({r.topLeft(), QPointF(r.right() - fold, r.top()),
                    QPointF(r.right(), r.top() + fold), r.bottomRight(), r.bottomLeft()});
}

QPainterPath newGlyph()
{
    const QRectF r(15, 8, 34, 48);
    QPainterPath page = pageShape(r, 12);
    QPainterPath corner = polygon({QPointF(r.right() - 12, r.top()), QPointF(r.right() - 12, r.top() + 12),
                                   QPointF(r.right(), r.top() + 12)});
    page = page.subtracted(strokeArea(corner, 3, Qt::FlatCap, Qt::MiterJoin));
    QPainterPath plus = roundRect(QRectF(23, 33.5, 18, 6), 2).united(roundRect(QRectF(29, 27.5, 6, 18), 2));
    return page.subtracted(plus);
}

QPainterPath generateGlyph()
{
    // A fresh page with a spark on it: questions made anew.
    const QRectF r(15, 8, 34, 48);
    QPainterPath page = pageShape(r, 12);
    QPainterPath corner = polygon({QPointF(r.right() - 12, r.top()), QPointF(r.right() - 12, r.top() + 12),
                                   QPointF(r.right(), r.top() + 12)});
    page = page.subtracted(strokeArea(corner, 3, Qt::FlatCap, Qt::MiterJoin));
    return page.subtracted(star(QPointF(32, 36), 12, 4.5, 4));
}

QPainterPath openGlyph()
{
    QPainterPath back = roundRect(QRectF(8, 14, 42, 36), 4).united(roundRect(QRectF(8, 10, 20, 10), 3));
    QPainterPath front = polygon({QPointF(17, 26), QPointF(58, 26), QPointF(50, 52), QPointF(8, 52)});
    return back.subtracted(strokeArea(front, 6)).united(front);
}

QPainterPath saveGlyph()
{
    QPainterPath tray(QPointF(11, 38));
    tray.lineTo(11, 51);
    tray.lineTo(53, 51);
    tray.lineTo(53, 38);
    QPainterPath arrow = lineArea(QPointF(32, 9), QPointF(32, 30), 10)
                             .united(polygon({QPointF(18, 26), QPointF(46, 26), QPointF(32, 42)}));
    return strokeArea(tray, 8).united(arrow);
}

QPainterPath printGlyph()
{
    QPainterPath top = roundRect(QRectF(19, 8, 26, 14), 2);
    QPainterPath body = roundRect(QRectF(7, 21, 50, 24), 6);
    QPainterPath out = roundRect(QRectF(18, 36, 28, 20), 2);
    body = body.subtracted(strokeArea(out, 7, Qt::SquareCap, Qt::MiterJoin));
    out = out.subtracted(roundRect(QRectF(23, 42, 18, 3.5), 1)).subtracted(roundRect(QRectF(23, 48, 12, 3.5), 1));
    return top.united(body).united(out).subtracted(circle(QPointF(49, 28), 2.8));
}

QPainterPath worksheetGlyph()
{
    QPainterPath page = roundRect(QRectF(13, 7, 38, 50), 4);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 18 + i * 12;
        page = page.subtracted(circle(QPointF(21.5, y + 2), 3.3));
        page = page.subtracted(roundRect(QRectF(28, y, 17, 4.2), 2));
    }
    return page;
}

QPainterPath rulesGlyph()
{
    QPainterPath board = roundRect(QRectF(12, 11, 40, 47), 5);
    QPainterPath clip = roundRect(QRectF(22, 5, 20, 12), 4);
    board = board.subtracted(strokeArea(clip, 5)).united(clip);
    for (int i = 0; i < 2; ++i) {
        const qreal y = 29 + i * 14;
        QPainterPath tick(QPointF(18, y));
        tick.lineTo(22, y + 4);
        tick.lineTo(29, y - 4);
        board = board.subtracted(strokeArea(tick, 4));
        board = board.subtracted(roundRect(QRectF(32, y - 2.2, 14, 4.4), 2));
    }
    return board;
}

QPainterPath scoresGlyph()
{
    QPainterPath cup(QPointF(18, 9));
    cup.lineTo(46, 9);
    cup.lineTo(46, 20);
    cup.cubicTo(46, 32, 38, 38, 32, 38);
    cup.cubicTo(26, 38, 18, 32, 18, 20);
    cup.closeSubpath();
    QPainterPath handles = strokeArea(QPainterPath([] {
                                          QPainterPath h(QPointF(18, 14));
                                          h.cubicTo(6, 14, 8, 28, 20, 29);
                                          h.moveTo(46, 14);
                                          h.cubicTo(58, 14, 56, 28, 44, 29);
                                          return h;
                                      }()),
                                      5);
    QPainterPath stem = roundRect(QRectF(28.5, 34, 7, 12), 1);
    QPainterPath base = roundRect(QRectF(19, 45, 26, 10), 3);
    QPainterPath trophy = cup.united(handles).united(stem).united(base);
    return trophy.subtracted(star(QPointF(32, 22), 7, 3));
}

QPainterPath helpGlyph()
{
    const QPainterPath text = textPath(QStringLiteral("?"), boldFont(50), mid);
    return text.united(strokeArea(text, 2));
}

QPainterPath aboutGlyph()
{
    return circle(QPointF(32, 15), 6.5).united(roundRect(QRectF(26.5, 25, 11, 29), 4))
        .united(roundRect(QRectF(21, 25, 14, 7), 2))
        .united(roundRect(QRectF(21, 47, 22, 7), 2));
}

QPainterPath thanksGlyph() { return heart(QRectF(9, 11, 46, 44)); }

QPainterPath versionGlyph()
{
    // A luggage tag: the kind of label that says which edition this is.
    QPainterPath tag = roundRect(QRectF(20, 14, 36, 36), 5)
                           .united(polygon({QPointF(21, 14.5), QPointF(21, 49.5), QPointF(5, 32)}));
    tag = tag.subtracted(circle(QPointF(18, 32), 4.5));
    tag = tag.subtracted(roundRect(QRectF(28, 25, 20, 5), 2)).subtracted(roundRect(QRectF(28, 34, 13, 5), 2));
    return rotated(tag, -35, QPointF(31, 32));
}

QPainterPath pencilGlyph()
{
    QPainterPath body = roundRect(QRectF(20, 4, 16, 38), 3);
    QPainterPath tip = polygon({QPointF(20, 41), QPointF(36, 41), QPointF(28, 58)});
    QPainterPath pencil = body.united(tip).subtracted(QPainterPath([] {
        QPainterPath band;
        band.addRect(QRectF(18, 13, 20, 3.5));
        return band;
    }()));
    return rotated(pencil, 40, QPointF(28, 32)).translated(4, 0);
}

QPainterPath gearGlyph()
{
    QPainterPath gear = circle(mid, 17);
    for (int i = 0; i < 8; ++i)
        gear = gear.united(rotated(roundRect(QRectF(27, 6, 10, 14), 2.5), i * 45.0));
    return gear.subtracted(circle(mid, 7.5));
}

QPainterPath screenGlyph()
{
    QPainterPath corners;
    const qreal a = 9, b = 25, c = 55, d = 39;
    auto corner = [](QPointF p1, QPointF p2, QPointF p3) {
        QPainterPath path(p1);
        path.lineTo(p2);
        path.lineTo(p3);
        return path;
    };
    corners.addPath(corner(QPointF(a, b), QPointF(a, a), QPointF(b, a)));
    corners.addPath(corner(QPointF(d, a), QPointF(c, a), QPointF(c, b)));
    corners.addPath(corner(QPointF(c, d), QPointF(c, c), QPointF(d, c)));
    corners.addPath(corner(QPointF(b, c), QPointF(a, c), QPointF(a, d)));
    QPainterPath area = strokeArea(corners, 8);
    area = area.united(roundRect(QRectF(22, 22, 20, 20), 3));
    return area;
}

QPainterPath sidebarGlyph()
{
    QPainterPath frame = strokeArea(roundRect(QRectF(9, 13, 46, 38), 5), 6);
    QPainterPath panel = roundRect(QRectF(36, 13, 19, 38), 2);
    QPainterPath bar = roundRect(QRectF(9, 13, 46, 9), 3);
    panel = panel.subtracted(roundRect(QRectF(40, 29, 11, 3.5), 1.5)).subtracted(roundRect(QRectF(40, 37, 11, 3.5), 1.5));
    return frame.united(panel).united(bar);
}

QPainterPath clockGlyph()
{
    QPainterPath face = circle(mid, 25);
    QPainterPath hands(QPointF(32, 15));
    hands.lineTo(32, 33);
    hands.lineTo(44, 40);
    face = face.subtracted(strokeArea(hands, 5.5));
    for (int i = 0; i < 12; i += 3) {
        const qreal a = qDegreesToRadians(i * 30.0);
        face = face.subtracted(circle(mid + QPointF(20 * qSin(a), -20 * qCos(a)), 2.2));
    }
    return face;
}

QPainterPath digitalClockGlyph()
{
    QPainterPath display = roundRect(QRectF(4, 15, 56, 34), 7);
    return display.subtracted(textPath(QStringLiteral("9:30"), boldFont(24), QPointF(32, 32)));
}

QPainterPath arrowGlyph(bool right)
{
    QPainterPath arrow = roundRect(QRectF(10, 26, 30, 12), 4)
                             .united(polygon({QPointF(32, 11), QPointF(55, 32), QPointF(32, 53)}));
    arrow = arrow.united(strokeArea(polygon({QPointF(32, 11), QPointF(55, 32), QPointF(32, 53)}), 4));
    if (right)
        return arrow;
    return QTransform(-1, 0, 0, 1, 64, 0).map(arrow);
}

// Two arrows chasing each other round a circle: the questions that come back.
QPainterPath practiceGlyph()
{
    const QRectF round(13, 13, 38, 38);
    QPainterPath glyph;
    for (const qreal start : {30.0, 210.0}) {
        QPainterPath arc;
        arc.arcMoveTo(round, start);
        arc.arcTo(round, start, 120);
        glyph = glyph.united(strokeArea(arc, 8));
        const qreal end = qDegreesToRadians(start + 120);
        const QPointF tip = mid + QPointF(19 * qCos(end), -19 * qSin(end));
        const QPointF along(-qSin(end), -qCos(end));
        const QPointF out(qCos(end), -qSin(end));
        glyph = glyph.united(polygon({tip + out * 9.5, tip + along * 11, tip - out * 9.5}));
    }
    return glyph;
}

void drawBadge(QPainter &p, const QColor &base, const QPainterPath &glyph)
{
    const QPainterPath shape = roundRect(QRectF(2.5, 2.5, 59, 59), 14);
    softShadow(p, shape, QPointF(0, 0.8), 1, QColor(0, 0, 0, 60));
    glossyFill(p, shape, base, 1.5);
    p.setPen(Qt::NoPen);
    softShadow(p, glyph, QPointF(0.6, 1.5), 1.4, withAlpha(mix(base, Qt::black, 0.6), 150));
    p.setBrush(Qt::white);
    p.drawPath(glyph);
}

QImage badgeImage(int size, const QColor &base, const Glyph &glyph)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    p.scale(size / 64.0, size / 64.0);
    drawBadge(p, base, glyph());
    return img;
}

struct IconEntry {
    QString file;
    QColor colour;
    Glyph glyph;
};

} // namespace

bool makeIcons(const QString &artDir)
{
    const QString dir = artDir + QStringLiteral("/Icons/");
    bool ok = true;

    const QList<IconEntry> commands{
        {QStringLiteral("new"), colour::blue, newGlyph},
        {QStringLiteral("generate"), colour::purple, generateGlyph},
        {QStringLiteral("open"), colour::blue, openGlyph},
        {QStringLiteral("save"), colour::blue, saveGlyph},
        {QStringLiteral("print"), colour::blue, printGlyph},
        {QStringLiteral("worksheet"), colour::purple, worksheetGlyph},
        {QStringLiteral("rules"), colour::teal, rulesGlyph},
        {QStringLiteral("scores"), QColor(236, 160, 0), scoresGlyph},
        {QStringLiteral("contents"), colour::orange, helpGlyph},
        {QStringLiteral("about"), colour::orange, aboutGlyph},
        {QStringLiteral("acknowledgements"), colour::pink, thanksGlyph},
        {QStringLiteral("version"), colour::orange, versionGlyph},
        {QStringLiteral("templateeditor"), colour::purple, pencilGlyph},
        {QStringLiteral("options"), colour::purple, gearGlyph},
        {QStringLiteral("screen"), colour::teal, screenGlyph},
        {QStringLiteral("sidebar"), colour::teal, sidebarGlyph},
        {QStringLiteral("clock"), colour::teal, clockGlyph},
        {QStringLiteral("digitalclock"), colour::teal, digitalClockGlyph},
        {QStringLiteral("previous"), colour::green, [] { return arrowGlyph(false); }},
        {QStringLiteral("next"), colour::green, [] { return arrowGlyph(true); }},
    };
    for (const IconEntry &icon : commands) {
        const QString file = dir + icon.file + QStringLiteral(".png");
        ok &= save(badgeImage(64, icon.colour, icon.glyph), file);
        // The toolbar draws command icons at 20 x 20. The program reads this
        // smaller picture there instead, which is the large one scaled down as
        // the toolbar would scale it, so that the toolbar looks the same.
        ok &= save(QIcon(file).pixmap(QSize(20, 20)).toImage(),
                   dir + QStringLiteral("20x20/") + icon.file + QStringLiteral(".png"));
    }

    // Topic icons: the menu commands use lower-case names, the exercise
    // windows the display names; both get the same picture.
    const QList<IconEntry> topics{
        {QStringLiteral("Number Skills"), colour::navy, numbersGlyph},
        {QStringLiteral("Addition"), colour::green, plusGlyph},
        {QStringLiteral("Subtraction"), colour::red, minusGlyph},
        {QStringLiteral("Multiplication"), colour::orange, timesGlyph},
        {QStringLiteral("Division"), colour::purple, divideGlyph},
        {QStringLiteral("Fractions"), colour::teal, fractionGlyph},
        {QStringLiteral("Money"), QColor(214, 140, 0), coinGlyph},
    };
    for (const IconEntry &topic : topics) {
        const QImage img = badgeImage(64, topic.colour, topic.glyph);
        ok &= save(img, dir + topic.file.toLower() + QStringLiteral("Icon.png"));
        ok &= save(img, dir + topic.file + QStringLiteral("Icon.png"));
    }

    // The practice, an exercise window of its own with no menu command.
    ok &= save(badgeImage(64, colour::pink, practiceGlyph), dir + QStringLiteral("PracticeIcon.png"));

    QImage main = canvas(256, 256);
    {
        QPainter p(&main);
        prepare(p);
        sunBadge(p, 256, sunPlusGlyph());
    }
    ok &= save(main, dir + QStringLiteral("main.png"));
    return ok;
}

} // namespace art
