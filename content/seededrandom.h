// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QtGlobal>

// A small random number generator whose output depends on its seed alone, on
// every platform and standard library, so that a generated question set can be
// made again from its number. (The standard distributions are free to differ
// between libraries, so none of them is used.)
class SeededRandom
{
public:
    explicit SeededRandom(quint64 seed);

    quint32 next();
    // A number from 0 to count - 1; count must be above 0.
    int below(int count);
    // A number from low to high, both included.
    int between(int low, int high);
    // True in percent cases out of a hundred.
    bool chance(int percent) { return below(100) < percent; }

    template<typename T>
    const T &pick(const QList<T> &items)
    {
        return items.at(below(static_cast<int>(items.size())));
    }

    template<typename T>
    void shuffle(QList<T> &items)
    {
        for (qsizetype i = items.size() - 1; i > 0; --i)
            items.swapItemsAt(i, below(static_cast<int>(i + 1)));
    }

private:
    quint64 m_state = 0;
    quint64 m_increment = 0;
};
