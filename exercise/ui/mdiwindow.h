// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/exercise.h"
#include "users/practicelog.h"

#include <QColor>
#include <QMainWindow>
#include <QPixmap>

#include <functional>

class QLabel;
class QLCDNumber;
class QLineEdit;
class QPushButton;
class ReadAloud;

// What a theme gives an exercise window when it opens: the three band colours
// and the name that picks the tile and the progress mark.
struct ExerciseLook
{
    QColor first;  // title band
    QColor second; // band along the bottom edge
    QColor third;  // band above it
    QString themeName;
};

// One running exercise in the workspace: a picture-book page of fixed layout,
// drawn at the size of its window, that shows the exercise's state and
// forwards the child's input to it.
class MDIWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum class SaveResult { Saved, Cancelled, Failed };
    // The painted page's layout; the window's status bar lies below it. The
    // page is drawn at the scale its window gives it, down to the smallest.
    static constexpr QSize PageSize{600, 400};
    static constexpr double SmallestScale = 0.6;

    MDIWindow(QWidget *parent, const QString &topicName, const QString &playerName, int score, int cluesUsed,
              int choicesUsed, int currentQuestion, const QuestionRecords &questions, const ExerciseLook &look);

    const Exercise &exercise() const { return m_exercise; }
    // A practice: where each question comes from, for its picture and for the
    // practice box (by default each is the topic's own question at its place).
    void setQuestionOrigins(const std::array<PracticeOrigin, QuestionsPerExercise> &origins);
    // The sound set read by the newest exercise window, in lower case; it applies to all of them.
    static QString soundSet();

    // The painted page, for tests and screenshots.
    QWidget *page() const { return m_page; }
    QLineEdit *answerBox() const { return m_answerBox; }

Q_SIGNALS:
    void exerciseCompleted(const QString &playerName);

public Q_SLOTS:
    SaveResult saveExercise();
    void printExercise();
    void worksheetExport();
    void displayClue();
    void displayChoice();
    void validate();
    // Takes the options as they are stored now: the question font, and whether
    // a wrong answer is told in a box.
    void readOptions();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    friend class ExercisePage;

    void buildPage();
    // Takes the settings of a new exercise; the words go to the exercise itself.
    UnitWords readSettings();
    // Shows the current question; what just happened, if anything, is told with it.
    void showQuestion(const QString &happened = QString());
    struct HintTexts
    {
        QString shown;        // status message
        QString title;        // box title
        QString depleted;     // status message and box title once all three are used
        QString depletedText; // box text then
    };
    // Shows a clue or a choice, or says that all three are used; use() counts
    // one and tells how many are left.
    void showHint(bool available, const HintTexts &texts, const QString &hint, const std::function<QString()> &use);
    // Tells assistive technology what the page paints, and that it changed; the
    // answer box, which has the focus, tells what just happened and the question.
    void describeState(const QString &happened = QString());
    void complete();
    // Saves the completion (Completion::save); a failure is told once it is known.
    void saveScore();
    void closeWindow();
    void paintPage(QPainter &painter) const;

    Exercise m_exercise;
    PracticeLog m_practice;
    ExerciseLook m_look;
    bool m_wrongAnswerDialog = true;
    QFont m_questionFont;
    QPixmap m_tile;
    QPixmap m_progressMark;

    QWidget *m_page = nullptr;
    QLabel *m_questionLabel = nullptr;
    QLineEdit *m_answerBox = nullptr;
    QLCDNumber *m_questionNumber = nullptr;
    QLabel *m_scoreDisplay = nullptr; // paints nothing: it names the score digits
    QPushButton *m_clueButton = nullptr;
    QPushButton *m_choiceButton = nullptr;
    ReadAloud *m_readAloud = nullptr;
};
