// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Texts that come from people and files (names, topics, file names) are shown
// as they are. Labels that show them take Qt::PlainText, message boxes do so
// through Prompts, and HTML built around them escapes them (toHtmlEscaped).
// Window titles and menu entries have marks of their own, escaped here.
namespace PlainText {

// A window title holding such a text: its "[*]" is shown, not taken for the
// mark of unsaved changes.
inline QString windowTitle(const QString &text)
{
    return QString(text).replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

// A menu entry naming a window by its title (made by windowTitle): its "&" is
// shown, not taken for the entry's shortcut letter.
inline QString menuEntry(const QString &windowTitle)
{
    return QString(windowTitle).replace(QLatin1String("[*][*]"), QLatin1String("[*]")).replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace PlainText
