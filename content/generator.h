// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/questionfile.h"
#include "content/timesfact.h"

#include <QString>
#include <QStringList>

// Fresh question sets: twenty questions of a topic at a level, from easier to
// harder, written as a template the exercise opens, in English, French or
// Spanish. Every record is valid as a template, its answer fits the answer
// box, its clue shows a way to the answer without giving it, and its choice
// line holds the answer among the mistakes children really make. Money and
// measure questions carry the placeholders.
namespace Generator {

// Levels 1 to 3, for children of about 6 to 7, 8 to 9 and 10 to 11.
constexpr int LevelCount = 3;
// The widest answer the exercise's answer box takes, a minus sign included.
constexpr int AnswerWidth = 5;

// The ages a level suits, as "ages 6 to 7".
QString levelAges(int level);

// The languages it writes in, by their ISO 639-1 codes ("en" first).
QStringList languages();

// A new set number, short enough to note down and give again.
quint32 newSeed();

// The same topic (an index of the topic table), level, seed and language
// always give the same twenty records, on every platform. A language it does
// not write gives English.
QuestionRecords generate(int topic, int level, quint32 seed, const QString &language);
// The same records, each with the times-table fact it asks about, when it asks
// one (a product or a quotient, in words or in a story).
struct Generated
{
    QuestionRecords records;
    std::array<TimesFact, QuestionsPerExercise> facts;
};
Generated generateWithFacts(int topic, int level, quint32 seed, const QString &language);

// What the generator's own checks find wrong with that set, one line per
// question at fault: empty for every set it hands out.
QStringList problems(int topic, int level, quint32 seed, const QString &language);

// The words of a language's stories and things, in lower case.
QStringList storyWords(const QString &language);

} // namespace Generator
