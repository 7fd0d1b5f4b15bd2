// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/exercise.h"

#include <QString>

// What an exercise takes from the settings store when it opens; changed
// settings reach the exercises opened afterwards.
struct ExerciseSettings
{
    UnitWords words;
    bool wrongAnswerDialog = true;
    QString soundSet;   // in lower case, as the sound files are named
    QString fontFace;   // a font description; a family name alone is one
    int fontSize = 0;   // points; 0 leaves the face's own size

    // The question sizes the options offer reach 72 points; anything far beyond
    // would not fit the page, and a huge one costs memory to draw. A stored size
    // outside these, or no number (a damaged store), reads as 0.
    static constexpr int MinFontSize = 1;
    static constexpr int MaxFontSize = 200;

    static ExerciseSettings stored();

    // Whether the child has exercises read aloud, remembered for each child
    // without waiting. With no one signed in it starts off and is not remembered.
    static bool readsAloud(const QString &player);
    static void rememberReadAloud(const QString &player, bool on);
};
