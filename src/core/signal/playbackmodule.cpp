#include "signal/playbackmodule.h"

#include <QLibrary>

namespace zuvo {

PlaybackResult PlayThroughModule(const QByteArray &samples, const QStringList &modulePaths)
{
    QStringList reasons;
    for (const QString &path : modulePaths) {
        QLibrary module(path);
        const auto play = reinterpret_cast<PlaySamplesFunction>(module.resolve(PlaySamplesSymbol));
        if (!play) {
            reasons << module.errorString();
            continue;
        }
        // The module stays loaded: the audio back end keeps global state until the process
        // ends.
        PlaybackResult result;
        result.Response = play(samples, result.errorText);
        return result;
    }
    return PlaybackResult {PlaybackResult::DeviceFailed,
                           QStringLiteral(u"音声出力モジュールを読み込めません。")
                               + (reasons.isEmpty() ? QString() : u' ' + reasons.last())};
}

} // namespace zuvo
