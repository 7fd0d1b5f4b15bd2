// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time: from process start to the main window shown and first painted,
// for Brightsum and, in the same run, for a bare main window with a workspace.
//
//   bench_startup [runs]       prints the median of each over `runs` starts (10 by default)
//   bench_startup --child brightsum|bare   (used by the benchmark itself)

#include "app/applicationwindow.h"
#include "app/datafolder.h"
#include "users/store.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// Tells the parent, on standard output, when the window is first painted.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window)
        : m_window(window)
    {
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(object);
        if (event->type() == QEvent::Paint && !m_done && widget && widget->window() == m_window) {
            m_done = true;
            std::puts("painted");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_done = false;
};

int child(int argc, char *argv[], const QString &kind)
{
    QApplication application(argc, argv);
    std::unique_ptr<QMainWindow> window;
    if (kind == QLatin1String("bare")) {
        window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QMdiArea);
        window->resize(700, 500);
    } else {
        DataFolder::enter(QApplication::applicationDirPath());
        Store::update([](StoreMap &store) { store.setValue(Keys::width, 700); }); // not a first start
        window = std::make_unique<ApplicationWindow>();
    }
    FirstPaint watcher(window.get());
    application.installEventFilter(&watcher);
    window->show();
    std::puts("shown");
    std::fflush(stdout);
    return application.exec();
}

struct Timing
{
    double shown = 0;
    double painted = 0;
};

Timing start(const QString &program, const QString &kind, const QString &configFolder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {QStringLiteral("--child"), kind});
    Timing timing;
    while (process.waitForReadyRead(10000)) {
        while (process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            if (line == "shown")
                timing.shown = ms;
            else if (line == "painted")
                timing.painted = ms;
        }
        if (timing.painted > 0)
            break;
    }
    process.waitForFinished(10000);
    return timing;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return child(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    QTemporaryDir config;
    QTextStream out(stdout);
    out << "start-up, offscreen, median of " << runs << " runs (ms)\n";
    out << qSetFieldWidth(12) << Qt::left << "window" << "shown" << "painted" << qSetFieldWidth(0) << "\n";
    double bareShown = 0;
    for (const QString &kind : {QStringLiteral("bare"), QStringLiteral("brightsum")}) {
        QList<double> shown, painted;
        for (int i = 0; i < runs; ++i) {
            const Timing timing = start(QCoreApplication::applicationFilePath(), kind, config.path());
            shown << timing.shown;
            painted << timing.painted;
        }
        out << qSetFieldWidth(12) << kind << QString::number(median(shown), 'f', 1)
            << QString::number(median(painted), 'f', 1) << qSetFieldWidth(0) << "\n";
        if (kind == QLatin1String("bare"))
            bareShown = median(painted);
        else
            out << "ratio to the bare window (first paint): " << QString::number(median(painted) / bareShown, 'f', 2)
                << " (target 1.5 or less)\n";
    }
    return 0;
}
