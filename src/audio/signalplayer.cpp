#include "audio/signalplayer.h"

#include "signal/symbolrender.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <utility>

namespace zuvo {

namespace {

constexpr int TickMs = 20;
// Beyond the signal's own length, how long the device may take before it counts as stuck.
constexpr qint64 StallAllowanceMs = 5000;

PlaybackResult failure(const QString &text)
{
    return PlaybackResult {PlaybackResult::DeviceFailed, text};
}

} // namespace

SignalPlayer::SignalPlayer(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<zuvo::PlaybackResult>();
    m_timer.setInterval(TickMs);
    connect(&m_timer, &QTimer::timeout, this, &SignalPlayer::tick);
}

SignalPlayer::~SignalPlayer()
{
    stopNow();
}

QString SignalPlayer::noDeviceText()
{
    return QStringLiteral(u"音声出力装置が見つかりません。");
}

QString SignalPlayer::openFailedText()
{
    return QStringLiteral(u"音声出力装置を開けません。");
}

QString SignalPlayer::interruptedText()
{
    return QStringLiteral(u"送信を中止しました。");
}

void SignalPlayer::play(const QByteArray &samples)
{
    if (m_playing)
        return;
    m_playing = true;
    m_samples = samples;
    m_written = 0;
    if (samples.isEmpty()) {
        finishLater(PlaybackResult {PlaybackResult::Played, {}});
        return;
    }

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        finishLater(failure(noDeviceText()));
        return;
    }
    QAudioFormat format;
    format.setSampleRate(SignalSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::UInt8);
    if (!device.isFormatSupported(format)) {
        finishLater(failure(QStringLiteral(u"音声出力装置がこの信号の形式に対応していません。")));
        return;
    }

    m_sink = new QAudioSink(device, format);
    connect(m_sink, &QAudioSink::stateChanged, this, &SignalPlayer::onStateChanged);
    m_output = m_sink->start();
    if (!m_output || m_sink->error() != QAudio::NoError) {
        m_output = nullptr; // never opened: nothing to stop
        finishLater(failure(openFailedText()));
        return;
    }
    m_deadlineMs = samples.size() * 1000 / SignalSampleRate + StallAllowanceMs;
    m_clock.start();
    feed();
    m_timer.start();
}

void SignalPlayer::stop()
{
    if (m_playing)
        finish(failure(interruptedText()));
}

void SignalPlayer::stopNow()
{
    m_playing = false;
    m_timer.stop();
    releaseDevice();
    dropRetiredSink();
}

void SignalPlayer::onStateChanged(QAudio::State state)
{
    // The sink reports Idle from inside start(), before there is anything to write to.
    if (!m_playing || !m_sink || !m_output)
        return;
    const QAudio::Error error = m_sink->error();
    if (error == QAudio::IOError || error == QAudio::FatalError
        || (state == QAudio::StoppedState && error == QAudio::OpenError)) {
        finish(failure(QStringLiteral(u"音声出力中にエラーが発生しました。")));
        return;
    }
    if (state == QAudio::IdleState)
        tick();
}

void SignalPlayer::tick()
{
    if (!m_playing || !m_sink || !m_output)
        return;
    const QAudio::Error error = m_sink->error();
    if (error == QAudio::IOError || error == QAudio::FatalError) {
        finish(failure(QStringLiteral(u"音声出力中にエラーが発生しました。")));
        return;
    }
    feed();
    emit progress(qMin(playedBytes(), qint64(m_samples.size())), m_samples.size());
    if (fullyPlayed()) {
        finish(PlaybackResult {PlaybackResult::Played, {}});
        return;
    }
    if (m_clock.elapsed() > m_deadlineMs)
        finish(failure(QStringLiteral(u"音声出力装置が応答しません。")));
}

void SignalPlayer::feed()
{
    while (m_written < m_samples.size()) {
        const qint64 room = m_sink->bytesFree();
        if (room <= 0)
            return;
        const qint64 chunk = qMin(room, m_samples.size() - m_written);
        const qint64 written = m_output->write(m_samples.constData() + m_written, chunk);
        if (written <= 0)
            return;
        m_written += written;
    }
}

qint64 SignalPlayer::playedBytes() const
{
    return (m_sink->processedUSecs() * SignalSampleRate + 500000) / 1000000;
}

bool SignalPlayer::fullyPlayed() const
{
    return m_written >= m_samples.size() && m_sink->state() == QAudio::IdleState
        && playedBytes() >= m_samples.size();
}

void SignalPlayer::finish(const PlaybackResult &result)
{
    if (!m_playing)
        return;
    m_playing = false;
    m_timer.stop();
    releaseDevice();
    emit finished(result);
}

void SignalPlayer::finishLater(const PlaybackResult &result)
{
    QMetaObject::invokeMethod(
        this, [this, result] { finish(result); }, Qt::QueuedConnection);
}

void SignalPlayer::releaseDevice()
{
    if (!m_sink)
        return;
    m_sink->disconnect(this);
    // Only a device that was opened is stopped.
    if (m_output)
        m_sink->stop();
    m_output = nullptr;
    // The sink may be inside one of its own signals here, so it is deleted from a queued call.
    // Never deleteLater: its destructor runs the event loop, which would run that deferred
    // delete a second time.
    dropRetiredSink();
    m_retired = m_sink;
    m_sink = nullptr;
    QMetaObject::invokeMethod(this, &SignalPlayer::dropRetiredSink, Qt::QueuedConnection);
}

void SignalPlayer::dropRetiredSink()
{
    delete std::exchange(m_retired, nullptr);
}

} // namespace zuvo
