// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/scorebook.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// Score records as a CSV file (RFC 4180) that a spreadsheet opens and another
// computer's Brightsum reads back: a header row, then one row of name, topic,
// clues, choices, score and completion time per record, in UTF-8, with CR LF
// line ends and fields quoted where they hold a comma, a quote or a line break.
//
// A field that a spreadsheet would take for a formula ("=...", "+...", "-...",
// "@...", a tab or carriage return first) is written after an apostrophe, which
// spreadsheets show as text; reading takes the apostrophe off again. A whole
// number such as "-4" is left as it is: a spreadsheet reads it as a number.
namespace ScoreCsv {

inline const QString Header = QStringLiteral("name,topic,clues,choices,score,completed");
constexpr int Columns = 6;

// Bounds of what is read: a school's years of records fit with room to spare,
// and nothing beyond them is ever held in memory or walked.
constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;
constexpr int MaxRecords = 500000;
constexpr int MaxFieldLength = 256;

QByteArray write(const QList<ScoreRecord> &records);

struct Result
{
    QList<ScoreRecord> records;
    int line = 0;    // the line of the file at fault, counted from 1; 0 when all is well
    QString problem; // what is wrong there, or an empty text
    bool ok() const { return problem.isEmpty(); }
};

// Reads a whole file, or tells the first line at fault: a file that is not
// such a CSV gives no records at all. Numbers and dates are checked (counts of
// clues and choices an exercise can have, a score from SavedExercise::MinScore
// to MaxScore, names that can sign in) and kept in the form the program writes
// them; names and topics are cleaned as a typed name is (Names::cleaned).
Result read(const QByteArray &bytes);
// Reads at most MaxFileBytes from the device.
Result read(QIODevice &device);

} // namespace ScoreCsv
