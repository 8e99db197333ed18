#pragma once
// The value labels and the property panel under arbitrary ParameterStrings.

#include <QByteArrayView>
#include <QString>

namespace zuvo {

// The input holds the ParameterString, then optionally (after a NUL byte) the text typed into the
// number box, then (after another NUL byte) bytes that choose an option button and list items.
// For every IconCode the form is opened on the string, the input is applied, and 設定 is
// pressed: the written string must keep the prefix and the colour token, and its values must be
// ones the form offers, with no comma, blank or line break in them. Empty when all of this holds,
// otherwise what broke.
QString CheckParameterStringInput(QByteArrayView input);

} // namespace zuvo
