// SPDX-License-Identifier: GPL-3.0-or-later
// One entry point per family of pictures. Each writes its files under the
// given Art folder and returns false if any file could not be written.
#pragma once

#include "questions.h"

#include <QImage>
#include <QString>

namespace art {

bool makeIcons(const QString &artDir);
bool makeTiles(const QString &artDir);
bool makeMarks(const QString &artDir);
bool makeDigits(const QString &artDir);
bool makeLogos(const QString &artDir);
// Question pictures for every topic whose question file exists: the English
// ones in Images/, and in Images/<folder>/ those of a translation that
// write words (the program falls back to Images/ for the others).
bool makeQuestionPictures(const QString &artDir, const QString &exerciseDir);
QImage questionPicture(const Scene &scene);

struct Translation {
    Language language;
    QString folder; // under Images/
};
QList<Translation> translations();
// Whether two pictures look the same: the font hinter may move a glyph's
// edge by a fraction of a pixel, which is not a difference.
bool looksAlike(const QImage &a, const QImage &b);
// Whether the scene's picture writes words, so that each translation has
// a picture of its own.
bool writesWords(const Scene &scene);

// The stretch of number line drawn for a hop from start to end: ticks every
// tickStep from lo to hi, labels on multiples of labelStep (0: no labels).
// Unless the landing place is given in the question, it is never a
// multiple of labelStep.
struct LineScale {
    int lo, hi, tickStep, labelStep;
};
LineScale hopScale(int start, int end, bool landingKnown);

// Mock-ups of the 600 x 400 exercise window, one per theme, painted from the
// pictures in artDir, for looking at how the pieces work together.
bool makeMocks(const QString &artDir, const QString &exerciseDir, const QString &outDir);

} // namespace art
