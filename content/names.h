// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Names that come in from people and files: a player's name typed at sign-in
// or read from a saved exercise or a file of score records, and a topic's name
// read from such a file or taken from a template's file name.
namespace Names {

// The name as the program keeps it: in composed Unicode, with no blanks around
// it and one space for each run of blanks inside it, so that two names that
// look alike are one ("Ann " and " Ann" are Ann). Letter case is kept: it can
// be seen, and Asha and asha are two accounts, as "addition.dat" and
// "Addition.dat" are two templates.
QString cleaned(const QString &text);

// Names are kept short enough to show whole in the sign-in window and the sidebar.
constexpr int MaxLength = 40;

// Why a name cannot be a player's, or an empty text when it can. A name holding
// "/" or "\", or the name "names", would write into another key of the store;
// a name of blanks only would look like no name at all; a line break would
// split a saved exercise file's line. The same rules hold for names typed at
// sign-in and names read from files or the store. The empty name is no one's:
// the store's list of names starts with it.
QString problemWithName(const QString &name);
// The same for a name that a person typed or a file holds, once cleaned,
// which has to name someone: the sign-in and the import of score records
// take no empty name.
QString problemWithNewName(const QString &name);

} // namespace Names
