// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/storelock.h"

#include "users/storemap.h"

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

// Reading. Every read sees the store as it is on disk now: when another program
// has changed the file since it was last read, it is read afresh first.

// A key, or the fallback when it is absent.
QVariant value(const QString &key, const QVariant &fallback = QVariant());
bool contains(const QString &key);
// An integer key; a value that is not a number (a damaged file) reads as the fallback.
int intValue(const QString &key, int fallback);
// The same, and a value outside min to max also reads as the fallback.
int boundedInt(const QString &key, int fallback, int min, int max);
// A list key read with its fallback (an empty text) gives a list of one empty
// entry, as a plain text converts to a list; account lists rely on this.
QStringList stringList(const QString &key);
// Many reads from one and the same version of the store. The reader must not
// change the store, and must not keep the settings object.
void read(const std::function<void(const StoreMap &)> &reader);
// The size of the version being read: what the store can hold is bounded by it.
qint64 fileSize();
QString fileName();

// Writing. Each change is one transaction: the store is locked against every
// other program, read afresh, changed and written whole, and the new file takes
// the old one's place only once it is complete on disk. Returns whether the
// change was written; a change that was not is dropped, and reported.
bool update(const std::function<void(StoreMap &)> &change);
// Removes whole groups with everything under them, in one change.
bool removeGroups(const QStringList &groups);

// Told whenever a change could not be written, with the reason.
void setWriteFailureHandler(std::function<void(const QString &problem)> handler);
// Told when a change has been written over a file that held lines that could
// not be read; those lines are gone from the new file (numbered from 1).
void setRepairHandler(std::function<void(const QList<int> &lines)> handler);
// Told while a change waits for another program that holds the store's lock.
void setWaitHandler(StoreLock::Waiting handler);

// Lets the store go; the next use opens it again (after tests move it).
void reopen();

} // namespace Store
