// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace FirstPaint {

// Runs `work` once `window` has next been painted and that picture has been
// handed to the window system; called before the window is first shown, that
// is after its first paint. What the first picture does not need waits for it,
// so that the window appears sooner. Nothing runs when `context` is gone.
void then(QWidget *window, QObject *context, std::function<void()> work);

// Gives `window` the icon of a picture file after its first paint: the desktop
// shows it, no part of the window draws it. Windows it has opened by then
// take it too, as they would have when they were opened.
void setWindowIcon(QWidget *window, const QString &path);

// Begins reading the picture files that the first picture shows, on a thread
// of their own, while the window is being made.
void readPicturesAhead(const QStringList &files);
// The picture of a file: the one read ahead, once, waiting for it if it is
// still being read; or else read now. Null when the file cannot be read.
QPixmap picture(const QString &file);

} // namespace FirstPaint
