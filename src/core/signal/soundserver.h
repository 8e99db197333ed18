#pragma once
// The sound server as the program needs it: the default output as it is set, and one signal
// played on it while its monitor listens. The playback module (src/audio) implements it over
// the server's own client library and is loaded only when sound is first needed
// (soundmodule.h); tests may pass an implementation of their own.

#include "signal/playbackresult.h"

#include <QByteArray>
#include <QString>

namespace zuvo {

enum class OutputKind { Ordinary, Bluetooth, Hdmi };

// The default output, as the check before sending sees it.
struct OutputInfo
{
    bool reached = false; // a sound server answered
    QString failure; // why none did, in the user's words
    bool present = false; // the server has a default output to play on
    QString name; // the server's name for it
    QString description; // the name people see in the mixer
    QString format; // its sample format, as the server writes it: "s16le 2ch 48000Hz"
    int channels = 0;
    int volumePercent = 0; // its loudest channel; 100 is full scale
    bool muted = false;
    OutputKind kind = OutputKind::Ordinary;
    QString monitor; // the source that hears what it plays; empty when there is none
};

// A playback as it goes, polled.
struct PlaybackProgress
{
    bool finished = false;
    PlaybackResult result; // Response and errorText, once finished
    qint64 playedBytes = 0; // samples the output has played so far
    bool listened
        = false; // the monitor was recorded from before the first sample to after the last
    QByteArray heard; // that recording, 8-bit unsigned mono at 24000 Hz, once finished
};

class SoundServer
{
public:
    virtual ~SoundServer() = default;

    // Reads the default output; blocks for as long as the server takes to answer (bounded).
    virtual OutputInfo readOutput() = 0;
    // Sets the default output's volume to 100 % and unmutes it. Empty when done, else why not.
    virtual QString makeAudible() = 0;
    // Starts playing the samples (8-bit unsigned mono, 24000 per second) once on the default
    // output and returns; progress tells how it goes. With listen, the output's monitor is
    // recorded meanwhile, where the server offers one.
    virtual void start(const QByteArray &samples, bool listen) = 0;
    virtual PlaybackProgress progress() = 0;
    // Stops a playback at once; progress then reports nothing more of it.
    virtual void stop() = 0;
};

// What every implementation says when playing fails, in the same words.
inline QString NoOutputText()
{
    return QStringLiteral(u"音声出力装置が見つかりません。");
}
inline QString OutputFailedText()
{
    return QStringLiteral(u"音声出力中にエラーが発生しました。");
}
inline QString OutputStalledText()
{
    return QStringLiteral(u"音声出力装置が応答しません。");
}

// The module's entry point: a new server connection, owned by the caller.
using OpenSoundServerFunction = SoundServer *(*)();
inline constexpr char OpenSoundServerSymbol[] = "zuvoOpenSoundServer";

} // namespace zuvo
