// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/soundplayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <pulse/pulseaudio.h>
#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <pthread.h>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

template<typename Function>
bool resolve(QLibrary &library, const char *symbol, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(symbol));
    return function != nullptr;
}

// The functions of the sound server's client library and of the sound file
// reader that the player calls, looked up when the first sound is played: a
// start, or a machine without them, loads neither.
struct SoundLibraries
{
    decltype(&::sf_open) sf_open = nullptr;
    decltype(&::sf_readf_short) sf_readf_short = nullptr;
    decltype(&::sf_close) sf_close = nullptr;
    decltype(&::pa_mainloop_new) pa_mainloop_new = nullptr;
    decltype(&::pa_mainloop_get_api) pa_mainloop_get_api = nullptr;
    decltype(&::pa_mainloop_iterate) pa_mainloop_iterate = nullptr;
    decltype(&::pa_mainloop_wakeup) pa_mainloop_wakeup = nullptr;
    decltype(&::pa_context_new) pa_context_new = nullptr;
    decltype(&::pa_context_set_state_callback) pa_context_set_state_callback = nullptr;
    decltype(&::pa_context_connect) pa_context_connect = nullptr;
    decltype(&::pa_context_get_state) pa_context_get_state = nullptr;
    decltype(&::pa_context_unref) pa_context_unref = nullptr;
    decltype(&::pa_stream_new) pa_stream_new = nullptr;
    decltype(&::pa_stream_set_state_callback) pa_stream_set_state_callback = nullptr;
    decltype(&::pa_stream_connect_playback) pa_stream_connect_playback = nullptr;
    decltype(&::pa_stream_get_state) pa_stream_get_state = nullptr;
    decltype(&::pa_stream_write) pa_stream_write = nullptr;
    decltype(&::pa_stream_drain) pa_stream_drain = nullptr;
    decltype(&::pa_stream_disconnect) pa_stream_disconnect = nullptr;
    decltype(&::pa_stream_unref) pa_stream_unref = nullptr;
    decltype(&::pa_operation_unref) pa_operation_unref = nullptr;

    bool load()
    {
        // The libraries stay loaded when the QLibrary objects go.
        QLibrary files(QStringLiteral("sndfile"), 1);
        QLibrary server(QStringLiteral("pulse"), 0);
        return resolve(files, "sf_open", sf_open) && resolve(files, "sf_readf_short", sf_readf_short)
            && resolve(files, "sf_close", sf_close) && resolve(server, "pa_mainloop_new", pa_mainloop_new)
            && resolve(server, "pa_mainloop_get_api", pa_mainloop_get_api)
            && resolve(server, "pa_mainloop_iterate", pa_mainloop_iterate)
            && resolve(server, "pa_mainloop_wakeup", pa_mainloop_wakeup)
            && resolve(server, "pa_context_new", pa_context_new)
            && resolve(server, "pa_context_set_state_callback", pa_context_set_state_callback)
            && resolve(server, "pa_context_connect", pa_context_connect)
            && resolve(server, "pa_context_get_state", pa_context_get_state)
            && resolve(server, "pa_context_unref", pa_context_unref)
            && resolve(server, "pa_stream_new", pa_stream_new)
            && resolve(server, "pa_stream_set_state_callback", pa_stream_set_state_callback)
            && resolve(server, "pa_stream_connect_playback", pa_stream_connect_playback)
            && resolve(server, "pa_stream_get_state", pa_stream_get_state)
            && resolve(server, "pa_stream_write", pa_stream_write)
            && resolve(server, "pa_stream_drain", pa_stream_drain)
            && resolve(server, "pa_stream_disconnect", pa_stream_disconnect)
            && resolve(server, "pa_stream_unref", pa_stream_unref)
            && resolve(server, "pa_operation_unref", pa_operation_unref);
    }
};

// A file's sound as 16-bit samples, at most 2 MB of them: reward sounds last a
// second or two, and the server takes the whole sound in one piece.
struct Sound
{
    std::vector<short> samples;
    pa_sample_spec layout{PA_SAMPLE_S16NE, 0, 0};
    Clock::time_point asked;

    bool read(const SoundLibraries &libraries, const QByteArray &file)
    {
        samples.clear();
        SF_INFO format{};
        SNDFILE *handle = libraries.sf_open(file.constData(), SFM_READ, &format);
        if (!handle)
            return false;
        if (format.samplerate > 0 && format.channels > 0 && format.channels <= int(PA_CHANNELS_MAX)) {
            layout.rate = uint32_t(format.samplerate);
            layout.channels = uint8_t(format.channels);
            const sf_count_t most = sf_count_t((2u << 20) / sizeof(short)) / format.channels;
            const sf_count_t frames = std::min(format.frames, most);
            samples.resize(size_t(frames) * layout.channels);
            const sf_count_t read = libraries.sf_readf_short(handle, samples.data(), frames);
            samples.resize(size_t(std::max<sf_count_t>(read, 0)) * layout.channels);
        }
        libraries.sf_close(handle);
        return !samples.empty();
    }
};

// Plays one sound at a time on a thread of its own, which only ever waits in
// the client library's event loop: the window never waits on the server, not
// even on one that has stopped answering. The whole sound goes to the server at
// once, so it plays on however busy the machine is; a new sound cuts the one
// playing, and one that could not start within a second is dropped. Without
// the libraries or a server, nothing plays.
class ServerPlayer final : public SoundPlayer
{
public:
    void play(const QString &file) override
    {
        const QFileInfo info(file);
        if (!info.isFile())
            return;
        const std::lock_guard lock(m_mutex);
        if (m_unavailable)
            return;
        m_next = QFile::encodeName(info.absoluteFilePath());
        m_asked = Clock::now();
        if (!m_started) {
            m_client = QCoreApplication::applicationName().toUtf8();
            m_streamName = QCoreApplication::translate("SoundPlayer", "Reward sound").toUtf8();
            // Never joined: it waits for sounds, or on a server, until the program ends.
            std::thread([this] { run(); }).detach();
            m_started = true;
        } else if (m_loop) {
            m_lib.pa_mainloop_wakeup(m_loop);
        }
    }

private:
    static constexpr auto staleAfter = std::chrono::seconds(1);

    void run()
    {
        pthread_setname_np(pthread_self(), "Reward sounds");
        pa_mainloop *loop = m_lib.load() ? m_lib.pa_mainloop_new() : nullptr;
        {
            const std::lock_guard lock(m_mutex);
            m_loop = loop;
        }
        while (loop) {
            takeRequest();
            if (m_lib.pa_mainloop_iterate(loop, 1, nullptr) < 0)
                break;
        }
        // Without the libraries, or once the loop has failed, nothing plays.
        const std::lock_guard lock(m_mutex);
        m_unavailable = true;
    }

    // Everything below runs on the player's thread.

    void takeRequest()
    {
        QByteArray file;
        {
            const std::lock_guard lock(m_mutex);
            if (m_next.isEmpty())
                return;
            file = std::exchange(m_next, QByteArray());
            m_waiting.asked = m_asked;
        }
        stopSound();
        if (!m_waiting.read(m_lib, file))
            return;
        if (!m_context)
            connectServer();
        else if (m_lib.pa_context_get_state(m_context) == PA_CONTEXT_READY)
            startSound();
    }

    void connectServer()
    {
        m_context = m_lib.pa_context_new(m_lib.pa_mainloop_get_api(m_loop), m_client.constData());
        if (!m_context)
            return;
        m_lib.pa_context_set_state_callback(m_context, contextChanged, this);
        // The desktop starts its sound server; a program that plays a reward never does.
        if (m_lib.pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            dropServer();
    }

    // Also called back from within pa_context_connect when it fails at once.
    void dropServer()
    {
        if (!m_context)
            return;
        stopSound();
        m_lib.pa_context_set_state_callback(m_context, nullptr, nullptr);
        m_lib.pa_context_unref(m_context);
        m_context = nullptr;
        m_waiting.samples.clear();
    }

    void startSound()
    {
        if (m_waiting.samples.empty() || Clock::now() - m_waiting.asked > staleAfter)
            return;
        m_playing = m_lib.pa_stream_new(m_context, m_streamName.constData(), &m_waiting.layout, nullptr);
        if (!m_playing)
            return;
        m_lib.pa_stream_set_state_callback(m_playing, streamChanged, this);
        // A tenth of a second of latency: the sound starts at once, also on an
        // output that cannot take back what it was given ahead of time, while
        // the server holds the whole sound.
        const uint32_t serverDefault = uint32_t(-1);
        const auto tenth = uint32_t(m_waiting.layout.rate * m_waiting.layout.channels * sizeof(short) / 10);
        const pa_buffer_attr buffer{serverDefault, tenth, serverDefault, serverDefault, serverDefault};
        if (m_lib.pa_stream_connect_playback(m_playing, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
            stopSound();
    }

    void writeSound()
    {
        const auto size = m_waiting.samples.size() * sizeof(short);
        if (m_lib.pa_stream_write(m_playing, m_waiting.samples.data(), size, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
            stopSound();
            return;
        }
        m_waiting.samples.clear();
        // Draining starts a sound shorter than the server's buffer at once.
        if (pa_operation *drain = m_lib.pa_stream_drain(m_playing, drained, this))
            m_lib.pa_operation_unref(drain);
    }

    void stopSound()
    {
        if (!m_playing)
            return;
        m_lib.pa_stream_set_state_callback(m_playing, nullptr, nullptr);
        m_lib.pa_stream_disconnect(m_playing);
        m_lib.pa_stream_unref(m_playing);
        m_playing = nullptr;
    }

    static void contextChanged(pa_context *context, void *data)
    {
        auto *player = static_cast<ServerPlayer *>(data);
        const pa_context_state_t state = player->m_lib.pa_context_get_state(context);
        if (state == PA_CONTEXT_READY)
            player->startSound();
        else if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED)
            player->dropServer();
    }

    static void streamChanged(pa_stream *stream, void *data)
    {
        auto *player = static_cast<ServerPlayer *>(data);
        const pa_stream_state_t state = player->m_lib.pa_stream_get_state(stream);
        if (state == PA_STREAM_READY)
            player->writeSound();
        else if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
            player->stopSound();
    }

    // A stream cut before its end may still report its drain, as failed: only
    // the one playing is let go.
    static void drained(pa_stream *stream, int, void *data)
    {
        auto *player = static_cast<ServerPlayer *>(data);
        if (stream == player->m_playing)
            player->stopSound();
    }

    std::mutex m_mutex;
    // Shared with the window's thread, under the mutex.
    QByteArray m_next;
    Clock::time_point m_asked;
    pa_mainloop *m_loop = nullptr;
    bool m_started = false;
    bool m_unavailable = false;
    // Set before the thread starts.
    QByteArray m_client;
    QByteArray m_streamName;
    // The player's thread's own (m_lib is written by it before m_loop is shared).
    SoundLibraries m_lib;
    pa_context *m_context = nullptr;
    pa_stream *m_playing = nullptr;
    Sound m_waiting;
};

SoundPlayer *installed = nullptr;

} // namespace

SoundPlayer &SoundPlayer::current()
{
    // Never destroyed: its thread may outlive the application's objects.
    static SoundPlayer *const real = new ServerPlayer;
    return installed ? *installed : *real;
}

void SoundPlayer::install(SoundPlayer *player)
{
    installed = player;
}
