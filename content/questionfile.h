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
constexpr qint64 MaxFileBytes = 256 * 1024;
constexpr int MaxLineLength = 4096;

enum class ReadStatus { Ok, CannotOpen, TooLarge };

// Reads twenty records of five lines. Lines end at LF or CR LF; lines past the
// end of the data read as empty and lines after the hundredth are ignored. The
// text is in the system's 8-bit encoding. Data over MaxFileBytes, or with a
// line over MaxLineLength, is refused as TooLarge and yields empty records.
ReadStatus read(QIODevice &device, QuestionRecords &records);
ReadStatus read(const QString &path, QuestionRecords &records);

// Writes the hundred lines, each ended by a single line feed, the separators empty.
bool write(QIODevice &device, const QuestionRecords &records);

// Index of the first record that a template may not hold (empty question, clue or
// choice, or an answer of 0 or not a number), or -1 when all twenty are sound.
int firstInvalidRecord(const QuestionRecords &records);

// A template's exercise is named after the file: no folder, nothing from the first dot.
QString baseName(const QString &path);

} // namespace QuestionFile
