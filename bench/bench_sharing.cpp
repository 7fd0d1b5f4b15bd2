// SPDX-License-Identifier: GPL-3.0-or-later
// What sharing the score records through a folder costs, with thirty computers
// of 2,000 records each: a round with nothing changed, a round that merges one
// changed file (20 new records), and Share Now (every file read again), each
// until what it merged is written; the part of each spent on the files (the
// round beside the window) and the longest time the event loop went without
// handling events meanwhile. The first round of the computer joining, which
// merges the 58,000 records of the others, is printed once.
//
//   build/bench/bench_sharing [runs]        medians of `runs` repetitions (7 by default)
//   bench_sharing [runs] --folder DIR       the shared folder made in DIR (a network mount)

#include "base/safefile.h"
#include "base/store/store.h"
#include "bench/benchsupport.h"
#include "content/topics.h"
#include "users/recordsharing.h"
#include "users/scorebook.h"
#include "users/scorecsv.h"
#include "users/scoretransfer.h"
#include "users/sharedfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimeZone>

namespace {

constexpr int Computers = 30;
constexpr int Each = 2000;

QString identityOf(int computer)
{
    return QStringLiteral("%1").arg(computer, 32, 16, QLatin1Char('0'));
}

// The `count` records made on a computer from its `from`th on, a second apart.
QList<ScoreRecord> recordsOf(int computer, int from, int count)
{
    const QDateTime start(QDate(2025, 9, 1), QTime(9, 0), QTimeZone(7200));
    QList<ScoreRecord> records;
    for (int n = from; n < from + count; ++n) {
        records.append({QStringLiteral("Child %1").arg(n % Bench::Children), Topics::at(n % Topics::count).name,
                        QString::number(n % 4), QString::number(n % 3), QString::number(40 - n % 20),
                        ScoreBook::timeText(start.addSecs(qint64(computer) * 1000000 + n))});
    }
    return records;
}

struct Timed
{
    double total = 0;
    double longestStall = 0;
};

template<typename Action>
Timed timed(Heartbeat &heart, Action action)
{
    QElapsedTimer clock;
    heart.restart();
    clock.start();
    action();
    return {static_cast<double>(clock.nsecsElapsed()) / 1e6, heart.longestMs()};
}

double filesPart(SharingRound &round, const QString &folder, bool everything)
{
    QElapsedTimer clock;
    clock.start();
    const SharingRound::Input input{folder, identityOf(0), Store::records(), everything};
    const SharingRound::Outcome outcome = round.run(input);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    round.merged(outcome.read);
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    QString parent = QDir::tempPath();
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--folder")); at >= 0 && at + 1 < arguments.size()) {
        parent = arguments.at(at + 1);
        arguments.remove(at, 2);
    }
    const int runs = arguments.isEmpty() ? 7 : std::max(1, arguments.constFirst().toInt());
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QTemporaryDir share(parent + QStringLiteral("/brightsum-bench-XXXXXX"));
    QTextStream out(stdout);
    if (!share.isValid()) {
        out << "No folder can be made in " << parent << "\n";
        return 1;
    }
    for (int computer = 1; computer < Computers; ++computer)
        SafeFile::replace(SharedFolder::fileOf(share.path(), identityOf(computer)), ScoreCsv::write(recordsOf(computer, 0, Each)));
    // This computer's records, imported by hand: made here, as far as sharing goes.
    const QString own = config.filePath(QStringLiteral("own.csv"));
    SafeFile::replace(own, ScoreCsv::write(recordsOf(0, 0, Each)));
    if (ScoreTransfer::importFrom(own).added != Each)
        return 1;
    Store::update(StoreChange::setting(Keys::sharingIdentity, identityOf(0)));
    RecordSharing::setFolder(share.path());

    Heartbeat heart;
    RecordSharing sharing;
    const Timed joining = timed(heart, [&] { sharing.finish(600000); });
    out << "Sharing " << Computers << " files of " << Each << " records in " << share.path() << ", "
        << Bench::machineLoad() << "\n"
        << "joining (" << Store::records().size() << " records after): " << Bench::figure(joining.total)
        << " ms, longest stall " << Bench::figure(joining.longestStall) << " ms\n";

    SharingRound probe; // the same rounds, timed on this thread without the store
    filesPart(probe, share.path(), true);
    QList<double> unchanged, unchangedFiles, changed, changedFiles, everything, everythingFiles, stalls;
    for (int run = 0; run < runs; ++run) {
        unchangedFiles.append(filesPart(probe, share.path(), false));
        const Timed quiet = timed(heart, [&] { sharing.finish(60000); });
        unchanged.append(quiet.total);

        const int computer = 1 + run % (Computers - 1);
        SafeFile::replace(SharedFolder::fileOf(share.path(), identityOf(computer)),
                          ScoreCsv::write(recordsOf(computer, 0, Each + 20 * (run / (Computers - 1) + 1))));
        changedFiles.append(filesPart(probe, share.path(), false));
        const Timed merging = timed(heart, [&] { sharing.finish(60000); });
        changed.append(merging.total);

        everythingFiles.append(filesPart(probe, share.path(), true));
        const Timed now = timed(heart, [&] {
            QEventLoop loop;
            QObject::connect(&sharing, &RecordSharing::roundDone, &loop, &QEventLoop::quit);
            sharing.shareNow();
            loop.exec();
        });
        everything.append(now.total);
        stalls << quiet.longestStall << merging.longestStall << now.longestStall;
    }
    const auto line = [&](const char *what, const QList<double> &total, const QList<double> &files) {
        out << what << Bench::figure(Bench::median(total)) << " ms (files " << Bench::figure(Bench::median(files))
            << " ms)\n";
    };
    out << "medians of " << runs << " runs, until what is merged is written:\n";
    line("  nothing changed:      ", unchanged, unchangedFiles);
    line("  one file changed:     ", changed, changedFiles);
    line("  Share Now, all read:  ", everything, everythingFiles);
    out << "  longest stall of the event loop: " << Bench::figure(*std::max_element(stalls.cbegin(), stalls.cend()))
        << " ms\n"
        << "records at the end: " << Store::records().size() << ", " << Bench::machineLoad() << "\n";
    return 0;
}
