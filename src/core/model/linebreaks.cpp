#include "model/linebreaks.h"

namespace zuvo {

QString WithLineBreaks(QStringView text, QStringView lineBreak)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            out += lineBreak;
            if (i + 1 < n && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += lineBreak;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace zuvo
