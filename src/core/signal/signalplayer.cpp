#include "signal/signalplayer.h"

#include "signal/outputcheck.h"
#include "signal/soundmodule.h"

namespace zuvo {

namespace {

constexpr int PollMs = 20;

} // namespace

SignalPlayer::SignalPlayer(QObject *parent)
    : SignalPlayer(nullptr, parent)
{
}

SignalPlayer::SignalPlayer(std::unique_ptr<SoundServer> server, QObject *parent)
    : QObject(parent)
    , m_server(std::move(server))
{
    qRegisterMetaType<zuvo::PlaybackResult>();
    m_timer.setInterval(PollMs);
    connect(&m_timer, &QTimer::timeout, this, &SignalPlayer::poll);
}

SignalPlayer::~SignalPlayer()
{
    stopNow();
}

QString SignalPlayer::interruptedText()
{
    return QStringLiteral(u"送信を中止しました。");
}

SoundServer &SignalPlayer::server()
{
    if (!m_server)
        m_server = OpenSoundServer();
    return *m_server;
}

void SignalPlayer::play(const QByteArray &samples, bool listen)
{
    if (m_playing)
        return;
    m_playing = true;
    m_samples = samples;
    m_listen = listen;
    if (samples.isEmpty()) {
        QMetaObject::invokeMethod(
            this, [this] { finish(PlaybackResult::played()); }, Qt::QueuedConnection);
        return;
    }
    server().start(samples, listen);
    m_timer.start();
}

void SignalPlayer::stop()
{
    if (!m_playing)
        return;
    server().stop();
    finish(PlaybackResult::failed(interruptedText()));
}

void SignalPlayer::stopNow()
{
    m_timer.stop();
    if (m_playing && m_server)
        m_server->stop();
    m_playing = false;
}

void SignalPlayer::poll()
{
    if (!m_playing)
        return;
    const PlaybackProgress now = server().progress();
    emit progress(qMin(now.playedBytes, qint64(m_samples.size())), m_samples.size());
    if (!now.finished)
        return;
    PlaybackResult result = now.result;
    if (result.Response == PlaybackResult::Played && m_listen && now.listened) {
        const HeardVerdict verdict = JudgeHeard(m_samples, now.heard);
        result.hearing = verdict.hearing;
        result.hearingText = verdict.text;
    }
    finish(result);
}

void SignalPlayer::finish(PlaybackResult result)
{
    if (!m_playing)
        return;
    m_playing = false;
    m_timer.stop();
    emit finished(result);
}

} // namespace zuvo
