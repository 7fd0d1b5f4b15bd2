// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/ui/mdiwindow.h"

#include "app/themes.h"
#include "base/clock.h"
#include "base/language.h"
#include "base/plaintext.h"
#include "base/safefile.h"
#include "base/store/store.h"
#include "base/ui/prompts.h"
#include "base/ui/richtextpictures.h"
#include "base/ui/soundplayer.h"
#include "base/ui/status.h"
#include "content/savedexercise.h"
#include "content/topics.h"
#include "exercise/exercisesettings.h"
#include "exercise/ui/answerbox.h"
#include "exercise/ui/exercisepage.h"
#include "exercise/ui/readaloud.h"
#include "users/completion.h"

#include <QCloseEvent>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QPushButton>
#include <QStatusBar>

namespace {

QString &sharedSoundSet()
{
    static QString set = Fallback::soundSet.toLower();
    return set;
}

// Pictures drawn at every paint come from the cache after the first time.
QPixmap picture(const QString &path)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap.load(path);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

// Every new description reaches a screen reader as a change of the control,
// so one that stays the same is not set again.
void describe(QWidget *widget, const QString &description)
{
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

QString cluesLeft(int count)
{
    if (count == 0)
        return MDIWindow::tr("No clues left");
    return count == 1 ? MDIWindow::tr("1 clue left") : MDIWindow::tr("%1 clues left").arg(count);
}

QString choicesLeft(int count)
{
    if (count == 0)
        return MDIWindow::tr("No choices left");
    return count == 1 ? MDIWindow::tr("1 choice left") : MDIWindow::tr("%1 choices left").arg(count);
}

} // namespace

MDIWindow::MDIWindow(QWidget *parent, const QString &topicName, const QString &playerName, int score,
                     int cluesUsed, int choicesUsed, int currentQuestion, const QuestionRecords &questions,
                     const ExerciseLook &look)
    : QMainWindow(parent)
    , m_look(look)
{
    const UnitWords words = readSettings();
    m_exercise = Exercise(topicName, playerName, score, cluesUsed, choicesUsed, currentQuestion, questions, words);
    m_practice = PracticeLog(playerName, topicName, questions);

    setWindowTitle(PlainText::windowTitle(Topics::shownName(topicName)));
    // A template's exercise without an icon of its own shows the program's.
    const QPixmap icon(QStringLiteral("Art/Icons/") + topicName + QStringLiteral("Icon.png"));
    setWindowIcon(icon.isNull() ? QPixmap(QStringLiteral("Art/Icons/main.png")) : icon);
    buildPage();
    statusBar()->showMessage(tr("Welcome!"), StatusTimeout);
    showQuestion();
    m_readAloud->ask(m_exercise.current().text);
}

void MDIWindow::setQuestionOrigins(const std::array<PracticeOrigin, QuestionsPerExercise> &origins)
{
    m_practice.setOrigins(origins);
    m_page->update();
}

void MDIWindow::readOptions()
{
    readSettings();
    static_cast<ExercisePage *>(m_page)->setLayoutFont(m_questionLabel, m_questionFont);
}

QString MDIWindow::soundSet()
{
    return sharedSoundSet();
}

UnitWords MDIWindow::readSettings()
{
    const ExerciseSettings settings = ExerciseSettings::stored();
    m_wrongAnswerDialog = settings.wrongAnswerDialog;
    sharedSoundSet() = settings.soundSet;
    m_questionFont.fromString(settings.fontFace);
    if (settings.fontSize > 0)
        m_questionFont.setPointSize(settings.fontSize);
    return settings.words;
}

void MDIWindow::buildPage()
{
    m_tile.load(QStringLiteral("Art/Tiles/") + m_look.themeName + QStringLiteral(".png"));
    m_progressMark.load(QStringLiteral("Art/Circle/") + m_look.themeName + QStringLiteral(".png"));

    auto *page = new ExercisePage(this);
    m_page = page;
    m_page->setAccessibleName(tr("%1 exercise").arg(Topics::shownName(m_exercise.topicName())));
    setCentralWidget(m_page);

    m_questionLabel = new QLabel(m_page);
    m_questionLabel->setWordWrap(true);
    m_questionLabel->setAlignment(Qt::AlignJustify);
    m_questionLabel->setTextFormat(Qt::AutoText);
    m_questionLabel->setFont(m_questionFont);
    page->place(m_questionLabel, QRect(20, 70, 340, 150));
    m_questionLabel->setAccessibleName(tr("Question"));

    m_answerBox = new AnswerBox(m_page);
    page->place(m_answerBox, QRect(310, 225, 40, 20));
    m_answerBox->setToolTip(tr("Type a whole number and press Enter"));
    connect(m_answerBox, &QLineEdit::returnPressed, this, &MDIWindow::validate);

    // Two filled digits in the title band's corner, big enough for a child to read.
    m_questionNumber = new QLCDNumber(2, m_page);
    page->place(m_questionNumber, QRect(535, 10, 40, 50));
    m_questionNumber->setSegmentStyle(QLCDNumber::Filled);
    m_questionNumber->setFrameShape(QFrame::NoFrame);
    m_questionNumber->setAccessibleName(tr("Question number"));

    // Lies over the two painted score digits without painting anything itself.
    m_scoreDisplay = new QLabel(m_page);
    page->place(m_scoreDisplay, QRect(380, 260, 190, 68));
    m_scoreDisplay->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_scoreDisplay->setAccessibleName(tr("Score"));

    m_clueButton = new QPushButton(tr("Clue"), m_page);
    page->place(m_clueButton, QRect(30, 275, 100, 20));
    connect(m_clueButton, &QPushButton::clicked, this, &MDIWindow::displayClue);

    m_choiceButton = new QPushButton(tr("Choice"), m_page);
    page->place(m_choiceButton, QRect(30, 325, 100, 20));
    connect(m_choiceButton, &QPushButton::clicked, this, &MDIWindow::displayChoice);

    // On the band below the score, where every theme leaves room.
    m_readAloud = new ReadAloud(this, m_page, m_exercise.playerName());
    m_readAloud->toggle()->setGeometry(380, 338, 200, 26);

    setTabOrder(m_answerBox, m_clueButton);
    setTabOrder(m_clueButton, m_choiceButton);
    setTabOrder(m_choiceButton, m_readAloud->toggle());
    // Whenever the window takes the focus, the child can type an answer at once.
    setFocusProxy(m_answerBox);
    m_page->setFocusProxy(m_answerBox);
    m_answerBox->setFocus();
}

void MDIWindow::paintPage(QPainter &painter) const
{
    painter.fillRect(0, 0, 600, 70, m_look.first);
    painter.fillRect(0, 370, 600, 30, m_look.second);
    painter.fillRect(0, 330, 600, 40, m_look.third);

    painter.setPen(Qt::black);
    painter.setFont(QFont(QStringLiteral("Arial"), 22, QFont::Normal));
    painter.drawText(QPoint(10, 60), Topics::shownName(m_exercise.topicName()));

    if (!m_tile.isNull())
        painter.drawTiledPixmap(QRect(20, 220, 340, 140), m_tile);

    // White on a mid-tone tile is too faint to read; a dark rim keeps it clear on every theme.
    QPainterPath prompt;
    prompt.addText(QPointF(30, 240), QFont(QStringLiteral("Arial"), 13, QFont::Bold), tr("Your Answer (hit enter):"));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(prompt, QPen(QColor(0, 0, 0, 170), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(prompt, Qt::white);
    painter.restore();

    if (!m_progressMark.isNull()) {
        for (int i = 0; i < m_exercise.cluesUsed(); ++i)
            painter.drawPixmap(200 + 50 * i, 260, m_progressMark);
        for (int i = 0; i < m_exercise.choicesUsed(); ++i)
            painter.drawPixmap(200 + 50 * i, 310, m_progressMark);
    }

    // A question brought back to practise shows its picture from where it was missed.
    const PracticeOrigin &origin = m_practice.origin(m_exercise.currentQuestion());
    if (origin.position >= 0)
        painter.drawPixmap(380, 70,
                           picture(Language::localized(QStringLiteral("Art/Images/") + origin.topic + QLatin1Char('_')
                                                       + QString::number(origin.position) + QStringLiteral(".png"))));

    const int score = m_exercise.score();
    const int tens = score > 0 ? score / 10 : 0;
    const int ones = score > 0 ? score % 10 : 0;
    auto digit = [](int value) { return picture(QStringLiteral("Art/Score/%1.png").arg(value)); };
    painter.drawPixmap(380, 260, digit(tens));
    painter.drawPixmap(480, 260, digit(ones));
}

void MDIWindow::showQuestion(const QString &happened)
{
    m_page->update();
    m_questionNumber->display(m_exercise.currentQuestion() + 1);
    // A template's question may be rich text; the pictures it names are read
    // only from files.
    m_questionLabel->setText(RichTextPictures::guarded(m_exercise.current().text));
    describeState(happened);
}

void MDIWindow::describeState(const QString &happened)
{
    const QString question =
        tr("Question %1 of %2").arg(m_exercise.currentQuestion() + 1).arg(QuestionsPerExercise);
    const QString score = tr("Score: %1").arg(m_exercise.score());
    const QString clues = cluesLeft(Exercise::MaxClues - m_exercise.cluesUsed());
    const QString choices = choicesLeft(Exercise::MaxChoices - m_exercise.choicesUsed());

    // The label's name says what it is; its description carries the question itself.
    describe(m_questionLabel, m_exercise.current().text);
    describe(m_questionNumber, question);
    describe(m_scoreDisplay, score);
    describe(m_clueButton, clues);
    describe(m_choiceButton, choices);
    describe(m_page, tr("%1. %2. %3. %4.").arg(question, score, clues, choices));
    const QString asked = tr("%1: %2").arg(question, m_exercise.current().text);
    describe(m_answerBox, happened.isEmpty() ? asked : happened + QLatin1Char(' ') + asked);
}

void MDIWindow::displayClue()
{
    showHint(m_exercise.cluesUsed() < Exercise::MaxClues,
             {tr("Clue displayed"), tr("Clue"), tr("Clues depleted"), tr("You have finished using all three clues.")},
             m_exercise.current().clue, [this] {
                 m_practice.missed(m_exercise.currentQuestion());
                 m_exercise.useClue();
                 return cluesLeft(Exercise::MaxClues - m_exercise.cluesUsed());
             });
}

void MDIWindow::displayChoice()
{
    showHint(m_exercise.choicesUsed() < Exercise::MaxChoices,
             {tr("Choice displayed"), tr("Choice"), tr("Choices depleted"),
              tr("You have finished using all three choices.")},
             m_exercise.current().choice, [this] {
                 m_practice.missed(m_exercise.currentQuestion());
                 m_exercise.useChoice();
                 return choicesLeft(Exercise::MaxChoices - m_exercise.choicesUsed());
             });
}

void MDIWindow::showHint(bool available, const HintTexts &texts, const QString &hint,
                         const std::function<QString()> &use)
{
    QString happened = texts.depleted;
    m_readAloud->tell(available ? hint : texts.depletedText);
    if (!available) {
        statusBar()->showMessage(texts.depleted, StatusTimeout);
        Ask::warning(this, texts.depleted, texts.depletedText);
    } else {
        statusBar()->showMessage(texts.shown, StatusTimeout);
        Ask::information(this, texts.title, hint);
        // Counted once the box is closed: the mark appears as the child goes on.
        happened = use();
    }
    showQuestion(happened + QLatin1Char('.'));
    // Whatever was pressed, the child goes on by typing the answer.
    m_answerBox->setFocus();
}

void MDIWindow::validate()
{
    if (m_exercise.isFinished())
        return;
    const int question = m_exercise.currentQuestion();
    const Exercise::Outcome outcome = m_exercise.answer(m_answerBox->text());
    m_answerBox->clear();
    // In the child's practice box at once, before any box is shown.
    if (outcome == Exercise::Outcome::Wrong)
        m_practice.missed(question);
    else
        m_practice.answeredRight(question);
    if (outcome == Exercise::Outcome::Wrong) {
        statusBar()->showMessage(tr("Wrong answer"), StatusTimeout);
        m_readAloud->tell(tr("Try again."));
        if (m_wrongAnswerDialog)
            Ask::critical(this, tr("Wrong Answer!"), tr("You entered an incorrect answer. Try again!"));
        showQuestion(tr("Wrong answer. Score: %1.").arg(m_exercise.score()));
        return;
    }
    SoundPlayer::current().play(Themes::soundFile(soundSet(), m_exercise.rewardSoundNumber()));
    if (outcome == Exercise::Outcome::Completed) {
        complete();
        return;
    }
    statusBar()->showMessage(tr("Correct answer!"), StatusTimeout);
    showQuestion(tr("Correct answer! Score: %1.").arg(m_exercise.score()));
    m_readAloud->ask(m_exercise.current().text, tr("Correct!"));
}

void MDIWindow::complete()
{
    // Recorded as the last answer is taken, before the box: a computer switched
    // off while the box shows keeps the exercise, completed when it was.
    saveScore();
    m_readAloud->tell(tr("Congratulations!") + QLatin1Char('\n') + m_exercise.completionText());
    Ask::information(this, tr("Congratulations!"), m_exercise.completionText());
    Q_EMIT exerciseCompleted(m_exercise.playerName());
    closeWindow();
}

void MDIWindow::saveScore()
{
    // The record and the shortened to-do list are written together, while the
    // child goes on; the sidebar shows both at once. The window has closed by
    // the time a failure is known, so it is told over the window's workspace.
    const QPointer<QWidget> over = window();
    Completion::save(m_exercise, Clock::now(), [over](bool written) {
        if (!written)
            Ask::warning(over, tr("Score Not Saved"), tr("Your score could not be saved on this computer."));
    });
}

void MDIWindow::closeWindow()
{
    // Inside the workspace the frame closes, and with it this window.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

MDIWindow::SaveResult MDIWindow::saveExercise()
{
    const QString chosen = Ask::saveFile(this, RecentFolders::Kind::Exercises, tr("Save Exercise Dialog"),
                                         tr("Brightsum Saved Exercises (*.dat)"));
    if (chosen.isEmpty())
        return SaveResult::Cancelled;
    const QString fileName = SavedExercises::withDatSuffix(chosen);

    const SavedExercise saved{m_exercise.topicName(), m_exercise.playerName(), m_exercise.score(),
                              m_exercise.cluesUsed(), m_exercise.choicesUsed(), m_exercise.currentQuestion()};
    const QString problem = SafeFile::replace(fileName, saved.toBytes());
    if (!problem.isEmpty()) {
        Ask::warning(this, tr("Exercise Not Saved"),
                     tr("The exercise could not be saved to \"%1\": %2").arg(fileName, problem));
        return SaveResult::Failed;
    }
    m_exercise.markSaved();
    statusBar()->showMessage(tr("Saved exercise to hard disk"), StatusTimeout);
    return SaveResult::Saved;
}

void MDIWindow::closeEvent(QCloseEvent *event)
{
    // Nothing to lose: finished, untouched, or as it was last saved.
    if (m_exercise.isFinished() || !m_exercise.hasUnsavedProgress()) {
        event->accept();
        return;
    }
    // Titled with the topic's name as the window shows it ("Practice" is stored, not shown).
    const QMessageBox::StandardButton answer = Ask::yesNoCancel(
        this, Topics::shownName(m_exercise.topicName()), tr("Do you want to save your progress in this exercise?"));
    event->setAccepted(Ask::mayCloseAfter(answer, [this] { return saveExercise() == SaveResult::Failed; }));
}
