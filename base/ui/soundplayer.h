// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Plays reward sounds in the background. A machine without sound output, or a
// missing file, plays nothing and never waits.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &file) = 0;

    static SoundPlayer &current();
    // Installs a replacement (not owned); nullptr restores the real player.
    static void install(SoundPlayer *player);
};
