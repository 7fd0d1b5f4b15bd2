// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What each clear command removes from the store, in one change. Every one of
// them empties the children's practice boxes with the records: a box is made
// of the same exercises, and a name cleared away must leave none behind.
namespace Clearing {

enum class What {
    // The sidebar's "Clear Saved Scores": every score record, and with them
    // every player's record of completed exercises (each list of topics to do
    // is full again). The names stay.
    Scores,
    // The options' saved scores and user account data: the records and the accounts.
    ScoresAndAccounts,
    // The options' all saved data: everything but the administrator password,
    // the sound set, the toolbar style, the window arrangement, the folders
    // last used and whether each child has exercises read aloud (a choice
    // about how the child reads, kept as the sound set is). The next start is
    // a first start again.
    AllData,
};

// Removes it in one change and waits; false when the store could not be written.
bool clear(What what);

} // namespace Clearing
