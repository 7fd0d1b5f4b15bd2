// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/spokentext.h"

#include "exercise/numberwords.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// The name of one part of a whole cut into `parts` ("quarter"), or of several
// ("quarters"); empty when the language's table has none.
using PartsName = QString (*)(int parts, bool plural);

QString englishParts(int parts, bool plural)
{
    static const char *const units[] = {"", "first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth",
                                        "ninth"};
    static const char *const teens[] = {"tenth", "eleventh", "twelfth", "thirteenth", "fourteenth", "fifteenth",
                                        "sixteenth", "seventeenth", "eighteenth", "nineteenth"};
    static const char *const tens[] = {"", "", "twent", "thirt", "fort", "fift", "sixt", "sevent", "eight", "ninet"};
    QString word;
    if (parts == 2)
        return utf8(plural ? "halves" : "half");
    if (parts == 4)
        word = utf8("quarter");
    else if (parts >= 3 && parts < 10)
        word = utf8(units[parts]);
    else if (parts >= 10 && parts < 20)
        word = utf8(teens[parts - 10]);
    else if (parts >= 20 && parts < 100)
        word = utf8(tens[parts / 10]) + (parts % 10 == 0 ? utf8("ieth") : utf8("y-") + utf8(units[parts % 10]));
    else if (parts == 100 || parts == 1000)
        word = utf8(parts == 100 ? "hundredth" : "thousandth");
    else
        return {};
    return plural ? word + QLatin1Char('s') : word;
}

QString frenchParts(int parts, bool plural)
{
    QString word;
    if (parts == 3)
        return utf8("tiers");
    if (parts == 2 || parts == 4) {
        word = utf8(parts == 2 ? "demi" : "quart");
    } else if (parts >= 5 && parts < 100) {
        word = NumberWords::of(parts, QStringLiteral("fr"));
        if (word.endsWith(QLatin1String("cinq")))
            word += QLatin1Char('u');
        else if (word.endsWith(QLatin1String("neuf")))
            word.back() = QLatin1Char('v');
        else if (word.endsWith(QLatin1Char('e')) || word.endsWith(QLatin1Char('s')))
            word.chop(1);
        word += utf8("ième");
    } else if (parts == 100 || parts == 1000) {
        word = utf8(parts == 100 ? "centième" : "millième");
    } else {
        return {};
    }
    return plural ? word + QLatin1Char('s') : word;
}

QString spanishParts(int parts, bool plural)
{
    static const char *const small[] = {"medio", "tercio", "cuarto", "quinto", "sexto", "séptimo", "octavo", "noveno",
                                        "décimo"};
    static const char *const teens[] = {"once", "doce", "trece", "catorce", "quince", "dieciseis", "diecisiete",
                                        "dieciocho", "diecinueve", "veinte", "veintiun", "veintidos", "veintitres",
                                        "veinticuatro", "veinticinco", "veintiseis", "veintisiete", "veintiocho",
                                        "veintinueve"};
    static const char *const units[] = {"", "un", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve"};
    static const char *const tens[] = {"", "", "", "treint", "cuarent", "cincuent", "sesent", "setent", "ochent",
                                       "novent"};
    QString word;
    if (parts >= 2 && parts <= 10)
        word = utf8(small[parts - 2]);
    else if (parts > 10 && parts < 30)
        word = utf8(teens[parts - 11]) + utf8("avo");
    else if (parts >= 30 && parts < 100)
        word = utf8(tens[parts / 10]) + (parts % 10 == 0 ? QString() : utf8("ai") + utf8(units[parts % 10])) + utf8("avo");
    else if (parts == 100 || parts == 1000)
        word = utf8(parts == 100 ? "centésimo" : "milésimo");
    else
        return {};
    return plural ? word + QLatin1Char('s') : word;
}

// The words of one language.
struct Words
{
    QString plus, minus, times, dividedBy, equals, percent, lessThan, greaterThan, andSign, euros, pounds;
    QString blank;    // a missing number
    QString howMany;  // a missing number of parts: "how many quarters"
    QString over;     // parts the table has no name for: "3 over 101"
    QString one;      // one part: "one fifth"
    QString half;     // "a half"
    QString andHalf;  // after a whole number: "2 and a half"
    QString mixedAnd; // between a whole number and its fraction: "2 and 3 quarters"
    PartsName parts;
};

const Words &wordsOf(const QString &language)
{
    static const Words english{utf8("plus"), utf8("minus"), utf8("times"), utf8("divided by"), utf8("equals"),
                               utf8("percent"), utf8("is less than"), utf8("is greater than"), utf8("and"),
                               utf8("euros"), utf8("pounds"), utf8("what"), utf8("how many"), utf8("over"),
                               utf8("one"), utf8("a half"), utf8("and a half"), utf8("and"), englishParts};
    static const Words french{utf8("plus"), utf8("moins"), utf8("fois"), utf8("divisé par"), utf8("égale"),
                              utf8("pour cent"), utf8("est plus petit que"), utf8("est plus grand que"), utf8("et"),
                              utf8("euros"), utf8("livres"), utf8("combien"), utf8("combien de"), utf8("sur"),
                              utf8("un"), utf8("un demi"), utf8("et demi"), utf8("et"), frenchParts};
    static const Words spanish{utf8("más"), utf8("menos"), utf8("por"), utf8("dividido entre"), utf8("es igual a"),
                               utf8("por ciento"), utf8("es menor que"), utf8("es mayor que"), utf8("y"),
                               utf8("euros"), utf8("libras"), utf8("cuánto"), utf8("cuántos"), utf8("sobre"),
                               utf8("un"), utf8("un medio"), utf8("y medio"), utf8("y"), spanishParts};
    if (language == QLatin1String("fr"))
        return french;
    if (language == QLatin1String("es"))
        return spanish;
    return english;
}

// Markup (a template's question may be rich text) as the text it shows, its
// paragraphs and line breaks as line breaks.
QString withoutMarkup(QString text)
{
    static const QRegularExpression tag(QStringLiteral("<[A-Za-z!/][^>]*>"));
    if (!text.contains(tag))
        return text;
    static const QRegularExpression breaks(QStringLiteral("<(br|/p|/div|/li|/h[1-6]|/tr)\\b[^>]*>"),
                                           QRegularExpression::CaseInsensitiveOption);
    text.replace(breaks, QStringLiteral("\n"));
    text.remove(tag);
    static const QRegularExpression numbered(QStringLiteral("&#(x?)([0-9a-fA-F]{1,6});"));
    for (QRegularExpressionMatch match = numbered.match(text); match.hasMatch(); match = numbered.match(text)) {
        const char32_t code = match.captured(2).toUInt(nullptr, match.capturedLength(1) ? 16 : 10);
        text.replace(match.capturedStart(), match.capturedLength(),
                     code > 0 && code < 0x110000 ? QString::fromUcs4(&code, 1) : QString());
    }
    const std::pair<const char *, const char *> named[] = {{"&nbsp;", "\u00a0"}, {"&lt;", "<"}, {"&gt;", ">"},
                                                           {"&quot;", "\""},    {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto &[entity, character] : named)
        text.replace(QLatin1String(entity), utf8(character));
    return text;
}

// Lines as sentences, and the gaps of tabs as pauses.
QString asSentences(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    static const QRegularExpression tabs(QStringLiteral("[ ]*\\t+[ ]*"));
    QStringList lines = text.split(lineBreak, Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (!QStringLiteral(".!?:;,…").contains(lines[i].back()))
            lines[i] += QLatin1Char('.');
    }
    return lines.join(QLatin1Char(' ')).replace(tabs, QStringLiteral(": "));
}

// Digits grouped in thousands as one number: by commas in English, and by
// spaces or points in French and Spanish, whose decimal sign is the comma;
// thin and no-break spaces in every language.
QString joinedThousands(QString text, const QString &language)
{
    const bool english = language != QLatin1String("fr") && language != QLatin1String("es");
    static const QRegularExpression commas(
        QStringLiteral("(?<![\\d.,])\\d{1,3}(?:[,\\x{a0}\\x{202f}\\x{2009}]\\d{3})+(?!\\d)"));
    static const QRegularExpression points(
        QStringLiteral("(?<![\\d.,])\\d{1,3}(?:[ .\\x{a0}\\x{202f}\\x{2009}]\\d{3})+(?!\\d)"));
    QString joined;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : (english ? commas : points).globalMatch(text)) {
        joined += QStringView(text).mid(from, match.capturedStart() - from);
        QString number = match.captured();
        number.remove(QRegularExpression(QStringLiteral("\\D")));
        joined += number;
        from = match.capturedEnd();
    }
    joined += QStringView(text).mid(from);
    return joined;
}

bool opensNumber(QChar c)
{
    return c.isDigit() || c == u'_' || c == u'?' || c == u'(' || c == u'-' || c == u'\u2212';
}

bool closesNumber(QChar c)
{
    return c.isDigit() || c == u'_' || c == u'?' || c == u')';
}

// Reads a text once from left to right, writing what is said.
class Reader
{
public:
    Reader(const QString &text, const Words &words)
        : m_text(text)
        , m_words(words)
    {
    }

    QString read()
    {
        for (qsizetype i = 0; i < m_text.size();)
            i = readAt(i);
        return m_said;
    }

private:
    QChar at(qsizetype i) const { return i >= 0 && i < m_text.size() ? m_text[i] : QChar(); }
    QChar left(qsizetype i) const
    {
        while (--i >= 0 && m_text[i].isSpace()) {}
        return at(i);
    }
    qsizetype rightIndex(qsizetype i) const
    {
        while (++i < m_text.size() && m_text[i].isSpace()) {}
        return i;
    }
    void say(const QString &word) { m_said += QLatin1Char(' ') + word + QLatin1Char(' '); }

    // The word a sign at i is read as; empty when it is no sign there.
    QString signAt(qsizetype i) const
    {
        const QChar c = at(i), before = at(i - 1), after = at(i + 1);
        const qsizetype right = rightIndex(i);
        switch (c.unicode()) {
        case u'+': return m_words.plus;
        case u'=': return m_words.equals;
        case u'<': return m_words.lessThan;
        case u'>': return m_words.greaterThan;
        case u'%': return m_words.percent;
        case u'\u00f7': return m_words.dividedBy;
        case u'\u00d7': return m_words.times;
        case u'\u2212': return m_words.minus;
        case u'-':
            // A hyphen joins words ("a-t-il"), or a word and a number.
            if (before.isLetterOrNumber() && after.isLetterOrNumber() && !(before.isDigit() && after.isDigit()))
                return {};
            return opensNumber(at(right)) ? m_words.minus : QString();
        case u'x':
        case u'X':
            if (before.isLetter() || after.isLetter())
                return {};
            [[fallthrough]];
        case u'*': return closesNumber(left(i)) && opensNumber(at(right)) ? m_words.times : QString();
        case u'/': return closesNumber(left(i)) && opensNumber(at(right)) ? m_words.dividedBy : QString();
        }
        return {};
    }

    // A "?" after a sign, a comma or nothing, or before a sign, stands for a missing number.
    bool isBlank(qsizetype i) const
    {
        qsizetype before = i;
        while (--before >= 0 && m_text[before].isSpace()) {}
        const qsizetype after = rightIndex(i);
        auto isSign = [this](qsizetype at) {
            return at >= 0 && at < m_text.size() && m_text[at] != u'%' && !signAt(at).isEmpty();
        };
        return before < 0 || m_text[before] == u',' || m_text[before] == u'(' || isSign(before) || isSign(after);
    }

    QString fraction(const QString &top, const QString &bottom) const
    {
        const bool counted = !top.startsWith(u'_') && top != QLatin1String("?");
        const bool cut = !bottom.startsWith(u'_') && bottom != QLatin1String("?");
        const int parts = cut && bottom.size() <= 4 ? bottom.toInt() : 0;
        const QString name = m_words.parts(parts, top != QLatin1String("1"));
        const QString shownTop = counted ? top : m_words.blank;
        if (name.isEmpty())
            return shownTop + QLatin1Char(' ') + m_words.over + QLatin1Char(' ') + (cut ? bottom : m_words.blank);
        if (!counted)
            return m_words.howMany + QLatin1Char(' ') + name;
        if (top == QLatin1String("1"))
            return parts == 2 ? m_words.half : m_words.one + QLatin1Char(' ') + name;
        return top + QLatin1Char(' ') + name;
    }

    // Reads a fraction, or a whole number and a fraction, starting at i; the
    // length read, or 0.
    qsizetype fractionAt(qsizetype i)
    {
        static const QRegularExpression mixed(QStringLiteral("(\\d+) (\\d+)/(\\d+)(?![\\w/])"),
                                              QRegularExpression::UseUnicodePropertiesOption);
        static const QRegularExpression single(QStringLiteral("(\\d+|_+|\\?)/(\\d+|_+|\\?)(?![\\w/])"),
                                               QRegularExpression::UseUnicodePropertiesOption);
        const QChar before = at(i - 1);
        if (before.isLetterOrNumber() || before == u'_' || before == u'/' || before == u'.' || before == u',')
            return 0;
        const auto anchored = QRegularExpression::AnchorAtOffsetMatchOption;
        QRegularExpressionMatch match = mixed.match(m_text, i, QRegularExpression::NormalMatch, anchored);
        if (match.hasMatch() && match.captured(2).toInt() < match.captured(3).toInt()
            && !m_words.parts(match.captured(3).toInt(), false).isEmpty()) {
            const bool half = match.captured(2) == QLatin1String("1") && match.captured(3) == QLatin1String("2");
            say(match.captured(1) + QLatin1Char(' ')
                + (half ? m_words.andHalf
                        : m_words.mixedAnd + QLatin1Char(' ') + fraction(match.captured(2), match.captured(3))));
            return match.capturedLength();
        }
        match = single.match(m_text, i, QRegularExpression::NormalMatch, anchored);
        if (!match.hasMatch())
            return 0;
        say(fraction(match.captured(1), match.captured(2)));
        return match.capturedLength();
    }

    qsizetype readAt(qsizetype i)
    {
        const QChar c = m_text[i];
        if (c.isDigit() || c == u'_' || c == u'?') {
            if (const qsizetype length = fractionAt(i))
                return i + length;
        }
        if (c.isDigit()) {
            // "dollars5", where a placeholder's word met a number.
            if (!m_said.isEmpty() && m_said.back().isLetter())
                m_said += QLatin1Char(' ');
            m_said += c;
            return i + 1;
        }
        if (c == u'_') {
            say(m_words.blank);
            while (at(i) == u'_')
                ++i;
            return i;
        }
        if (c == u'?') {
            if (isBlank(i))
                say(m_words.blank);
            else
                m_said += c;
            return i + 1;
        }
        if (const QString sign = signAt(i); !sign.isEmpty()) {
            say(sign);
            return i + 1;
        }
        if (c.isLetter() || c.isMark() || QStringLiteral(".,;:!\u00a1\u00bf'\u2019\u2026").contains(c))
            m_said += c;
        else if (c == u'-' && at(i - 1).isLetter() && at(i + 1).isLetter())
            m_said += c;
        else if (QStringLiteral("()[]{}").contains(c))
            m_said += QStringLiteral(" , ");
        else if (c == u'&')
            say(m_words.andSign);
        else if (c == u'\u20ac' || c == u'\u00a3')
            say(c == u'\u20ac' ? m_words.euros : m_words.pounds);
        else
            m_said += QLatin1Char(' '); // spaces, and symbols no one reads
        return i + 1;
    }

    const QString &m_text;
    const Words &m_words;
    QString m_said;
};

// Numbers as words, with their decimals after the language's decimal sign:
// "3.5" is "three point five", "3,5" "trois virgule cinq".
QString numbersAsWords(const QString &text, const QString &language)
{
    const bool french = language == QLatin1String("fr"), spanish = language == QLatin1String("es");
    static const QRegularExpression english(QStringLiteral("(\\d+)(?:\\.(\\d+))?"));
    static const QRegularExpression commaDecimals(QStringLiteral("(\\d+)(?:,(\\d+))?"));
    const QString point = french ? utf8("virgule") : spanish ? utf8("coma") : utf8("point");
    QString said;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : (french || spanish ? commaDecimals : english).globalMatch(text)) {
        said += QStringView(text).mid(from, match.capturedStart() - from);
        said += QLatin1Char(' ') + NumberWords::ofDigits(match.captured(1), language);
        if (match.capturedLength(2))
            said += QLatin1Char(' ') + point + QLatin1Char(' ') + NumberWords::ofDecimals(match.captured(2), language);
        said += QLatin1Char(' ');
        from = match.capturedEnd();
    }
    return said + text.mid(from);
}

// One space between words, none before punctuation, no pause twice.
QString tidied(QString text)
{
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    static const QRegularExpression beforePunctuation(QStringLiteral(" (?=[.,;:!?\u2026])"));
    static const QRegularExpression doubledPause(QStringLiteral("[,;:]+(?=[.,;:!?])"));
    static const QRegularExpression outerPause(QStringLiteral("^[ ,;:]+|[ ,;:]+$"));
    text.replace(spaces, QStringLiteral(" "));
    text.remove(beforePunctuation);
    text.remove(doubledPause);
    text.remove(outerPause);
    return text.trimmed();
}

} // namespace

QString SpokenText::of(const QString &text, const QString &language)
{
    // A currency sign before its amount is read after it: "£5" as "5 pounds".
    static const QRegularExpression signFirst(QStringLiteral("([\u20ac\u00a3])\\s*(\\d+(?:[.,]\\d+)?)"));
    QString plain = joinedThousands(asSentences(withoutMarkup(text)), language);
    plain.replace(signFirst, QStringLiteral("\\2 \\1"));
    return tidied(numbersAsWords(Reader(plain, wordsOf(language)).read(), language));
}
