#pragma once
// Reads the signal back: samples to the frame's bytes, with the frame checksum verified. The
// oracle of the whole chain in the tests, and a diagnostic for a recorded transmission.

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

// Tolerates silence before and after the frame and a signal of reduced amplitude; each byte's
// start pulse re-synchronises the bit clock.
DecodedFrame DecodeSignal(const QByteArray &samples);

// "01 3A 5C": upper-case hex pairs separated by single blanks.
QString HexBytesText(const QByteArray &bytes);

} // namespace zuvo
