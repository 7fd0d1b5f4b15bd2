#pragma once

#include <QString>

class QIODevice;

// Where a half-done exercise stands: six lines of text. The questions are not
// kept; they come again from the topic's question file when the file is opened.
struct SavedExercise
{
    QString topic;
    QString player;
    int score = 0;
    int cluesUsed = 0;
    int choicesUsed = 0;
    int currentQuestion = 0;

    enum class ReadStatus { Ok, CannotOpen, UnknownTopic, OutOfRange };

    bool write(QIODevice &device) const;
    // Reads the six lines; missing or non-numeric counters read as 0. Refuses a
    // first line that is not one of the seven topics, and counters that no
    // running exercise can have.
    ReadStatus read(QIODevice &device);
    ReadStatus read(const QString &path);
};

namespace SavedExercises {
// Saved exercises, like templates, end in ".dat" (a case-sensitive test).
QString withDatSuffix(const QString &fileName);
} // namespace SavedExercises
