// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/store/storemap.h"

#include <QSettings>
#include <QStringEncoder>

namespace {

const char HexDigits[] = "0123456789ABCDEF";

// A key part as the toolkit writes it: letters, digits, "_", "-" and "." as
// they are; "/" as "\"; every other character as %XX, or %UXXXX beyond Latin-1.
void appendKey(QStringView key, QByteArray &out)
{
    for (const QChar qch : key) {
        const char16_t ch = qch.unicode();
        if (ch == u'/') {
            out += '\\';
        } else if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9')
                   || ch == u'_' || ch == u'-' || ch == u'.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += HexDigits[ch / 16];
            out += HexDigits[ch % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += HexDigits[(ch >> shift) & 0xF];
        }
    }
}

// A text value as the toolkit writes it: control characters, quotes and
// backslashes escaped, the rest in UTF-8, and the whole in quotes when it holds
// ";", "," or "=", or begins or ends with a blank.
void appendText(const QString &text, QByteArray &out)
{
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    // The byte-array form keeps each character as one byte.
    const bool asUtf8 = !text.startsWith(QLatin1String("@ByteArray("));
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    for (const QChar qch : text) {
        const char16_t ch = qch.unicode();
        if (ch == u';' || ch == u',' || ch == u'=')
            needsQuotes = true;
        if (escapeNextIfHexDigit
            && ((ch >= u'0' && ch <= u'9') || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F'))) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHexDigit = false;
        switch (ch) {
        case u'\0': out += "\\0"; escapeNextIfHexDigit = true; break;
        case u'\a': out += "\\a"; break;
        case u'\b': out += "\\b"; break;
        case u'\f': out += "\\f"; break;
        case u'\n': out += "\\n"; break;
        case u'\r': out += "\\r"; break;
        case u'\t': out += "\\t"; break;
        case u'\v': out += "\\v"; break;
        case u'"':
        case u'\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !asUtf8)) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfHexDigit = true;
            } else if (asUtf8 && ch >= 0x80) {
                out += toUtf8(QStringView(&qch, 1));
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// A text as the toolkit turns it into a value: one beginning with "@" is told
// apart from the toolkit's own forms by a second "@".
QString plainText(const QString &text)
{
    return text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
}

// The value's text, or nothing when only the toolkit knows how to write it.
std::optional<QString> textOf(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray:
        return QStringLiteral("@ByteArray(") + QString::fromLatin1(value.toByteArray()) + QLatin1Char(')');
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool: {
        const QString text = value.toString();
        if (text.contains(QChar::Null))
            return std::nullopt;
        return plainText(text);
    }
    default:
        return std::nullopt;
    }
}

bool appendValue(const QVariant &value, QByteArray &out)
{
    if (value.metaType().id() != QMetaType::QStringList) {
        const std::optional<QString> text = textOf(value);
        if (text)
            appendText(*text, out);
        return text.has_value();
    }
    const QStringList list = value.toStringList();
    if (list.isEmpty())
        out += "@Invalid()"; // an empty list, told apart from a list of one empty text
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i > 0)
            out += ", ";
        if (list.at(i).contains(QChar::Null))
            return false;
        appendText(plainText(list.at(i)), out);
    }
    return true;
}

} // namespace

QString StoreMap::normalizedKey(const QString &key)
{
    QString result;
    result.reserve(key.size());
    for (const QChar ch : key) {
        if (ch == QLatin1Char('/') && (result.isEmpty() || result.back() == QLatin1Char('/')))
            continue;
        result += ch;
    }
    if (result.endsWith(QLatin1Char('/')))
        result.chop(1);
    return result;
}

QVariant StoreMap::value(const QString &key, const QVariant &fallback) const
{
    const QString normal = normalizedKey(key);
    int number = 0;
    int field = 0;
    if (ScoreTable::parse(normal, number, field)) {
        if (const QString *text = m_scores.find(number, field))
            return *text;
    }
    return m_values.value(normal, fallback);
}

bool StoreMap::contains(const QString &key) const
{
    const QString normal = normalizedKey(key);
    int number = 0;
    int field = 0;
    return (ScoreTable::parse(normal, number, field) && m_scores.find(number, field)) || m_values.contains(normal);
}

void StoreMap::setValue(const QString &key, const QVariant &value)
{
    const QString normal = normalizedKey(key);
    if (normal.isEmpty())
        return;
    int number = 0;
    int field = 0;
    const QString *text = ScoreTable::parse(normal, number, field) ? m_scores.find(number, field) : nullptr;
    const auto found = m_values.constFind(normal);
    const bool same = text ? value.metaType().id() == QMetaType::QString && *text == value.toString()
                           : found != m_values.cend() && found->metaType() == value.metaType() && *found == value;
    if (same)
        return;
    insert(normal, value);
    ++m_edits;
}

void StoreMap::insert(const QString &key, const QVariant &value)
{
    int number = 0;
    int field = 0;
    if (ScoreTable::parse(key, number, field)) {
        if (value.metaType().id() == QMetaType::QString && m_scores.set(number, field, value.toString())) {
            m_values.remove(key);
            return;
        }
        m_scores.remove(number, field);
    }
    m_values.insert(key, value);
}

void StoreMap::remove(const QString &key)
{
    const QString normal = normalizedKey(key);
    if (normal.isEmpty()) {
        clear();
        return;
    }
    ++m_edits;
    m_values.remove(normal);
    const QString under = normal + QLatin1Char('/');
    auto it = m_values.lowerBound(under);
    while (it != m_values.end() && it.key().startsWith(under))
        it = m_values.erase(it);
    // The table's keys lie under "scores", under their record's key "scores/score<n>", or are the key.
    int number = 0;
    int field = 0;
    if (normal == QLatin1String("scores"))
        m_scores.clear();
    else if (ScoreTable::parse(normal, number, field))
        m_scores.remove(number, field);
    else if (ScoreTable::parse(normal + QStringLiteral("/0"), number, field))
        m_scores.removeRecord(number);
}

bool StoreMap::scoresAreAllInTable() const
{
    // A record's field kept otherwise sorts between "scores/score1" and "scores/score:".
    const QString first = ScoreTable::prefix() + QLatin1Char('1');
    const QString past = ScoreTable::prefix() + QLatin1Char(':');
    int number = 0;
    int field = 0;
    for (auto it = m_values.lowerBound(first); it != m_values.cend() && it.key() < past; ++it) {
        if (ScoreTable::parse(it.key(), number, field))
            return false;
    }
    return true;
}

QStringList StoreMap::allKeys() const
{
    QStringList keys = m_values.keys();
    if (m_scores.isEmpty())
        return keys;
    keys.reserve(keys.size() + m_scores.fieldCount());
    m_scores.forEach([&keys](const QString &key, const QString &) { keys.append(key); });
    std::sort(keys.begin(), keys.end());
    return keys;
}

StoreMap StoreMap::without(const QString &group) const
{
    // The keys under the group lie together, between "group/" and "group0"
    // ("0" follows "/"): only the keys around them are copied.
    StoreMap rest;
    rest.m_fileBytes = m_fileBytes;
    const auto first = m_values.lowerBound(group + QLatin1Char('/'));
    const auto last = m_values.lowerBound(group + QLatin1Char('0'));
    for (auto it = m_values.cbegin(); it != first; ++it) {
        if (it.key() != group)
            rest.m_values.insert(rest.m_values.cend(), it.key(), it.value());
    }
    for (auto it = last; it != m_values.cend(); ++it)
        rest.m_values.insert(rest.m_values.cend(), it.key(), it.value());
    if (group != QLatin1String("scores"))
        rest.m_scores = m_scores;
    return rest;
}

StoreMap StoreMap::from(const QSettings &settings)
{
    StoreMap map;
    const QStringList keys = settings.allKeys();
    int fields = 0;
    int furthest = 0;
    for (const QString &key : keys) {
        int number = 0;
        int field = 0;
        if (ScoreTable::parse(key, number, field)) {
            ++fields;
            furthest = std::max(furthest, number);
        }
    }
    map.m_scores.reserveUpTo(std::min(furthest, fields));
    for (const QString &key : keys)
        map.insert(key, settings.value(key));
    return map;
}

std::optional<QByteArray> StoreMap::toIni() const
{
    // Sections in the order of their names, the keys of no group first under
    // "[General]"; a group of that name (in any case) is written "%General".
    using Entry = QMap<QString, QVariant>::const_iterator;
    QMap<QString, QList<Entry>> sections;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        sections[slash < 0 ? QString() : it.key().left(slash)].append(it);
    }
    const QString scoresSection = QStringLiteral("scores");
    if (!m_scores.isEmpty())
        sections[scoresSection];
    QByteArray out;
    out.reserve(m_values.size() * 32 + qsizetype(m_scores.fieldCount()) * 24);
    bool first = true;
    bool written = true;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!first)
            out += '\n';
        first = false;
        QByteArray name;
        appendKey(section.key(), name);
        if (name.isEmpty())
            out += "[General]";
        else if (name.compare("general", Qt::CaseInsensitive) == 0)
            out += "[%General]";
        else
            out += '[' + name + ']';
        out += '\n';
        const qsizetype skip = section.key().isEmpty() ? 0 : section.key().size() + 1;
        auto next = section.value().cbegin();
        const auto end = section.value().cend();
        auto writeUpTo = [&](const QString *before) {
            for (; next != end && (!before || (*next).key() < *before); ++next) {
                appendKey((*next).key().mid(skip), out);
                out += '=';
                written = written && appendValue((*next).value(), out);
                out += '\n';
            }
        };
        // The table's keys take their places among the section's other keys.
        if (section.key() == scoresSection) {
            m_scores.forEach([&](const QString &key, const QString &text) {
                writeUpTo(&key);
                appendKey(QStringView(key).mid(skip), out);
                out += '=';
                written = written && appendValue(text, out);
                out += '\n';
            });
        }
        writeUpTo(nullptr);
        if (!written)
            return std::nullopt;
    }
    return out;
}
