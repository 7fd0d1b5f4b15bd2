// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud in an exercise window: the time from an answer taken to the
// next question's speech requested (the spoken text made and handed to the
// speaker), and the window's longest event-loop gap while it speaks a whole
// exercise through the real speaker. Prints both and the machine's load.
//
//   bench_readaloud [seconds between answers]    (2 by default)
// Run it where the speech service answers to hear the exercise; without it the
// speaker gives up at the first text and the gap is the window's own.

#include "app/datafolder.h"
#include "base/store/store.h"
#include "base/ui/prompts.h"
#include "base/ui/speaker.h"
#include "benchsupport.h"
#include "exercise/ui/mdiwindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

// Hands every text to the real speaker, noting when it was asked to.
class TimedSpeaker : public Speaker
{
public:
    void say(const QString &text, const QString &language) override
    {
        requestedNs = clock.nsecsElapsed();
        ++texts;
        real.say(text, language);
    }
    void stop() override { real.stop(); }

    Speaker &real = Speaker::current();
    QElapsedTimer clock;
    qint64 requestedNs = 0;
    int texts = 0;
};

// Closes every box at once.
class Answers : public Prompts
{
public:
    QMessageBox::StandardButton message(QWidget *, Kind, const QString &, const QString &,
                                        QMessageBox::StandardButtons) override
    {
        return QMessageBox::Ok;
    }
};

QuestionRecords questions()
{
    QuestionRecords records;
    for (int q = 0; q < QuestionsPerExercise; ++q)
        records[static_cast<size_t>(q)] = {QStringLiteral("Sam has %1 apples and buys 12,040 more. How many apples does "
                                                          "Sam have now? 3/4 + 1/2 = ?")
                                               .arg(q + 1),
                                           QString::number(q + 1), QStringLiteral("Add them."),
                                           QStringLiteral("1, 2, 3 or 4")};
    return records;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QApplication app(argc, argv);
    DataFolder::enter(QApplication::applicationDirPath());
    const int pause = argc > 1 ? QByteArray(argv[1]).toInt() * 1000 : 2000;
    Answers answers;
    Prompts::install(&answers);
    const QString player = QStringLiteral("Maya");
    Store::update(StoreChange::setting(Keys::readAloud(player), true));

    TimedSpeaker speaker;
    Speaker::install(&speaker);
    QTextStream out(stdout);
    out << "Reading aloud a whole exercise, an answer every " << pause << " ms; before: " << Bench::machineLoad()
        << "\n";
    MDIWindow window(nullptr, QStringLiteral("Addition"), player, 0, 0, 0, 0, questions(),
                     {Qt::yellow, Qt::red, Qt::darkRed, QStringLiteral("Default")});
    window.show();
    Heartbeat heartbeat;
    QList<double> requests;
    QList<double> answerings; // the whole answer: the question shown, its picture, the sound and the speech
    QTimer answering;
    int question = 0;
    QObject::connect(&answering, &QTimer::timeout, &app, [&] {
        if (question == QuestionsPerExercise - 1) {
            answering.stop();
            // exit() rather than quit(), which would ask the window whether to save the exercise.
            QTimer::singleShot(pause, &app, [] { QCoreApplication::exit(0); });
            return;
        }
        // From the first answer on: the window has painted, and speaks.
        if (question == 0)
            heartbeat.restart();
        window.answerBox()->setText(QString::number(++question));
        speaker.clock.start();
        window.validate();
        requests << static_cast<double>(speaker.requestedNs) / 1e6;
        answerings << static_cast<double>(speaker.clock.nsecsElapsed()) / 1e6;
    });
    answering.start(pause);
    app.exec();
    out << "texts handed to the speaker: " << speaker.texts << "\n"
        << "answer taken to the next question's speech requested, median of " << requests.size()
        << " (ms): " << Bench::figure(Bench::median(requests)) << ", longest "
        << Bench::figure(*std::max_element(requests.begin(), requests.end())) << " (target under 5)\n"
        << "the whole answer taken, median (ms): " << Bench::figure(Bench::median(answerings)) << ", longest "
        << Bench::figure(*std::max_element(answerings.begin(), answerings.end())) << "\n"
        << "longest event-loop gap while speaking (ms): " << Bench::figure(heartbeat.longestMs())
        << " (target under 50)\nafter: " << Bench::machineLoad() << "\n";
    Speaker::install(nullptr);
    return 0;
}
