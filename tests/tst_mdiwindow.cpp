// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window: what the child does and what the window then shows, asks and stores.

#include "base/language.h"
#include "base/store/store.h"
#include "content/topics.h"
#include "exercise/ui/mdiwindow.h"
#include "testsupport.h"
#include "users/accounts.h"
#include "users/practice.h"
#include "users/scorebook.h"

#include <QLibrary>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QuestionRecords numbered()
{
    QuestionRecords records;
    for (int q = 0; q < QuestionsPerExercise; ++q)
        records[static_cast<size_t>(q)] = {QStringLiteral("What is %1 + 0?").arg(q + 1), QString::number(q + 1),
                                           QStringLiteral("clue %1").arg(q), QStringLiteral("choice %1").arg(q)};
    return records;
}

const ExerciseLook look{QColor(255, 200, 0), QColor(255, 100, 0), QColor(160, 100, 0), QStringLiteral("Default")};

std::unique_ptr<MDIWindow> window(const QString &player = QStringLiteral("Asha"), int score = 0, int clues = 0,
                                  int choices = 0, int current = 0)
{
    return std::make_unique<MDIWindow>(nullptr, QStringLiteral("Addition"), player, score, clues, choices, current,
                                       numbered(), look);
}

void type(MDIWindow &w, const QString &answer)
{
    w.answerBox()->setText(answer);
    w.validate();
}

void playToTheEnd(MDIWindow &w)
{
    for (int q = w.exercise().currentQuestion(); q < QuestionsPerExercise; ++q)
        type(w, QString::number(q + 1));
}

} // namespace

class TestMDIWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    void wrongAnswerShowsBoxWhenEnabled();
    void rightAnswersPlayTheSetsSounds();
    void soundsNeverWaitOnAStoppedServer();
    void cluesShowTheCurrentClueThenRunOut();
    void readAloudSaysEachStepWhenOn();
    void withoutSpeechTheWindowSaysSoOnce();
    void missedQuestionsAreInTheBoxAtOnce();
    void completionStoresRecordAndToDo();
    void twoWindowsGetConsecutiveRecords();
    void closeQuestion_data();
    void closeQuestion();
    void failedSaveKeepsWindowOpen();
    void answerBoxTakesFiveCharacters();
    void inAnotherLanguageWhatIsStoredStaysEnglish();
};

void TestMDIWindow::wrongAnswerShowsBoxWhenEnabled()
{
    ScriptedPrompts prompts;
    auto w = window();
    type(*w, QStringLiteral("7"));
    QCOMPARE(prompts.count(QStringLiteral("Wrong Answer!")), 1);
    QCOMPARE(prompts.asked.last().text, QStringLiteral("You entered an incorrect answer. Try again!"));
    QCOMPARE(w->exercise().score(), -1);
    QVERIFY(w->answerBox()->text().isEmpty());

    TestSupport::store(Keys::wrongAnswerDialog, false);
    auto quiet = window();
    type(*quiet, QStringLiteral("7"));
    QCOMPARE(prompts.count(QStringLiteral("Wrong Answer!")), 1);
    QCOMPARE(quiet->exercise().score(), -1);
}

void TestMDIWindow::rightAnswersPlayTheSetsSounds()
{
    ScriptedPrompts prompts;
    RecordingSoundPlayer sounds;
    TestSupport::store(Keys::soundSet, QStringLiteral("Music"));
    auto w = window();
    QCOMPARE(MDIWindow::soundSet(), QStringLiteral("music"));
    type(*w, QStringLiteral("1"));
    type(*w, QStringLiteral("2"));
    type(*w, QStringLiteral("0")); // wrong: no sound
    QCOMPARE(sounds.played, (QStringList{QStringLiteral("Sounds/music1.wav"), QStringLiteral("Sounds/music2.wav")}));
    QVERIFY(QFile::exists(sounds.played.first()));
}

// The real player, asked twice for a sound while its sound server takes the
// connection and never answers, as a stopped one does. Had either call waited
// for the server, the client library would have given up and closed the
// connection by the time it returned.
void TestMDIWindow::soundsNeverWaitOnAStoppedServer()
{
    if (!QLibrary(QStringLiteral("pulse"), 0).load() || !QLibrary(QStringLiteral("sndfile"), 1).load())
        QSKIP("the sound server's client library or the sound file reader is not installed");
    QTemporaryDir folder;
    const QByteArray socketPath = QFile::encodeName(folder.filePath(QStringLiteral("native")));
    const int server = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path - 1);
    QVERIFY(bind(server, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
    QVERIFY(listen(server, 4) == 0);
    qputenv("PULSE_SERVER", "unix:" + socketPath);
    qputenv("PULSE_COOKIE", QFile::encodeName(folder.filePath(QStringLiteral("cookie"))));

    const QString sound = QStringLiteral(BRIGHTSUM_SOURCE_DATA "/Sounds/music1.wav");
    SoundPlayer::current().play(sound);
    SoundPlayer::current().play(sound);

    pollfd connecting{server, POLLIN, 0};
    QCOMPARE(poll(&connecting, 1, 10000), 1);
    const int connection = accept(server, nullptr, nullptr);
    pollfd asking{connection, POLLIN, 0};
    QCOMPARE(poll(&asking, 1, 10000), 1);
    char request[4096];
    ssize_t read = 0;
    while ((read = recv(connection, request, sizeof request, MSG_DONTWAIT)) > 0) {}
    const bool stillWaiting = read < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    // The player's thread may read the variables again: they stay set.
    close(connection);
    close(server);
    QVERIFY(stillWaiting);
}

void TestMDIWindow::cluesShowTheCurrentClueThenRunOut()
{
    ScriptedPrompts prompts;
    auto w = window();
    type(*w, QStringLiteral("1"));
    for (int i = 0; i < 4; ++i)
        w->displayClue();
    QCOMPARE(prompts.count(QStringLiteral("Clue")), 3);
    QCOMPARE(prompts.asked.first().text, QStringLiteral("clue 1"));
    QCOMPARE(prompts.count(QStringLiteral("Clues depleted")), 1);
    QCOMPARE(prompts.asked.last().text, QStringLiteral("You have finished using all three clues."));
    QCOMPARE(w->exercise().cluesUsed(), 3);
    QCOMPARE(w->exercise().score(), 2);

    w->displayChoice();
    QCOMPARE(prompts.asked.last().title, QStringLiteral("Choice"));
    QCOMPARE(prompts.asked.last().text, QStringLiteral("choice 1"));
}

// Off for a child who never turned it on; once on, each step is said in order
// and the choice is remembered for the child.
void TestMDIWindow::readAloudSaysEachStepWhenOn()
{
    ScriptedPrompts prompts;
    RecordingSpeaker speaker;
    auto w = window();
    auto *toggle = w->findChild<QPushButton *>(QStringLiteral("readAloud"));
    QVERIFY(toggle && !toggle->isChecked());
    type(*w, QStringLiteral("0"));
    QVERIFY(speaker.said.isEmpty());
    toggle->click();
    w->displayClue();
    w->displayChoice();
    type(*w, QStringLiteral("0"));
    type(*w, QStringLiteral("1"));
    toggle->click();
    QCOMPARE(speaker.said, (QStringList{QStringLiteral("What is one plus zero?"), QStringLiteral("clue zero"),
                                        QStringLiteral("choice zero"), QStringLiteral("Try again."),
                                        QStringLiteral("Correct! What is two plus zero?"), QStringLiteral("(stop)")}));
    QCOMPARE(Store::value(Keys::readAloud(QStringLiteral("Asha"))), QVariant(false));

    toggle->click();
    w.reset();
    speaker.said.clear();
    w = window();
    playToTheEnd(*w);
    QCOMPARE(speaker.said.size(), QuestionsPerExercise + 1);
    QCOMPARE(speaker.said.at(1), QStringLiteral("Correct! What is two plus zero?"));
    QVERIFY2(speaker.said.last().startsWith(QStringLiteral("Congratulations! You have")), qPrintable(speaker.said.last()));
    w.reset();
    QCOMPARE(speaker.said.last(), QStringLiteral("(stop)")); // a window gone says no more
}

// The real speaker, where no speech module lies beside the tests: the window
// says once that reading aloud is not available, and goes on as before.
void TestMDIWindow::withoutSpeechTheWindowSaysSoOnce()
{
    ScriptedPrompts prompts;
    auto w = window();
    auto *toggle = w->findChild<QPushButton *>(QStringLiteral("readAloud"));
    toggle->click();
    const QString notAvailable = QStringLiteral("Reading aloud is not available on this computer.");
    QTRY_COMPARE(w->statusBar()->currentMessage(), notAvailable);
    w->statusBar()->clearMessage();
    toggle->click();
    toggle->click();
    type(*w, QStringLiteral("1"));
    QTest::qWait(200);
    QVERIFY(w->statusBar()->currentMessage() != notAvailable);
    QCOMPARE(w->exercise().score(), 2);
}

void TestMDIWindow::missedQuestionsAreInTheBoxAtOnce()
{
    ScriptedPrompts prompts;
    auto w = window();
    type(*w, QStringLiteral("7")); // wrong, then a clue: one question in the box
    w->displayClue();
    type(*w, QStringLiteral("1"));
    type(*w, QStringLiteral("2")); // right at the first try: not kept
    w->displayChoice();
    // On disk while the window is still open, as written.
    const std::unique_ptr<QSettings> disk = TestSupport::onDisk();
    QCOMPARE(disk->value(Keys::practiceCount(QStringLiteral("Asha"))).toInt(), 2);
    const Practice::Box box = Practice::of(QStringLiteral("Asha"));
    QCOMPARE(box.items.size(), 2);
    QCOMPARE(box.items.at(0).question, numbered().at(0));
    QCOMPARE(box.items.at(1).question, numbered().at(2));
    QCOMPARE(box.items.at(1).origin.topic, QStringLiteral("Addition"));
    QCOMPARE(box.items.at(1).origin.position, 2);
    QVERIFY(!w->exercise().isFinished());
}

void TestMDIWindow::completionStoresRecordAndToDo()
{
    ScriptedPrompts prompts;
    Accounts::signIn(QStringLiteral("Asha"));
    auto w = window(QStringLiteral("Asha"));
    QSignalSpy completed(w.get(), &MDIWindow::exerciseCompleted);
    w->show();
    w->displayClue();
    playToTheEnd(*w);

    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed.first().first().toString(), QStringLiteral("Asha"));
    QCOMPARE(prompts.count(QStringLiteral("Congratulations!")), 1);
    QVERIFY(prompts.asked.last().text.endsWith(QStringLiteral("Number of clues\t\t1\nNumber of choices\t0\nTotal score\t\t40")));
    QCOMPARE(ScoreBook::records().size(), 1);
    const ScoreRecord stored = ScoreBook::records().first();
    QCOMPARE(stored, (ScoreRecord{QStringLiteral("Asha"), QStringLiteral("Addition"), QStringLiteral("1"),
                                  QStringLiteral("0"), QStringLiteral("40"), stored.completed}));
    // Dated to the second, with its offset from UTC, when it was completed.
    QVERIFY2(qAbs(stored.completedAt().secsTo(QDateTime::currentDateTime())) < 60, qPrintable(stored.completed));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d$"))
                 .match(stored.completed)
                 .hasMatch(),
             qPrintable(stored.completed));
    QVERIFY(!Accounts::toDo(QStringLiteral("Asha")).contains(QStringLiteral("Addition")));
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 6);
    QVERIFY(!w->isVisible());
    QCOMPARE(prompts.count(QStringLiteral("Addition")), 0); // no save question on completion

    // Enter after the end changes nothing.
    type(*w, QStringLiteral("1"));
    QCOMPARE(completed.count(), 1);
}

void TestMDIWindow::twoWindowsGetConsecutiveRecords()
{
    ScriptedPrompts prompts;
    auto first = window(QStringLiteral("Asha"));
    auto second = window(QStringLiteral("Ben"));
    playToTheEnd(*second);
    playToTheEnd(*first);
    const QList<ScoreRecord> &records = ScoreBook::records();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0).player, QStringLiteral("Ben"));
    QCOMPARE(records.at(1).player, QStringLiteral("Asha"));
}

void TestMDIWindow::closeQuestion_data()
{
    // What happens before closing: "reopened" opens at question 5, "answer"
    // answers wrongly, "save" saves to a file.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    const QStringList answered{QStringLiteral("answer")};
    QTest::newRow("untouched closes without asking") << QStringList() << QMessageBox::Cancel << false << true;
    QTest::newRow("cancel keeps everything") << answered << QMessageBox::Cancel << true << false;
    QTest::newRow("no closes") << answered << QMessageBox::No << true << true;
    QTest::newRow("yes with the save dialog cancelled closes") << answered << QMessageBox::Yes << true << true;
    QTest::newRow("reopened, untouched: nothing to save")
        << QStringList{QStringLiteral("reopened")} << QMessageBox::Cancel << false << true;
    QTest::newRow("reopened, answered") << QStringList{QStringLiteral("reopened"), QStringLiteral("answer")}
                                        << QMessageBox::Cancel << true << false;
    QTest::newRow("answered, saved: nothing to save")
        << QStringList{QStringLiteral("answer"), QStringLiteral("save")} << QMessageBox::Cancel << false << true;
    QTest::newRow("saved, answered") << QStringList{QStringLiteral("save"), QStringLiteral("answer")}
                                     << QMessageBox::Cancel << true << false;
    QTest::newRow("a practice in French is titled as shown")
        << QStringList{QStringLiteral("french practice"), QStringLiteral("answer")} << QMessageBox::No << true << true;
}

void TestMDIWindow::closeQuestion()
{
    QFETCH(QStringList, steps);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);

    const bool french = steps.contains(QStringLiteral("french practice"));
    Language::setCurrent(french ? QStringLiteral("fr") : QStringLiteral("en"));
    QVERIFY(Language::installTranslators());
    const auto english = qScopeGuard([] {
        Language::setCurrent(QStringLiteral("en"));
        Language::installTranslators();
    });
    const QString title = french ? QStringLiteral("Révision") : QStringLiteral("Addition");
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    auto w = steps.contains(QStringLiteral("reopened")) ? window(QStringLiteral("Asha"), 8, 0, 0, 4)
             : french ? std::make_unique<MDIWindow>(nullptr, Topics::practice, QStringLiteral("Asha"), 0, 0, 0, 0, numbered(), look)
                      : window();
    w->show();
    for (const QString &step : std::as_const(steps)) {
        if (step == QStringLiteral("answer")) {
            prompts.buttons.append(QMessageBox::Ok); // the wrong-answer box
            type(*w, QStringLiteral("9"));
        } else if (step == QStringLiteral("save")) {
            prompts.fileNames = {folder.filePath(QStringLiteral("progress"))};
            QCOMPARE(w->saveExercise(), MDIWindow::SaveResult::Saved);
        }
    }
    const int score = w->exercise().score();
    prompts.buttons = {answer};
    QCOMPARE(w->close(), closed);
    QCOMPARE(prompts.count(title), asked ? 1 : 0);
    if (asked)
        QCOMPARE(prompts.asked.at(prompts.titles().indexOf(title)).text,
                 MDIWindow::tr("Do you want to save your progress in this exercise?"));
    if (!closed)
        QCOMPARE(w->exercise().score(), score);
}

void TestMDIWindow::failedSaveKeepsWindowOpen()
{
    ScriptedPrompts prompts;
    prompts.buttons = {QMessageBox::Ok, QMessageBox::Yes};
    prompts.fileNames = {QStringLiteral("/nonexistent-folder/progress")};
    auto w = window();
    w->show();
    type(*w, QStringLiteral("9"));
    QVERIFY(!w->close());
    QCOMPARE(prompts.asked.last().kind, Prompts::Kind::Warning);
    QVERIFY(prompts.asked.last().text.contains(QStringLiteral("/nonexistent-folder/progress.dat")));

    QTemporaryDir folder;
    prompts.buttons = {QMessageBox::Yes};
    prompts.fileNames = {folder.filePath(QStringLiteral("progress"))};
    QVERIFY(w->close());
    QFile saved(folder.filePath(QStringLiteral("progress.dat")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("Addition\nAsha\n-1\n0\n0\n0\n"));
}

void TestMDIWindow::answerBoxTakesFiveCharacters()
{
    auto w = window();
    w->show();
    QTest::keyClicks(w->answerBox(), QStringLiteral("123456"));
    QCOMPARE(w->answerBox()->text(), QStringLiteral("12345"));
}

// A store and a saved file work whatever language the program is started in.
void TestMDIWindow::inAnotherLanguageWhatIsStoredStaysEnglish()
{
    const PseudoTranslator translator;
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    prompts.buttons = {QMessageBox::Yes};
    prompts.fileNames = {folder.filePath(QStringLiteral("progress"))};
    Accounts::signIn(QStringLiteral("Asha"));
    auto saved = window();
    saved->show();
    QVERIFY(PseudoTranslator::marked(saved->windowTitle()));
    type(*saved, QStringLiteral("1"));
    QVERIFY(saved->close());
    QCOMPARE(TestSupport::readFile(folder.filePath(QStringLiteral("progress.dat"))),
             QByteArray("Addition\nAsha\n2\n0\n0\n1\n"));

    auto completed = window();
    playToTheEnd(*completed);
    Store::waitForPending();
    QCOMPARE(ScoreBook::records().first().topic, QStringLiteral("Addition"));
    QStringList toDo = Topics::names();
    toDo.removeOne(QStringLiteral("Addition"));
    QCOMPARE(TestSupport::onDisk()->value(Keys::toDoList(QStringLiteral("Asha"))).toStringList(), toDo);
}

QTEST_MAIN(TestMDIWindow)
#include "tst_mdiwindow.moc"
