#include "model/codepage932twins.h"

#include <array>
#include <utility>

namespace zuvo {

namespace {

// The two-byte characters of JIS X 0208 and the two single bytes of JIS X 0201 whose JIS
// names differ from the names code page 932 reads the same bytes as.
constexpr std::array<std::pair<char16_t, char16_t>, 9> Twins {{
    {u'\u301C', u'\uFF5E'}, // WAVE DASH -> FULLWIDTH TILDE
    {u'\u2016', u'\u2225'}, // DOUBLE VERTICAL LINE -> PARALLEL TO
    {u'\u2212', u'\uFF0D'}, // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    {u'\u00A2', u'\uFFE0'}, // CENT SIGN -> FULLWIDTH CENT SIGN
    {u'\u00A3', u'\uFFE1'}, // POUND SIGN -> FULLWIDTH POUND SIGN
    {u'\u00AC', u'\uFFE2'}, // NOT SIGN -> FULLWIDTH NOT SIGN
    {u'\u2014', u'\u2015'}, // EM DASH -> HORIZONTAL BAR
    {u'\u00A5', u'\\'}, // YEN SIGN -> REVERSE SOLIDUS (0x5C)
    {u'\u203E', u'~'}, // OVERLINE -> TILDE (0x7E)
}};

} // namespace

QString WithCodePage932Twins(QString text)
{
    for (QChar &c : text) {
        for (const auto &[jis, windows] : Twins) {
            if (c.unicode() == jis) {
                c = QChar(windows);
                break;
            }
        }
    }
    return text;
}

} // namespace zuvo
