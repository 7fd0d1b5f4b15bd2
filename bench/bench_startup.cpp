// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up under a real X server: from process start to the main window's first
// paint, for the program itself (build/brightsum) with 0, 5,000 and 50,000
// score records stored and, in the same run and taking turns with it, for a
// bare main window with a workspace (bench_bare), and the same with menus, a
// toolbar and a status message (bench_bare --dressed), the floor any program
// that shows text pays. All carry the same probe
// (startprobe.cpp), which also reports the longest time the event loop went
// without handling events, from the application's creation until the program
// has gone idle (the records read), and the private memory then.
//
//   xvfb-run -a build/bench/bench_startup [runs]    medians of `runs` starts of each (15 by default)
//   ... [--records 0,5000,50000,500000]    the stores measured (these three by default)
//   ... [--also PROGRAM]...    another build of the program (its data folder beside it), in the same turns
//   bench_startup --stores DIR    only writes the three stores, as XDG_CONFIG_HOME folders DIR/0, DIR/5000 and
//                                 DIR/50000, to profile a start by hand

#include "base/store/store.h"
#include "bench/benchsupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

struct Start
{
    double exposed = 0;
    double painted = 0;
    double cpu = 0; // the window thread's processor time to the first paint
    double gap = 0;
    double gapAfterPaint = 0;
    double memory = 0; // MB
};

struct Variant
{
    QString label;
    QString program;
    QStringList arguments;
    QString config; // XDG_CONFIG_HOME of its starts
    QString store;  // its store's file, which no start may change
    QDateTime written;
    QList<Start> starts;
};

QString besideBench(const QString &relative)
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(relative);
}

Start start(const Variant &variant)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), variant.config);
    environment.insert(QStringLiteral("LD_PRELOAD"), besideBench(QStringLiteral("libbench_startprobe.so")));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(variant.program, variant.arguments);
    Start result;
    while (process.state() != QProcess::NotRunning || process.canReadLine()) {
        if (!process.canReadLine() && !process.waitForReadyRead(30000))
            break;
        while (process.canReadLine()) {
            const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            const QList<QByteArray> words = process.readLine().trimmed().split(' ');
            const QByteArray &what = words.constFirst();
            const double value = words.size() > 1 ? words.at(1).toDouble() : 0;
            if (what == "exposed")
                result.exposed = ms;
            else if (what == "painted") {
                result.painted = ms;
                result.cpu = value;
            }
            else if (what == "gap")
                result.gap = value;
            else if (what == "gap-after-paint")
                result.gapAfterPaint = value;
            else if (what == "memory")
                result.memory = value / 1024;
        }
    }
    if (!process.waitForFinished(30000))
        process.kill();
    return result;
}

double medianOf(const QList<Start> &starts, double Start::*field)
{
    QList<double> values;
    for (const Start &one : starts)
        values.append(one.*field);
    return Bench::median(values);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype storesOnly = arguments.indexOf(QStringLiteral("--stores"));
    if (qEnvironmentVariableIsEmpty("DISPLAY") && storesOnly < 0) {
        out << "bench_startup measures under an X server: xvfb-run -a " << argv[0] << " [runs]\n";
        return 2;
    }
    int runs = 15;
    QList<int> sizes{0, 5000, 50000};
    QStringList programs{besideBench(QStringLiteral("../brightsum"))};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--also") && i + 1 < arguments.size()) {
            programs.append(QFileInfo(arguments.at(++i)).absoluteFilePath());
        } else if (arguments.at(i) == QLatin1String("--records") && i + 1 < arguments.size()) {
            sizes.clear();
            for (const QString &size : arguments.at(++i).split(QLatin1Char(',')))
                sizes.append(size.toInt());
        } else if (arguments.at(i).toInt() > 0) {
            runs = arguments.at(i).toInt();
        }
    }

    // Each store in a configuration folder of its own, written by the program's writer.
    QTemporaryDir scratch;
    QTemporaryDir runtime; // private, as the toolkit wants it, so that no start warns
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString root = storesOnly > 0 && storesOnly + 1 < arguments.size() ? arguments.at(storesOnly + 1)
                                                                            : scratch.path();
    const QString bareProgram = besideBench(QStringLiteral("bench_bare"));
    QList<Variant> variants{{QStringLiteral("bare window"), bareProgram, {}, scratch.path(), {}, {}, {}},
                            {QStringLiteral("bare, menus, toolbar, text"), bareProgram, {QStringLiteral("--dressed")},
                             scratch.path(), {}, {}, {}}};
    for (const int records : std::as_const(sizes)) {
        const QString folder = QDir(root).filePath(QString::number(records));
        QDir().mkpath(folder);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        if (!Bench::writeStore(records)) {
            out << "the store in " << folder << " could not be written\n";
            return 1;
        }
        const QFileInfo file(Store::fileName());
        out << QStringLiteral("store of %1 records: %2 kB\n").arg(records).arg(file.size() / 1024);
        Store::reopen();
        for (qsizetype i = 0; i < programs.size(); ++i) {
            const QString which = i == 0 ? QString() : QStringLiteral(" (%1)").arg(i + 1);
            variants.append({QStringLiteral("Brightsum%1, %2 records").arg(which).arg(records), programs.at(i), {},
                             folder, file.filePath(), file.lastModified(), {}});
        }
    }

    if (storesOnly > 0)
        return 0;
    out << "start-up under X (DISPLAY " << qEnvironmentVariable("DISPLAY") << "), " << runs
        << " starts of each, taking turns; before: " << Bench::machineLoad() << "\n";
    out.flush();
    for (const Variant &variant : std::as_const(variants)) // a first start of each fills the caches
        start(variant);
    for (int run = 0; run < runs; ++run) {
        for (Variant &variant : variants)
            variant.starts.append(start(variant));
    }

    out << qSetFieldWidth(28) << Qt::left << "median (ms; MB)" << qSetFieldWidth(9) << Qt::right << "mapped"
        << "painted" << "ratio" << "floor" << "cpu" << "floor" << "gap" << "after" << "private" << qSetFieldWidth(0)
        << "\n";
    const double bare = medianOf(variants.at(0).starts, &Start::painted);
    const double floorPainted = medianOf(variants.at(1).starts, &Start::painted);
    const double floorCpu = medianOf(variants.at(1).starts, &Start::cpu);
    QList<double> ratios;
    QList<double> cpuRatios;
    for (const Variant &variant : std::as_const(variants)) {
        const double painted = medianOf(variant.starts, &Start::painted);
        const double cpu = medianOf(variant.starts, &Start::cpu);
        ratios.append(painted / floorPainted);
        cpuRatios.append(cpu / floorCpu);
        out << qSetFieldWidth(28) << Qt::left << variant.label << qSetFieldWidth(9) << Qt::right
            << Bench::figure(medianOf(variant.starts, &Start::exposed)) << Bench::figure(painted)
            << QString::number(painted / bare, 'f', 2) << QString::number(ratios.last(), 'f', 2) << Bench::figure(cpu)
            << QString::number(cpuRatios.last(), 'f', 2)
            << Bench::figure(medianOf(variant.starts, &Start::gap))
            << Bench::figure(medianOf(variant.starts, &Start::gapAfterPaint))
            << Bench::figure(medianOf(variant.starts, &Start::memory)) << qSetFieldWidth(0) << "\n";
        if (!variant.store.isEmpty() && QFileInfo(variant.store).lastModified() != variant.written)
            out << "  its store was changed by a start: the starts were not alike\n";
    }
    out << "mapped: the main window shown by the X server; painted: its first paint flushed to it; ratio: painted "
           "to the bare window's; floor: to the bare window's with menus, a toolbar and a status message; cpu: "
           "processor time of the window's thread to its first paint, which the machine's load changes less, and its "
           "floor ratio; gap: the event loop's longest gap from the application's creation until the "
           "program is idle (records read), and after: from the first paint until then; private: anonymous resident memory then\n";
    for (qsizetype i = 1; i < programs.size(); ++i)
        out << "(" << i + 1 << "): " << programs.at(i) << "\n";
    // The program's own starts, each size of store in turn (the first build given).
    bool met = true;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        if (sizes.at(i) != 0 && sizes.at(i) != 50000)
            continue;
        const qsizetype at = 2 + i * programs.size();
        met = met && ratios.at(at) <= 1.15 && cpuRatios.at(at) <= 1.5;
    }
    out << "target, first paint within 1.15x the floor and the window thread's processor time within 1.5x of it, at "
           "0 and 50,000 records: "
        << (met ? "met" : "missed") << "\nafter: " << Bench::machineLoad() << "\n";
    return 0;
}
