// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

class QIODevice;

// Every exercise is twenty fixed questions.
constexpr int QuestionsPerExercise = 20;
// Each question is five lines in a question file: text, answer, clue, choice, separator.
constexpr int LinesPerQuestion = 5;

// One question as it stands in a question file. The answer is kept as the text of
// its line, so that an editor can show and write back whatever the file holds.
struct QuestionRecord
{
    QString text;
    QString answer;
    QString clue;
    QString choice;

    // The answer as the exercise checks it: a line that is empty or not a whole
    // number counts as 0.
    int answerValue() const { return answer.toInt(); }
    bool isEmpty() const { return text.isEmpty() && answer.isEmpty() && clue.isEmpty() && choice.isEmpty(); }
    bool operator==(const QuestionRecord &other) const
    {
        return text == other.text && answer == other.answer && clue == other.clue && choice == other.choice;
    }
};

using QuestionRecords = std::array<QuestionRecord, QuestionsPerExercise>;

namespace QuestionFile {

// A question file holds a hundred short lines; anything far larger is not one.
// Both bounds are in bytes of the file. Every file of a hundred lines within
// the line bound is within the file bound, so whatever the template editor
// lets an adult type, it can read back.
constexpr int MaxLineLength = 4096;
constexpr qint64 MaxFileBytes = 512 * 1024;
static_assert(MaxFileBytes >= QuestionsPerExercise * LinesPerQuestion * (MaxLineLength + 2));

// Whether the text fits on one line of a question file.
bool fitsOnLine(const QString &text);
// The text as one line of a question file: a line break (one pasted into an
// editor's field) becomes a space, so it never splits its record and shifts
// every question after it.
QString asLine(QString text);

enum class ReadStatus { Ok, CannotOpen, TooLarge };

// Reads twenty records of five lines. Lines end at LF or CR LF; lines past the
// end of the data read as empty and lines after the hundredth are ignored. The
// text is in the system's 8-bit encoding. Data over MaxFileBytes, or with a
// line over MaxLineLength, is refused as TooLarge and yields empty records.
ReadStatus read(QIODevice &device, QuestionRecords &records);
ReadStatus read(const QString &path, QuestionRecords &records);

// The hundred lines, each ended by a single line feed, the separators empty.
QByteArray toBytes(const QuestionRecords &records);
bool write(QIODevice &device, const QuestionRecords &records);

// Index of the first record that a template may not hold (empty question, clue or
// choice, or an answer of 0 or not a number), or -1 when all twenty are sound.
int firstInvalidRecord(const QuestionRecords &records);

// Whether records read from a file are twenty questions in words: each sound
// as a template's must be (firstInvalidRecord), and no line holding a byte the
// system's encoding cannot read or a control character other than a tab. A
// damaged file, or one that is not a question file at all, is not.
bool isSound(const QuestionRecords &records);

// A template's exercise is named after the file: no folder, nothing from the first dot.
QString baseName(const QString &path);

} // namespace QuestionFile
