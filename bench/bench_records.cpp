// SPDX-License-Identifier: GPL-3.0-or-later
// What a school's score records cost the child, with 0, 5,000 and 50,000
// records stored: signing in (also at once, while the records are still being
// read) and completing an exercise, each to the sidebar's page painted anew,
// and the longest time the window's event loop went without handling events
// meanwhile (until the store has written what they changed);
// opening an exercise and everybody's scores.
//
//   xvfb-run -a build/bench/bench_records [runs]    medians of `runs` repetitions (11 by default)
//   bench_records --long                            also a thousand exercises in one run, for memory
//
// Without an X server it runs offscreen, which leaves out the X server's part.

#include "app/datafolder.h"
#include "app/ui/applicationwindow.h"
#include "base/store/store.h"
#include "base/ui/prompts.h"
#include "bench/benchsupport.h"
#include "content/topics.h"
#include "exercise/ui/mdiwindow.h"
#include "users/scorebook.h"
#include "users/ui/accountwindow.h"
#include "users/ui/sidebar.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <memory>

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

// Notes when a widget inside `area` is first painted once `shown` holds; the
// paint pass, flush included, is over when the event loop comes round again.
class PaintWatch : public QObject
{
public:
    PaintWatch(QWidget *area, std::function<bool()> shown)
        : m_area(area)
        , m_shown(std::move(shown))
    {
        qApp->installEventFilter(this);
        m_clock.start();
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (m_painted < 0 && !m_pending && event->type() == QEvent::Paint && object->isWidgetType()
            && (object == m_area || m_area->isAncestorOf(static_cast<QWidget *>(object))) && m_shown()) {
            m_pending = true;
            QTimer::singleShot(0, this, [this] { m_painted = static_cast<double>(m_clock.nsecsElapsed()) / 1e6; });
        }
        return false;
    }
    // Milliseconds from the watch's making to the paint, or -1 before it.
    double painted() const { return m_painted; }

private:
    QWidget *m_area;
    std::function<bool()> m_shown;
    QElapsedTimer m_clock;
    bool m_pending = false;
    double m_painted = -1;
};

void runFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void runUntil(const std::function<bool()> &condition, int limitMs = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

struct Cost
{
    double toPage = 0; // ms from the act to the page painted anew
    double gap = 0;    // the event loop's longest gap from the act until the store is idle again
};

// Does `act` from the event loop, as a click would, and waits for the sidebar's
// page painted showing `shown`, then for the store to write what changed.
Cost measure(Heartbeat &heartbeat, Sidebar *sidebar, const std::function<void()> &act,
             const std::function<bool()> &shown)
{
    std::unique_ptr<PaintWatch> watch;
    QTimer::singleShot(0, [&] {
        heartbeat.restart();
        watch = std::make_unique<PaintWatch>(sidebar, shown);
        act();
    });
    runUntil([&] { return watch && watch->painted() >= 0; });
    Store::waitForPending();
    runFor(300); // and whatever the written change brings about
    return {watch ? watch->painted() : -1, heartbeat.longestMs()};
}

MDIWindow *newestExercise(ApplicationWindow &window)
{
    return qobject_cast<MDIWindow *>(window.workspace()->subWindowList(QMdiArea::CreationOrder).last()->widget());
}

double paintedWithin(const std::function<void()> &work, const std::function<QWidget *()> &shown)
{
    QElapsedTimer clock;
    clock.start();
    work();
    shown()->repaint();
    QCoreApplication::processEvents();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void closeChildren(ApplicationWindow &window)
{
    window.workspace()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString statistics(Sidebar *sidebar)
{
    QStringList lines;
    for (int i = 0; i < sidebar->statisticsList()->count(); ++i)
        lines.append(sidebar->statisticsList()->item(i)->text());
    return lines.join(QLatin1Char('|'));
}

struct Figures
{
    double signInGap = 0;
    double completion = 0;
    double completionGap = 0;
};

Figures measureCount(QTextStream &out, Heartbeat &heartbeat, int count, int runs)
{
    Bench::writeStore(count);
    Store::reopen();
    ApplicationWindow window;
    Sidebar *sidebar = window.sidebar();
    const auto signInAs = [&](const QString &name) {
        window.accountWindow()->existingUsers()->setCurrentText(name);
        window.accountWindow()->login();
    };
    const auto pageOf = [&](const QString &name) {
        return [sidebar, name] { return sidebar->currentPage() == sidebar->nameLabel()->parentWidget()
                                        && sidebar->nameLabel()->text() == name; };
    };
    // A child quick to sign in, once the window is painted: the page waits for
    // the records still being read.
    runFor(100);
    const bool readBefore = ScoreBook::isRead();
    const Cost early = measure(heartbeat, sidebar, [&] { signInAs(Bench::player()); }, pageOf(Bench::player()));
    window.useraccounts();
    // The child takes a moment to choose a name: the records are read meanwhile.
    runUntil([] { return ScoreBook::isRead(); });
    runFor(300);

    const Cost signIn = measure(heartbeat, sidebar, [&] { signInAs(Bench::player()); }, pageOf(Bench::player()));
    window.useraccounts();
    const QString newName = QStringLiteral("New child %1").arg(count);
    const Cost newAccount = measure(heartbeat, sidebar, [&] {
        window.accountWindow()->existingUsers()->setCurrentIndex(0);
        window.accountWindow()->newUser()->setText(newName);
        window.accountWindow()->login();
    }, [&] { return sidebar->nameLabel()->text() == newName; });
    window.useraccounts();
    window.accountWindow()->existingUsers()->setCurrentText(Bench::player());
    window.accountWindow()->login();
    runFor(100);

    QList<double> open, toPage, gaps, scores;
    for (int i = 0; i < runs; ++i) {
        open << paintedWithin([&] { window.newAddi(); }, [&] { return newestExercise(window); });
        MDIWindow *exercise = newestExercise(window);
        for (int q = 0; q < QuestionsPerExercise - 1; ++q) {
            exercise->answerBox()->setText(exercise->exercise().current().answer);
            exercise->validate();
        }
        exercise->answerBox()->setText(exercise->exercise().current().answer);
        const QString before = statistics(sidebar);
        const Cost completion = measure(heartbeat, sidebar, [exercise] { exercise->validate(); },
                                        [&] { return statistics(sidebar) != before; });
        toPage << completion.toPage;
        gaps << completion.gap;
        closeChildren(window);
    }
    for (int i = 0; i < std::min(runs, 5); ++i) {
        scores << paintedWithin([&] { window.showScores(); },
                                [&] { return window.workspace()->subWindowList().last(); });
        closeChildren(window);
    }

    out << "records stored: " << count << " (" << ScoreBook::records().size() << " after the runs)\n"
        << "  sign in 0.1 s after the start, to the page painted:  " << Bench::figure(early.toPage)
        << "   longest gap " << Bench::figure(early.gap) << (readBefore ? " (records read by then)" : "")
        << "\n"
        << "  sign in, name from the list, to the page painted:   " << Bench::figure(signIn.toPage)
        << "   longest gap " << Bench::figure(signIn.gap) << "\n"
        << "  sign in, a new name, to the page painted:            " << Bench::figure(newAccount.toPage)
        << "   longest gap " << Bench::figure(newAccount.gap) << "\n"
        << "  complete an exercise to the page painted (median):   " << Bench::figure(Bench::median(toPage))
        << "   longest gap " << Bench::figure(Bench::median(gaps)) << " (median), "
        << Bench::figure(*std::max_element(gaps.cbegin(), gaps.cend())) << " (worst)\n"
        << "  open an exercise (bank, window, first paint):        " << Bench::figure(Bench::median(open)) << "\n"
        << "  open everybody's scores (first paint):               " << Bench::figure(Bench::median(scores))
        << "\n";
    out.flush();
    return {std::max({early.gap, signIn.gap, newAccount.gap}), Bench::median(toPage), Bench::median(gaps)};
}

// A thousand exercises opened, played and completed in one window.
void measureLongRun(QTextStream &out)
{
    Bench::writeStore(0);
    Store::reopen();
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
    Store::waitForPending();
    const long before = Bench::privateKilobytes();
    for (int i = 0; i < 1000; ++i)
        playOne(i % Topics::count);
    Store::waitForPending();
    out << "a thousand exercises in one run: private memory " << before << " kB before, "
        << Bench::privateKilobytes() << " kB after; " << ScoreBook::records().size() << " records\n";
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QApplication application(argc, argv);
    DataFolder::enter(QApplication::applicationDirPath());
    SilentPrompts prompts;
    Prompts::install(&prompts);
    Heartbeat heartbeat;
    const QStringList arguments = QCoreApplication::arguments();
    const bool longRun = arguments.contains(QStringLiteral("--long"));
    int runs = 11;
    for (const QString &argument : arguments.mid(1)) {
        if (argument.toInt() > 0)
            runs = argument.toInt();
    }

    QTextStream out(stdout);
    out << "platform " << QGuiApplication::platformName() << ", " << runs << " runs, milliseconds; "
        << Bench::machineLoad() << "\n";
    Figures school;
    for (const int count : {0, 5000, 50000})
        school = measureCount(out, heartbeat, count, runs);
    auto verdict = [](bool met) { return met ? "met" : "missed"; };
    out << "targets at 50,000 records (medians; a busy machine makes the worst gaps longer):\n"
        << "  completion to the page within 50 ms: " << verdict(school.completion <= 50) << "\n"
        << "  longest gap at most 50 ms, sign-in: " << verdict(school.signInGap <= 50)
        << "; completion: " << verdict(school.completionGap <= 50) << "\n";
    if (longRun)
        measureLongRun(out);
    out << Bench::machineLoad() << "\n";
    Prompts::install(nullptr);
    return 0;
}
