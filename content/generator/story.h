// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/generator/writer.h"

#include <QList>
#include <QString>

// A question told as a little story, fit for numbers within its ranges: all
// of them within low to high, or, when the story gives a second range, {a}
// within the first and {b} within the second.
// In the form, {a}, {b} and {c} stand for the numbers; {n} and {m} for two
// people, with {he}, {He} and {his} for the first; {thing} and {things} for
// something counted, {fruit} and
// {fruits} for fruit, {bake} and {bakes} for something baked.
struct Story
{
    int low;
    int high;
    const char16_t *form;
    int bLow = 0;
    int bHigh = 0;
};

// One of the stories whose ranges hold the numbers, told with them; an
// empty text when none fits.
QString told(Writer &writer, const QList<Story> &stories, const QList<int> &numbers,
             const QList<Thing> &things = Writer::smallThings());
