// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/sharedfolder.h"

#include "base/store/storechange.h"
#include "content/names.h"
#include "users/accounts.h"
#include "users/scorebook.h"
#include "users/scorecsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>
#include <QUuid>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SharedFolder", text);
}

constexpr int FieldsKept = ScoreRecord::Origin + 1;

QStringList fieldsOf(const QList<ScoreRecord> &records)
{
    QStringList fields;
    fields.reserve(records.size() * FieldsKept);
    for (const ScoreRecord &record : records) {
        for (int k = 0; k < FieldsKept; ++k)
            fields.append(record.field(k));
    }
    return fields;
}

QList<ScoreRecord> recordsOf(const QStringList &fields)
{
    QList<ScoreRecord> records;
    if (fields.size() % FieldsKept != 0)
        return records;
    records.reserve(fields.size() / FieldsKept);
    for (qsizetype at = 0; at < fields.size(); at += FieldsKept)
        records.append({fields.at(at), fields.at(at + 1), fields.at(at + 2), fields.at(at + 3), fields.at(at + 4),
                        fields.at(at + 5), fields.at(at + 6)});
    return records;
}

const StoreChange::Kind Merge("sharing.merge", [](StoreMap &store, const QVariant &data) {
    QList<ScoreRecord> records = recordsOf(data.toStringList());
    // A name that would write into another key never reaches the store.
    records.removeIf([](const ScoreRecord &record) { return !Names::problemWithNewName(record.player).isEmpty(); });
    QSet<QString> players;
    for (const ScoreRecord &record : std::as_const(records)) {
        if (!players.contains(record.player)) {
            players.insert(record.player);
            Accounts::addIn(store, record.player);
        }
    }
    ScoreBook::mergeInto(store, records, {}, [&store](const ScoreRecord &added) {
        Accounts::completeTopicIn(store, added.player, added.topic);
    });
});

} // namespace

QString SharedFolder::newIdentity()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

bool SharedFolder::isIdentity(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9a-f]{32}$"));
    return form.match(text).hasMatch();
}

QString SharedFolder::fileOf(const QString &folder, const QString &identity)
{
    return QDir(folder).filePath(identity + QStringLiteral(".csv"));
}

QString SharedFolder::problemWith(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return tr("It is not a folder that can be reached.");
    // Tried rather than asked: a network folder's permissions are the server's.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".brightsum-XXXXXX")));
    if (!probe.open())
        return tr("Brightsum cannot write in it: %1").arg(probe.errorString());
    return {};
}

QByteArray SharedFolder::fileFor(const QList<ScoreRecord> &records)
{
    QList<ScoreRecord> own;
    for (const ScoreRecord &record : records) {
        if (record.origin.isEmpty())
            own.append(record);
    }
    QByteArray bytes = ScoreCsv::write(own);
    if (ScoreCsv::read(bytes).ok())
        return bytes;
    own.removeIf([](const ScoreRecord &record) { return !ScoreCsv::read(ScoreCsv::write({record})).ok(); });
    return ScoreCsv::write(own);
}

SharedFolder::Read SharedFolder::read(const QByteArray &bytes, const QString &fileName)
{
    Read read;
    const QString name = QDir::toNativeSeparators(fileName);
    // This program writes every line whole, ending it: a file that does not end
    // so was cut short, or is being written in place by another program.
    if (!bytes.endsWith('\n')) {
        read.problem = tr("The shared file %1 ends in the middle of a line: it is left out until it is whole.").arg(name);
        return read;
    }
    const qsizetype lineEnd = bytes.indexOf('\n');
    const QString header = QString::fromUtf8(bytes.left(lineEnd)).remove(QChar(0xfeff)).trimmed().toLower();
    if (header.startsWith(ScoreCsv::Header + QLatin1Char(','))) {
        read.problem = tr("The shared file %1 was written by a newer Brightsum: it is left out until this computer "
                          "has that version too.").arg(name);
        return read;
    }
    ScoreCsv::Result result = ScoreCsv::read(bytes);
    if (!result.ok()) {
        read.problem = tr("The shared file %1 cannot be read (line %2: %3): it is left out until it is mended.")
                           .arg(name).arg(result.line).arg(result.problem);
        return read;
    }
    read.records = std::move(result.records);
    return read;
}

QList<ScoreRecord> SharedFolder::missing(const QList<File> &files, const QList<ScoreRecord> &stored)
{
    QHash<ScoreRecord, int> have;
    have.reserve(stored.size());
    for (const ScoreRecord &record : stored)
        ++have[record];
    // For each record wanted: how often, and from which file.
    QHash<ScoreRecord, std::pair<int, qsizetype>> wanted;
    for (qsizetype f = 0; f < files.size(); ++f) {
        QHash<ScoreRecord, int> counts;
        for (const ScoreRecord &record : files.at(f).records)
            ++counts[record];
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.value() > have.value(it.key()) && it.value() > wanted.value(it.key()).first)
                wanted.insert(it.key(), {it.value(), f});
        }
    }
    QList<ScoreRecord> records;
    for (qsizetype f = 0; f < files.size() && !wanted.isEmpty(); ++f) {
        for (const ScoreRecord &record : files.at(f).records) {
            const auto found = wanted.constFind(record);
            if (found != wanted.cend() && found->second == f) {
                records.append(record);
                records.last().origin = files.at(f).identity;
            }
        }
    }
    return records;
}

StoreChange SharedFolder::merging(const QList<ScoreRecord> &records)
{
    return {Merge, fieldsOf(records)};
}
