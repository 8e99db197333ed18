#pragma once
// The sound server through its own client library, libpulse: PulseAudio, and PipeWire through
// its PulseAudio service. The signal is played as what it is (8-bit mono at 24000 Hz) and the
// server converts it for whatever output it has; the end of playback is the server's own word
// that the stream has drained. libpulse runs in a thread of its own (a threaded main loop);
// every call here takes its lock, so the caller's thread never waits on more than one answer.

#include "signal/soundserver.h"

#include <string>

struct pa_context;
struct pa_mainloop_api;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;

namespace zuvo {

class PulseSoundServer final : public SoundServer
{
public:
    PulseSoundServer();
    ~PulseSoundServer() override;
    PulseSoundServer(const PulseSoundServer &) = delete;
    PulseSoundServer &operator=(const PulseSoundServer &) = delete;

    OutputInfo readOutput() override;
    QString makeAudible() override;
    void start(const QByteArray &samples, bool listen) override;
    PlaybackProgress progress() override;
    void stop() override;

private:
    // Everything below runs with the loop locked: from the public functions, or as libpulse's
    // callbacks in its own thread.
    bool connectServer(QString &why);
    template<class Done> bool waitUntil(Done done, int timeoutMs);
    bool finishOperation(pa_operation *operation);
    OutputInfo queryOutput();
    bool startListening(const std::string &monitor);
    pa_time_event *alarm(qint64 afterMs, void (*callback)(PulseSoundServer *));
    void cancelAlarm(pa_time_event *&event);
    void feed(size_t requested);
    void drained(bool success);
    void succeed();
    void fail(const QString &text);
    void dropStreams();

    static void contextChanged(pa_context *context, void *self);
    static void playbackChanged(pa_stream *stream, void *self);
    static void writeRequested(pa_stream *stream, size_t bytes, void *self);
    static void drainAnswered(pa_stream *stream, int success, void *self);
    static void recordChanged(pa_stream *stream, void *self);
    static void readable(pa_stream *stream, size_t bytes, void *self);

    pa_threaded_mainloop *m_loop = nullptr;
    pa_mainloop_api *m_api = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_play = nullptr;
    pa_stream *m_record = nullptr;
    pa_time_event *m_stallAlarm = nullptr;

    bool m_active = false; // a playback was started and not stopped
    QByteArray m_samples;
    qsizetype m_written = 0;
    bool m_draining = false;
    bool m_listening = false;
    QByteArray m_heard;
    PlaybackProgress m_state;
};

} // namespace zuvo
