// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whole numbers as they are said, in English ("twelve thousand and forty"),
// French ("douze mille quarante") or Spanish ("doce mil cuarenta"); any other
// language code reads as English. Numbers of a thousand millions and more are
// said digit by digit, as a code is.
namespace NumberWords {

QString of(qint64 number, const QString &language);
// Digits as a number: "0400" as "four hundred"; too many digits, one by one.
QString ofDigits(const QString &digits, const QString &language);
// The digits after a decimal sign, as a school says them: one by one in
// English ("25": two five), as a number in French and Spanish ("vingt-cinq").
QString ofDecimals(const QString &digits, const QString &language);

} // namespace NumberWords
