// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/speaker.h"

#include "base/ui/speechengine.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLibrary>
#include <QThread>

#include <memory>
#include <mutex>
#include <utility>

namespace {

// Speaks on a thread of its own, where the speech module is loaded when the
// first text is said: loading it, starting the speech service and talking to
// it never keep the window waiting. Only the newest text is said; it cuts off
// the one before. When the module, the service or a voice for the language is
// missing, nothing is said from then on, and the window is told once.
class ModuleSpeaker final : public Speaker
{
public:
    void say(const QString &text, const QString &language) override
    {
        if (m_unavailable)
            return;
        {
            const std::lock_guard lock(m_mutex);
            m_next = Request{text, language, Request::Say};
        }
        wake();
    }

    void stop() override
    {
        if (!m_thread)
            return;
        {
            const std::lock_guard lock(m_mutex);
            m_next = Request{QString(), QString(), Request::Stop};
        }
        wake();
    }

private:
    struct Request
    {
        QString text;
        QString language;
        enum { None, Say, Stop } kind = None;
    };

    void wake()
    {
        if (!m_thread)
            start();
        QMetaObject::invokeMethod(m_worker, [this] { serve(); }, Qt::QueuedConnection);
    }

    void start()
    {
        // Never deleted, as the speaker itself: the program ends it as it quits.
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("Reading aloud"));
        m_worker = new QObject;
        m_worker->moveToThread(m_thread);
        connect(m_thread, &QThread::finished, m_worker, [this] { close(); }, Qt::DirectConnection);
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            m_thread->quit();
            // Stopping the voice takes a moment; a service that stopped answering is not waited for.
            m_thread->wait(QDeadlineTimer(1000));
        });
        m_thread->start();
    }

    // Everything below runs on the speaker's thread.

    void serve()
    {
        Request request;
        {
            const std::lock_guard lock(m_mutex);
            request = std::exchange(m_next, Request());
        }
        if (request.kind == Request::None || m_failed)
            return;
        if (request.kind == Request::Stop) {
            if (m_engine)
                m_engine->stop();
            return;
        }
        if (request.language != m_language && !open(request.language))
            return;
        m_engine->say(request.text);
    }

    bool open(const QString &language)
    {
        if (!m_engine) {
            // Beside the program in a build, in the program's library folder once installed.
            const QString folder = QCoreApplication::applicationDirPath();
            for (const QString &path : {folder + QStringLiteral("/brightsum-speech"),
                                        folder + QStringLiteral("/../" BRIGHTSUM_LIBDIR "/brightsum/brightsum-speech")}) {
                m_module.setFileName(path);
                if (m_module.load())
                    break;
            }
            const auto make = reinterpret_cast<SpeechEngineFactory>(
                m_module.resolve(QT_STRINGIFY(BRIGHTSUM_SPEECH_ENGINE_FACTORY)));
            if (!make)
                return fail(m_module.errorString());
            m_engine.reset(make());
        }
        const QString problem = m_engine->open(language);
        if (!problem.isEmpty())
            return fail(problem);
        m_language = language;
        return true;
    }

    bool fail(const QString &problem)
    {
        qInfo("Reading aloud is not available: %s", qUtf8Printable(problem));
        m_failed = true;
        close();
        QMetaObject::invokeMethod(this, [this] {
            m_unavailable = true;
            Q_EMIT unavailable();
        });
        return false;
    }

    void close()
    {
        if (m_engine)
            m_engine->stop();
        m_engine.reset();
    }

    std::mutex m_mutex;
    Request m_next; // shared, under the mutex
    // The window's thread's own.
    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr;
    bool m_unavailable = false;
    // The speaker's thread's own.
    QLibrary m_module;
    std::unique_ptr<SpeechEngine> m_engine;
    QString m_language;
    bool m_failed = false;
};

Speaker *installed = nullptr;

} // namespace

Speaker &Speaker::current()
{
    // Never destroyed: its thread may outlive the application's objects.
    static Speaker *const real = new ModuleSpeaker;
    return installed ? *installed : *real;
}

void Speaker::install(Speaker *speaker)
{
    installed = speaker;
}
