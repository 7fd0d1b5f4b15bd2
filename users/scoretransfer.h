// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/scorebook.h"

#include <QString>

// Score records out to a CSV file and in from one made on another computer.
namespace ScoreTransfer {

// CSV files end in ".csv" (in any letter case); any other name gets ".csv" appended.
QString withCsvSuffix(const QString &fileName);

// Writes the records to the file whole, or leaves an earlier file as it was.
// Returns why it failed, or an empty text.
QString exportTo(const QString &fileName, const QList<ScoreRecord> &records);

struct Imported
{
    int added = 0;
    int skipped = 0;
    int line = 0;    // the line at fault in a refused file
    QString problem; // why nothing was added, or an empty text
};

// Appends the file's records that the store does not hold yet, after the
// stored ones, and gives every name in the file an account as signing in
// would, all in one change of the store: a refused file, or a store that
// cannot be written, adds nothing.
Imported importFrom(const QString &fileName);

} // namespace ScoreTransfer
