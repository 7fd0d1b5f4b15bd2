// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafolder.h"

#include "content/topics.h"

#include <QDir>
#include <QFileInfo>

QStringList DataFolder::candidates(const QString &currentFolder, const QString &executableFolder)
{
    return {currentFolder, executableFolder, executableFolder + QStringLiteral("/../share/brightsum"),
            QStringLiteral(BRIGHTSUM_INSTALLED_DATA), executableFolder + QStringLiteral("/data")};
}

bool DataFolder::isComplete(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &subfolder : {QStringLiteral("Art"), QStringLiteral("Sounds"), QStringLiteral("HTM"),
                                     QStringLiteral("Sample")}) {
        if (!QFileInfo(dir.filePath(subfolder)).isDir())
            return false;
    }
    for (int topic = 0; topic < Topics::count; ++topic) {
        if (!QFileInfo(dir.filePath(Topics::at(topic).questionFile())).isFile())
            return false;
    }
    return true;
}

QString DataFolder::find(const QStringList &candidates)
{
    for (const QString &folder : candidates) {
        if (isComplete(folder))
            return QDir::cleanPath(QDir(folder).absolutePath());
    }
    return {};
}

bool DataFolder::enter(const QString &executableFolder)
{
    const QString folder = find(candidates(QDir::currentPath(), executableFolder));
    return !folder.isEmpty() && QDir::setCurrent(folder);
}
