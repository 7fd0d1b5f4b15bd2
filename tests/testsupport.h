// SPDX-License-Identifier: GPL-3.0-or-later
// What window tests need besides what every test needs (coresupport.h).
#pragma once

#include "coresupport.h"

#include "base/ui/prompts.h"
#include "base/ui/soundplayer.h"
#include "base/ui/speaker.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

// Answers every modal question from a script and records what was asked.
class ScriptedPrompts : public Prompts
{
public:
    struct Asked
    {
        QString what; // "message", "open", "save", "folder", "text" or "exec"
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
    QString folderName(QWidget *parent, const QString &caption, const QString &folder) override;
    std::optional<QString> text(QWidget *parent, const QString &title, const QString &label,
                                QLineEdit::EchoMode echo) override;
    bool exec(QDialog &dialog) override;
    bool wait(QWidget *parent, const QString &title, const QString &text, const std::function<bool()> &finished) override;
};

// Records the sounds asked for instead of playing them.
// Records what the exercise windows read aloud, in order; "(stop)" where speech is cut off.
class RecordingSpeaker : public Speaker
{
public:
    RecordingSpeaker() { Speaker::install(this); }
    ~RecordingSpeaker() override { Speaker::install(nullptr); }
    void say(const QString &text, const QString &) override { said.append(text); }
    void stop() override { said.append(QStringLiteral("(stop)")); }
    QStringList said;
};

class RecordingSoundPlayer : public SoundPlayer
{
public:
    RecordingSoundPlayer() { SoundPlayer::install(this); }
    ~RecordingSoundPlayer() override { SoundPlayer::install(nullptr); }
    void play(const QString &file) override { played.append(file); }
    QStringList played;
};
