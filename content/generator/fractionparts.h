// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/generator/draft.h"

// The fractions questions about parts of a whole: percentages that are
// simple fractions, wholes and fractions counted in pieces, and what is left
// when two parts are taken.
namespace FractionParts {

// A fraction as a question writes it: "3/4".
inline QString f(int top, int bottom)
{
    return QStringLiteral("%1/%2").arg(top).arg(bottom);
}

Draft percent(Writer &w);
// "3 3/4 = __/4", "2/9 + 5/9 = __/9", "1 - 3/10 = __/10".
Draft pieceCount(Writer &w);
// Two parts taken from one amount: what is left.
Draft neither(Writer &w);

} // namespace FractionParts
