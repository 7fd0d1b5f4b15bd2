// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <QVariant>

// Pictures named in rich text: the about boxes show the logo, and a question
// of a template may hold HTML, which the question label reads as such. A
// picture is read only from a regular file of a bounded size: a device such
// as /dev/zero, a pipe, a folder or a file far larger than any picture shows
// nothing, rather than being read without end.
namespace RichTextPictures {

constexpr qint64 MaxBytes = 16 * 1024 * 1024;

// The bytes of the picture at the address (a file's path, relative to the
// working folder, or a file: address), or an empty picture.
QVariant load(const QUrl &address);
// Makes every text document of the program (labels, message boxes, tooltips,
// charts) read its pictures through load(), when it has no way of its own.
void install();

} // namespace RichTextPictures
