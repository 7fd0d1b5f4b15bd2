// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "base/store/storechange.h"

#include <optional>

class QWidget;

// The words offered for money and measure questions; the options dialog offers the same.
namespace Localization {
// The currencies, in the order shown; the first is the one preselected.
QStringList currencies();
// The stored word for a system of measurement: "metric" or "imperial".
QString measures(bool metric);
} // namespace Localization

// The questions asked of the adult on the first start, and again after all data
// were cleared: the currency, the system of measurement and the administrator password.
namespace FirstRun {
// Runs the "First Run" dialog over the parent. When it is closed with "&Done",
// its answers are stored together with whatever `alongside` writes, in one
// change, and the result is whether they were written; any other close stores
// nothing. The password is asked for only when none is stored: one already
// set stays as it is.
bool run(QWidget *parent, const StoreChange &alongside = {});
// Stores the answers as "&Done" does: the password hashed (also when empty),
// and only when no password is stored yet.
bool store(const QString &currency, bool metric, const std::optional<QString> &password,
           const StoreChange &alongside = {});
} // namespace FirstRun
