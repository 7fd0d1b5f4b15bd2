// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The language the program speaks to the child: its texts, and its question
// files, pages and sample template, which lie beside the English ones in a
// folder named after the language ("Exercises/fr/Addition.dat"). Anything not
// translated is read in English. What is stored never depends on it.
namespace Language {

// The languages shipped besides English, by their ISO 639-1 codes.
QStringList shipped();
// The first of the user's languages (as the system gives them, most wanted
// first, e.g. "fr-FR") that the program speaks; English when it speaks none.
QString pick(const QStringList &userLanguages);
// The language picked at start ("en" until then).
QString current();
void setCurrent(const QString &code);
// Installs the catalogues of the current language into the application, in
// place of any installed before: the toolkit's own (its dialogs and buttons)
// and the program's. Texts without a translation stay in English. Returns
// whether the program's catalogue loaded.
bool installTranslators();

// A data file in the current language when there is one, else the file itself.
QString localized(const QString &path);
// Where pages are looked for: the current language's folder, then the folder itself.
QStringList searchPaths(const QString &folder);

} // namespace Language
