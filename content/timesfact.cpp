// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/timesfact.h"

#include <QRegularExpression>

TimesFact TimesFact::of(int x, int y)
{
    if (x <= 0 || y <= 0)
        return {};
    return {std::min(x, y), std::max(x, y)};
}

TimesFact TimesFact::ofQuotient(int dividend, int divisor)
{
    if (divisor <= 0 || dividend <= 0 || dividend % divisor != 0)
        return {};
    return of(divisor, dividend / divisor);
}

QString TimesFact::text() const
{
    return isValid() ? QString::number(a) + QLatin1Char('x') + QString::number(b) : QString();
}

TimesFact TimesFact::fromText(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return {};
    const TimesFact fact{match.captured(1).toInt(), match.captured(2).toInt()};
    return fact.isValid() ? fact : TimesFact();
}

TimesFact TimesFacts::recognised(const QString &question)
{
    // The question's opening words in each language, then the two numbers and
    // the sign or words between them, and the question mark (French puts a
    // space before it, often one that does not break).
    static const QRegularExpression plain(
        QStringLiteral("^\\s*(?:what is|combien font|¿\\s*cuánto es)\\s+(\\d{1,4})\\s*"
                       "(x|×|÷|divided by|divisé par|dividido entre)\\s*(\\d{1,4})\\s*\\?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = plain.match(question);
    if (!match.hasMatch())
        return {};
    const int first = match.captured(1).toInt();
    const int second = match.captured(3).toInt();
    const QString sign = match.captured(2).toLower();
    if (sign == QLatin1String("x") || sign == QStringLiteral("×"))
        return TimesFact::of(first, second);
    return TimesFact::ofQuotient(first, second);
}
