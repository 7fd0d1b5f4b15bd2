// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QFile;

// Files the program writes and files a person chooses for it to read.
namespace SafeFile {

// Opens an existing file for reading, but only a regular file: a pipe, a device
// or a folder under the chosen name would block or never end, so it is refused.
bool openRegular(QFile &file, const QString &path);

// Replaces the file by these bytes, or leaves the earlier file whole. The bytes
// go to a new file beside it, which takes the file's place only once every byte
// is on the disk (written, flushed and synced); a full disk, a read-only folder
// or any other failure is caught before that. The folder is synced after the
// new file has taken its place, so a power cut cannot undo it. `mayReplace`,
// when given, is asked last, just before: false leaves the earlier file.
// Returns why it failed, or an empty text.
QString replace(const QString &path, const QByteArray &bytes, const std::function<bool()> &mayReplace = {});

} // namespace SafeFile
