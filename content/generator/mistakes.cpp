// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/mistakes.h"

#include <algorithm>
#include <cstdlib>

int Mistakes::carryForgotten(int a, int b)
{
    int result = 0;
    int place = 1;
    while (a >= 10 || b >= 10) {
        result += (a % 10 + b % 10) % 10 * place;
        a /= 10;
        b /= 10;
        place *= 10;
    }
    return result + (a + b) * place;
}

int Mistakes::smallerFromLarger(int a, int b)
{
    int result = 0;
    int place = 1;
    while (a > 0 || b > 0) {
        result += std::abs(a % 10 - b % 10) * place;
        a /= 10;
        b /= 10;
        place *= 10;
    }
    return result;
}

int Mistakes::digitsSwapped(int n)
{
    const int ones = n % 10;
    const int tens = n / 10 % 10;
    // 40 would become 04, which nobody writes.
    if (n < 10 || (n < 100 && ones == 0))
        return n;
    return n - ones - tens * 10 + ones * 10 + tens;
}

int Mistakes::columnsWritten(int a, int b)
{
    const int ones = a % 10 + b % 10;
    return (a / 10 + b / 10) * (ones >= 10 ? 100 : 10) + ones;
}
