// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "base/store/store.h"

#include <QCoreApplication>
#include <QDialog>
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

int ScriptedPrompts::count(const QString &title) const
{
    return static_cast<int>(std::count_if(asked.cbegin(), asked.cend(), [&](const Asked &a) { return a.title == title; }));
}

QStringList ScriptedPrompts::titles() const
{
    QStringList result;
    for (const Asked &a : asked)
        result << a.title;
    return result;
}

QMessageBox::StandardButton ScriptedPrompts::message(QWidget *, Kind kind, const QString &title, const QString &text,
                                                     QMessageBox::StandardButtons choices)
{
    asked.append({QStringLiteral("message"), title, text, kind});
    if (onMessage)
        onMessage(asked.constLast());
    if (!buttons.isEmpty())
        return buttons.takeFirst();
    if (choices.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    return QMessageBox::Ok;
}

QString ScriptedPrompts::openFileName(QWidget *, const QString &caption, const QString &folder,
                                      const QString &filter)
{
    asked.append({QStringLiteral("open"), caption, filter, Kind::Information, folder});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedPrompts::saveFileName(QWidget *, const QString &caption, const QString &folder,
                                      const QString &filter)
{
    asked.append({QStringLiteral("save"), caption, filter, Kind::Information, folder});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

std::optional<QString> ScriptedPrompts::text(QWidget *, const QString &title, const QString &label,
                                             QLineEdit::EchoMode)
{
    asked.append({QStringLiteral("text"), title, label});
    return texts.isEmpty() ? std::nullopt : texts.takeFirst();
}

bool ScriptedPrompts::exec(QDialog &dialog)
{
    asked.append({QStringLiteral("exec"), dialog.windowTitle(), QString()});
    return onExec ? onExec(dialog) : false;
}

bool ScriptedPrompts::wait(QWidget *, const QString &title, const QString &text, const std::function<bool()> &finished)
{
    asked.append({QStringLiteral("wait"), title, text});
    if (!waits.isEmpty() && !waits.takeFirst())
        return false;
    while (!finished())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return true;
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
