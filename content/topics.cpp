// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/topics.h"

#include <array>

namespace {

const std::array<Topic, Topics::count> &table()
{
    static const std::array<Topic, Topics::count> topics{{
        {QStringLiteral("Number Skills"), QStringLiteral("New number skills exercise created")},
        {QStringLiteral("Addition"), QStringLiteral("New addition exercise created")},
        {QStringLiteral("Subtraction"), QStringLiteral("New subtraction exercise created")},
        {QStringLiteral("Multiplication"), QStringLiteral("New multiplication exercise created")},
        {QStringLiteral("Division"), QStringLiteral("New division exercise created")},
        {QStringLiteral("Fractions"), QStringLiteral("New fractions exercise created")},
        {QStringLiteral("Money"), QStringLiteral("New money exercise created")},
    }};
    return topics;
}

} // namespace

const Topic &Topics::at(int index)
{
    return table().at(static_cast<size_t>(index));
}

int Topics::indexOf(const QString &name)
{
    for (int i = 0; i < count; ++i) {
        if (at(i).name == name)
            return i;
    }
    return -1;
}

QStringList Topics::names()
{
    QStringList result;
    for (const Topic &topic : table())
        result << topic.name;
    return result;
}
