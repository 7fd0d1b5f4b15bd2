// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/scoretransfer.h"

#include "base/safefile.h"
#include "base/store/store.h"
#include "users/accounts.h"
#include "users/scorecsv.h"

#include <QCoreApplication>
#include <QFile>

#include <memory>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ScoreTransfer", text);
}

// An import as one change: it reads what it merges from here, and tells here
// what it did. Done while the importer waits, it is never kept for a later start.
struct ImportJob
{
    QList<ScoreRecord> records;
    QStringList names;
    QList<ScoreRecord> known; // read from this store before: only records stored since are read again
    ScoreBook::Merged merged;
};

} // namespace

Q_DECLARE_METATYPE(std::shared_ptr<ImportJob>)

namespace {

const StoreChange::Kind Import("scores.import", [](StoreMap &store, const QVariant &data) {
    const auto job = data.value<std::shared_ptr<ImportJob>>();
    if (!job)
        return;
    job->merged = ScoreBook::mergeInto(store, job->records, job->known);
    for (const QString &name : std::as_const(job->names))
        Accounts::addIn(store, name);
});

} // namespace

QString ScoreTransfer::withCsvSuffix(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? fileName
                                                                        : fileName + QLatin1String(".csv");
}

QString ScoreTransfer::exportTo(const QString &fileName, const QList<ScoreRecord> &records)
{
    return SafeFile::replace(fileName, ScoreCsv::write(records));
}

ScoreTransfer::Imported ScoreTransfer::importFrom(const QString &fileName)
{
    Imported imported;
    QFile file;
    // A pipe or a device under the chosen name would never end; a folder has no text.
    if (!SafeFile::openRegular(file, fileName)) {
        imported.problem = tr("It is not a file that can be read.");
        return imported;
    }
    const ScoreCsv::Result read = ScoreCsv::read(file);
    if (!read.ok()) {
        imported.line = read.line;
        imported.problem = read.problem;
        return imported;
    }
    QStringList names;
    for (const ScoreRecord &record : read.records) {
        if (names.isEmpty() || names.constLast() != record.player) // records of one child often come together
            names.append(record.player);
    }
    names.removeDuplicates();

    // The records read already need not be read again inside the change.
    const auto job = std::make_shared<ImportJob>(ImportJob{read.records, names, Store::records(), {}});
    if (!Store::update({Import, QVariant::fromValue(job)})) {
        imported.problem = tr("Brightsum cannot write its settings on this computer.");
        return imported;
    }
    imported.added = job->merged.added;
    imported.skipped = job->merged.skipped;
    return imported;
}
