#pragma once
// Characters that the JIS mapping of Shift_JIS gives other Unicode names than code page 932.
// A memo typed with a Japanese input method or pasted from elsewhere often holds the JIS names
// ("〜" U+301C rather than "～" U+FF5E); code page 932 has each of them under its own name, at
// the same bytes, so they are written there instead of being lost as "？".

#include <QString>

namespace zuvo {

// The text with every such character replaced by its code page 932 twin, the rest unchanged:
//   U+301C 〜 -> U+FF5E (81 60)   U+2016 ‖ -> U+2225 (81 61)   U+2212 − -> U+FF0D (81 7C)
//   U+00A2 ¢ -> U+FFE0 (81 91)    U+00A3 £ -> U+FFE1 (81 92)   U+00AC ¬ -> U+FFE2 (81 CA)
//   U+2014 — -> U+2015 (81 5C)    U+00A5 ¥ -> U+005C (5C)      U+203E ‾ -> U+007E (7E)
QString WithCodePage932Twins(QString text);

} // namespace zuvo
