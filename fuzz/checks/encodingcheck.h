#pragma once
// The transmit encoding under arbitrary text.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zuvo {

// The SymbolText of one frame carrying the bytes, the frame checksum counting checksumExtra
// besides the bytes after the first: built bit by bit from the frame layout, independently of
// the encoder's token passes.
QString FrameSymbols(const QByteArray &bytes, int checksumExtra = 0);

// Encodes the input read as text. The SymbolText must hold only "0", "1" and "A", open with the
// start marker and frame code and close with the end marker, end code and a checksum; text that
// is a list of hex byte pairs must give exactly FrameSymbols of those bytes. Empty when all of
// this holds, otherwise what broke.
QString CheckEncodingInput(QByteArrayView input);

} // namespace zuvo
