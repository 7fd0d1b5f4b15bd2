// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class StoreChange;
class StoreMap;

// User accounts: a name in "/accounts/names" and the list "/accounts/<name>" of
// the topics that user has still to complete. Users have no passwords.
namespace Accounts {

// The stored names. Read from an empty store this is a list of one empty name,
// and the first sign-in keeps that empty entry at the front of the stored list.
QStringList names();

// Names are kept short enough to show whole in the sign-in window and the sidebar.
constexpr int MaxNameLength = 40;

// Why a name cannot be an account, or an empty text when it can. A name holding
// "/" or "\", or the name "names", would write into another key of the store;
// a name of blanks only would look like no name at all; a line break would
// split a saved exercise file's line. The same rules hold for names typed at
// sign-in and names read from files or the store. The empty name is no one's:
// the store's list of names starts with it.
QString problemWithName(const QString &name);
// The same for a name that a person typed or a file holds, once cleaned
// (Names::cleaned: "Ann " is Ann), which has to name someone: the sign-in
// and the import of score records take no empty name.
QString problemWithNewName(const QString &name);

// Signs a typed name in: a name not yet stored is appended to the names and
// gets all seven topics to do. The name list is written back in either case.
// Reads see the account at once; it is written without waiting.
void signIn(const QString &name);
// The same as a change of the store, and within a change already under way.
StoreChange adding(const QString &name);
void addIn(StoreMap &store, const QString &name);

// The topics the user has still to complete.
QStringList toDo(const QString &name);

// Removes the first entry equal to the topic from the player's list and writes
// the list back, changed or not.
bool completeTopic(const QString &player, const QString &topic);
// The same as a change of the store, and within a change already under way.
StoreChange completing(const QString &player, const QString &topic);
void completeTopicIn(StoreMap &store, const QString &player, const QString &topic);

// Gives every stored name, the empty first one included, all seven topics again.
bool resetAllToDo();
// The same as a change of the store, and within a change already under way.
StoreChange resettingAllToDo();
void resetAllToDoIn(StoreMap &store);

} // namespace Accounts
