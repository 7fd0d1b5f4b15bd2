// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/recentfolders.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QString>

#include <memory>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

// Every modal question the program asks goes through here: message boxes, file
// and text input dialogs, and any dialog run modally. Tests install their own
// Prompts that answer from a script, so no test waits on a dialog.
class Prompts
{
public:
    enum class Kind { Information, Warning, Critical, Question, About };

    virtual ~Prompts() = default;

    // Texts are shown as plain text, whatever names they hold; only the about
    // boxes show the program's own rich text.
    virtual QMessageBox::StandardButton message(QWidget *parent, Kind kind, const QString &title,
                                                const QString &text, QMessageBox::StandardButtons buttons);
    // The box that message() shows, for a kind other than About.
    static std::unique_ptr<QMessageBox> messageBox(QWidget *parent, Kind kind, const QString &title,
                                                   const QString &text, QMessageBox::StandardButtons buttons);
    // File dialogs starting in the given folder; an empty name when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter);
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter);
    // A folder dialog starting in the given folder; an empty name when cancelled.
    virtual QString folderName(QWidget *parent, const QString &caption, const QString &folder);
    // The entered text, or nothing when the dialog was cancelled.
    virtual std::optional<QString> text(QWidget *parent, const QString &title, const QString &label,
                                        QLineEdit::EchoMode echo);
    // Runs a dialog modally; true when it was accepted.
    virtual bool exec(QDialog &dialog);
    // A wait that the person may give up: shown until `finished` is true
    // (then true), or until the person would rather not wait (false).
    virtual bool wait(QWidget *parent, const QString &title, const QString &text, const std::function<bool()> &finished);

    static Prompts &current();
    // Installs a replacement (not owned); nullptr restores the real dialogs.
    static void install(Prompts *prompts);
    // Answers every question without asking: when nobody is there to answer
    // (the session is ending), notices are passed over, questions answered No,
    // dialogs cancelled and waits given up.
    static Prompts &unattended();
};

// Short forms for the common message boxes.
namespace Ask {
void information(QWidget *parent, const QString &title, const QString &text);
void warning(QWidget *parent, const QString &title, const QString &text);
void critical(QWidget *parent, const QString &title, const QString &text);
void about(QWidget *parent, const QString &title, const QString &text);
// Yes, No or Cancel.
QMessageBox::StandardButton yesNoCancel(QWidget *parent, const QString &title, const QString &text);
// Whether a window of unsaved work may close, once asked whether to save it:
// Yes saves it, and keeps the window open when `saveFailed` says the file could
// not be written, so nothing is lost; No closes it; Cancel keeps it open.
bool mayCloseAfter(QMessageBox::StandardButton answer, const std::function<bool()> &saveFailed);

// File dialogs that start in the folder last used for their kind of file
// (RecentFolders) and remember the folder of the file chosen.
QString openFile(QWidget *parent, RecentFolders::Kind kind, const QString &caption, const QString &filter);
QString saveFile(QWidget *parent, RecentFolders::Kind kind, const QString &caption, const QString &filter);
} // namespace Ask
