// SPDX-License-Identifier: GPL-3.0-or-later
#include "themes.h"

namespace art {

const QList<Theme> &themes()
{
    static const QList<Theme> table{
        {QStringLiteral("Default"), {{255, 200, 0}, {255, 100, 0}, {160, 100, 0}},
         {210, 104, 8}, {226, 124, 22}, Motif::Sun, {255, 204, 0}},
        {QStringLiteral("Earth"), {{140, 200, 40}, {50, 220, 0}, {20, 125, 0}},
         {58, 128, 34}, {74, 146, 44}, Motif::Leaf, {150, 226, 40}},
        {QStringLiteral("Fire"), {{225, 35, 25}, {255, 150, 0}, {0, 0, 0}},
         {196, 48, 22}, {216, 76, 30}, Motif::Flame, {255, 176, 0}},
        {QStringLiteral("Space"), {{90, 90, 90}, {0, 0, 0}, {10, 10, 80}},
         {22, 28, 74}, {48, 56, 112}, Motif::Star, {110, 170, 255}},
        {QStringLiteral("Water"), {{150, 255, 255}, {0, 175, 255}, {0, 115, 255}},
         {18, 104, 196}, {38, 126, 212}, Motif::Wave, {90, 226, 255}},
        {QStringLiteral("Heart"), {{250, 125, 165}, {250, 80, 230}, {150, 0, 250}},
         {176, 52, 136}, {196, 74, 156}, Motif::Heart, {255, 110, 196}},
    };
    return table;
}

} // namespace art
