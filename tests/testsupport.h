// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/ui/prompts.h"
#include "base/ui/soundplayer.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <QTranslator>

#include <functional>
#include <memory>

class QSettings;

class QDialog;

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
// Every key in the store.
QStringList storedKeys();
// The store's file as it is on disk now, read by the toolkit alone.
std::unique_ptr<QSettings> onDisk();
// Whole files, for tests that write and read them back.
void writeFile(const QString &path, const QByteArray &content);
QByteArray readFile(const QString &path);

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

// Answers every modal question from a script and records what was asked.
class ScriptedPrompts : public Prompts
{
public:
    struct Asked
    {
        QString what; // "message", "open", "save", "text" or "exec"
        QString title;
        QString text;
        Kind kind = Kind::Information;
        QString folder = QString(); // where a file dialog starts
    };

    ScriptedPrompts() { Prompts::install(this); }
    ~ScriptedPrompts() override { Prompts::install(nullptr); }

    // Answers used in order; when none is left, message boxes get their first
    // button (Ok for notices, Cancel for save questions), dialogs are cancelled.
    QList<QMessageBox::StandardButton> buttons;
    QStringList fileNames;
    QList<std::optional<QString>> texts;
    // Called with each dialog run modally; its result is whether the dialog was accepted.
    std::function<bool(QDialog &)> onExec;
    // Whether each wait is waited out (true) or given up (false); waited out when none is left.
    QList<bool> waits;
    // Told of each message as it is asked, before it is answered.
    std::function<void(const Asked &)> onMessage;

    QList<Asked> asked;
    int count(const QString &title) const;
    QStringList titles() const;

    QMessageBox::StandardButton message(QWidget *parent, Kind kind, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons choices) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    std::optional<QString> text(QWidget *parent, const QString &title, const QString &label,
                                QLineEdit::EchoMode echo) override;
    bool exec(QDialog &dialog) override;
    bool wait(QWidget *parent, const QString &title, const QString &text, const std::function<bool()> &finished) override;
};

// Records the sounds asked for instead of playing them.
class RecordingSoundPlayer : public SoundPlayer
{
public:
    RecordingSoundPlayer() { SoundPlayer::install(this); }
    ~RecordingSoundPlayer() override { SoundPlayer::install(nullptr); }
    void play(const QString &file) override { played.append(file); }
    QStringList played;
};

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
