#include "pulsesoundserver.h"

#include "signal/symbolrender.h"

#include <pulse/pulseaudio.h>

#include <QStringList>

#include <cmath>
#include <cstring>

namespace zuvo {

namespace {

// How long the server may take to accept a connection or answer a question.
constexpr int AnswerTimeoutMs = 3000;
// Beyond the signal's own length, how long an output may take before it counts as stuck.
constexpr qint64 StallAllowanceMs = 5000;
// The output's buffer: short, so that the drain, and the progress shown, follow what is heard.
constexpr pa_usec_t TargetLatencyUs = 100 * PA_USEC_PER_MSEC;
// The monitor is read in pieces of 20 ms. When the stream has drained, the frame ended a tail of
// silence earlier (TailSamples), long enough for the monitor to have passed it on.
constexpr uint32_t MonitorFragmentBytes = SignalSampleRate / 50;

// The null output PulseAudio makes up when it has no other: nothing plays there.
constexpr char DummyOutputName[] = "auto_null";

const pa_sample_spec SignalSpec = {PA_SAMPLE_U8, SignalSampleRate, 1};

pa_channel_map monoMap()
{
    pa_channel_map map;
    pa_channel_map_init_mono(&map);
    return map;
}

// Why the server could not be reached, in the user's words: libpulse's own texts are English
// wherever its translations are not installed (a PipeWire desktop has none).
QString connectionFailure(pa_context *context)
{
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        break;
    default: // still waiting for an answer
        return QStringLiteral(u"サウンドサーバーが応答しません");
    }
    const int code = pa_context_errno(context);
    switch (code) {
    case PA_ERR_CONNECTIONREFUSED:
        return QStringLiteral(u"サウンドサーバーが動いていません");
    case PA_ERR_ACCESS:
    case PA_ERR_AUTHKEY:
        return QStringLiteral(u"サウンドサーバーを使う許可がありません");
    case PA_ERR_TIMEOUT:
        return QStringLiteral(u"サウンドサーバーが応答しません");
    case PA_ERR_CONNECTIONTERMINATED:
    case PA_ERR_KILLED:
        return QStringLiteral(u"サウンドサーバーとの接続が切れました");
    case PA_ERR_INVALIDSERVER:
        return QStringLiteral(u"サウンドサーバーの指定が正しくありません");
    case PA_ERR_VERSION:
    case PA_ERR_PROTOCOL:
        return QStringLiteral(u"サウンドサーバーと通信できません");
    default:
        return QStringLiteral(u"サウンドサーバーに接続できません: エラー番号%1").arg(code);
    }
}

QString proplistValue(const pa_proplist *properties, const char *key)
{
    const char *value = properties ? pa_proplist_gets(properties, key) : nullptr;
    return value ? QString::fromUtf8(value) : QString();
}

OutputKind kindOf(const pa_sink_info &sink)
{
    const QString bus = proplistValue(sink.proplist, PA_PROP_DEVICE_BUS);
    const QString api = proplistValue(sink.proplist, PA_PROP_DEVICE_API);
    if (bus == QLatin1String("bluetooth") || api == QLatin1String("bluez5"))
        return OutputKind::Bluetooth;
    QStringList hints {proplistValue(sink.proplist, PA_PROP_DEVICE_PROFILE_NAME),
                       proplistValue(sink.proplist, PA_PROP_DEVICE_FORM_FACTOR),
                       proplistValue(sink.proplist, PA_PROP_DEVICE_BUS)};
    if (sink.active_port)
        hints << QString::fromUtf8(sink.active_port->name)
              << QString::fromUtf8(sink.active_port->description);
    for (const QString &hint : hints) {
        if (hint.contains(QLatin1String("hdmi"), Qt::CaseInsensitive)
            || hint.contains(QLatin1String("displayport"), Qt::CaseInsensitive))
            return OutputKind::Hdmi;
    }
    return OutputKind::Ordinary;
}

struct OutputQuery
{
    std::string defaultName;
    bool found = false;
    OutputInfo info;
};

} // namespace

PulseSoundServer::PulseSoundServer()
{
    m_loop = pa_threaded_mainloop_new();
    if (m_loop && pa_threaded_mainloop_start(m_loop) < 0) {
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
    if (m_loop)
        m_api = pa_threaded_mainloop_get_api(m_loop);
}

PulseSoundServer::~PulseSoundServer()
{
    if (!m_loop)
        return;
    pa_threaded_mainloop_lock(m_loop);
    dropStreams();
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

OutputInfo PulseSoundServer::readOutput()
{
    OutputInfo info;
    if (!m_loop) {
        info.failure = QStringLiteral(u"音声の処理を始められません");
        return info;
    }
    pa_threaded_mainloop_lock(m_loop);
    if (connectServer(info.failure))
        info = queryOutput();
    pa_threaded_mainloop_unlock(m_loop);
    return info;
}

QString PulseSoundServer::makeAudible()
{
    if (!m_loop)
        return NoOutputText();
    pa_threaded_mainloop_lock(m_loop);
    QString why;
    if (connectServer(why)) {
        const OutputInfo output = queryOutput();
        if (!output.present) {
            why = NoOutputText();
        } else {
            const QByteArray name = output.name.toUtf8();
            pa_cvolume volume;
            pa_cvolume_set(&volume, uint8_t(qBound(1, output.channels, int(PA_CHANNELS_MAX))),
                           PA_VOLUME_NORM);
            int done = 0;
            const auto answered = [](pa_context *, int success, void *count) {
                *static_cast<int *>(count) += success ? 1 : 0;
            };
            const bool answeredBoth = finishOperation(pa_context_set_sink_volume_by_name(
                                          m_context, name.constData(), &volume, answered, &done))
                && finishOperation(pa_context_set_sink_mute_by_name(m_context, name.constData(), 0,
                                                                    answered, &done));
            if (!answeredBoth || done != 2)
                why = QStringLiteral(u"音量を変えられませんでした。");
        }
    }
    pa_threaded_mainloop_unlock(m_loop);
    return why;
}

void PulseSoundServer::start(const QByteArray &samples, bool listen)
{
    if (!m_loop) {
        m_state = {};
        m_state.finished = true;
        m_state.result = PlaybackResult::failed(NoOutputText());
        return;
    }
    pa_threaded_mainloop_lock(m_loop);
    dropStreams();
    m_state = {};
    m_active = true;
    m_samples = samples;
    m_written = 0;
    m_draining = false;
    m_heard.clear();
    m_listening = false;

    QString why;
    const OutputInfo output = connectServer(why) ? queryOutput() : OutputInfo {};
    if (!output.present) {
        fail(NoOutputText());
        pa_threaded_mainloop_unlock(m_loop);
        return;
    }
    // Where the server offers no monitor, or it does not open, the check after playing is
    // skipped: the signal is sent all the same.
    if (listen && !output.monitor.isEmpty())
        m_listening = startListening(output.monitor.toStdString());

    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_NAME, "ロボットへの送信");
    const pa_channel_map map = monoMap();
    m_play = pa_stream_new_with_proplist(m_context, "signal", &SignalSpec, &map, properties);
    pa_proplist_free(properties);
    if (!m_play) {
        fail(OutputFailedText());
        pa_threaded_mainloop_unlock(m_loop);
        return;
    }
    pa_stream_set_state_callback(m_play, &PulseSoundServer::playbackChanged, this);
    pa_stream_set_write_callback(m_play, &PulseSoundServer::writeRequested, this);
    pa_buffer_attr buffer;
    std::memset(&buffer, 0xff, sizeof buffer); // -1: the server's choice
    buffer.tlength = uint32_t(pa_usec_to_bytes(TargetLatencyUs, &SignalSpec));
    // At full scale and unmuted, whatever a mixer remembered for this program: the output's
    // own volume is what the check before sending is about.
    pa_cvolume volume;
    pa_cvolume_set(&volume, 1, PA_VOLUME_NORM);
    const auto flags = pa_stream_flags_t(PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_INTERPOLATE_TIMING
                                         | PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_UNMUTED);
    // On the output that was checked, whatever the server remembers for this program.
    const QByteArray device = output.name.toUtf8();
    if (pa_stream_connect_playback(m_play, device.constData(), &buffer, flags, &volume, nullptr)
        < 0) {
        fail(OutputFailedText());
        pa_threaded_mainloop_unlock(m_loop);
        return;
    }
    // One sample a byte: the length in milliseconds.
    const qint64 lengthMs = samples.size() / (SignalSampleRate / 1000);
    m_stallAlarm = alarm(lengthMs + StallAllowanceMs, [](PulseSoundServer *self) {
        self->m_stallAlarm = nullptr;
        self->fail(OutputStalledText());
    });
    pa_threaded_mainloop_unlock(m_loop);
}

PlaybackProgress PulseSoundServer::progress()
{
    if (!m_loop)
        return m_state;
    pa_threaded_mainloop_lock(m_loop);
    PlaybackProgress now = m_state;
    pa_usec_t played = 0;
    if (m_play && pa_stream_get_time(m_play, &played) == 0)
        now.playedBytes = qMin(qint64(pa_usec_to_bytes(played, &SignalSpec)), qint64(m_written));
    else if (now.finished && now.result.Response == PlaybackResult::Played)
        now.playedBytes = m_samples.size();
    pa_threaded_mainloop_unlock(m_loop);
    return now;
}

void PulseSoundServer::stop()
{
    if (!m_loop)
        return;
    pa_threaded_mainloop_lock(m_loop);
    dropStreams();
    m_active = false;
    m_state = {};
    pa_threaded_mainloop_unlock(m_loop);
}

bool PulseSoundServer::connectServer(QString &why)
{
    if (m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY)
        return true;
    if (m_context) {
        // Lost since the last call (the server was restarted): start afresh.
        dropStreams();
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Zuvomatic");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "com.example.zuvomatic");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "zuvomatic");
    m_context = pa_context_new_with_proplist(m_api, "Zuvomatic", properties);
    pa_proplist_free(properties);
    if (!m_context) {
        why = QStringLiteral(u"サウンドサーバーに接続できません");
        return false;
    }
    pa_context_set_state_callback(m_context, &PulseSoundServer::contextChanged, this);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0) {
        waitUntil(
            [this] {
                const pa_context_state_t state = pa_context_get_state(m_context);
                return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
            },
            AnswerTimeoutMs);
    }
    if (pa_context_get_state(m_context) == PA_CONTEXT_READY)
        return true;
    why = connectionFailure(m_context);
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
    return false;
}

template<class Done> bool PulseSoundServer::waitUntil(Done done, int timeoutMs)
{
    bool timedOut = false;
    struct Wake
    {
        pa_threaded_mainloop *loop;
        bool *timedOut;
    } wake {m_loop, &timedOut};
    timeval when;
    pa_gettimeofday(&when);
    pa_timeval_add(&when, pa_usec_t(timeoutMs) * PA_USEC_PER_MSEC);
    pa_time_event *event = m_api->time_new(
        m_api, &when,
        [](pa_mainloop_api *, pa_time_event *, const timeval *, void *userdata) {
            auto *w = static_cast<Wake *>(userdata);
            *w->timedOut = true;
            pa_threaded_mainloop_signal(w->loop, 0);
        },
        &wake);
    while (!done() && !timedOut)
        pa_threaded_mainloop_wait(m_loop);
    m_api->time_free(event);
    return done();
}

bool PulseSoundServer::finishOperation(pa_operation *operation)
{
    if (!operation)
        return false;
    // Every operation's callback here is followed by a state change that wakes the waiter.
    pa_operation_set_state_callback(
        operation,
        [](pa_operation *, void *loop) {
            pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop *>(loop), 0);
        },
        m_loop);
    const bool done = waitUntil(
        [operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; },
        AnswerTimeoutMs);
    if (!done)
        pa_operation_cancel(operation);
    const bool succeeded = pa_operation_get_state(operation) == PA_OPERATION_DONE;
    pa_operation_unref(operation);
    return succeeded;
}

OutputInfo PulseSoundServer::queryOutput()
{
    OutputQuery query;
    query.info.reached = true;
    finishOperation(pa_context_get_server_info(
        m_context,
        [](pa_context *, const pa_server_info *server, void *userdata) {
            if (server && server->default_sink_name)
                static_cast<OutputQuery *>(userdata)->defaultName = server->default_sink_name;
        },
        &query));
    if (query.defaultName.empty() || query.defaultName == DummyOutputName)
        return query.info;
    finishOperation(pa_context_get_sink_info_by_name(
        m_context, query.defaultName.c_str(),
        [](pa_context *, const pa_sink_info *sink, int eol, void *userdata) {
            if (eol != 0 || !sink)
                return;
            OutputInfo &info = static_cast<OutputQuery *>(userdata)->info;
            info.present = true;
            info.name = QString::fromUtf8(sink->name);
            info.description = QString::fromUtf8(sink->description);
            char format[PA_SAMPLE_SPEC_SNPRINT_MAX];
            info.format = QString::fromUtf8(
                pa_sample_spec_snprint(format, sizeof format, &sink->sample_spec));
            info.channels = sink->sample_spec.channels;
            info.volumePercent
                = int(std::lround(100.0 * pa_cvolume_max(&sink->volume) / double(PA_VOLUME_NORM)));
            info.muted = sink->mute != 0;
            info.kind = kindOf(*sink);
            if (sink->monitor_source_name)
                info.monitor = QString::fromUtf8(sink->monitor_source_name);
        },
        &query));
    return query.info;
}

bool PulseSoundServer::startListening(const std::string &monitor)
{
    const pa_channel_map map = monoMap();
    m_record = pa_stream_new(m_context, "monitor", &SignalSpec, &map);
    if (!m_record)
        return false;
    pa_stream_set_state_callback(m_record, &PulseSoundServer::recordChanged, this);
    pa_stream_set_read_callback(m_record, &PulseSoundServer::readable, this);
    pa_buffer_attr buffer;
    std::memset(&buffer, 0xff, sizeof buffer);
    buffer.fragsize = MonitorFragmentBytes;
    const bool ready
        = pa_stream_connect_record(m_record, monitor.c_str(), &buffer, PA_STREAM_ADJUST_LATENCY)
            >= 0
        && waitUntil(
              [this] {
                  const pa_stream_state_t state = pa_stream_get_state(m_record);
                  return state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state);
              },
              AnswerTimeoutMs)
        && pa_stream_get_state(m_record) == PA_STREAM_READY;
    if (!ready) {
        pa_stream_set_state_callback(m_record, nullptr, nullptr);
        pa_stream_set_read_callback(m_record, nullptr, nullptr);
        pa_stream_disconnect(m_record);
        pa_stream_unref(m_record);
        m_record = nullptr;
    }
    return ready;
}

pa_time_event *PulseSoundServer::alarm(qint64 afterMs, void (*callback)(PulseSoundServer *))
{
    struct Call
    {
        PulseSoundServer *self;
        void (*callback)(PulseSoundServer *);
    };
    // The callback must forget the event it was given before it returns (the event frees
    // itself after it); the Call lives as long as the event.
    auto *call = new Call {this, callback};
    timeval when;
    pa_gettimeofday(&when);
    pa_timeval_add(&when, pa_usec_t(afterMs) * PA_USEC_PER_MSEC);
    pa_time_event *event = m_api->time_new(
        m_api, &when,
        [](pa_mainloop_api *api, pa_time_event *fired, const timeval *, void *userdata) {
            // The callback forgets the event first, so that nothing else frees it.
            const Call c = *static_cast<Call *>(userdata);
            c.callback(c.self);
            api->time_free(fired);
        },
        call);
    m_api->time_set_destroy(event, [](pa_mainloop_api *, pa_time_event *, void *userdata) {
        delete static_cast<Call *>(userdata);
    });
    return event;
}

void PulseSoundServer::cancelAlarm(pa_time_event *&event)
{
    if (event)
        m_api->time_free(event);
    event = nullptr;
}

void PulseSoundServer::feed(size_t requested)
{
    if (!m_play || m_draining)
        return;
    // All of it at once: the signal is short and already rendered, and an output that asks for
    // a small first piece and then sleeps a whole buffer (PulseAudio's null sink sleeps 2 s)
    // would otherwise hold it back.
    Q_UNUSED(requested);
    const size_t chunk = size_t(m_samples.size() - m_written);
    if (chunk > 0) {
        if (pa_stream_write(m_play, m_samples.constData() + m_written, chunk, nullptr, 0,
                            PA_SEEK_RELATIVE)
            < 0) {
            fail(OutputFailedText());
            return;
        }
        // The server may ask for less than it waits for before it starts playing (PulseAudio's
        // null sink does): it starts with the first piece, which is the lead-in's silence.
        if (m_written == 0) {
            if (pa_operation *operation = pa_stream_trigger(m_play, nullptr, nullptr))
                pa_operation_unref(operation);
        }
        m_written += qsizetype(chunk);
    }
    if (m_written == m_samples.size()) {
        // All of it is with the server: the drain's answer says it has been played.
        m_draining = true;
        pa_operation *operation = pa_stream_drain(m_play, &PulseSoundServer::drainAnswered, this);
        if (operation)
            pa_operation_unref(operation);
        else
            fail(OutputFailedText());
    }
}

void PulseSoundServer::drained(bool success)
{
    if (!m_active || m_state.finished)
        return;
    if (!success) {
        fail(OutputFailedText());
        return;
    }
    cancelAlarm(m_stallAlarm);
    if (!m_listening) {
        succeed();
        return;
    }
    succeed();
}

void PulseSoundServer::succeed()
{
    if (!m_active || m_state.finished)
        return;
    m_state.finished = true;
    m_state.result = PlaybackResult::played();
    m_state.playedBytes = m_samples.size();
    m_state.listened = m_listening && m_record != nullptr;
    m_state.heard = m_heard;
    dropStreams();
}

void PulseSoundServer::fail(const QString &text)
{
    if (m_state.finished)
        return;
    m_state.finished = true;
    m_state.result = PlaybackResult::failed(text);
    dropStreams();
}

void PulseSoundServer::dropStreams()
{
    cancelAlarm(m_stallAlarm);
    for (pa_stream **stream : {&m_play, &m_record}) {
        if (!*stream)
            continue;
        pa_stream_set_state_callback(*stream, nullptr, nullptr);
        pa_stream_set_write_callback(*stream, nullptr, nullptr);
        pa_stream_set_read_callback(*stream, nullptr, nullptr);
        pa_stream_disconnect(*stream);
        pa_stream_unref(*stream);
        *stream = nullptr;
    }
}

void PulseSoundServer::contextChanged(pa_context *context, void *self)
{
    auto *server = static_cast<PulseSoundServer *>(self);
    // The server went away while playing; a connection that fails to start is start's to say.
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context)) && server->m_play)
        server->fail(OutputFailedText());
    pa_threaded_mainloop_signal(server->m_loop, 0);
}

void PulseSoundServer::playbackChanged(pa_stream *stream, void *self)
{
    auto *server = static_cast<PulseSoundServer *>(self);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        server->fail(OutputFailedText());
    pa_threaded_mainloop_signal(server->m_loop, 0);
}

void PulseSoundServer::writeRequested(pa_stream *, size_t bytes, void *self)
{
    static_cast<PulseSoundServer *>(self)->feed(bytes);
}

void PulseSoundServer::drainAnswered(pa_stream *, int success, void *self)
{
    static_cast<PulseSoundServer *>(self)->drained(success != 0);
}

void PulseSoundServer::recordChanged(pa_stream *stream, void *self)
{
    auto *server = static_cast<PulseSoundServer *>(self);
    // A monitor that goes away leaves the playback as it is; only the check is lost.
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        server->m_listening = false;
    pa_threaded_mainloop_signal(server->m_loop, 0);
}

void PulseSoundServer::readable(pa_stream *stream, size_t, void *self)
{
    auto *server = static_cast<PulseSoundServer *>(self);
    const void *data = nullptr;
    size_t bytes = 0;
    while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0) {
        if (bytes == 0)
            break;
        if (data)
            server->m_heard.append(static_cast<const char *>(data), qsizetype(bytes));
        else // a hole: nothing was heard there
            server->m_heard.append(qsizetype(bytes), char(SilenceSample));
        pa_stream_drop(stream);
    }
}

} // namespace zuvo
