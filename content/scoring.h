// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules every exercise keeps, wherever it runs or is kept: at most three
// clues and three choices, two points for a right answer and one off for a
// wrong one, over twenty questions (QuestionsPerExercise). Exercise applies
// them; saved exercises and score records from other computers are read
// against them.
namespace Scoring {
constexpr int MaxClues = 3;
constexpr int MaxChoices = 3;
constexpr int PointsForRightAnswer = 2;
constexpr int PointsForWrongAnswer = 1;
} // namespace Scoring
