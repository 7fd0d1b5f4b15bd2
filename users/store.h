// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <functional>

// The per-user settings store and its whole key schema: every key the program
// reads or writes, with the value a reader takes when the key is absent.
namespace Keys {

// Main window geometry, written when the main window closes.
inline const QString width = QStringLiteral("/application/width");
inline const QString height = QStringLiteral("/application/height");
inline const QString x = QStringLiteral("/application/x");
inline const QString y = QStringLiteral("/application/y");
inline const QString fullscreen = QStringLiteral("/application/fullscreen");
inline const QString maximized = QStringLiteral("/application/maximized");
inline const QString sidebar = QStringLiteral("/application/sidebar");
inline const QString mainWindowState = QStringLiteral("mainwindow");

inline const QString password = QStringLiteral("password");
inline const QString toolbar = QStringLiteral("/view/toolbar");

inline const QString fontFace = QStringLiteral("/exercise/fontface");
inline const QString fontSize = QStringLiteral("/exercise/fontsize");
inline const QString wrongAnswerDialog = QStringLiteral("/exercise/wronganswerdialog");

inline const QString currency = QStringLiteral("/localization/currency");
inline const QString measures = QStringLiteral("/localization/measures");

inline const QString theme = QStringLiteral("/themes/theme");
// "/themes/colour1" to "/themes/colour9": three RGB colours.
inline QString themeColour(int n) { return QStringLiteral("/themes/colour") + QString::number(n); }

inline const QString soundSet = QStringLiteral("/sounds/sound");

inline const QString accountNames = QStringLiteral("/accounts/names");
inline QString toDoList(const QString &name) { return QStringLiteral("/accounts/") + name; }

inline const QString scoreCount = QStringLiteral("/scores/scoreNum");
inline QString scoreField(int record, int field)
{
    return QStringLiteral("/scores/score") + QString::number(record) + QLatin1Char('/') + QString::number(field);
}

// Groups removed by the clear operations.
inline const QString scoresGroup = QStringLiteral("scores");
inline const QString accountsGroup = QStringLiteral("accounts");
inline const QString applicationGroup = QStringLiteral("application");
inline const QString exerciseGroup = QStringLiteral("exercise");
inline const QString localizationGroup = QStringLiteral("localization");
inline const QString themesGroup = QStringLiteral("themes");

} // namespace Keys

namespace Fallback {
inline constexpr int width = 700;
inline constexpr int height = 500;
inline constexpr int x = 50;
inline constexpr int y = 50;
inline constexpr bool sidebarVisible = true;
inline constexpr int toolbar = 0;
inline const QString password = QStringLiteral("tindrel");
inline const QString fontFace = QStringLiteral("Arial");
inline const QString fontSize = QStringLiteral("11");
inline constexpr bool wrongAnswerDialog = true;
// Exercises use dollars when no currency is stored; the option dialogs offer rupees first.
inline const QString exerciseCurrency = QStringLiteral("dollars");
inline const QString optionsCurrency = QStringLiteral("rupees");
inline const QString measures = QStringLiteral("metric");
inline const QString theme = QStringLiteral("Default");
inline const QString soundSet = QStringLiteral("Animals");
} // namespace Fallback

namespace Store {

// The one store object of the program: user scope, organisation "Halvane",
// application "Brightsum". It lives as long as the program, so the store's file
// is parsed once rather than for every operation.
QSettings &settings();

// Writes pending changes to disk and tells whether the store could be written.
bool flush();

// Called whenever a write of the store fails (a read-only file or folder, a full disk).
void setWriteFailureHandler(std::function<void()> handler);

// Reads the store afresh, applies the change and writes it, holding a lock that
// keeps two programs of the same user from interleaving their changes. Returns
// whether the store could be written.
bool update(const std::function<void(QSettings &)> &change);

// Removes a whole group with everything under it.
void removeGroup(const QString &group);

// Lets the store object go; the next use opens it again (after tests move it).
void reopen();

// A key as last read, or the fallback when it is absent.
QVariant value(const QString &key, const QVariant &fallback = QVariant());

// An integer key; a value that is not a number (a damaged file) reads as the fallback.
int intValue(const QString &key, int fallback);

// A list key read with its fallback (an empty text) gives a list of one empty
// entry, as a plain text converts to a list; account lists rely on this.
QStringList stringList(const QString &key);

} // namespace Store
