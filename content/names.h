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

} // namespace Names
