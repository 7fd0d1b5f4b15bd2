// SPDX-License-Identifier: GPL-3.0-or-later
// Completes exercises without a person, as a second program of the same user
// would: storedriver <settings folder> <player> <topic index> <count> [tag]
// With a tag, each exercise is named after it and its number ("A17"), so that
// every record it leaves can be told apart. When the store shares its records
// through a folder, it shares them as the program does, while it plays and once
// more at the end. Exits with 0 when every record was written, 1 when one could
// not be written, 4 when one waits in a journal for the next start, 5 when its
// file in the shared folder could not be written at the end.

#include "base/store/store.h"
#include "base/ui/prompts.h"
#include "base/ui/soundplayer.h"
#include "content/exercisebank.h"
#include "exercise/ui/mdiwindow.h"
#include "users/recordsharing.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSettings>

#include <cstdio>

namespace {

class SilentPrompts : public Prompts
{
public:
    QMessageBox::StandardButton message(QWidget *, Kind, const QString &title, const QString &,
                                        QMessageBox::StandardButtons) override
    {
        if (title == QLatin1String("Score Not Saved"))
            ++notSaved;
        return QMessageBox::Ok;
    }
    int notSaved = 0;
};

class NoSound : public SoundPlayer
{
public:
    void play(const QString &) override {}
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5 && argc != 6)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(argv[1]));
    QApplication application(argc, argv);
    QDir::setCurrent(QStringLiteral(BRIGHTSUM_SOURCE_DATA));
    SilentPrompts prompts;
    Prompts::install(&prompts);
    NoSound silence;
    SoundPlayer::install(&silence);

    // A change that could not be written is what the tests look for: say why.
    Store::setWriteFailureHandler([](const QString &problem) { std::fprintf(stderr, "not written: %s\n", qPrintable(problem)); });
    ExerciseBank bank;
    if (!bank.load().isEmpty())
        return 3;
    const QString player = QString::fromLocal8Bit(argv[2]);
    const int topic = QByteArray(argv[3]).toInt();
    const int count = QByteArray(argv[4]).toInt();
    const QString tag = argc == 6 ? QString::fromLocal8Bit(argv[5]) : QString();
    RecordSharing sharing;
    QObject::connect(&sharing, &RecordSharing::told, [](const QString &message) { std::fprintf(stderr, "%s\n", qPrintable(message)); });
    sharing.restart();
    for (int i = 0; i < count; ++i) {
        const QString name = tag.isEmpty() ? Topics::at(topic).name : tag + QString::number(i);
        MDIWindow window(nullptr, name, player, 0, 0, 0, 0, bank.topic(topic),
                         {Qt::yellow, Qt::red, Qt::darkYellow, QStringLiteral("Default")});
        while (!window.exercise().isFinished()) {
            window.answerBox()->setText(window.exercise().current().answer);
            window.validate();
        }
        // A child takes minutes over an exercise: the record is written by then.
        while (Store::settled() < Store::posted())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const bool shared = RecordSharing::folder().isEmpty() || sharing.finish(Store::LastWaitMs);
    const Store::Finished finished = Store::finish(Store::LastWaitMs);
    Prompts::install(nullptr);
    SoundPlayer::install(nullptr);
    if (prompts.notSaved > 0 || !finished.problem.isEmpty())
        return 1;
    if (finished.kept > 0)
        return 4;
    return shared ? 0 : 5;
}
