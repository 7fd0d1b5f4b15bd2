// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/recentfolders.h"

#include "base/store/store.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool isWithin(const QString &folder, const QString &outer)
{
    const QString canonicalOuter = QFileInfo(outer).canonicalFilePath();
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return !canonicalOuter.isEmpty()
        && (canonical == canonicalOuter || canonical.startsWith(canonicalOuter + QLatin1Char('/')));
}

} // namespace

QString RecentFolders::key(Kind kind)
{
    switch (kind) {
    case Kind::Exercises: return QStringLiteral("/folders/exercises");
    case Kind::Templates: return QStringLiteral("/folders/templates");
    case Kind::Worksheets: return QStringLiteral("/folders/worksheets");
    case Kind::Records: return QStringLiteral("/folders/records");
    }
    return {};
}

QString RecentFolders::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString RecentFolders::startFolder(Kind kind, const QString &dataFolder)
{
    const QString last = Store::value(key(kind)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir() && !isWithin(last, dataFolder))
        return last;
    return documentsFolder();
}

void RecentFolders::remember(Kind kind, const QString &chosenFile)
{
    if (chosenFile.isEmpty())
        return;
    const QString folder = QFileInfo(chosenFile).absolutePath();
    if (Store::value(key(kind)).toString() != folder)
        Store::post(StoreChange::setting(key(kind), folder));
}
