// SPDX-License-Identifier: GPL-3.0-or-later
// The six colour themes: the program's band colours, and the colours this
// generator gives each theme's tile and progress mark.
#pragma once

#include <QColor>
#include <QList>
#include <QString>

namespace art {

enum class Motif { Sun, Leaf, Flame, Star, Wave, Heart };

struct Theme {
    QString name;
    QColor bands[3];   // first, second and third colour of the exercise window
    QColor tile;       // tile ground: dark enough for white bold text on top
    QColor pattern;    // low-contrast motif colour on the tile
    Motif motif;
    QColor accent;     // progress mark
};

const QList<Theme> &themes();

} // namespace art
