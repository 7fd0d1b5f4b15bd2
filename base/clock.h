// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <functional>

// The time the program takes as now wherever a rule depends on the day: when a
// question is due again, when an exercise was completed. It is the system's
// clock unless a test or a trial puts another in its place, to move time on.
namespace Clock {

QDateTime now();
// The day of now(), in this computer's time zone.
QDate today();
// Puts a clock in place of the system's; an empty function gives the system's back.
void set(std::function<QDateTime()> clock);

} // namespace Clock
