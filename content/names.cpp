// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/names.h"

QString Names::cleaned(const QString &text)
{
    const QString composed = text.normalized(QString::NormalizationForm_C).trimmed();
    QString name;
    name.reserve(composed.size());
    bool blank = false;
    for (const QChar c : composed) {
        // Only blanks: a tab or a line break inside a name is left for the
        // name's rules to refuse.
        if (c.category() == QChar::Separator_Space) {
            blank = true;
            continue;
        }
        if (blank)
            name += QLatin1Char(' ');
        blank = false;
        name += c;
    }
    return name;
}
