// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/store/storechange.h"

#include <QString>

#include <optional>

// What the adult answers on the first start, and again after all data were
// cleared: the currency, the system of measurement and the administrator
// password (asked in users/ui/firstrundialog.h).
namespace FirstRun {
// Stores the answers, together with whatever `alongside` writes, in one change,
// and tells whether they were written. The password is stored hashed (also
// when empty), and only when none is stored yet; a password of nullopt (one
// already set, not asked for) stores none.
bool store(const QString &currency, bool metric, const std::optional<QString> &password,
           const StoreChange &alongside = {});
} // namespace FirstRun
