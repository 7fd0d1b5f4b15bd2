// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/questionfile.h"

#include "base/safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>

namespace {

// Splits data into lines at LF, dropping a CR before it. Returns false when a
// line is longer than the bound.
bool splitLines(const QByteArray &data, QList<QByteArray> &lines, int maxLines)
{
    qsizetype start = 0;
    while (start < data.size() && lines.size() < maxLines) {
        qsizetype end = data.indexOf('\n', start);
        const bool lastLine = end < 0;
        if (lastLine)
            end = data.size();
        QByteArray line = data.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > QuestionFile::MaxLineLength)
            return false;
        lines.append(line);
        start = end + 1;
    }
    return true;
}

// Reads at most limit bytes, piece by piece, so that a small file costs its own
// size rather than the whole limit.
QByteArray readAtMost(QIODevice &device, qint64 limit)
{
    QByteArray data;
    char piece[16 * 1024];
    while (data.size() < limit) {
        const qint64 got = device.read(piece, std::min<qint64>(sizeof piece, limit - data.size()));
        if (got <= 0)
            break;
        data.append(piece, got);
    }
    return data;
}

} // namespace

QuestionFile::ReadStatus QuestionFile::read(QIODevice &device, QuestionRecords &records)
{
    records = QuestionRecords{};
    const QByteArray data = readAtMost(device, MaxFileBytes + 1);
    if (data.size() > MaxFileBytes)
        return ReadStatus::TooLarge;

    QList<QByteArray> lines;
    if (!splitLines(data, lines, QuestionsPerExercise * LinesPerQuestion))
        return ReadStatus::TooLarge;

    auto line = [&lines](int index) {
        return index < lines.size() ? QString::fromLocal8Bit(lines.at(index)) : QString();
    };
    for (int q = 0; q < QuestionsPerExercise; ++q) {
        const int first = q * LinesPerQuestion;
        QuestionRecord &record = records[static_cast<size_t>(q)];
        record.text = line(first);
        record.answer = line(first + 1);
        record.clue = line(first + 2);
        record.choice = line(first + 3);
    }
    return ReadStatus::Ok;
}

QuestionFile::ReadStatus QuestionFile::read(const QString &path, QuestionRecords &records)
{
    QFile file;
    if (!SafeFile::openRegular(file, path)) {
        records = QuestionRecords{};
        return ReadStatus::CannotOpen;
    }
    return read(file, records);
}

bool QuestionFile::fitsOnLine(const QString &text)
{
    return text.toLocal8Bit().size() <= MaxLineLength;
}

QString QuestionFile::asLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QByteArray QuestionFile::toBytes(const QuestionRecords &records)
{
    QByteArray data;
    for (const QuestionRecord &record : records) {
        for (const QString *field : {&record.text, &record.answer, &record.clue, &record.choice}) {
            data += field->toLocal8Bit();
            data += '\n';
        }
        data += '\n';
    }
    return data;
}

bool QuestionFile::write(QIODevice &device, const QuestionRecords &records)
{
    const QByteArray data = toBytes(records);
    return device.write(data) == data.size();
}

int QuestionFile::firstInvalidRecord(const QuestionRecords &records)
{
    for (int q = 0; q < QuestionsPerExercise; ++q) {
        const QuestionRecord &record = records[static_cast<size_t>(q)];
        if (record.text.isEmpty() || record.answerValue() == 0 || record.clue.isEmpty()
            || record.choice.isEmpty())
            return q;
    }
    return -1;
}

bool QuestionFile::isSound(const QuestionRecords &records)
{
    const auto isText = [](const QString &line) {
        return std::none_of(line.cbegin(), line.cend(), [](QChar c) {
            return c == QChar::ReplacementCharacter || (c.category() == QChar::Other_Control && c != QLatin1Char('\t'));
        });
    };
    return firstInvalidRecord(records) < 0
        && std::all_of(records.cbegin(), records.cend(), [&isText](const QuestionRecord &record) {
               return isText(record.text) && isText(record.answer) && isText(record.clue) && isText(record.choice);
           });
}

QString QuestionFile::baseName(const QString &path)
{
    return QFileInfo(path).baseName();
}
