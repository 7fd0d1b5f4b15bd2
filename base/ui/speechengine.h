// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the speech module (brightsum-speech.so, which links the toolkit's
// speech library) gives the speaker, who loads it when a text is first read
// aloud: a voice of the desktop's speech service, used on the speaker's
// thread alone.
class SpeechEngine
{
public:
    virtual ~SpeechEngine() = default;
    // Picks a voice for the language (an ISO 639-1 code): an empty text when
    // it can speak, else why not.
    virtual QString open(const QString &language) = 0;
    // Says the text, cutting off whatever it is saying.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
};

// The function the module exports, which makes an engine. Its name changes
// with this interface, so that a module of another build is never used.
#define BRIGHTSUM_SPEECH_ENGINE_FACTORY brightsumSpeechEngine1
using SpeechEngineFactory = SpeechEngine *(*)();
