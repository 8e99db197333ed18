#pragma once
// The sound of the robot's beeper, for the PC's speaker.

#include <QByteArray>

namespace zuvo::sim {

constexpr int BeepSampleRate = 24000;

// Pitch of beep tone 1 (low) to 4 (high) in hertz; 0 for any other tone.
double BeepFrequency(int tone);

// 0.2 s of tone `tone` as 8-bit unsigned mono samples at BeepSampleRate, softened at both ends so
// that it does not click; empty for a tone without pitch.
QByteArray BeepSamples(int tone);

} // namespace zuvo::sim
