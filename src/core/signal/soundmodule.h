#pragma once
// The playback module, loaded on demand: the program and the command-line tool link no audio
// library, and load the sound server's client library only when they first need sound.

#include "signal/soundserver.h"

#include <QStringList>

#include <memory>

namespace zuvo {

// Where the module may be: installed beside the program's libraries, next to the program, or
// where the build left it (without the platform's prefix and suffix).
QStringList SoundModulePaths();

// A connection to the sound server through the first module that loads. When none loads, a
// server that reports the reason: it reaches nothing and every playback fails with it.
std::unique_ptr<SoundServer> OpenSoundServer(const QStringList &modulePaths = SoundModulePaths());

} // namespace zuvo
