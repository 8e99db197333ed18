#pragma once
// The robot file reader under arbitrary bytes.

#include <QByteArrayView>
#include <QString>

namespace zuvo {

// Reads the bytes as a robot file. A refusal must name one of the reader's reasons; a program
// that opens must be consistent, must survive a switch of program slots unchanged, and must save
// into a file that opens again with the same lines and icons. Empty when all of this holds,
// otherwise what broke.
QString CheckRobotFileInput(QByteArrayView input);

} // namespace zuvo
