// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/words.h"

#include <QStringList>

namespace {

QStringList split(const char16_t *words)
{
    return QString::fromUtf16(words).split(QLatin1Char(' '));
}

// English: "and" before the tens and ones, as it is said.
QString englishBelowThousand(int value)
{
    static const QStringList ones = split(u"zero one two three four five six seven eight nine ten eleven twelve "
                                          u"thirteen fourteen fifteen sixteen seventeen eighteen nineteen");
    static const QStringList tens = split(u"- - twenty thirty forty fifty sixty seventy eighty ninety");
    const auto belowHundred = [](int v) {
        if (v < 20)
            return ones.at(v);
        return v % 10 == 0 ? tens.at(v / 10) : tens.at(v / 10) + QLatin1Char('-') + ones.at(v % 10);
    };
    if (value < 100)
        return belowHundred(value);
    QString text = ones.at(value / 100) + QStringLiteral(" hundred");
    if (value % 100 != 0)
        text += QStringLiteral(" and ") + belowHundred(value % 100);
    return text;
}

QString english(int value)
{
    const int thousands = value / 1000;
    const int rest = value % 1000;
    if (thousands == 0)
        return englishBelowThousand(rest);
    QString text = englishBelowThousand(thousands) + QStringLiteral(" thousand");
    if (rest == 0)
        return text;
    return text + (rest < 100 ? QStringLiteral(" and ") : QStringLiteral(", ")) + englishBelowThousand(rest);
}

// French: "quatre-vingts" and "deux cents" take their s only at the end of the number.
QString frenchBelowThousand(int value, bool last)
{
    static const QStringList ones = split(u"zéro un deux trois quatre cinq six sept huit neuf dix onze douze treize "
                                          u"quatorze quinze seize dix-sept dix-huit dix-neuf");
    static const QStringList tens = split(u"- dix vingt trente quarante cinquante soixante soixante quatre-vingt "
                                          u"quatre-vingt");
    const auto belowHundred = [&](int v) {
        if (v < 20)
            return ones.at(v);
        const int t = v / 10;
        const int u = v % 10;
        if (t == 7 || t == 9)
            return tens.at(t) + (t == 7 && u == 1 ? QStringLiteral(" et ") : QStringLiteral("-")) + ones.at(10 + u);
        if (t == 8)
            return u == 0 ? (last ? QStringLiteral("quatre-vingts") : tens.at(8)) : tens.at(8) + u'-' + ones.at(u);
        if (u == 0)
            return tens.at(t);
        return tens.at(t) + (u == 1 ? QStringLiteral(" et un") : QLatin1Char('-') + ones.at(u));
    };
    const int hundreds = value / 100;
    const int rest = value % 100;
    if (hundreds == 0)
        return belowHundred(rest);
    QString text = hundreds == 1 ? QStringLiteral("cent") : ones.at(hundreds) + QStringLiteral(" cent");
    if (rest == 0)
        return hundreds > 1 && last ? text + QLatin1Char('s') : text;
    return text + QLatin1Char(' ') + belowHundred(rest);
}

QString french(int value)
{
    const int thousands = value / 1000;
    const int rest = value % 1000;
    if (thousands == 0)
        return frenchBelowThousand(rest, true);
    QString text =
        thousands == 1 ? QStringLiteral("mille") : frenchBelowThousand(thousands, false) + QStringLiteral(" mille");
    return rest == 0 ? text : text + QLatin1Char(' ') + frenchBelowThousand(rest, true);
}

// Spanish: "un" and "veintiún" before "mil", "cien" alone and "ciento" before more.
QString spanishBelowThousand(int value, bool beforeNoun)
{
    static const QStringList ones = split(u"cero uno dos tres cuatro cinco seis siete ocho nueve diez once doce trece "
                                          u"catorce quince dieciséis diecisiete dieciocho diecinueve veinte veintiuno "
                                          u"veintidós veintitrés veinticuatro veinticinco veintiséis veintisiete "
                                          u"veintiocho veintinueve");
    static const QStringList tens = split(u"- - - treinta cuarenta cincuenta sesenta setenta ochenta noventa");
    static const QStringList hundreds = split(u"- ciento doscientos trescientos cuatrocientos quinientos seiscientos "
                                              u"setecientos ochocientos novecientos");
    const auto one = [&](int v) {
        if (beforeNoun && v == 1)
            return QStringLiteral("un");
        if (beforeNoun && v == 21)
            return QStringLiteral("veintiún");
        return ones.at(v);
    };
    const auto belowHundred = [&](int v) {
        if (v < 30)
            return one(v);
        return v % 10 == 0 ? tens.at(v / 10) : tens.at(v / 10) + QStringLiteral(" y ") + one(v % 10);
    };
    if (value < 100)
        return belowHundred(value);
    if (value == 100)
        return QStringLiteral("cien");
    const QString head = hundreds.at(value / 100);
    return value % 100 == 0 ? head : head + QLatin1Char(' ') + belowHundred(value % 100);
}

QString spanish(int value)
{
    const int thousands = value / 1000;
    const int rest = value % 1000;
    if (thousands == 0)
        return spanishBelowThousand(rest, false);
    QString text =
        thousands == 1 ? QStringLiteral("mil") : spanishBelowThousand(thousands, true) + QStringLiteral(" mil");
    return rest == 0 ? text : text + QLatin1Char(' ') + spanishBelowThousand(rest, false);
}

} // namespace

QString Words::in(Tongue tongue, const Said &said)
{
    const char16_t *text = tongue == Tongue::French ? said.fr : tongue == Tongue::Spanish ? said.es : said.en;
    return QString::fromUtf16(text);
}

QString Words::in(Tongue tongue, const Said &said, std::initializer_list<int> numbers)
{
    QString text = in(tongue, said);
    for (int number : numbers)
        text = text.arg(number);
    return text;
}

QString Words::number(Tongue tongue, int value)
{
    if (value < 0)
        return in(tongue, {u"minus ", u"moins ", u"menos "}) + number(tongue, -value);
    switch (tongue) {
    case Tongue::French: return french(value);
    case Tongue::Spanish: return spanish(value);
    default: return english(value);
    }
}

QString Words::listed(Tongue tongue, const QList<int> &numbers, bool all)
{
    QStringList texts;
    for (int number : numbers)
        texts.append(QString::number(number));
    const QString last = texts.takeLast();
    if (texts.isEmpty())
        return last;
    QString conjunction = all ? in(tongue, {u" and ", u" et ", u" y "}) : in(tongue, {u" or ", u" ou ", u" o "});
    if (!all && tongue == Tongue::Spanish && number(tongue, numbers.last()).startsWith(QLatin1Char('o')))
        conjunction = QStringLiteral(" u ");
    return texts.join(QStringLiteral(", ")) + conjunction + last;
}

QString Words::pieces(Tongue tongue, int bottom)
{
    static const QStringList english = split(u"- - halves thirds quarters fifths sixths sevenths eighths ninths "
                                             u"tenths elevenths twelfths");
    static const QStringList french = split(u"- - demis tiers quarts cinquièmes sixièmes septièmes huitièmes "
                                            u"neuvièmes dixièmes onzièmes douzièmes");
    static const QStringList spanish = split(u"- - medios tercios cuartos quintos sextos séptimos octavos novenos "
                                             u"décimos onceavos doceavos");
    const QStringList &names = tongue == Tongue::French ? french : tongue == Tongue::Spanish ? spanish : english;
    return names.value(bottom);
}

QString Words::fraction(Tongue tongue, int top, int bottom)
{
    if (top == 1 && bottom == 2)
        return in(tongue, {u"half", u"la moitié", u"la mitad"});
    QString piece = pieces(tongue, bottom);
    switch (tongue) {
    case Tongue::French:
        if (top == 1)
            return bottom == 3 ? QStringLiteral("le tiers")
                               : (bottom == 4 ? QStringLiteral("le ") : QStringLiteral("un ")) + piece.chopped(1);
        return QStringLiteral("les ") + number(tongue, top) + QLatin1Char(' ') + piece;
    case Tongue::Spanish:
        if (top == 1)
            return QStringLiteral("un ") + piece.chopped(1);
        return number(tongue, top) + QLatin1Char(' ') + piece;
    default:
        if (top == 1)
            return QStringLiteral("a ") + (bottom == 2 ? QStringLiteral("half") : piece.chopped(1));
        return number(tongue, top) + QLatin1Char(' ') + piece;
    }
}

QString Words::typeset(Tongue tongue, QString text)
{
    if (tongue != Tongue::French)
        return text;
    for (const char16_t *mark : {u"?", u"!", u":", u";", u"%"}) {
        const QString sign = QString::fromUtf16(mark);
        text.replace(QLatin1Char(' ') + sign, QChar(0x00A0) + sign);
    }
    return text;
}

QString Words::capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}
