// SPDX-License-Identifier: GPL-3.0-or-later
// The speech module: the toolkit's speech library, through the desktop's
// speech service. The program loads it only when a text is first read aloud,
// so that neither a start nor a machine without it pays for it.
#include "base/ui/speechengine.h"

#include <QLocale>
#include <QTextToSpeech>

#include <memory>
#include <optional>

namespace {

class ServiceEngine final : public SpeechEngine
{
public:
    QString open(const QString &language) override
    {
        if (!m_speech) {
            const QStringList engines = QTextToSpeech::availableEngines();
            if (engines.isEmpty())
                return QStringLiteral("no speech engine is installed");
            // The desktop's speech service, whatever else is installed.
            const QString speechd = QStringLiteral("speechd");
            m_speech = std::make_unique<QTextToSpeech>(engines.contains(speechd) ? speechd : engines.first());
            if (m_speech->state() == QTextToSpeech::Error)
                return m_speech->errorString();
            // A little slower than the service's own pace, for children who are learning to read.
            m_speech->setRate(-0.15);
        }
        // The voice of the language, of the user's own country when there is one.
        const QLocale::Language wanted = QLocale::codeToLanguage(language);
        std::optional<QLocale> chosen;
        for (const QLocale &locale : m_speech->availableLocales()) {
            if (locale.language() == wanted && (!chosen || locale.territory() == QLocale::system().territory()))
                chosen = locale;
        }
        if (!chosen)
            return QStringLiteral("no voice speaks %1").arg(language);
        m_speech->setLocale(*chosen);
        return {};
    }

    void say(const QString &text) override
    {
        if (m_speech)
            m_speech->say(text);
    }
    void stop() override
    {
        if (m_speech)
            m_speech->stop();
    }

private:
    std::unique_ptr<QTextToSpeech> m_speech;
};

} // namespace

extern "C" Q_DECL_EXPORT SpeechEngine *BRIGHTSUM_SPEECH_ENGINE_FACTORY()
{
    return new ServiceEngine;
}
