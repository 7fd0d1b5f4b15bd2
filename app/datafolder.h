#pragma once

#include <QString>
#include <QStringList>

// The program's data ("Exercises", "Art", "Sounds", "HTM", "Sample") are found by
// relative names, so the folder that holds them becomes the working folder.
namespace DataFolder {

// Where to look, in order: the current folder, the executable's folder, the
// installed share folder (beside the executable's prefix, then the configured
// one) and the source tree's data folder.
QStringList candidates(const QString &currentFolder, const QString &executableFolder);

// The first candidate that holds "Exercises", or an empty text.
QString find(const QStringList &candidates);

// Finds the data folder and makes it the working folder; false when none is found.
bool enter(const QString &executableFolder);

} // namespace DataFolder
