// SPDX-License-Identifier: GPL-3.0-or-later
// What practice costs in a school's store of 50,000 score records where all
// thirty children have a full practice box: composing a practice exercise
// (the box read from the store and the twenty questions chosen), also for a
// child with a few mistakes whose practice is filled with fresh questions;
// and the progress window's practice page, shown on its tab in an open window
// (the table and the map made and painted) and opened with the window, beside
// the window opened as it opens, on its chart of the child's exercises.
// Prints the medians and the machine's load.
//
//   bench_practice [runs]    medians of `runs` repetitions (11 by default)

#include "app/datafolder.h"
#include "base/clock.h"
#include "base/store/store.h"
#include "bench/benchsupport.h"
#include "content/topics.h"
#include "users/practiceset.h"
#include "users/ui/progresswindow.h"

#include <QApplication>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

namespace {

constexpr int Records = 50000;
const QString Few = QStringLiteral("Player3"); // a child with five mistakes

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Every child's box full of questions of every topic and box, some due; one
// child's with five.
bool fillBoxes()
{
    static const StoreChange::Kind Boxes("bench.boxes", [](StoreMap &store, const QVariant &) {
        const QDate today = Clock::today();
        for (int child = 0; child < Bench::Children; ++child) {
            const QString player = QStringLiteral("Player%1").arg(child);
            Practice::Box box;
            const int count = player == Few ? 5 : Practice::MaxQuestions;
            for (int n = 0; n < count; ++n) {
                const int a = 2 + n % 11;
                const int b = 2 + n / 11 % 11;
                const QuestionRecord question{QStringLiteral("What is %1 x %2? (%3)").arg(a).arg(b).arg(n),
                                              QString::number(a * b), QStringLiteral("Count in %1s.").arg(a),
                                              QStringLiteral("%1, %2 or %3").arg(a * b - a).arg(a * b).arg(a * b + a)};
                box.items.append({{Topics::at(n % Topics::count).name, n % QuestionsPerExercise,
                                   Practice::levelAt(n % QuestionsPerExercise), TimesFact::of(a, b)},
                                  question, 1 + n % Practice::Known, today.addDays(n % 9 - 4),
                                  QDateTime(today.addDays(-60), QTime(9, 0)).addSecs(n * 60)});
            }
            for (const PracticeItem &item : std::as_const(box.items)) {
                QList<TimesFact> &facts = item.isKnown() ? box.known : box.practised;
                if (!box.known.contains(item.origin.fact) && !box.practised.contains(item.origin.fact))
                    facts.append(item.origin.fact);
            }
            Practice::write(store, player, box);
        }
    });
    return Store::update({Boxes, {}});
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QApplication application(argc, argv);
    DataFolder::enter(QApplication::applicationDirPath());
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 11;
    QTextStream out(stdout);
    out << "before: " << Bench::machineLoad() << "\n";
    if (!Bench::writeStore(Records) || !fillBoxes())
        qFatal("the store could not be written");
    Store::waitForPending();

    QList<double> full, few, tab, open, chart;
    int due = 0;
    int fresh = 0;
    for (int i = 0; i < runs; ++i) {
        full << milliseconds([&] {
            due = Practice::compose(Practice::of(Bench::player()), Clock::today(), quint32(i), QStringLiteral("en")).due;
        });
        few << milliseconds([&] {
            fresh = Practice::compose(Practice::of(Few), Clock::today(), quint32(i), QStringLiteral("en")).fresh;
        });
        // Each window alone on the screen, as a child opens one.
        for (const bool practice : {true, false}) {
            (practice ? open : chart) << milliseconds([&] {
                ProgressWindow opened(nullptr, Bench::player());
                if (practice)
                    opened.pages()->setCurrentWidget(opened.practicePage());
                opened.resize(900, 700);
                opened.show();
                opened.repaint();
                QCoreApplication::processEvents();
            });
        }
        ProgressWindow window(nullptr, Bench::player());
        window.resize(900, 700);
        window.show();
        QCoreApplication::processEvents();
        tab << milliseconds([&] {
            window.pages()->setCurrentWidget(window.practicePage());
            window.repaint();
        });
    }

    const auto line = [&](const QString &what, const QList<double> &times) {
        out << "  " << what.leftJustified(58) << Bench::figure(Bench::median(times)) << "\n";
    };
    out << "medians of " << runs << " runs, milliseconds; " << Records << " records, " << Bench::Children
        << " children with a full box of " << Practice::MaxQuestions << " questions\n";
    line(QStringLiteral("compose a practice, full box (%1 due):").arg(due), full);
    line(QStringLiteral("compose a practice, 5 mistakes (%1 fresh questions):").arg(fresh), few);
    line(QStringLiteral("show the practice page in an open progress window:"), tab);
    line(QStringLiteral("open the progress window on its practice page:"), open);
    line(QStringLiteral("the same on its chart, as it opens (%1 exercises):").arg(Records / Bench::Children), chart);
    out << "after: " << Bench::machineLoad() << "\n";
    return 0;
}
