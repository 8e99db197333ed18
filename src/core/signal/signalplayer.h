#pragma once
// Plays rendered samples once through the default output and reports when the sound server
// has played the last one, or why it failed; with listening, also whether the output's monitor
// heard the frame. Event driven: a short timer polls the server, so the event loop stays free
// while it plays. The server is the playback module's, opened on first use.

#include "signal/playbackresult.h"
#include "signal/soundserver.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

namespace zuvo {

class SignalPlayer : public QObject
{
    Q_OBJECT
public:
    explicit SignalPlayer(QObject *parent = nullptr);
    // Plays through the given server instead of the module's (tests).
    explicit SignalPlayer(std::unique_ptr<SoundServer> server, QObject *parent = nullptr);
    ~SignalPlayer() override;

    // Starts playing; finished follows exactly once, never from inside this call. Ignored while
    // a playback is running. With listen, the monitor is recorded and judged against samples.
    void play(const QByteArray &samples, bool listen = false);
    // Stops a running playback; finished reports it as interrupted.
    void stop();
    // Stops at once without reporting: for an owner that is going away.
    void stopNow();
    bool isPlaying() const { return m_playing; }
    // The server this player plays through, opened on first use; the output check reads it.
    SoundServer &server();

    static QString noDeviceText() { return NoOutputText(); }
    static QString interruptedText();

signals:
    void progress(qint64 playedBytes, qint64 totalBytes);
    void finished(const zuvo::PlaybackResult &result);

private:
    void poll();
    void finish(PlaybackResult result);

    std::unique_ptr<SoundServer> m_server;
    QByteArray m_samples;
    bool m_listen = false;
    bool m_playing = false;
    QTimer m_timer;
};

} // namespace zuvo
