// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/questionfile.h"
#include "content/scoring.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

// The words that take the place of the placeholder characters in question texts:
// "$" the currency, "~" distance, "^" volume and "@" mass.
struct UnitWords
{
    QString currency;
    QString distance;
    QString volume;
    QString mass;

    // "metric" (exactly) gives km, litres and kg; anything else miles, gallons and pounds,
    // each in the user's language.
    static UnitWords from(const QString &currency, const QString &measures);
    // A currency or unit word as stored (in English) in the user's language.
    static QString shown(const QString &word);

    Q_DECLARE_TR_FUNCTIONS(UnitWords)
};

// The words offered for money and measure questions, by the first run and the options.
namespace Localization {
// The currencies, in the order shown; the first is the one preselected.
QStringList currencies();
// The entry of currencies() that a locale's currency is called by ("dollars"
// for US, Canadian or Australian dollars), or an empty text when it is none of them.
QString currencyOf(const QLocale &locale);
// The stored word for a system of measurement: "metric" or "imperial".
QString measures(bool metric);
} // namespace Localization

// Puts the words in place of the placeholders: each placeholder character is
// replaced by its word, at most three times per text, with no space added.
QString substitutePlaceholders(QString text, const UnitWords &words);

// One running exercise: twenty questions walked in order, with its score and
// the clues and choices used so far. It knows nothing of windows.
class Exercise
{
public:
    // The scoring rules, under the name of what applies them.
    static constexpr int MaxClues = Scoring::MaxClues;
    static constexpr int MaxChoices = Scoring::MaxChoices;
    static constexpr int PointsForRightAnswer = Scoring::PointsForRightAnswer;
    static constexpr int PointsForWrongAnswer = Scoring::PointsForWrongAnswer;
    static constexpr int SoundsPerSet = 10;

    enum class Outcome { Wrong, Right, Completed };

    Exercise() = default;
    // Counters that come from outside (a reopened file) are kept within what a
    // running exercise can hold, so the exercise never reads past its questions.
    Exercise(const QString &topicName, const QString &playerName, int score, int cluesUsed, int choicesUsed,
             int currentQuestion, const QuestionRecords &records, const UnitWords &words);

    // Checks the typed text against the current answer; empty or non-numeric text counts as 0.
    Outcome answer(const QString &typed);
    // Uses one of the three clues or choices; false when they are all used.
    bool useClue();
    bool useChoice();

    // The reward sound after a right answer: 1 to 10, then 1 to 10 again.
    int rewardSoundNumber() const;
    bool isUntouched() const { return m_score == 0 && m_cluesUsed == 0 && m_choicesUsed == 0 && m_currentQuestion == 0; }
    bool isFinished() const { return m_currentQuestion >= QuestionsPerExercise; }
    // Whether anything happened since the exercise was last saved to a file,
    // or since it opened: a new exercise and a reopened one start saved.
    bool hasUnsavedProgress() const;
    void markSaved();
    QString completionText() const;

    const QString &topicName() const { return m_topicName; }
    const QString &playerName() const { return m_playerName; }
    int score() const { return m_score; }
    int cluesUsed() const { return m_cluesUsed; }
    int choicesUsed() const { return m_choicesUsed; }
    int currentQuestion() const { return m_currentQuestion; }
    // The question now shown (the last one once the exercise is finished).
    const QuestionRecord &current() const;
    int currentAnswer() const { return current().answerValue(); }
    // The twenty questions, their texts with the placeholders already replaced.
    const QuestionRecords &questions() const { return m_questions; }

private:
    QString m_topicName;
    QString m_playerName;
    int m_score = 0;
    int m_cluesUsed = 0;
    int m_choicesUsed = 0;
    int m_currentQuestion = 0;
    QuestionRecords m_questions{};
    // score, clues, choices and question number when last saved
    std::array<int, 4> m_saved{};
};
