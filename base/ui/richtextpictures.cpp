// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/richtextpictures.h"

#include "base/safefile.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace {

// Whether the toolkit would read the picture from a file it may read: it takes
// a name without a scheme for a file, relative to the working folder, and
// reads nothing from the disk for an address that names no local file.
bool isReadable(const QString &name)
{
    QUrl address(name);
    if (address.isRelative())
        address.setScheme(QStringLiteral("file"));
    const QString path = address.toLocalFile();
    if (path.isEmpty())
        return true;
    QFile file;
    return SafeFile::openRegular(file, path) && file.size() <= RichTextPictures::MaxBytes;
}

// Takes the first picture that is not read from such a file out of the document.
bool leaveOutOne(QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextImageFormat picture = fragment.charFormat().toImageFormat();
            if (!picture.isValid() || isReadable(picture.name()))
                continue;
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            return true;
        }
    }
    return false;
}

} // namespace

QString RichTextPictures::guarded(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    // A document with no layout reads no picture.
    QTextDocument document;
    document.setHtml(text);
    bool changed = false;
    while (leaveOutOne(document))
        changed = true;
    return changed ? document.toHtml() : text;
}
