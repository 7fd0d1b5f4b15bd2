// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/geometry.h"

#include <algorithm>

QRect Geometry::withinScreens(int x, int y, int width, int height, const QList<QRect> &screens,
                              const QPoint &fallback)
{
    QRect all;
    for (const QRect &screen : screens)
        all = all.united(screen);
    if (all.isEmpty())
        all = QRect(0, 0, 1024, 768);

    width = std::clamp(width, std::min(MinimumSide, all.width()), all.width());
    height = std::clamp(height, std::min(MinimumSide, all.height()), all.height());
    x = std::clamp(x, all.left() - width, all.right());
    y = std::clamp(y, all.top() - height, all.bottom());
    const QRect placed(x, y, width, height);
    if (screens.isEmpty())
        return placed;
    for (const QRect &screen : screens) {
        if (screen.intersects(placed))
            return placed;
    }
    const QRect &first = screens.constFirst();
    return QRect(std::clamp(first.left() + fallback.x(), first.left(), std::max(first.left(), first.right() - width)),
                 std::clamp(first.top() + fallback.y(), first.top(), std::max(first.top(), first.bottom() - height)),
                 width, height);
}
