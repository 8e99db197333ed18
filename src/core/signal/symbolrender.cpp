#include "signal/symbolrender.h"

#include <array>

namespace zuvo {

namespace {

constexpr std::array<quint8, SymbolSamples> PulseSamples {192, 255, 255, 255, 255, 255,
                                                          64,  0,   0,   0,   0,   0};

// Gaps a symbol stands for: -1 for a pulse, 0 for a character that makes no sound.
int symbolGaps(QChar symbol)
{
    const char16_t c = symbol.unicode();
    if (c == u'1')
        return -1;
    if (c == u'0')
        return 1;
    if (c >= u'2' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return 10 * (c - u'A' + 1);
    return 0;
}

} // namespace

qsizetype CountSymbolSamples(const QString &symbolText)
{
    qsizetype count = 0;
    for (QChar symbol : symbolText) {
        const int gaps = symbolGaps(symbol);
        count += SymbolSamples * (gaps < 0 ? 1 : gaps);
    }
    return count;
}

void WritePulse(QByteArray &buffer, qsizetype &position)
{
    for (quint8 sample : PulseSamples)
        buffer[position++] = char(sample);
}

void WriteGap(QByteArray &buffer, qsizetype &position)
{
    for (int i = 0; i < SymbolSamples; ++i)
        buffer[position++] = char(SilenceSample);
}

QByteArray RenderSymbols(const QString &symbolText)
{
    QByteArray buffer(CountSymbolSamples(symbolText), char(SilenceSample));
    qsizetype position = 0;
    for (QChar symbol : symbolText) {
        const int gaps = symbolGaps(symbol);
        if (gaps < 0)
            WritePulse(buffer, position);
        for (int i = 0; i < gaps; ++i)
            WriteGap(buffer, position);
    }
    return buffer;
}

QByteArray PadForOutput(const QByteArray &samples)
{
    return QByteArray(LeadInSamples, char(SilenceSample)) + samples
        + QByteArray(TailSamples, char(SilenceSample));
}

} // namespace zuvo
