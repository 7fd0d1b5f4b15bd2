// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The seven built-in topics, in their fixed order. The index is the row of the
// exercise bank and the order of a new user's list of exercises to do.
struct Topic
{
    QString name;          // display name, window title and score-record topic
    QString statusMessage; // shown when a new exercise of the topic opens
    QString questionFile() const { return QStringLiteral("Exercises/") + name + QStringLiteral(".dat"); }
};

namespace Topics {

constexpr int count = 7;

const Topic &at(int index);
// Index of the topic with exactly this display name, or -1.
int indexOf(const QString &name);
// The seven display names in topic order.
QStringList names();

} // namespace Topics
