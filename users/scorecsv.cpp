// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/scorecsv.h"

#include "content/savedexercise.h"
#include "exercise/exercise.h"
#include "users/accounts.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ScoreCsv", text);
}

// Spreadsheets some families use read a file as UTF-8 only when it starts so.
const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool startsLikeFormula(const QString &field)
{
    if (field.isEmpty())
        return false;
    switch (field.front().unicode()) {
    case u'=': case u'+': case u'-': case u'@': case u'\t': case u'\r': case u'\'': return true;
    default: return false;
    }
}

bool isWholeNumber(const QString &field)
{
    const qsizetype start = field.startsWith(QLatin1Char('-')) ? 1 : 0;
    return field.size() > start && std::all_of(field.cbegin() + start, field.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

void appendField(const QString &field, QString &out)
{
    const QString text = ScoreCsv::guarded(field);
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quoted) {
        out += text;
        return;
    }
    out += QLatin1Char('"');
    out += QString(text).replace(QLatin1Char('"'), QLatin1String("\"\""));
    out += QLatin1Char('"');
}

// The line of the first byte that is not UTF-8; the whole is decoded first,
// so this is asked only of a file that has one.
int lineOfBadText(const QByteArray &bytes)
{
    int line = 1;
    for (const QByteArray &piece : bytes.split('\n')) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString ignored = decoder.decode(piece);
        if (decoder.hasError())
            return line;
        ++line;
    }
    return line;
}

// A template's file name may hold a tab or a line break, which the store keeps;
// no other control character belongs in a topic.
bool hasControl(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control && c != QLatin1Char('\t') && c != QLatin1Char('\n')
            && c != QLatin1Char('\r');
    });
}

// The rows of a file, read one at a time, never more than the bounds allow.
class Rows
{
public:
    explicit Rows(const QString &text)
        : m_text(text)
    {
    }

    // The next row's fields; false at the end of the text or on a fault.
    bool next(QStringList &fields)
    {
        fields.clear();
        // Blank lines (one at the end, most often) hold no row.
        while (m_at < m_text.size() && isLineEnd(m_text.at(m_at)))
            skipLineEnd();
        if (m_at >= m_text.size())
            return false;
        m_rowLine = m_line;
        for (;;) {
            if (fields.size() == ScoreCsv::Columns)
                return fail(m_line, tr("The row has more than %1 fields.").arg(ScoreCsv::Columns));
            QString field;
            if (!readField(field))
                return false;
            fields.append(field);
            if (m_at >= m_text.size())
                return true;
            if (isLineEnd(m_text.at(m_at))) {
                skipLineEnd();
                return true;
            }
            ++m_at; // the comma
        }
    }

    int rowLine() const { return m_rowLine; }
    int faultLine() const { return m_faultLine; }
    const QString &fault() const { return m_fault; }

private:
    static bool isLineEnd(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

    void skipLineEnd()
    {
        if (m_text.at(m_at) == QLatin1Char('\r') && m_at + 1 < m_text.size() && m_text.at(m_at + 1) == QLatin1Char('\n'))
            ++m_at;
        ++m_at;
        ++m_line;
    }

    bool fail(int line, const QString &problem)
    {
        m_faultLine = line;
        m_fault = problem;
        return false;
    }

    bool readField(QString &field)
    {
        if (m_at < m_text.size() && m_text.at(m_at) == QLatin1Char('"'))
            return readQuoted(field);
        const qsizetype start = m_at;
        while (m_at < m_text.size() && m_text.at(m_at) != QLatin1Char(',') && !isLineEnd(m_text.at(m_at))) {
            if (m_text.at(m_at) == QLatin1Char('"'))
                return fail(m_line, tr("A quote stands inside a field that does not start with one."));
            if (m_at - start >= ScoreCsv::MaxFieldLength)
                return fail(m_line, tr("A field is longer than %1 characters.").arg(ScoreCsv::MaxFieldLength));
            ++m_at;
        }
        field = m_text.mid(start, m_at - start);
        return true;
    }

    bool readQuoted(QString &field)
    {
        const int opened = m_line;
        ++m_at;
        for (;;) {
            if (m_at >= m_text.size())
                return fail(opened, tr("A quoted field is not closed."));
            const QChar c = m_text.at(m_at++);
            if (c == QLatin1Char('"')) {
                if (m_at < m_text.size() && m_text.at(m_at) == QLatin1Char('"')) {
                    ++m_at;
                } else {
                    if (m_at < m_text.size() && m_text.at(m_at) != QLatin1Char(',') && !isLineEnd(m_text.at(m_at)))
                        return fail(m_line, tr("A quoted field goes on after its closing quote."));
                    return true;
                }
            } else if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && (m_at >= m_text.size()
                                                                               || m_text.at(m_at) != QLatin1Char('\n')))) {
                ++m_line;
            }
            if (field.size() >= ScoreCsv::MaxFieldLength)
                return fail(opened, tr("A field is longer than %1 characters.").arg(ScoreCsv::MaxFieldLength));
            field += c;
        }
    }

    const QString &m_text;
    qsizetype m_at = 0;
    int m_line = 1;
    int m_rowLine = 1;
    int m_faultLine = 0;
    QString m_fault;
};

// A count written as a whole number within its bounds, in the program's own form.
bool readCount(const QString &field, int min, int max, QString &out)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!isWholeNumber(field) || !ok || value < min || value > max)
        return false;
    out = QString::number(value);
    return true;
}

// One row as a record, or why it cannot be one.
QString toRecord(const QStringList &fields, ScoreRecord &record)
{
    if (fields.size() != ScoreCsv::Columns)
        return tr("The row has %1 fields instead of %2.").arg(fields.size()).arg(ScoreCsv::Columns);
    record.player = ScoreCsv::unguarded(fields.at(0));
    if (const QString problem = Accounts::problemWithName(record.player); !problem.isEmpty())
        return tr("The name \"%1\" cannot be used: %2").arg(record.player, problem);
    record.topic = ScoreCsv::unguarded(fields.at(1));
    if (record.topic.trimmed().isEmpty() || hasControl(record.topic))
        return tr("The topic \"%1\" is not a topic's name.").arg(record.topic);
    if (!readCount(ScoreCsv::unguarded(fields.at(2)), 0, Exercise::MaxClues, record.clues))
        return tr("The clues, \"%1\", are not a number from 0 to %2.").arg(fields.at(2)).arg(Exercise::MaxClues);
    if (!readCount(ScoreCsv::unguarded(fields.at(3)), 0, Exercise::MaxChoices, record.choices))
        return tr("The choices, \"%1\", are not a number from 0 to %2.").arg(fields.at(3)).arg(Exercise::MaxChoices);
    if (!readCount(ScoreCsv::unguarded(fields.at(4)), SavedExercise::MinScore, SavedExercise::MaxScore, record.score))
        return tr("The score, \"%1\", is not a score an exercise can have.").arg(fields.at(4));
    const QString completed = ScoreCsv::unguarded(fields.at(5)).trimmed();
    record.completed.clear();
    if (!completed.isEmpty()) {
        const QDateTime when = QDateTime::fromString(completed, Qt::ISODate);
        if (!when.isValid())
            return tr("\"%1\" is not a date and time such as 2025-03-14T15:42:07+01:00.").arg(completed);
        record.completed = ScoreBook::timeText(when);
    }
    return {};
}

ScoreCsv::Result refused(int line, const QString &problem)
{
    ScoreCsv::Result result;
    result.line = line;
    result.problem = problem;
    return result;
}

} // namespace

QString ScoreCsv::guarded(const QString &field)
{
    return startsLikeFormula(field) && !isWholeNumber(field) ? QLatin1Char('\'') + field : field;
}

QString ScoreCsv::unguarded(const QString &field)
{
    return field.size() > 1 && field.front() == QLatin1Char('\'') && startsLikeFormula(field.mid(1)) ? field.mid(1)
                                                                                                      : field;
}

QByteArray ScoreCsv::write(const QList<ScoreRecord> &records)
{
    QString out;
    out.reserve(Header.size() + records.size() * 48);
    out += Header + QLatin1String("\r\n");
    for (const ScoreRecord &record : records) {
        for (int k = 0; k < Columns; ++k) {
            if (k > 0)
                out += QLatin1Char(',');
            appendField(record.field(k), out);
        }
        out += QLatin1String("\r\n");
    }
    return ByteOrderMark + out.toUtf8();
}

ScoreCsv::Result ScoreCsv::read(const QByteArray &bytes)
{
    if (bytes.size() > MaxFileBytes)
        return refused(1, tr("The file is larger than %1 MB.").arg(MaxFileBytes / (1024 * 1024)));
    const QByteArray body = bytes.startsWith(ByteOrderMark) ? bytes.mid(ByteOrderMark.size()) : bytes;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(body);
    if (decoder.hasError())
        return refused(lineOfBadText(body), tr("The line is not text in UTF-8."));

    Rows rows(text);
    QStringList fields;
    if (!rows.next(fields)) {
        return rows.fault().isEmpty() ? refused(1, tr("The file is empty."))
                                      : refused(rows.faultLine(), rows.fault());
    }
    QStringList header;
    for (const QString &field : std::as_const(fields))
        header.append(field.trimmed().toLower());
    if (header.join(QLatin1Char(',')) != Header)
        return refused(rows.rowLine(), tr("The first line is not the header \"%1\".").arg(Header));

    Result result;
    while (rows.next(fields)) {
        if (result.records.size() == MaxRecords)
            return refused(rows.rowLine(), tr("The file holds more than %1 records.").arg(MaxRecords));
        ScoreRecord record;
        if (const QString problem = toRecord(fields, record); !problem.isEmpty())
            return refused(rows.rowLine(), problem);
        result.records.append(record);
    }
    if (!rows.fault().isEmpty())
        return refused(rows.faultLine(), rows.fault());
    return result;
}

ScoreCsv::Result ScoreCsv::read(QIODevice &device)
{
    return read(device.read(MaxFileBytes + 1));
}
