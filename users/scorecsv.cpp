// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/scorecsv.h"

#include "content/names.h"
#include "content/savedexercise.h"
#include "exercise/exercise.h"
#include "users/accounts.h"

#include <QCoreApplication>
#include <QHash>
#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ScoreCsv", text);
}

// Spreadsheets some families use read a file as UTF-8 only when it starts so.
const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool startsLikeFormula(QStringView field)
{
    if (field.isEmpty())
        return false;
    switch (field.front().unicode()) {
    case u'=': case u'+': case u'-': case u'@': case u'\t': case u'\r': case u'\'': return true;
    default: return false;
    }
}

bool isWholeNumber(QStringView field)
{
    const qsizetype start = field.startsWith(QLatin1Char('-')) ? 1 : 0;
    return field.size() > start && std::all_of(field.cbegin() + start, field.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

// The apostrophe that keeps a field from being read as a formula.
QString guarded(const QString &field)
{
    return startsLikeFormula(field) && !isWholeNumber(field) ? QLatin1Char('\'') + field : field;
}

void appendField(const QString &field, QString &out)
{
    const QString text = guarded(field);
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
// Fields are views into the text; only a field with a doubled quote is copied.
class Rows
{
    Q_DECLARE_TR_FUNCTIONS(ScoreCsv)

public:
    using Fields = std::array<QStringView, ScoreCsv::Columns>;

    explicit Rows(const QString &text)
        : m_text(text)
    {
    }

    // The next row's fields; false at the end of the text or on a fault.
    bool next()
    {
        m_count = 0;
        // Blank lines (one at the end, most often) hold no row.
        while (m_at < m_text.size() && isLineEnd(m_text.at(m_at)))
            skipLineEnd();
        if (m_at >= m_text.size())
            return false;
        m_rowLine = m_line;
        for (;;) {
            if (m_count == ScoreCsv::Columns)
                return fail(m_line, tr("The row has more than %1 fields.").arg(ScoreCsv::Columns));
            if (!readField(m_count))
                return false;
            ++m_count;
            if (m_at >= m_text.size())
                return true;
            if (isLineEnd(m_text.at(m_at))) {
                skipLineEnd();
                return true;
            }
            ++m_at; // the comma
        }
    }

    const Fields &fields() const { return m_fields; }
    int count() const { return m_count; }
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

    bool readField(int index)
    {
        if (m_at < m_text.size() && m_text.at(m_at) == QLatin1Char('"'))
            return readQuoted(index);
        const qsizetype start = m_at;
        while (m_at < m_text.size() && m_text.at(m_at) != QLatin1Char(',') && !isLineEnd(m_text.at(m_at))) {
            if (m_text.at(m_at) == QLatin1Char('"'))
                return fail(m_line, tr("A quote stands inside a field that does not start with one."));
            if (m_at - start >= ScoreCsv::MaxFieldLength)
                return fail(m_line, tr("A field is longer than %1 characters.").arg(ScoreCsv::MaxFieldLength));
            ++m_at;
        }
        m_fields[index] = QStringView(m_text).mid(start, m_at - start);
        return true;
    }

    bool readQuoted(int index)
    {
        const int opened = m_line;
        const qsizetype start = ++m_at;
        int quotes = 0; // doubled quotes, each standing for one
        for (;;) {
            if (m_at >= m_text.size())
                return fail(opened, tr("A quoted field is not closed."));
            const QChar c = m_text.at(m_at++);
            if (c == QLatin1Char('"')) {
                if (m_at < m_text.size() && m_text.at(m_at) == QLatin1Char('"')) {
                    ++m_at;
                    ++quotes;
                } else {
                    if (m_at < m_text.size() && m_text.at(m_at) != QLatin1Char(',') && !isLineEnd(m_text.at(m_at)))
                        return fail(m_line, tr("A quoted field goes on after its closing quote."));
                    break;
                }
            } else if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && (m_at >= m_text.size()
                                                                               || m_text.at(m_at) != QLatin1Char('\n')))) {
                ++m_line;
            }
            if (m_at - start - quotes > ScoreCsv::MaxFieldLength)
                return fail(opened, tr("A field is longer than %1 characters.").arg(ScoreCsv::MaxFieldLength));
        }
        const QStringView inside = QStringView(m_text).mid(start, m_at - 1 - start);
        if (quotes == 0) {
            m_fields[index] = inside;
        } else {
            m_copies[index] = inside.toString().replace(QLatin1String("\"\""), QLatin1String("\""));
            m_fields[index] = m_copies[index];
        }
        return true;
    }

    const QString &m_text;
    qsizetype m_at = 0;
    int m_line = 1;
    int m_rowLine = 1;
    int m_faultLine = 0;
    QString m_fault;
    Fields m_fields;
    std::array<QString, ScoreCsv::Columns> m_copies;
    int m_count = 0;
};

// One copy of each text met, so that a school's records share their names,
// topics and numbers, and a text met before costs no new copy.
class Texts
{
public:
    const QString &of(QStringView text)
    {
        QList<QString> &alike = m_texts[qHash(text)];
        for (const QString &known : std::as_const(alike)) {
            if (known == text)
                return known;
        }
        alike.append(text.toString());
        return alike.constLast();
    }

private:
    QHash<size_t, QList<QString>> m_texts;
};

QStringView unguardedView(QStringView field)
{
    return field.size() > 1 && field.front() == QLatin1Char('\'') && startsLikeFormula(field.mid(1)) ? field.mid(1)
                                                                                                      : field;
}

// A count written as a whole number within its bounds, in the program's own form.
bool readCount(QStringView field, int min, int max, Texts &texts, QString &out)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!isWholeNumber(field) || !ok || value < min || value > max)
        return false;
    // Most files hold the form written here already ("7", not "07" or "-0").
    const bool canonical = field.size() == 1 || (field.front() != QLatin1Char('0') && !field.startsWith(QLatin1String("-0")));
    out = canonical ? texts.of(field) : QString::number(value);
    return true;
}

bool isDigits(QStringView text, qsizetype from, qsizetype count)
{
    for (qsizetype i = from; i < from + count; ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    return true;
}

// The form the program writes, "2025-03-14T15:42:07+01:00", checked without
// the general reader, which takes most of the time of a large file.
bool isTimeText(QStringView text)
{
    if (text.size() != 25 || !isDigits(text, 0, 4) || text.at(4) != QLatin1Char('-') || !isDigits(text, 5, 2)
        || text.at(7) != QLatin1Char('-') || !isDigits(text, 8, 2) || text.at(10) != QLatin1Char('T')
        || !isDigits(text, 11, 2) || text.at(13) != QLatin1Char(':') || !isDigits(text, 14, 2)
        || text.at(16) != QLatin1Char(':') || !isDigits(text, 17, 2)
        || (text.at(19) != QLatin1Char('+') && text.at(19) != QLatin1Char('-')) || !isDigits(text, 20, 2)
        || text.at(22) != QLatin1Char(':') || !isDigits(text, 23, 2))
        return false;
    const auto number = [&](qsizetype from, qsizetype count) { return text.mid(from, count).toInt(); };
    return QDate::isValid(number(0, 4), number(5, 2), number(8, 2))
        && QTime::isValid(number(11, 2), number(14, 2), number(17, 2)) && number(20, 2) <= 14 && number(23, 2) < 60;
}

// A name or a topic as a file gives it, cleaned (Names::cleaned), and why it
// cannot be used, or an empty text.
struct CheckedName
{
    QString name;
    QString problem;
};

// Names and topics come many times over, so each text met is cleaned and
// checked once.
class CheckedNames
{
public:
    CheckedName player(QStringView raw, Texts &texts)
    {
        return checked(m_players, raw, texts, [](const QString &text, const QString &name) {
            const QString problem = Names::problemWithNewName(name);
            return problem.isEmpty()
                ? problem
                : QCoreApplication::translate("ScoreCsv", "The name \"%1\" cannot be used: %2").arg(text, problem);
        });
    }
    CheckedName topic(QStringView raw, Texts &texts)
    {
        return checked(m_topics, raw, texts, [](const QString &text, const QString &topic) {
            return topic.isEmpty() || hasControl(topic)
                ? QCoreApplication::translate("ScoreCsv", "The topic \"%1\" is not a topic's name.").arg(text)
                : QString();
        });
    }

private:
    template<typename Check>
    static CheckedName checked(QHash<QString, CheckedName> &known, QStringView raw, Texts &texts, Check check)
    {
        const QString text = texts.of(raw);
        auto found = known.constFind(text);
        if (found == known.cend()) {
            const QString name = texts.of(Names::cleaned(text));
            found = known.insert(text, {name, check(text, name)});
        }
        return *found;
    }

    QHash<QString, CheckedName> m_players;
    QHash<QString, CheckedName> m_topics;
};

// One row as a record, or why it cannot be one.
QString toRecord(const Rows &rows, ScoreRecord &record, Texts &texts, CheckedNames &names)
{
    if (rows.count() != ScoreCsv::Columns)
        return QCoreApplication::translate("ScoreCsv", "The row has %1 fields instead of %2.").arg(rows.count()).arg(ScoreCsv::Columns);
    const Rows::Fields &fields = rows.fields();
    // Names are read as signing in reads them, blanks around them trimmed, so
    // "Ann " is Ann and a topic "Addition " is Addition.
    const CheckedName player = names.player(unguardedView(fields[0]), texts);
    if (!player.problem.isEmpty())
        return player.problem;
    record.player = player.name;
    const CheckedName topic = names.topic(unguardedView(fields[1]), texts);
    if (!topic.problem.isEmpty())
        return topic.problem;
    record.topic = topic.name;
    if (!readCount(unguardedView(fields[2]), 0, Exercise::MaxClues, texts, record.clues))
        return QCoreApplication::translate("ScoreCsv", "The clues, \"%1\", are not a number from 0 to %2.").arg(fields[2]).arg(Exercise::MaxClues);
    if (!readCount(unguardedView(fields[3]), 0, Exercise::MaxChoices, texts, record.choices))
        return QCoreApplication::translate("ScoreCsv", "The choices, \"%1\", are not a number from 0 to %2.").arg(fields[3]).arg(Exercise::MaxChoices);
    if (!readCount(unguardedView(fields[4]), SavedExercise::MinScore, SavedExercise::MaxScore, texts, record.score))
        return QCoreApplication::translate("ScoreCsv", "The score, \"%1\", is not a score an exercise can have.").arg(fields[4]);
    const QStringView completed = unguardedView(fields[5]).trimmed();
    if (isTimeText(completed)) {
        record.completed = completed.toString();
    } else if (!completed.isEmpty()) {
        const QDateTime when = QDateTime::fromString(completed.toString(), Qt::ISODate);
        if (!when.isValid())
            return QCoreApplication::translate("ScoreCsv", "\"%1\" is not a date and time such as 2025-03-14T15:42:07+01:00.").arg(completed);
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
    if (!rows.next()) {
        return rows.fault().isEmpty() ? refused(1, tr("The file is empty."))
                                      : refused(rows.faultLine(), rows.fault());
    }
    QStringList header;
    for (int k = 0; k < rows.count(); ++k)
        header.append(rows.fields()[k].trimmed().toString().toLower());
    if (header.join(QLatin1Char(',')) != Header)
        return refused(rows.rowLine(), tr("The first line is not the header \"%1\".").arg(Header));

    Result result;
    result.records.reserve(std::min<qsizetype>(MaxRecords, body.size() / 32));
    Texts texts;
    CheckedNames names;
    while (rows.next()) {
        if (result.records.size() == MaxRecords)
            return refused(rows.rowLine(), tr("The file holds more than %1 records.").arg(MaxRecords));
        ScoreRecord record;
        if (const QString problem = toRecord(rows, record, texts, names); !problem.isEmpty())
            return refused(rows.rowLine(), problem);
        result.records.append(std::move(record));
    }
    if (!rows.fault().isEmpty())
        return refused(rows.faultLine(), rows.fault());
    return result;
}

ScoreCsv::Result ScoreCsv::read(QIODevice &device)
{
    return read(device.read(MaxFileBytes + 1));
}
