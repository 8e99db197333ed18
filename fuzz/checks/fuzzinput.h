#pragma once
// How the fuzz targets cut one input into the pieces their entry points take.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace zuvo {

// Splits the input at NUL bytes into at most maxParts pieces; the last piece keeps the rest,
// NUL bytes included. An input without NUL gives one piece.
QList<QByteArray> SplitFuzzInput(QByteArrayView input, int maxParts);

} // namespace zuvo
