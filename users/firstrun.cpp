// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/firstrun.h"

#include "base/store/store.h"
#include "exercise/exercise.h"
#include "users/password.h"

bool FirstRun::store(const QString &currency, bool metric, const std::optional<QString> &password,
                     const StoreChange &alongside)
{
    StoreChange change = StoreChange::setting(Keys::currency, currency);
    change.then(StoreChange::setting(Keys::measures, Localization::measures(metric)));
    if (password)
        change.then(Password::storingFirst(Password::hash(*password)));
    return Store::update(change.then(alongside));
}
