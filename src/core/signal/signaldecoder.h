#pragma once
// Reads the signal back as a robot hears it: samples to the frame's bytes, with the frame
// checksum verified. The oracle of the whole chain in the tests, the judge of what the output's
// monitor heard, and a diagnostic for a recorded transmission.

#include <QByteArray>
#include <QString>

namespace zuvo {

struct DecodedFrame
{
    // True when start marker, frame code, end marker, end code and checksum were all found.
    bool complete = false;
    QString error; // where the frame broke off, when not complete
    QByteArray bytes; // the bytes between frame code and end marker: the TransmitImage
    quint8 receivedChecksum = 0;
    quint8 computedChecksum = 0; // every byte but the first, mod 256
    bool checksumHolds = false;
};

// Hunts for the first complete frame anywhere in the samples (8-bit unsigned, 24000 per
// second). Pulses are found by their energy at 2000 Hz, against a threshold taken from the
// signal; the bit clock is set from the frame's first pause and kept by every byte. What it
// tolerates, measured, is in docs/ROBOT.md. When no frame is complete, error says where the
// attempt that got furthest broke off.
DecodedFrame DecodeSignal(const QByteArray &samples);

// "01 3A 5C": upper-case hex pairs separated by single blanks.
QString HexBytesText(const QByteArray &bytes);

} // namespace zuvo
