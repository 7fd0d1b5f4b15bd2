// SPDX-License-Identifier: GPL-3.0-or-later
// Score records out and in, and one child's progress: exporting and importing
// 50,000 records, and opening the progress window of a child with 5,000 of
// them (the first paint included). Prints the times and the machine's load.
//
//   bench_progress [runs]    prints medians over `runs` repetitions (5 by default)

#include "app/datafolder.h"
#include "base/store/store.h"
#include "base/ui/prompts.h"
#include "content/topics.h"
#include "users/scorebook.h"
#include "users/scoretransfer.h"
#include "users/ui/progresswindow.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

constexpr int Records = 50000;
constexpr int Children = 10; // so one child has 5,000 of them

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

QString load()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().trimmed()) : QStringLiteral("unknown");
}

// A school's records: ten children, the seven topics in turn, a record a day.
QList<ScoreRecord> schoolRecords(const QString &computer)
{
    QList<ScoreRecord> records;
    records.reserve(Records);
    const QDateTime start(QDate(2021, 9, 1), QTime(9, 0));
    for (int n = 0; n < Records; ++n)
        records.append({QStringLiteral("Child %1").arg(n % Children), Topics::at(n % Topics::count).name,
                        QString::number(n % 4), QString::number(n % 3), QString::number(n % 45 - 4),
                        ScoreBook::timeText(start.addSecs(qint64(n) * 1800 + (computer == QLatin1String("B") ? 60 : 0)))});
    return records;
}

void emptyStore()
{
    Store::update(StoreChange::removing(QString()).then(StoreChange::setting(Keys::width, 700)));
}

// Records of another computer taken in, as an import would.
void mergeRecords(const QList<ScoreRecord> &records)
{
    static const StoreChange::Kind Merge("bench.merge", [](StoreMap &store, const QVariant &data) {
        ScoreBook::mergeInto(store, data.value<QList<ScoreRecord>>());
    });
    Store::update({Merge, QVariant::fromValue(records)});
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QApplication application(argc, argv);
    DataFolder::enter(QApplication::applicationDirPath());
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;
    QTextStream out(stdout);
    out << "load before (1, 5, 15 minutes): " << load() << "\n";
    out << "medians of " << runs << " runs, milliseconds, " << Records << " records\n";

    const QList<ScoreRecord> onA = schoolRecords(QStringLiteral("A"));
    const QString file = config.filePath(QStringLiteral("scores.csv"));
    QList<double> exports, importsNew, importsAgain, opens;
    const auto openProgress = [] {
        ProgressWindow window(nullptr, QStringLiteral("Child 3"));
        window.resize(900, 700);
        window.show();
        window.repaint();
        window.chartView()->repaint();
        QCoreApplication::processEvents();
    };
    for (int i = 0; i < runs; ++i) {
        // Computer A's records, exported whole.
        exports << milliseconds([&] {
            if (!ScoreTransfer::exportTo(file, onA).isEmpty())
                qFatal("export failed");
        });
        // Computer B holds 50,000 records of its own, and takes A's in.
        emptyStore();
        mergeRecords(schoolRecords(QStringLiteral("B")));
        Store::waitForPending();
        ScoreTransfer::Imported imported;
        importsNew << milliseconds([&] { imported = ScoreTransfer::importFrom(file); });
        if (imported.added != Records)
            qFatal("import added %d", imported.added);
        importsAgain << milliseconds([&] { imported = ScoreTransfer::importFrom(file); });
        if (imported.skipped != Records || imported.added != 0)
            qFatal("second import added %d", imported.added);
        Store::waitForPending();

        // One child of the 100,000 records has 10,000; of A's alone, 5,000.
        opens << milliseconds(openProgress);
    }
    emptyStore();
    mergeRecords(onA);
    Store::waitForPending();
    QList<double> opensOf5000;
    for (int i = 0; i < runs; ++i)
        opensOf5000 << milliseconds(openProgress);

    out << "  export 50,000 records to CSV:                         " << QString::number(median(exports), 'f', 1) << "\n"
        << "  import 50,000 new records beside 50,000 stored:       " << QString::number(median(importsNew), 'f', 1)
        << "\n"
        << "  import the same file again (all 50,000 skipped):      "
        << QString::number(median(importsAgain), 'f', 1) << "\n"
        << "  open the progress window, child with 5,000 records:   "
        << QString::number(median(opensOf5000), 'f', 1) << "\n"
        << "  the same, child with 10,000 of 100,000 records:       " << QString::number(median(opens), 'f', 1)
        << "\n"
        << "  CSV file size: " << QFile(file).size() / 1024 << " kB\n";
    out << "load after (1, 5, 15 minutes): " << load() << "\n";
    return 0;
}
