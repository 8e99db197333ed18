#pragma once
// The ParameterString of one icon slot, e.g. "22 3=Ａ 1 ＋ &H00FFFFFF": two-digit IconCode,
// blank, value count, "=", the values each followed by a blank, then the colour token.

#include <QString>
#include <QStringList>

namespace zuvo {

// The number formed by the first two characters ("***" and other non-numbers give 0).
int ParamsIconCode(const QString &params);

// The values as the value labels read them: the text after the first "=" split at single
// blanks into at most four tokens, the last one running to the end of the string.
QStringList LabelValues(const QString &params);

// The values as the property form reads them: from the third character after the first blank,
// split at single blanks into at most four tokens (the last is the tail). Empty when the string
// has no blank.
QStringList FormValues(const QString &params);

// Everything up to and including the first "=".
QString ParamsPrefix(const QString &params);
// One blank and the text after the last blank that follows the "=" (the colour token).
QString ParamsTail(const QString &params);

// A colour written as "&H" and hexadecimal digits in blue-green-red order ("&H80ff" orange).
// Returns 0xRRGGBB; white when the token is not a colour.
quint32 RgbFromToken(const QString &token);

// Splits at single blanks into at most maxParts pieces; the last piece keeps the rest.
QStringList splitLimited(const QString &text, QChar separator, int maxParts);

} // namespace zuvo
