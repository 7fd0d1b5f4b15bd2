// SPDX-License-Identifier: GPL-3.0-or-later
// What every test needs, windows or not; testsupport.h adds what window tests need.
#pragma once

#include "base/store/scorerecord.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVariant>

#include <memory>

class QSettings;

namespace TestSupport {
// Points the settings store at a temporary folder and makes the source tree's
// data folder the working folder. Call once, before anything opens the store.
void initialise();
// Empties the store between tests.
void resetStore();
// The source tree's data folder.
QString dataFolder();
// Writes one key to the store, as a change of its own.
void store(const QString &key, const QVariant &value);
// Appends a record in a change of its own, as a completed exercise appends it,
// and waits: the number of records then, or 0 when it could not be written.
int appendRecord(const ScoreRecord &record);
// Every key in the store.
QStringList storedKeys();
// The store's file as it is on disk now, read by the toolkit alone.
std::unique_ptr<QSettings> onDisk();
// Whole files, for tests that write and read them back.
void writeFile(const QString &path, const QByteArray &content);
QByteArray readFile(const QString &path);

// Moves the store to another folder for one test.
class MovedStore
{
public:
    explicit MovedStore(const QString &folder);
    ~MovedStore();

private:
    QTemporaryDir m_home;
};

// One message of a language's catalogue in the source tree.
struct CatalogueEntry
{
    QString context;
    QString source;
    QString translation; // a plural's forms run together
    bool finished = false;
};
// The messages of translations/brightsum_<language>.ts, or none when it cannot be read whole.
QList<CatalogueEntry> catalogue(const QString &language);
} // namespace TestSupport

// Marks every text that passes through translation and that the program's
// catalogues hold (or Qt's own, for its dialogs), as another language would
// change it: a text shown unmarked is one no catalogue can reach. Installed
// for its lifetime.
class PseudoTranslator : public QTranslator
{
public:
    PseudoTranslator();
    ~PseudoTranslator() override;
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override;
    bool isEmpty() const override { return false; }
    static bool marked(const QString &text);

private:
    QSet<QString> m_catalogue; // context and source text, as "context|source"
};
