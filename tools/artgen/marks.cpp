// SPDX-License-Identifier: GPL-3.0-or-later
// Progress marks: a 30 x 30 glossy disc in the theme's accent colour with a
// white ring and a white star, so it stands out on its own theme's tile.
#include "families.h"
#include "paint.h"
#include "themes.h"

namespace art {
namespace {

constexpr int markSize = 30;

QImage markImage(const Theme &theme)
{
    QImage img = canvas(markSize, markSize);
    QPainter p(&img);
    prepare(p);
    const QPointF c(15, 14.5);
    softShadow(p, circle(c, 13), QPointF(0.5, 1), 1.2, QColor(0, 0, 0, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(circle(c, 13.3));
    glossyFill(p, circle(c, 10.6), theme.accent, 0);
    const QPainterPath s = star(c + QPointF(0, 0.6), 7.6, 3.3);
    p.setBrush(mix(theme.accent, Qt::black, 0.45));
    p.drawPath(s.translated(0.4, 0.9));
    p.setBrush(Qt::white);
    p.drawPath(s);
    return img;
}

} // namespace

bool makeMarks(const QString &artDir)
{
    bool ok = true;
    for (const Theme &theme : themes())
        ok &= save(markImage(theme), artDir + QStringLiteral("/Circle/") + theme.name + QStringLiteral(".png"));
    return ok;
}

} // namespace art
