// SPDX-License-Identifier: GPL-3.0-or-later
// Checks on the written pictures: every expected file is there, each fits
// the place the exercise window gives it, and white text stays readable on
// every tile. A question picture that writes words has a translated picture
// of the same size in each translation's folder, and no other has one.
#pragma once

#include <QColor>
#include <QString>

namespace art {

// Prints one line per problem on stderr; returns true when there is none.
// Question pictures are checked when exerciseDir exists.
bool checkArt(const QString &artDir, const QString &exerciseDir);

// Contrast ratio (1 to 21) between two colours, as used for readable text.
double contrast(const QColor &a, const QColor &b);

} // namespace art
