#include "sim/beepsound.h"

#include "sim/robotmachine.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zuvo::sim {

double BeepFrequency(int tone)
{
    // C, E, G and the C above: four notes a child can tell apart.
    static constexpr double pitches[] = {523.25, 659.26, 783.99, 1046.5};
    return tone >= 1 && tone <= 4 ? pitches[tone - 1] : 0;
}

QByteArray BeepSamples(int tone)
{
    const double frequency = BeepFrequency(tone);
    if (frequency <= 0)
        return QByteArray();
    const int count = BeepSampleRate * BeepMilliseconds / 1000;
    const int fade = BeepSampleRate / 200; // 5 ms
    QByteArray samples(count, char(128));
    for (int i = 0; i < count; ++i) {
        const double envelope = std::min({1.0, double(i) / fade, double(count - 1 - i) / fade});
        const double wave = std::sin(2 * std::numbers::pi * frequency * i / BeepSampleRate);
        samples[i] = char(std::lround(128 + 90 * envelope * wave));
    }
    return samples;
}

} // namespace zuvo::sim
