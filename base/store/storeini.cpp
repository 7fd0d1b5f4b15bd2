// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the settings file as the toolkit reads it, without its settings
// object: that object wants a file of its own to read, and builds a second map
// of every key on the way, which for a school's years of records costs more
// than all the rest of a start. What is read here is compared, key by key and
// value by value, with what the toolkit reads from the same bytes.

#include "base/store/inivalue.h"
#include "base/store/storemap.h"

#include <QSet>
#include <QStringDecoder>

#include <array>
#include <cctype>

namespace {

// The blanks between lines (not form or line tabulations).
bool isSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

// One logical line: a key and its value, a section heading or a comment. Quotes
// and backslashes carry a value over line breaks; ";" outside quotes ends it.
struct Line
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1; // the first "=" outside quotes, within the line
};

bool nextLine(QByteArrayView data, qsizetype &pos, Line &line)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    qsizetype start = pos;
    while (start < size && isSpace(data[start]))
        ++start;
    qsizetype i = start;
    while (i < size) {
        const char ch = data[i++];
        switch (ch) {
        case '=':
            if (!inQuotes && line.equals < 0)
                line.equals = i - 1 - start;
            break;
        case '\n':
        case '\r':
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
            break;
        case '\\':
            if (i < size) {
                const char escaped = data[i++];
                if (i < size) {
                    const char next = data[i];
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
            break;
        case '"':
            inQuotes = !inQuotes;
            break;
        case ';':
            if (i == start + 1) { // a comment: the rest of the line, and the blanks after it
                while (i < size && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < size && isSpace(data[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
            break;
        default:
            break;
        }
    }
done:
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

// A key or section name: "\" stands for "/", %XX and %UXXXX for other characters.
void appendUnescapedKey(QByteArrayView key, QString &out)
{
    // Most keys are letters, digits and "\" alone: taken as they are.
    const bool plain = std::all_of(key.cbegin(), key.cend(), [](char ch) {
        return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
            || ch == '-' || ch == '.' || ch == '\\';
    });
    if (plain) {
        const qsizetype from = out.size();
        out.append(QLatin1StringView(key));
        for (qsizetype i = from; i < out.size(); ++i) {
            if (out.at(i) == u'\\')
                out[i] = u'/';
        }
        return;
    }
    const QString decoded = QString::fromUtf8(key);
    const qsizetype size = decoded.size();
    out.reserve(out.size() + size);
    for (qsizetype i = 0; i < size;) {
        const QChar ch = decoded.at(i);
        if (ch == u'\\') {
            out += u'/';
            ++i;
            continue;
        }
        if (ch != u'%' || i == size - 1) {
            out += ch;
            ++i;
            continue;
        }
        qsizetype first = i + 1;
        int digits = 2;
        if (decoded.at(i + 1) == u'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code = first + digits <= size ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            out += u'%';
            ++i;
            continue;
        }
        out += QChar(code);
        i = first + digits;
    }
}

void chopTrailingBlanks(QString &text, qsizetype limit)
{
    qsizetype n = text.size() - 1;
    while (n >= limit && (text.at(n) == u' ' || text.at(n) == u'\t'))
        text.truncate(n--);
}

// A value: escapes undone, quotes taken away, and split at "," outside quotes
// into a list. Returns whether it was a list.
bool unescapeValue(QByteArrayView value, QString &text, QStringList &list)
{
    static constexpr std::array<std::array<char, 2>, 11> Escapes{{{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                                                  {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                                                  {'?', '?'}, {'\'', '\''}, {'\\', '\\'}}};
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    const qsizetype size = value.size();
    qsizetype i = 0;
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    auto skipBlanks = [&] {
        while (i < size && (value[i] == ' ' || value[i] == '\t'))
            ++i;
    };
    skipBlanks();
    qsizetype chopLimit = text.size();
    // A value that ends inside an escape keeps its trailing blanks.
    bool cutShort = false;
    while (i < size) {
        const char ch = value[i];
        if (ch == '\\') {
            if (++i >= size) {
                cutShort = true;
                break;
            }
            const char code = value[i++];
            const auto plain = std::find_if(Escapes.cbegin(), Escapes.cend(), [code](const auto &e) { return e[0] == code; });
            if (plain != Escapes.cend()) {
                text += QLatin1Char((*plain)[1]);
                chopLimit = text.size();
                continue;
            }
            if (code == 'x' && i >= size) {
                cutShort = true;
                break;
            }
            const bool hex = code == 'x' && std::isxdigit(static_cast<unsigned char>(value[i]));
            if (hex || (code >= '0' && code <= '7')) {
                // \xHH... and \OOO: as many digits as follow, kept to 16 bits.
                char16_t number = hex ? 0 : char16_t(code - '0');
                const int base = hex ? 16 : 8;
                while (i < size) {
                    const char digit = value[i];
                    int d = -1;
                    if (digit >= '0' && digit <= (base == 8 ? '7' : '9'))
                        d = digit - '0';
                    else if (base == 16 && digit >= 'a' && digit <= 'f')
                        d = digit - 'a' + 10;
                    else if (base == 16 && digit >= 'A' && digit <= 'F')
                        d = digit - 'A' + 10;
                    if (d < 0)
                        break;
                    number = char16_t(number * base + d);
                    ++i;
                }
                text += QChar(number);
                chopLimit = text.size();
                continue;
            }
            if ((code == '\n' || code == '\r') && i < size) {
                const char next = value[i];
                if ((next == '\n' || next == '\r') && next != code)
                    ++i;
            }
            // Any other escaped character is dropped.
            chopLimit = text.size();
            continue;
        }
        if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = text.size();
            }
            continue;
        }
        if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingBlanks(text, chopLimit);
            if (!isList) {
                isList = true;
                list.clear();
                text.squeeze();
            }
            list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
            chopLimit = text.size();
            continue;
        }
        qsizetype j = i + 1;
        while (j < size && value[j] != '\\' && value[j] != '"' && value[j] != ',')
            ++j;
        text += fromUtf8(value.sliced(i, j - i));
        i = j;
    }
    if (!cutShort && !quoted)
        chopTrailingBlanks(text, chopLimit);
    if (isList)
        list.append(text);
    return isList;
}


// How many records the fields of the "scores" section can make: the highest
// record number, but no more than there are fields (a damaged file may name
// a record far beyond the others).
int recordRoom(const QList<QByteArrayView> &parts)
{
    int fields = 0;
    int furthest = 0;
    Line line;
    for (const QByteArrayView part : parts) {
        qsizetype at = 0;
        while (nextLine(part, at, line)) {
            if (line.equals < 0)
                continue;
            // As the program writes them: "score<n>\<k>".
            const QByteArrayView key = part.sliced(line.start, line.equals).trimmed();
            const qsizetype slash = key.indexOf('\\');
            if (!key.startsWith("score") || slash < 6 || slash > 14)
                continue;
            bool ok = false;
            const int number = key.sliced(5, slash - 5).toInt(&ok);
            if (ok && number > 0) {
                ++fields;
                furthest = std::max(furthest, number);
            }
        }
    }
    return std::min(furthest, fields);
}

// A section's heading as a key prefix: "[General]" holds keys of no group.
QString sectionPrefix(QByteArrayView heading)
{
    if (heading.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    QString prefix;
    if (heading.compare("%general", Qt::CaseInsensitive) == 0)
        prefix = QString::fromLatin1(heading.sliced(1));
    else
        appendUnescapedKey(heading, prefix);
    return prefix + u'/';
}

} // namespace

StoreMap StoreMap::fromIni(QByteArrayView data)
{
    // Sections are taken in the order of their names, and a section named
    // twice is read as one: where a key is given twice, the last one read holds.
    QMap<QString, QList<QByteArrayView>> sections;
    qsizetype pos = data.startsWith("\xef\xbb\xbf") ? 3 : 0;
    QList<QByteArrayView> *current = &sections[QString()];
    qsizetype sectionStart = pos;
    Line line;
    auto closeSection = [&](qsizetype end) {
        if (end > sectionStart)
            current->append(data.sliced(sectionStart, end - sectionStart));
    };
    while (nextLine(data, pos, line)) {
        const QByteArrayView text = data.sliced(line.start, line.length);
        if (!text.startsWith('['))
            continue;
        closeSection(line.start);
        qsizetype close = text.indexOf(']');
        if (close < 0)
            close = text.size();
        current = &sections[sectionPrefix(text.first(close).sliced(1).trimmed())];
        sectionStart = pos;
    }
    closeSection(data.size());

    StoreMap map;
    // Room for the score records at once: as many as their fields can make.
    const auto scores = sections.constFind(QStringLiteral("scores/"));
    if (scores != sections.cend())
        map.m_scores.reserveUpTo(recordRoom(*scores));
    // Names, topics and small numbers repeat from record to record: one copy each.
    QSet<QString> repeated;
    QStringList list;
    QString value;
    int number = 0;
    int field = 0;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        for (const QByteArrayView part : section.value()) {
            qsizetype at = 0;
            while (nextLine(part, at, line)) {
                if (line.equals < 0)
                    continue;
                const QByteArrayView text = part.sliced(line.start, line.length);
                QString key = section.key();
                appendUnescapedKey(text.first(line.equals).trimmed(), key);
                // An empty value is an empty text, not a missing one, as the toolkit reads it.
                value = QString();
                value.reserve(line.length - line.equals - 1);
                const bool isList = unescapeValue(text.sliced(line.equals + 1), value, list);
                QVariant read = isList ? IniValue::listToVariant(list) : IniValue::toVariant(value);
                if (!isList && ScoreTable::parse(key, number, field) && field != ScoreRecord::Completed
                    && read.metaType().id() == QMetaType::QString) {
                    const auto known = repeated.constFind(read.toString());
                    if (known != repeated.cend())
                        read = *known;
                    else
                        repeated.insert(read.toString());
                }
                map.insert(key, read);
            }
        }
    }
    // A key written with a doubled, leading or trailing "/" is found under its
    // plain form, so it holds that key's value, or none; an empty key none.
    for (auto it = map.m_values.begin(); it != map.m_values.end(); ++it) {
        const QString plain = normalizedKey(it.key());
        if (plain.isEmpty())
            it.value() = QVariant();
        else if (plain != it.key())
            it.value() = map.value(plain);
    }
    return map;
}
