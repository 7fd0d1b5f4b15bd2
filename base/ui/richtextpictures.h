// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Pictures named in rich text. A question of a template may hold HTML, which
// the question label reads as such, and the toolkit reads a picture it names
// from whatever file the name leads to, whole: a device such as /dev/zero or
// a pipe would be read without end.
namespace RichTextPictures {

// A picture is read only from a regular file of at most this size.
constexpr qint64 MaxBytes = 16 * 1024 * 1024;

// The text with every picture that would be read from anything else left
// out; plain text, and rich text whose pictures are all files, as it is.
QString guarded(const QString &text);

} // namespace RichTextPictures
