// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/themes.h"

#include "base/store/store.h"

const std::array<Theme, Themes::count> &Themes::all()
{
    static const std::array<Theme, count> themes{{
        {QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "Default")), {255, 200, 0, 255, 100, 0, 160, 100, 0}},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "Earth")), {140, 200, 40, 50, 220, 0, 20, 125, 0}},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "Fire")), {225, 35, 25, 255, 150, 0, 0, 0, 0}},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "Space")), {90, 90, 90, 0, 0, 0, 10, 10, 80}},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "Water")), {150, 255, 255, 0, 175, 255, 0, 115, 255}},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "Heart")), {250, 125, 165, 250, 80, 230, 150, 0, 250}},
    }};
    return themes;
}

void Themes::store(const Theme &theme)
{
    StoreChange change;
    for (int i = 0; i < 9; ++i)
        change.then(StoreChange::setting(Keys::themeColour(i + 1), theme.colours[static_cast<size_t>(i)]));
    Store::post(change.then(StoreChange::setting(Keys::theme, theme.name)));
}

Theme Themes::stored()
{
    Theme theme = all().front();
    Store::read([&](const StoreMap &settings) {
        for (int i = 0; i < 9; ++i) {
            int &colour = theme.colours[static_cast<size_t>(i)];
            colour = settings.value(Keys::themeColour(i + 1), colour).toInt();
        }
        theme.name = settings.value(Keys::theme, Fallback::theme).toString();
    });
    return theme;
}

const std::array<SoundSet, Themes::soundSetCount> &Themes::soundSets()
{
    static const std::array<SoundSet, soundSetCount> sets{{
        {QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "Animals")), QStringLiteral("Animals")},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "Musical Instruments")), QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "Music"))},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "People")), QStringLiteral("People")},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "Technology")), QStringLiteral("Technology")},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("ApplicationWindow", "Transport")), QStringLiteral("Transport")},
    }};
    return sets;
}

void Themes::storeSoundSet(const SoundSet &set)
{
    Store::post(StoreChange::setting(Keys::soundSet, set.value));
}

QString Themes::soundFile(const QString &storedSet, int number)
{
    return QStringLiteral("Sounds/") + storedSet.toLower() + QString::number(number) + QStringLiteral(".wav");
}
