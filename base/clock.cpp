// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/clock.h"

namespace {

std::function<QDateTime()> &replacement()
{
    static std::function<QDateTime()> clock;
    return clock;
}

} // namespace

QDateTime Clock::now()
{
    return replacement() ? replacement()() : QDateTime::currentDateTime();
}

QDate Clock::today()
{
    return now().toLocalTime().date();
}

void Clock::set(std::function<QDateTime()> clock)
{
    replacement() = std::move(clock);
}
