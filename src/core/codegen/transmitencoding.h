#pragma once
// The transmit encoding: frames the TransmitImage text (markers, codes, frame checksum) and
// turns it into the SymbolText the transmission window plays.

#include <QString>

namespace zuvo {

// txData: hex byte pairs separated by single blanks, possibly followed by the test token " 5".
// Returns the SymbolText: "1" pulse, "0" gap, "A" long pause.
QString EncodeTransmission(const QString &txData);

// The bit symbols of one hex digit value 0..15: "0000" .. "1111".
QString NibbleBits(int value);

} // namespace zuvo
