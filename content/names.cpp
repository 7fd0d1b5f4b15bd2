// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/names.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Names", text);
}

} // namespace

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

QString Names::problemWithName(const QString &name)
{
    if (name.size() > MaxLength)
        return tr("A name can be at most %1 letters long. Please choose a shorter name.").arg(MaxLength);
    const bool control = std::any_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph;
    });
    if (control)
        return tr("A name cannot hold a line break or another control character. Please type your name again.");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return tr("A name cannot contain \"/\" or \"\\\". Please choose another name.");
    if (!name.isEmpty() && name.trimmed().isEmpty())
        return tr("A name cannot be only blanks. Please type your name.");
    if (name == QLatin1String("names"))
        return tr("The name \"names\" cannot be used. Please choose another name.");
    return {};
}

QString Names::problemWithNewName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return tr("A name cannot be only blanks. Please type your name.");
    return problemWithName(name);
}
