// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts an exercise reads aloud (questions, clues, choice lines and its
// messages) as a speech synthesiser should hear them, in the language they are
// read in. Numbers become words, read whole whatever separates their
// thousands ("12,040": twelve thousand and forty); signs become words ("+"
// plus, "-" minus, "x" times, "÷" divided by, "=" equals, "%" percent); a
// missing number ("__", or a "?" standing for one) is asked for ("what");
// fractions are read as fractions ("3/4" three quarters, "1/2" a half, "2 1/2"
// two and a half); markup is read as its text, line breaks and tabs as pauses.
// Whatever symbol is left is dropped, so that no synthesiser names one.
namespace SpokenText {

// `language` is an ISO 639-1 code: "en", "fr" or "es"; any other reads as English.
QString of(const QString &text, const QString &language);

} // namespace SpokenText
