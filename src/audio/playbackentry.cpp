// The entry point of the loadable playback module.

#include "audio/signalplayer.h"
#include "signal/playbackmodule.h"

#include <QEventLoop>
#include <QTimer>

#include <type_traits>

extern "C" Q_DECL_EXPORT int zuvoPlaySamples(const QByteArray &samples, QString &errorText)
{
    zuvo::SignalPlayer player;
    QEventLoop loop;
    zuvo::PlaybackResult result;
    QObject::connect(&player, &zuvo::SignalPlayer::finished, &loop,
                     [&](const zuvo::PlaybackResult &finished) {
                         result = finished;
                         loop.quit();
                     });
    player.play(samples);
    loop.exec();
    // Let the sound server finish tearing the stream down before the caller may exit: the
    // audio back end's teardown at exit crashes now and then when messages are still in flight.
    player.stopNow();
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
    errorText = result.errorText;
    return result.Response;
}

// Checked at compile time: the entry point has the type the loader expects.
static_assert(std::is_same_v<decltype(&zuvoPlaySamples), zuvo::PlaySamplesFunction>);
