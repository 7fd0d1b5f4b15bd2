#include "app/datafolder.h"

#include <QDir>
#include <QFileInfo>

QStringList DataFolder::candidates(const QString &currentFolder, const QString &executableFolder)
{
    return {currentFolder, executableFolder, executableFolder + QStringLiteral("/../share/brightsum"),
            QStringLiteral(BRIGHTSUM_INSTALLED_DATA), QStringLiteral(BRIGHTSUM_SOURCE_DATA)};
}

QString DataFolder::find(const QStringList &candidates)
{
    for (const QString &folder : candidates) {
        if (QFileInfo(folder + QStringLiteral("/Exercises")).isDir())
            return QDir(folder).absolutePath();
    }
    return {};
}

bool DataFolder::enter(const QString &executableFolder)
{
    const QString folder = find(candidates(QDir::currentPath(), executableFolder));
    return !folder.isEmpty() && QDir::setCurrent(folder);
}
