// SPDX-License-Identifier: GPL-3.0-or-later
#include "coresupport.h"

#include "base/store/store.h"
#include "users/scorebook.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

void TestSupport::initialise()
{
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QDir::setCurrent(dataFolder());
    resetStore();
}

void TestSupport::resetStore()
{
    Store::update(StoreChange::removing(QString()));
}

void TestSupport::store(const QString &key, const QVariant &value)
{
    QVERIFY(Store::update(StoreChange::setting(key, value)));
}

int TestSupport::appendRecord(const ScoreRecord &record)
{
    return Store::update(ScoreBook::appending(record)) ? int(ScoreBook::records().size()) : 0;
}

QStringList TestSupport::storedKeys()
{
    QStringList keys;
    Store::read([&](const StoreMap &store) { keys = store.allKeys(); });
    return keys;
}

std::unique_ptr<QSettings> TestSupport::onDisk()
{
    // What is written by now, in a file of its own, so the toolkit cannot
    // answer from an earlier read of the store.
    Store::waitForPending();
    static QTemporaryDir copies;
    static int count = 0;
    const QString copy = copies.filePath(QStringLiteral("copy-%1.conf").arg(++count));
    QFile::copy(Store::fileName(), copy);
    return std::make_unique<QSettings>(copy, QSettings::IniFormat);
}

TestSupport::MovedStore::MovedStore(const QString &folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    Store::reopen();
}

TestSupport::MovedStore::~MovedStore()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path());
    Store::reopen();
}

QString TestSupport::dataFolder()
{
    return QStringLiteral(BRIGHTSUM_SOURCE_DATA);
}

void TestSupport::writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray TestSupport::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<TestSupport::CatalogueEntry> TestSupport::catalogue(const QString &language)
{
    QFile file(dataFolder() + QStringLiteral("/../translations/brightsum_") + language + QStringLiteral(".ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<CatalogueEntry> entries;
    QXmlStreamReader xml(&file);
    CatalogueEntry entry;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            entry.context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            entry.finished = xml.attributes().value(QLatin1String("type")) != QLatin1String("unfinished");
            entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            entries.append(entry);
        }
    }
    return xml.hasError() ? QList<CatalogueEntry>() : entries;
}

PseudoTranslator::PseudoTranslator()
{
    const QList<TestSupport::CatalogueEntry> entries = TestSupport::catalogue(QStringLiteral("fr"));
    if (entries.isEmpty())
        qFatal("No catalogue to mark texts by");
    for (const TestSupport::CatalogueEntry &entry : entries)
        m_catalogue.insert(entry.context + QLatin1Char('|') + entry.source);
    QCoreApplication::installTranslator(this);
}

PseudoTranslator::~PseudoTranslator()
{
    QCoreApplication::removeTranslator(this);
}

QString PseudoTranslator::translate(const char *context, const char *source, const char *, int) const
{
    if (!source || !*source)
        return {};
    const bool qts = context[0] == 'Q';
    if (!qts && !m_catalogue.contains(QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(source)))
        return {};
    return QStringLiteral("\u00ab") + QString::fromUtf8(source) + QStringLiteral("\u00bb");
}

bool PseudoTranslator::marked(const QString &text)
{
    return text.contains(QStringLiteral("\u00ab"));
}
