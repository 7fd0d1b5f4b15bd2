// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/store/storechange.h"

class QWidget;

// The "First Run" dialog: the questions asked of the adult on the first start,
// and again after all data were cleared.
namespace FirstRun {
// Runs the dialog over the parent. When it is closed with "&Done", its answers
// are stored as FirstRun::store does, together with `alongside`, and the result
// is whether they were written; any other close stores nothing. The password
// is asked for only when none is stored: one already set stays as it is.
bool run(QWidget *parent, const StoreChange &alongside = {});
} // namespace FirstRun
