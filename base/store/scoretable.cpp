// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/store/scoretable.h"

namespace {

// A record number far beyond the records there is damage, never a reason to
// make room for all the numbers before it.
constexpr int FurthestAhead = 1024;

QString &fieldOf(ScoreRecord &record, int field)
{
    switch (field) {
    case ScoreRecord::Player: return record.player;
    case ScoreRecord::Topic: return record.topic;
    case ScoreRecord::Clues: return record.clues;
    case ScoreRecord::Choices: return record.choices;
    case ScoreRecord::Score: return record.score;
    case ScoreRecord::Completed: return record.completed;
    default: return record.origin;
    }
}

const QString &fieldOf(const ScoreRecord &record, int field)
{
    return fieldOf(const_cast<ScoreRecord &>(record), field);
}

bool isAbsent(const ScoreRecord &record)
{
    for (int k = 0; k < ScoreTable::Fields; ++k) {
        if (!fieldOf(record, k).isNull())
            return false;
    }
    return true;
}

// Every record number in the order of its decimal text ("1", "10", "100", ...,
// "11", ...), as the keys of its fields sort.
void inTextOrder(qint64 from, int last, const std::function<void(int)> &visit)
{
    for (qint64 n = from; n <= last && n <= from + (from == 1 ? 8 : 9); ++n) {
        visit(int(n));
        if (n * 10 <= last)
            inTextOrder(n * 10, last, visit);
    }
}

} // namespace

QString ScoreTable::prefix()
{
    return QStringLiteral("scores/score");
}

bool ScoreTable::parse(QStringView key, int &number, int &field)
{
    static const QString start = prefix();
    if (!key.startsWith(start))
        return false;
    const QStringView rest = key.sliced(start.size());
    const qsizetype slash = rest.indexOf(u'/');
    // Field 0 to 6 after a number of at most nine digits, without a leading zero.
    if (slash < 1 || slash > 9 || rest.size() != slash + 2 || rest.at(0) == u'0')
        return false;
    const QChar k = rest.at(slash + 1);
    if (k < u'0' || k >= QChar(u'0' + Fields))
        return false;
    qint64 n = 0;
    for (qsizetype i = 0; i < slash; ++i) {
        const QChar digit = rest.at(i);
        if (digit < u'0' || digit > u'9')
            return false;
        n = n * 10 + (digit.unicode() - u'0');
    }
    number = int(n);
    field = k.unicode() - u'0';
    return true;
}

QString ScoreTable::keyOf(int number, int field)
{
    return prefix() + QString::number(number) + QLatin1Char('/') + QChar(u'0' + field);
}

const QString *ScoreTable::find(int number, int field) const
{
    if (number < 1 || number > m_records.size())
        return nullptr;
    const QString &text = fieldOf(m_records.at(number - 1), field);
    return text.isNull() ? nullptr : &text;
}

bool ScoreTable::set(int number, int field, const QString &text)
{
    if (number < 1 || number > m_records.size() + FurthestAhead || text.isNull())
        return false;
    if (number > m_records.size())
        m_records.resize(number);
    QString &stored = fieldOf(m_records[number - 1], field);
    if (stored.isNull())
        ++m_fields;
    stored = text;
    return true;
}

void ScoreTable::reserveUpTo(int number)
{
    if (number > m_records.size())
        m_records.resize(number);
}

void ScoreTable::remove(int number, int field)
{
    if (number < 1 || number > m_records.size())
        return;
    QString &stored = fieldOf(m_records[number - 1], field);
    if (!stored.isNull())
        --m_fields;
    stored = QString();
    trim();
}

void ScoreTable::removeRecord(int number)
{
    for (int k = 0; k < Fields; ++k)
        remove(number, k);
}

void ScoreTable::trim()
{
    qsizetype size = m_records.size();
    while (size > 0 && isAbsent(m_records.at(size - 1)))
        --size;
    if (size < m_records.size())
        m_records.resize(size);
}

void ScoreTable::forEach(const std::function<void(const QString &, const QString &)> &visit) const
{
    if (m_records.isEmpty())
        return;
    inTextOrder(1, int(m_records.size()), [&](int n) {
        const ScoreRecord &record = m_records.at(n - 1);
        for (int k = 0; k < Fields; ++k) {
            const QString &text = fieldOf(record, k);
            if (!text.isNull())
                visit(keyOf(n, k), text);
        }
    });
}

bool ScoreTable::operator==(const ScoreTable &other) const
{
    if (m_fields != other.m_fields || m_records.size() != other.m_records.size())
        return false;
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        for (int k = 0; k < Fields; ++k) {
            const QString &mine = fieldOf(m_records.at(i), k);
            const QString &theirs = fieldOf(other.m_records.at(i), k);
            if (mine.isNull() != theirs.isNull() || mine != theirs)
                return false;
        }
    }
    return true;
}
