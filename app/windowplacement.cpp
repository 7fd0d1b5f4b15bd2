// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowplacement.h"

#include <algorithm>

namespace {

// One side: a length that fits keeps its place, moved within the room; one that does not starts at 0.
int placed(int at, int length, int room)
{
    if (length > room)
        return 0;
    return std::clamp(at, 0, room - length);
}

} // namespace

QPoint WindowPlacement::childWindow(const QRect &frame, const QSize &visible)
{
    return QPoint(placed(frame.x(), frame.width(), visible.width()),
                  placed(frame.y(), frame.height(), visible.height()));
}

QSize WindowPlacement::scaledFrame(const QSize &page, const QSize &around, const QSize &visible, double smallest,
                                   double largest)
{
    if (page.isEmpty())
        return around;
    const QSize room = visible - around;
    const double scale = std::clamp(std::min(double(room.width()) / page.width(), double(room.height()) / page.height()),
                                    smallest, largest);
    // Rounded down, so a page that fits is not made a pixel too large for its room.
    return QSize(int(page.width() * scale), int(page.height() * scale)) + around;
}

QRect WindowPlacement::firstStart(const QRect &fallback, const QSize &wanted, const QRect &available)
{
    const QSize size = wanted.boundedTo(available.size()).expandedTo(fallback.size());
    if (!available.isValid() || size == fallback.size())
        return fallback;
    const int x = std::max(available.left(), std::min(fallback.x(), available.right() + 1 - size.width()));
    const int y = std::max(available.top(), std::min(fallback.y(), available.bottom() + 1 - size.height()));
    return QRect(QPoint(x, y), size);
}
