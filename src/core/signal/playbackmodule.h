#pragma once
// The audio player as a module loaded on demand, so that the command-line tool does not load
// the audio libraries for commands that play nothing.

#include "signal/playbackresult.h"

#include <QByteArray>
#include <QStringList>

namespace zuvo {

// The module's entry point: plays the samples once in a local event loop (a QCoreApplication
// must exist) and returns PlaybackResult::Played or DeviceFailed with errorText.
using PlaySamplesFunction = int (*)(const QByteArray &samples, QString &errorText);
inline constexpr char PlaySamplesSymbol[] = "zuvoPlaySamples";

// Loads the first module that can be loaded (paths without the platform's prefix and suffix)
// and plays through it. A module that cannot be found is reported as a failure with its reason.
PlaybackResult PlayThroughModule(const QByteArray &samples, const QStringList &modulePaths);

} // namespace zuvo
