// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercisesettings.h"

#include "base/store/store.h"

ExerciseSettings ExerciseSettings::stored()
{
    ExerciseSettings settings;
    Store::read([&settings](const StoreMap &store) {
        settings.words = UnitWords::from(store.value(Keys::currency, Fallback::exerciseCurrency).toString(),
                                         store.value(Keys::measures, Fallback::measures).toString());
        settings.wrongAnswerDialog = store.value(Keys::wrongAnswerDialog, Fallback::wrongAnswerDialog).toBool();
        settings.soundSet = store.value(Keys::soundSet, Fallback::soundSet).toString().toLower();
        settings.fontFace = store.value(Keys::fontFace, Fallback::fontFace).toString();
    });
    settings.fontSize = Store::contains(Keys::fontSize)
                            ? Store::boundedInt(Keys::fontSize, 0, MinFontSize, MaxFontSize)
                            : Fallback::fontSize.toInt();
    return settings;
}

bool ExerciseSettings::readsAloud(const QString &player)
{
    return !player.isEmpty() && Store::value(Keys::readAloud(player), Fallback::readAloud).toBool();
}

void ExerciseSettings::rememberReadAloud(const QString &player, bool on)
{
    if (!player.isEmpty())
        Store::post(StoreChange::setting(Keys::readAloud(player), on));
}
