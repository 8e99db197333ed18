#include "fuzzinput.h"

namespace zuvo {

QList<QByteArray> SplitFuzzInput(QByteArrayView input, int maxParts)
{
    QList<QByteArray> parts;
    qsizetype from = 0;
    while (parts.size() < maxParts - 1) {
        const qsizetype at = input.indexOf('\0', from);
        if (at < 0)
            break;
        parts.append(input.sliced(from, at - from).toByteArray());
        from = at + 1;
    }
    parts.append(input.sliced(from).toByteArray());
    return parts;
}

} // namespace zuvo
