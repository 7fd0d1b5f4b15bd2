// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's data ("Exercises", "Art", "Sounds", "HTM", "Sample") are found by
// relative names, so the folder that holds them becomes the working folder.
namespace DataFolder {

// Where to look, in order: the current folder, the executable's folder, the
// installed share folder (beside the executable's prefix, then the configured
// one) and the "data" link that a build folder holds to the source tree's data.
// The last is a link made by the build rather than a path compiled in, so an
// installed program never depends on the machine it was built on.
QStringList candidates(const QString &currentFolder, const QString &executableFolder);

// Whether a folder holds the whole data set: the seven question files and the
// folders "Art", "Sounds", "HTM" and "Sample". A teacher's documents folder that
// happens to hold an "Exercises" folder of its own is not the program's data.
bool isComplete(const QString &folder);

// The first complete candidate, or an empty text.
QString find(const QStringList &candidates);

// Finds the data folder and makes it the working folder; false when none is found.
bool enter(const QString &executableFolder);

} // namespace DataFolder
