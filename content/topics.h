// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The seven built-in topics, in their fixed order: the one place that order is
// written. The index is the row of the exercise bank, the order of a new user's
// list of exercises to do and of the commands of the New menu.
struct Topic
{
    // The name as stored (score records, lists of topics to do, saved
    // exercises), in English whatever the language, and the base of the topic's
    // file names.
    QString name;
    QString statusMessage; // shown (translated) when a new exercise of the topic opens
    // The command that opens an exercise of it ("Number Skills...") and the
    // command's status tip, shown translated as the main window's.
    QString command;
    QString commandTip;
    QString shownStatusMessage() const;
    QString questionFile() const { return QStringLiteral("Exercises/") + name + QStringLiteral(".dat"); }
};

namespace Topics {

constexpr int count = 7;

// The topic of a practice exercise, the questions a child missed brought back:
// kept so in score records and saved exercises, and shown in the program's language.
inline const QString practice = QStringLiteral("Practice");

const Topic &at(int index);
// Index of the topic with exactly this display name, or -1.
int indexOf(const QString &name);
// The seven stored names in topic order.
QStringList names();
// The name shown for a stored topic name: a built-in topic's name, or the
// practice's, in the language of the program, and any other (a template's) as it is.
QString shownName(const QString &stored);
QStringList shownNames(const QStringList &stored);

} // namespace Topics
