// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the readers of outside files promise whatever bytes they are given. The
// fuzz targets and the random-mutation test both feed data through these
// checks; each returns what was broken, or nullptr when all held.

#include "base/store/storemap.h"
#include "content/names.h"
#include "content/questionfile.h"
#include "content/savedexercise.h"
#include "content/topics.h"
#include "exercise/exercise.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QSettings>

namespace ReaderChecks {

// Whether one of the first hundred lines of data (each ended by LF, a CR before
// it not counted) is longer than a question file allows.
inline bool hasOverlongLine(const QByteArray &data)
{
    qsizetype start = 0;
    for (int line = 0; line < QuestionsPerExercise * LinesPerQuestion && start < data.size(); ++line) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        qsizetype length = end - start;
        if (length > 0 && data.at(end - 1) == '\r')
            --length;
        if (length > QuestionFile::MaxLineLength)
            return true;
        start = end + 1;
    }
    return false;
}

inline const char *questionFile(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QuestionRecords records;
    records[0].text = QStringLiteral("left over from before");
    const QuestionFile::ReadStatus status = QuestionFile::read(buffer, records);

    if (buffer.pos() > QuestionFile::MaxFileBytes + 1)
        return "read past the size bound";
    const bool tooLarge = data.size() > QuestionFile::MaxFileBytes || hasOverlongLine(data);
    switch (status) {
    case QuestionFile::ReadStatus::TooLarge:
        if (!tooLarge)
            return "data within both bounds was refused";
        for (const QuestionRecord &record : records) {
            if (!record.isEmpty())
                return "a refused file left a record filled";
        }
        return nullptr;
    case QuestionFile::ReadStatus::Ok:
        if (tooLarge)
            return "data over a bound was read as Ok";
        break;
    case QuestionFile::ReadStatus::CannotOpen:
        return "a device read gave CannotOpen";
    }
    for (const QuestionRecord &record : records) {
        for (const QString *field : {&record.text, &record.answer, &record.clue, &record.choice}) {
            if (field->size() > QuestionFile::MaxLineLength)
                return "a field is longer than a line may be";
            if (field->contains(QLatin1Char('\n')))
                return "a field holds a line feed";
        }
    }
    if (data.isEmpty() && !records[0].isEmpty())
        return "empty data did not read as empty records";
    const int invalid = QuestionFile::firstInvalidRecord(records);
    if (invalid < -1 || invalid >= QuestionsPerExercise)
        return "firstInvalidRecord is out of range";
    if (invalid >= 0) {
        const QuestionRecord &named = records[static_cast<size_t>(invalid)];
        if (!named.text.isEmpty() && named.answerValue() != 0 && !named.clue.isEmpty() && !named.choice.isEmpty())
            return "firstInvalidRecord named a sound record";
    }
    return nullptr;
}

inline const char *savedExercise(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    SavedExercise saved;
    const SavedExercise::ReadStatus status = saved.read(buffer);

    if (buffer.pos() > SavedExercise::LineCount * SavedExercise::MaxLineBytes)
        return "read more than six lines' worth of bytes";
    if (saved.topic.size() >= SavedExercise::MaxLineBytes || saved.player.size() >= SavedExercise::MaxLineBytes)
        return "a line is longer than the bound";
    if (saved.topic.contains(QLatin1Char('\n')) || saved.player.contains(QLatin1Char('\n')))
        return "a line holds a line feed";
    switch (status) {
    case SavedExercise::ReadStatus::Ok:
        break;
    case SavedExercise::ReadStatus::UnknownTopic:
        return Topics::indexOf(saved.topic) >= 0 ? "a known topic was refused" : nullptr;
    case SavedExercise::ReadStatus::OutOfRange:
        return Topics::indexOf(saved.topic) < 0 ? "an unknown topic was refused as out of range" : nullptr;
    case SavedExercise::ReadStatus::BadPlayer:
        return Topics::indexOf(saved.topic) < 0 ? "an unknown topic was refused for its player" : nullptr;
    case SavedExercise::ReadStatus::CannotOpen:
        return "a device read gave CannotOpen";
    }
    if (Topics::indexOf(saved.topic) < 0)
        return "an unknown topic was read as Ok";
    if (!Names::problemWithName(saved.player).isEmpty())
        return "a player no one can sign in as was read as Ok";
    if (saved.score < SavedExercise::MinScore || saved.score > SavedExercise::MaxScore)
        return "a score out of range was read as Ok";
    if (saved.cluesUsed < 0 || saved.cluesUsed > Exercise::MaxClues || saved.choicesUsed < 0
        || saved.choicesUsed > Exercise::MaxChoices)
        return "clues or choices out of range were read as Ok";
    if (saved.currentQuestion < 0 || saved.currentQuestion >= QuestionsPerExercise)
        return "a question number out of range was read as Ok";
    return nullptr;
}

// The settings reader takes from any bytes the keys and values the toolkit
// reads from them, no more and no fewer. The toolkit reads only files: each
// input is written to a file of a new name under `scratch` (the toolkit keeps
// what it has read of a name).
inline const char *settingsFile(const QByteArray &data, const QString &scratch)
{
    static int files = 0;
    const QString path = scratch + QStringLiteral("/settings-%1.ini").arg(++files);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return "the input could not be written for the toolkit";
    file.close();
    const StoreMap theirs = StoreMap::from(QSettings(path, QSettings::IniFormat));
    QFile::remove(path);
    const StoreMap ours = StoreMap::fromIni(data);
    if (ours.allKeys() != theirs.allKeys())
        return "the settings reader read other keys than the toolkit";
    // Values of kinds that cannot be compared (a damaged "@Variant") are compared as stored.
    auto streamed = [](const QVariant &value) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << value;
        return bytes;
    };
    const QStringList keys = ours.allKeys();
    for (const QString &key : keys) {
        if (streamed(ours.value(key)) != streamed(theirs.value(key)))
            return "the settings reader read another value than the toolkit";
    }
    return nullptr;
}

// The file-name helpers take whatever a file dialog returns.
inline const char *fileNames(const QString &name)
{
    const QString dat = SavedExercises::withDatSuffix(name);
    if (!dat.endsWith(QLatin1String(".dat")) || !dat.startsWith(name) || dat.size() > name.size() + 4)
        return "withDatSuffix did not end the name in .dat";
    const QString base = QuestionFile::baseName(name);
    if (base.contains(QLatin1Char('/')) || base.contains(QLatin1Char('.')) || base.size() > name.size())
        return "baseName kept a folder or a dot";
    return nullptr;
}

} // namespace ReaderChecks
