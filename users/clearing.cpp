// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/clearing.h"

#include "base/store/store.h"
#include "users/accounts.h"

bool Clearing::clear(What what)
{
    switch (what) {
    case What::Scores:
        return Store::update(StoreChange::removing(Keys::scoresGroup)
                                 .then(StoreChange::removing(Keys::practiceGroup))
                                 .then(Accounts::resettingAllToDo()));
    case What::ScoresAndAccounts:
        return Store::removeGroups({Keys::scoresGroup, Keys::accountsGroup, Keys::practiceGroup});
    case What::AllData:
        return Store::removeGroups({Keys::scoresGroup, Keys::applicationGroup, Keys::exerciseGroup,
                                    Keys::localizationGroup, Keys::themesGroup, Keys::accountsGroup,
                                    Keys::practiceGroup});
    }
    return false;
}
