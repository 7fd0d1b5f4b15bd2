// SPDX-License-Identifier: GPL-3.0-or-later
// Costs that grow with the number of stored score records: opening an exercise,
// signing in, completing an exercise and opening everybody's scores.
//
//   bench_records [runs]    prints medians over `runs` repetitions (11 by default)

#include "app/applicationwindow.h"
#include "app/datafolder.h"
#include "app/prompts.h"
#include "content/topics.h"
#include "exercise/mdiwindow.h"
#include "users/accountwindow.h"
#include "users/scorebook.h"
#include "users/sidebar.h"
#include "users/store.h"

#include <QSettings>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

// Answers every question at once, so nothing waits for a person.
class SilentPrompts : public Prompts
{
public:
    QMessageBox::StandardButton message(QWidget *, Kind, const QString &, const QString &,
                                        QMessageBox::StandardButtons) override
    {
        return QMessageBox::No;
    }
    bool exec(QDialog &) override { return false; }
};

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Resident memory of this process in kilobytes, from the kernel's account.
long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void storeRecords(int count)
{
    Store::update([&](StoreMap &store) {
        store.clear();
        store.setValue(Keys::width, 700);
        for (int n = 1; n <= count; ++n) {
            store.setValue(Keys::scoreField(n, 0), QStringLiteral("Player%1").arg(n % 40));
            store.setValue(Keys::scoreField(n, 1), QStringLiteral("Addition"));
            store.setValue(Keys::scoreField(n, 2), QStringLiteral("1"));
            store.setValue(Keys::scoreField(n, 3), QStringLiteral("2"));
            store.setValue(Keys::scoreField(n, 4), QString::number(n % 41));
        }
        store.setValue(Keys::scoreCount, count);
        store.setValue(Keys::accountNames, QStringList{QString(), QStringLiteral("Player7")});
        store.setValue(Keys::toDoList(QStringLiteral("Player7")), Topics::names());
    });
}

void paintNow(QWidget *widget)
{
    widget->repaint();
    QCoreApplication::processEvents();
}

void closeChildren(ApplicationWindow &window)
{
    window.workspace()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

MDIWindow *newestExercise(ApplicationWindow &window)
{
    return qobject_cast<MDIWindow *>(window.workspace()->subWindowList(QMdiArea::CreationOrder).last()->widget());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QApplication application(argc, argv);
    DataFolder::enter(QApplication::applicationDirPath());
    SilentPrompts prompts;
    Prompts::install(&prompts);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 11;

    QTextStream out(stdout);
    out << "medians of " << runs << " runs, milliseconds\n";
    for (const int count : {0, 5000, 50000}) {
        storeRecords(count);
        ApplicationWindow window;
        // A child who has played before picks the name from the list.
        window.accountWindow()->existingUsers()->setCurrentText(QStringLiteral("Player7"));
        QCoreApplication::processEvents(); // the moments the child takes to choose
        const double signIn = milliseconds([&] {
            window.accountWindow()->login();
            paintNow(window.sidebar());
        });

        QList<double> open, complete, scores;
        for (int i = 0; i < runs; ++i) {
            open << milliseconds([&] {
                window.newAddi();
                paintNow(newestExercise(window));
            });
            MDIWindow *exercise = newestExercise(window);
            for (int q = 0; q < QuestionsPerExercise - 1; ++q) {
                exercise->answerBox()->setText(exercise->exercise().current().answer);
                exercise->validate();
            }
            exercise->answerBox()->setText(exercise->exercise().current().answer);
            complete << milliseconds([&] {
                exercise->validate();
                paintNow(window.sidebar());
            });
            closeChildren(window);
        }
        for (int i = 0; i < std::min(runs, 5); ++i) {
            scores << milliseconds([&] {
                window.showScores();
                paintNow(window.workspace()->subWindowList().last());
            });
            closeChildren(window);
        }
        const double storeWrite = milliseconds([] {
            Store::update([](StoreMap &store) {
                store.setValue(QStringLiteral("bench/probe"), QDateTime::currentMSecsSinceEpoch());
            });
        });

        out << "records stored: " << count << "\n"
            << "  open an exercise (bank, window, first paint): " << QString::number(median(open), 'f', 2) << "\n"
            << "  sign in to the user page shown (first):      " << QString::number(signIn, 'f', 2) << "\n"
            << "  complete an exercise to the refreshed page:   " << QString::number(median(complete), 'f', 2) << "\n"
            << "  the store's own write of its file:            " << QString::number(storeWrite, 'f', 2) << "\n"
            << "  open everybody's scores (first paint):        " << QString::number(median(scores), 'f', 2) << "\n";
        out.flush();
        Store::update([](StoreMap &store) { store.setValue(Keys::width, 700); });
    }

    // A long run: a thousand exercises opened, played and completed in one window.
    storeRecords(0);
    {
        ApplicationWindow window;
        auto playOne = [&](int topic) {
            window.command(Topics::at(topic).name + QStringLiteral("..."))->trigger();
            MDIWindow *exercise = newestExercise(window);
            while (!exercise->exercise().isFinished()) {
                exercise->answerBox()->setText(exercise->exercise().current().answer);
                exercise->validate();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        for (int i = 0; i < 50; ++i) // warm up caches first
            playOne(i % Topics::count);
        const long before = residentKilobytes();
        for (int i = 0; i < 1000; ++i)
            playOne(i % Topics::count);
        out << "a thousand exercises in one run: resident memory " << before << " kB before, "
            << residentKilobytes() << " kB after; " << ScoreBook::count() << " records\n";
    }
    Prompts::install(nullptr);
    return 0;
}
