// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// Reads texts aloud in the background, through the desktop's speech service.
// A text said cuts off whatever is still being said, and nothing ever waits
// for speech. A machine without speech, or without a voice for the language,
// says nothing, and the speaker tells so once.
class Speaker : public QObject
{
    Q_OBJECT

public:
    // `language` is an ISO 639-1 code: "en", "fr" or "es".
    virtual void say(const QString &text, const QString &language) = 0;
    virtual void stop() = 0;

    static Speaker &current();
    // Installs a replacement (not owned); nullptr restores the real speaker.
    static void install(Speaker *speaker);

Q_SIGNALS:
    // Once, when speech turned out not to be available: no speech module, no
    // speech service, or no voice for the language.
    void unavailable();
};
