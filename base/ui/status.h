// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How long a passing message stays in a window's status bar, in milliseconds.
constexpr int StatusTimeout = 5000;
