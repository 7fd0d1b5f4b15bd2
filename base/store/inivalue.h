// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QVariant>

// A settings file's value texts as the toolkit turns them into values.
namespace IniValue {

// One value's text: "@" starts the toolkit's own forms (@ByteArray, @Variant,
// @Rect...), "@@" a text that starts with "@".
QVariant toVariant(const QString &text);
// A list's items: a list of texts, or of values when an item has a form.
QVariant listToVariant(QStringList list);

} // namespace IniValue
