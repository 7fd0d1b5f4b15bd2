// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace LazyIcon {

// The icon of a picture file, read only when it is first drawn: the commands,
// menus and theme tiles hold some thirty pictures, and start-up shows only the
// toolbar's. Drawn at 20 x 20 device pixels (the toolbar), it comes from the
// picture made for that size beside the file ("20x20/" + its name) when there
// is one, so that no larger picture is read and scaled down there. Elsewhere
// it is drawn as the file alone would be.
QIcon fromFile(const QString &path);

// The picture drawn where the icon is 20 x 20, whether or not it exists.
QString smallFileFor(const QString &path);
// Every picture made for 20 x 20 for the icons of a folder: the toolbars' pictures.
QStringList smallFiles(const QString &folder);

} // namespace LazyIcon
