// The entry point of the loadable playback module.

#include "pulsesoundserver.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT zuvo::SoundServer *zuvoOpenSoundServer()
{
    return new zuvo::PulseSoundServer;
}

// Checked at compile time: the entry point has the type the loader expects.
static_assert(std::is_same_v<decltype(&zuvoOpenSoundServer), zuvo::OpenSoundServerFunction>);
