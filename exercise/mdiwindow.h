#pragma once

#include "exercise/exercise.h"

#include <QColor>
#include <QMainWindow>
#include <QPixmap>

class QLabel;
class QLCDNumber;
class QLineEdit;
class QPushButton;

// What a theme gives an exercise window when it opens: the three band colours
// and the name that picks the tile and the progress mark.
struct ExerciseLook
{
    QColor first;  // title band
    QColor second; // band along the bottom edge
    QColor third;  // band above it
    QString themeName;
};

// One running exercise in the workspace: a picture-book page of fixed layout
// that shows the exercise's state and forwards the child's input to it.
class MDIWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum class SaveResult { Saved, Cancelled, Failed };

    MDIWindow(QWidget *parent, const QString &topicName, const QString &playerName, int score, int cluesUsed,
              int choicesUsed, int currentQuestion, const QuestionRecords &questions, const ExerciseLook &look);

    const Exercise &exercise() const { return m_exercise; }
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

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    friend class ExercisePage;

    void buildPage();
    void readSettings();
    void showQuestion();
    void complete();
    void saveScore();
    void closeWindow();
    void paintPage(QPainter &painter) const;

    Exercise m_exercise;
    ExerciseLook m_look;
    bool m_wrongAnswerDialog = true;
    QFont m_questionFont;
    QPixmap m_tile;
    QPixmap m_progressMark;

    QWidget *m_page = nullptr;
    QLabel *m_questionLabel = nullptr;
    QLineEdit *m_answerBox = nullptr;
    QLCDNumber *m_questionNumber = nullptr;
    QPushButton *m_clueButton = nullptr;
    QPushButton *m_choiceButton = nullptr;
};
