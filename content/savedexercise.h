// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QIODevice;

// Where a half-done exercise stands: six lines of text. The questions are not
// kept; they come again from the topic's question file when the file is opened,
// or, for a practice, from the player's practice box as it is then.
struct SavedExercise
{
    QString topic;
    QString player;
    int score = 0;
    int cluesUsed = 0;
    int choicesUsed = 0;
    int currentQuestion = 0;

    enum class ReadStatus { Ok, CannotOpen, UnknownTopic, OutOfRange, BadPlayer };

    // A saved exercise is six short lines; a read never takes more than
    // LineCount lines of under MaxLineBytes bytes each, whatever the file holds.
    static constexpr int LineCount = 6;
    static constexpr qint64 MaxLineBytes = 4096;
    // The scores an exercise can give, for scores read from files (saved
    // exercises, score records brought from another computer). The most is two
    // points for each of the twenty questions. The rules give no floor, one
    // point off for every wrong answer, so the floor is set below any child's
    // exercise: a hundred thousand wrong answers is a key held down for hours
    // (the wrong-answer box closing and opening again) and then every question
    // answered. A score below it is a mistyped or made-up one.
    static constexpr int MaxScore = 40;
    static constexpr int MinScore = -99999;

    QByteArray toBytes() const;
    // Reads the six lines; missing or non-numeric counters read as 0. The topic
    // and the player are cleaned as names from files are (Names::cleaned).
    // Refuses a first line that is not one of the seven topics or a practice, a score or
    // counters that no running exercise can have, and a player no one could
    // sign in as (the empty player, of an exercise played before anyone signed
    // in, reopens as it was). A line longer than the bound is read in pieces,
    // each taken as the next line.
    ReadStatus read(QIODevice &device);
    ReadStatus read(const QString &path);
};

namespace SavedExercises {
// Saved exercises, like templates, end in ".dat" (a case-sensitive test).
QString withDatSuffix(const QString &fileName);
} // namespace SavedExercises
