// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where windows go, so that what a child needs to see is in view.
namespace WindowPlacement {

// The top left corner of a new child window's frame in the workspace's visible
// area (both in the area's coordinates): kept where the workspace put it when
// the whole frame is in view, moved into view when it fits, and at the area's
// top left corner along a side where it does not fit, so that the start of
// the page shows and the rest is a scroll away.
QPoint childWindow(const QRect &frame, const QSize &visible);

// The main window on a first start: the fallback grown towards the size wanted
// for one exercise page beside the sidebar, as far as the screen's available
// area allows, and moved up and left where the grown window would run off it.
// A screen smaller than the fallback keeps the fallback as it is.
QRect firstStart(const QRect &fallback, const QSize &wanted, const QRect &available);

// A page drawn at any scale (the exercise page), in a frame that adds `around`
// to it: the frame's size when the page is as large as `visible` shows it
// whole, its proportions kept, at a scale from `smallest` to `largest`.
QSize scaledFrame(const QSize &page, const QSize &around, const QSize &visible, double smallest, double largest);

} // namespace WindowPlacement
