// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder each kind of file dialog starts in. Families keep their files in
// their own folders, never in the program's data folder, which an installed
// program may not write to.
namespace RecentFolders {

// Kinds of file whose dialogs share one remembered folder.
enum class Kind { Exercises, Templates, Worksheets, Records };

// The store key of a kind: "/folders/exercises", "/folders/templates",
// "/folders/worksheets" (worksheets and progress reports) or "/folders/records"
// (score records exported or imported). The group lies outside those the clear operations
// remove, because a folder is neither a score nor a setting of the exercises.
QString key(Kind kind);

// The user's documents folder, or the home folder where there is none.
QString documentsFolder();

// The folder last used for this kind of file, while it still exists and lies
// outside the data folder; otherwise the documents folder.
QString startFolder(Kind kind, const QString &dataFolder);

// Remembers the folder of a file the user chose; an empty name (a cancelled
// dialog) changes nothing.
void remember(Kind kind, const QString &chosenFile);

} // namespace RecentFolders
