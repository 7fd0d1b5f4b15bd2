// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

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

bool Language::installTranslators()
{
    // The catalogues of a language picked before give way to this one's (a
    // translator deleted leaves the application by itself).
    static QPointer<QTranslator> toolkit, own;
    delete toolkit;
    delete own;
    if (chosen() == English)
        return true;
    QCoreApplication *application = QCoreApplication::instance();
    toolkit = new QTranslator(application);
    if (toolkit->load(QLocale(chosen()), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
    own = new QTranslator(application);
    if (!own->load(QStringLiteral(":/i18n/brightsum_") + chosen()))
        return false;
    QCoreApplication::installTranslator(own);
    return true;
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
