// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/scoretransfer.h"

#include "content/safefile.h"
#include "users/accounts.h"
#include "users/scorecsv.h"
#include "users/store.h"

#include <QCoreApplication>
#include <QFile>

#include <memory>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ScoreTransfer", text);
}

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

    const auto merged = std::make_shared<ScoreBook::Merged>();
    // The records read already need not be read again inside the change.
    const bool written = Store::update([records = read.records, names, merged, known = Store::records()](StoreMap &store) {
        *merged = ScoreBook::mergeInto(store, records, known);
        for (const QString &name : names)
            Accounts::addIn(store, name);
    });
    if (!written) {
        imported.problem = tr("Brightsum cannot write its settings on this computer.");
        return imported;
    }
    imported.added = merged->added;
    imported.skipped = merged->skipped;
    return imported;
}
