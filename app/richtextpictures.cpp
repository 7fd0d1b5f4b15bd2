// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/richtextpictures.h"

#include "content/safefile.h"

#include <QFile>
#include <QImage>
#include <QTextDocument>

QVariant RichTextPictures::load(const QUrl &address)
{
    // Not an empty value: the toolkit would then read the file itself.
    static const QImage nothing = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        return image;
    }();
    QString path;
    if (address.isLocalFile())
        path = address.toLocalFile();
    else if (address.scheme().isEmpty())
        path = address.path(QUrl::FullyDecoded);
    else
        return nothing; // nothing from a network
    QFile file;
    if (path.isEmpty() || !SafeFile::openRegular(file, path) || file.size() > MaxBytes)
        return nothing;
    return file.read(MaxBytes);
}

void RichTextPictures::install()
{
    QTextDocument::setDefaultResourceProvider(&load);
}
