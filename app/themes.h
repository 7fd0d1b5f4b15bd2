// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// A colour theme: a name, its tile "Art/Tiles/<name>.png" and three RGB colours
// (the title band, the bottom band and the band above it).
struct Theme
{
    QString name;
    std::array<int, 9> colours;

    QString tile() const { return QStringLiteral("Art/Tiles/") + name + QStringLiteral(".png"); }
};

// A set of reward sounds: the menu text and the value stored for it.
struct SoundSet
{
    QString menuText;
    QString value;
};

namespace Themes {

constexpr int count = 6;
const std::array<Theme, count> &all();

// Writes the theme's colours and name to the store.
void store(const Theme &theme);
// The stored theme, the Default one's values where keys are absent, unclamped.
Theme stored();

constexpr int soundSetCount = 5;
const std::array<SoundSet, soundSetCount> &soundSets();
void storeSoundSet(const SoundSet &set);
// "Sounds/<set in lower case><n>.wav"
QString soundFile(const QString &storedSet, int number);

} // namespace Themes
