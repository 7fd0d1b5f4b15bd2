// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace Geometry {

// A window of this size is the smallest a stored geometry is shrunk to.
constexpr int MinimumSide = 100;

// A stored window geometry as it can be shown on these screens: a size larger
// than all screens together is cut to theirs (a damaged store could ask for
// windows of two thousand million pixels), and a window that would lie on no
// screen at all is moved to `fallback`, on the first screen. A geometry that
// fits is kept exactly as it is.
// The stored values come as plain numbers: any of them may be near the limits
// of an int, where a rectangle's edges could not even be computed.
QRect withinScreens(int x, int y, int width, int height, const QList<QRect> &screens, const QPoint &fallback);

} // namespace Geometry
