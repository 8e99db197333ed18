#pragma once
// Plays rendered samples once through the default audio output and reports when the last
// sample has been heard, or why the device failed. Event driven: the sink's state changes and a
// short timer drive it, so the event loop stays free while it plays.

#include "signal/playbackresult.h"

#include <QAudio>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

QT_BEGIN_NAMESPACE
class QAudioSink;
class QIODevice;
QT_END_NAMESPACE

namespace zuvo {

class SignalPlayer : public QObject
{
    Q_OBJECT
public:
    explicit SignalPlayer(QObject *parent = nullptr);
    ~SignalPlayer() override;

    // Starts playing; finished follows exactly once, never from inside this call. Ignored while
    // a playback is running.
    void play(const QByteArray &samples);
    // Stops a running playback and releases the device; finished reports it as interrupted.
    void stop();
    // Stops at once and deletes the device without reporting: for an owner that is going away
    // and must not receive events from the device's teardown later.
    void stopNow();
    bool isPlaying() const { return m_playing; }

    static QString noDeviceText();
    static QString openFailedText();
    static QString interruptedText();

signals:
    void progress(qint64 playedBytes, qint64 totalBytes);
    void finished(const zuvo::PlaybackResult &result);

private:
    void onStateChanged(QAudio::State state);
    void tick();
    void feed();
    qint64 playedBytes() const;
    bool fullyPlayed() const;
    void finish(const PlaybackResult &result);
    void finishLater(const PlaybackResult &result);
    void releaseDevice();
    void dropRetiredSink();

    QAudioSink *m_sink = nullptr; // owned; no parent, see releaseDevice
    QAudioSink *m_retired = nullptr; // stopped, waiting to be deleted
    QIODevice *m_output = nullptr;
    QByteArray m_samples;
    qint64 m_written = 0;
    bool m_playing = false;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_deadlineMs = 0;
};

} // namespace zuvo
