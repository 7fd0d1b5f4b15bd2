// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language.h"

#include <QFileInfo>

namespace {

const QString English = QStringLiteral("en");

QString &chosen()
{
    static QString code = English;
    return code;
}

} // namespace

QStringList Language::shipped()
{
    return {QStringLiteral("fr"), QStringLiteral("es")};
}

QString Language::pick(const QStringList &userLanguages)
{
    for (const QString &language : userLanguages) {
        const QString code = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        // A user who asks for English before another language gets English.
        if (code == English || shipped().contains(code))
            return code;
    }
    return English;
}

QString Language::current()
{
    return chosen();
}

void Language::setCurrent(const QString &code)
{
    chosen() = shipped().contains(code) ? code : English;
}

QString Language::localized(const QString &path)
{
    if (chosen() == English)
        return path;
    const QFileInfo file(path);
    const QString translated = file.path() + QLatin1Char('/') + chosen() + QLatin1Char('/') + file.fileName();
    return QFileInfo(translated).isFile() ? translated : path;
}

QStringList Language::searchPaths(const QString &folder)
{
    if (chosen() == English)
        return {folder};
    return {folder + QLatin1Char('/') + chosen(), folder};
}
