#include "model/codepage932.h"

namespace zuvo {

namespace {

#include "codepage932table.inc"

constexpr char16_t NoCharacter = 0xFFFF;

int leadIndex(unsigned char lead)
{
    if (lead >= 0x81 && lead <= 0x9F)
        return lead - 0x81;
    if (lead >= 0xE0 && lead <= 0xFC)
        return lead - 0xE0 + 0x1F;
    return -1;
}

} // namespace

std::optional<QString> DecodeCodePage932(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    qsizetype n = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        char16_t c = SingleBytes[byte];
        if (const int lead = leadIndex(byte); lead >= 0) {
            if (++i == bytes.size())
                return std::nullopt;
            const auto trail = static_cast<unsigned char>(bytes[i]);
            c = trail < 0x40 ? NoCharacter : DoubleBytes[lead][trail - 0x40];
        }
        if (c == NoCharacter)
            return std::nullopt;
        out[n++] = c;
    }
    text.truncate(n);
    return text;
}

} // namespace zuvo
