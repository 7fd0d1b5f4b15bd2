// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <functional>

class Exercise;

// An exercise completed: its score record appended and its topic taken off the
// player's list of topics to do, together in one change of the store. A
// practice (Topics::practice) leaves the list alone.
namespace Completion {
// Writes both without waiting: the record is among ScoreBook::records(), and
// the topic gone from Accounts::toDo(), at once. `done` is told whether they
// were written.
void save(const Exercise &exercise, const QDateTime &when, std::function<void(bool written)> done = {});
} // namespace Completion
