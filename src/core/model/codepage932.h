#pragma once
// Reading code page 932 without the system's converter: the table of every character, made from
// that converter at build time (codepage932tablegen.cpp), so that reading a robot file opens no
// converter (the tool's compile spends about a tenth of its time opening one).

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace zuvo {

// The text of `bytes` when each byte below 0x80 and each character of the code page in it reads
// as one UTF-16 unit; nothing when any byte or pair is not such a character (a lone lead byte,
// an unassigned code), which the converter is then left to read as it reads them.
std::optional<QString> DecodeCodePage932(QByteArrayView bytes);

} // namespace zuvo
