// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// The end of a session, as a logout or a shutdown tells it to the programs
// still running (SIGTERM, or SIGHUP when the terminal or X session goes):
// handled as a close on the window's thread, not by ending at once, so that
// what the program still has to save is saved or kept.
namespace SessionEnd {
// Installs the handler, or replaces what it does; `close` runs on this thread
// once per signal.
void install(const std::function<void()> &close);
} // namespace SessionEnd
