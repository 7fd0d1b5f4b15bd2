// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class StoreChange;
class StoreMap;

// User accounts: a name in "/accounts/names" and the list "/accounts/<name>" of
// the topics that user has still to complete. Users have no passwords; the
// rules a name keeps are those of every name from people and files (Names).
namespace Accounts {

// The stored names. Read from an empty store this is a list of one empty name,
// and the first sign-in keeps that empty entry at the front of the stored list.
QStringList names();

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
// the list back, changed or not: as a change of the store, and within a change
// already under way.
StoreChange completing(const QString &player, const QString &topic);
void completeTopicIn(StoreMap &store, const QString &player, const QString &topic);

// Gives every stored name, the empty first one included, all seven topics
// again: as a change of the store, and within a change already under way.
StoreChange resettingAllToDo();
void resetAllToDoIn(StoreMap &store);

} // namespace Accounts
