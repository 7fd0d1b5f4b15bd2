// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/numberwords.h"

#include <QStringList>

namespace {

constexpr qint64 Thousand = 1000;
constexpr qint64 Million = 1000 * Thousand;
constexpr qint64 Milliard = 1000 * Million;

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

QString joined(const QStringList &words)
{
    QStringList kept = words;
    kept.removeAll(QString());
    return kept.join(QLatin1Char(' '));
}

QString englishBelowHundred(int n)
{
    static const char *const small[] = {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine",
                                        "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen",
                                        "seventeen", "eighteen", "nineteen"};
    static const char *const tens[] = {"", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty",
                                       "ninety"};
    if (n < 20)
        return utf8(small[n]);
    return utf8(tens[n / 10]) + (n % 10 ? QLatin1Char('-') + utf8(small[n % 10]) : QString());
}

// 1 to 999, with "and" before the tens and units after hundreds ("one hundred and five").
QString englishBelowThousand(int n)
{
    if (n < 100)
        return englishBelowHundred(n);
    const QString hundreds = englishBelowHundred(n / 100) + utf8(" hundred");
    return n % 100 ? hundreds + utf8(" and ") + englishBelowHundred(n % 100) : hundreds;
}

QString english(qint64 n)
{
    if (n == 0)
        return utf8("zero");
    const int millions = int(n / Million), thousands = int(n / Thousand % 1000), rest = int(n % 1000);
    QStringList words;
    if (millions)
        words << englishBelowThousand(millions) + utf8(" million");
    if (thousands)
        words << englishBelowThousand(thousands) + utf8(" thousand");
    // "twelve thousand and forty": the last part, under a hundred, after bigger ones.
    if (rest && rest < 100 && n >= Thousand)
        words << utf8("and");
    if (rest)
        words << englishBelowThousand(rest);
    return joined(words);
}

QString frenchBelowHundred(int n)
{
    static const char *const units[] = {"zéro", "un", "deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf",
                                        "dix", "onze", "douze", "treize", "quatorze", "quinze", "seize", "dix-sept",
                                        "dix-huit", "dix-neuf"};
    static const char *const tens[] = {"", "", "vingt", "trente", "quarante", "cinquante", "soixante", "soixante",
                                       "quatre-vingt", "quatre-vingt"};
    if (n < 20)
        return utf8(units[n]);
    const int ten = n / 10;
    const int rest = n % 10 + (ten == 7 || ten == 9 ? 10 : 0);
    const QString word = utf8(tens[ten]);
    if (rest == 0)
        return ten == 8 ? word + QLatin1Char('s') : word;
    if ((rest == 1 || rest == 11) && ten < 8)
        return word + utf8(" et ") + utf8(units[rest]);
    return word + QLatin1Char('-') + utf8(units[rest]);
}

// 1 to 999; `last` when nothing follows, where "cents" and "quatre-vingts" keep their s.
QString frenchBelowThousand(int n, bool last)
{
    QString words;
    if (n >= 100) {
        words = n / 100 == 1 ? utf8("cent") : frenchBelowHundred(n / 100) + utf8(" cent");
        if (n / 100 > 1 && n % 100 == 0 && last)
            words += QLatin1Char('s');
    }
    if (n % 100) {
        QString tens = frenchBelowHundred(n % 100);
        if (!last && n % 100 == 80)
            tens.chop(1);
        words = joined({words, tens});
    }
    return words;
}

QString french(qint64 n)
{
    if (n == 0)
        return utf8("zéro");
    const int millions = int(n / Million), thousands = int(n / Thousand % 1000), rest = int(n % 1000);
    QStringList words;
    if (millions)
        words << frenchBelowThousand(millions, true) + (millions == 1 ? utf8(" million") : utf8(" millions"));
    if (thousands)
        words << (thousands == 1 ? QString() : frenchBelowThousand(thousands, false)) << utf8("mille");
    if (rest)
        words << frenchBelowThousand(rest, true);
    return joined(words);
}

// 0 to 99; `apocopated` before a noun such as "mil": "veintiún mil".
QString spanishBelowHundred(int n, bool apocopated)
{
    static const char *const small[] = {"cero", "uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho",
                                        "nueve", "diez", "once", "doce", "trece", "catorce", "quince", "dieciséis",
                                        "diecisiete", "dieciocho", "diecinueve", "veinte", "veintiuno", "veintidós",
                                        "veintitrés", "veinticuatro", "veinticinco", "veintiséis", "veintisiete",
                                        "veintiocho", "veintinueve"};
    static const char *const tens[] = {"", "", "", "treinta", "cuarenta", "cincuenta", "sesenta", "setenta",
                                       "ochenta", "noventa"};
    QString word = n < 30 ? utf8(small[n])
                          : utf8(tens[n / 10]) + (n % 10 ? utf8(" y ") + utf8(small[n % 10]) : QString());
    if (apocopated && n % 10 == 1 && n != 11) {
        word.chop(1);
        if (n == 21)
            word[word.size() - 2] = QChar(u'\u00fa'); // veintiún
    }
    return word;
}

QString spanishBelowThousand(int n, bool apocopated)
{
    static const char *const hundreds[] = {"", "ciento", "doscientos", "trescientos", "cuatrocientos", "quinientos",
                                           "seiscientos", "setecientos", "ochocientos", "novecientos"};
    if (n == 100)
        return utf8("cien");
    return joined({utf8(hundreds[n / 100]), n % 100 ? spanishBelowHundred(n % 100, apocopated) : QString()});
}

QString spanish(qint64 n)
{
    if (n == 0)
        return utf8("cero");
    const int millions = int(n / Million), thousands = int(n / Thousand % 1000), rest = int(n % 1000);
    QStringList words;
    if (millions)
        words << (millions == 1 ? utf8("un millón") : spanishBelowThousand(millions, true) + utf8(" millones"));
    if (thousands)
        words << (thousands == 1 ? QString() : spanishBelowThousand(thousands, true)) << utf8("mil");
    if (rest)
        words << spanishBelowThousand(rest, false);
    return joined(words);
}

} // namespace

QString NumberWords::of(qint64 number, const QString &language)
{
    if (number < 0)
        return of(-number, language);
    if (number >= Milliard)
        return ofDecimals(QString::number(number), language);
    if (language == QLatin1String("fr"))
        return french(number);
    if (language == QLatin1String("es"))
        return spanish(number);
    return english(number);
}

QString NumberWords::ofDigits(const QString &digits, const QString &language)
{
    bool ok = false;
    const qint64 number = digits.size() < 13 ? digits.toLongLong(&ok) : 0;
    return ok && number < Milliard ? of(number, language) : ofDecimals(digits, language);
}

QString NumberWords::ofDecimals(const QString &digits, const QString &language)
{
    // In French and Spanish up to two digits with no leading zero as a number
    // ("3,25": trois virgule vingt-cinq); in English, and else, one by one.
    const bool counted = language == QLatin1String("fr") || language == QLatin1String("es");
    if (counted && digits.size() <= 2 && !digits.startsWith(QLatin1Char('0')))
        return of(digits.toInt(), language);
    QStringList words;
    for (const QChar digit : digits)
        words << of(digit.digitValue(), language);
    return words.join(QLatin1Char(' '));
}
