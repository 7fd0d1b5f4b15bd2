// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

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
// its answers are stored (the password hashed, also when empty) and the result
// is true; any other close stores nothing.
bool run(QWidget *parent);
// Stores the answers as "&Done" does.
void store(const QString &currency, bool metric, const QString &password);
} // namespace FirstRun
