// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/seededrandom.h"

namespace {

// Spreads the bits of a seed, so that neighbouring seeds start far apart.
quint64 splitMix(quint64 &value)
{
    value += 0x9E3779B97F4A7C15ULL;
    quint64 z = value;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

// A permuted congruential generator (32-bit output, 64-bit state).
SeededRandom::SeededRandom(quint64 seed)
{
    m_state = splitMix(seed);
    m_increment = splitMix(seed) | 1u;
    next();
}

quint32 SeededRandom::next()
{
    const quint64 old = m_state;
    m_state = old * 6364136223846793005ULL + m_increment;
    const auto shifted = static_cast<quint32>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<quint32>(old >> 59u);
    return (shifted >> rotation) | (shifted << ((32u - rotation) & 31u));
}

int SeededRandom::below(int count)
{
    Q_ASSERT(count > 0);
    const auto range = static_cast<quint32>(count);
    // Draws that fall in the short last stretch are thrown back, so every value is equally likely.
    const quint32 threshold = (0u - range) % range;
    quint32 value = next();
    while (value < threshold)
        value = next();
    return static_cast<int>(value % range);
}

int SeededRandom::between(int low, int high)
{
    Q_ASSERT(low <= high);
    return low + below(high - low + 1);
}
