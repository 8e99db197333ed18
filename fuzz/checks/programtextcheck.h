#pragma once
// The program text reader (slot switching, samples) and the hidden clipboard's readers under
// arbitrary lists.

#include <QByteArrayView>
#include <QString>

namespace zuvo {

// The input holds the three lists, separated by NUL bytes. The program read from them must be
// consistent, written out and read again it must be the same program, and the text written a
// second time the same text; saved as a robot file it must open again. The same lists read as the
// hidden clipboard's lines, icons and parity must paste only inside the lattice. Empty when all of
// this holds, otherwise what broke.
QString CheckProgramTextInput(QByteArrayView input);

} // namespace zuvo
