#include "encodingcheck.h"

#include "codegen/transmitencoding.h"

#include <QRegularExpression>

namespace zuvo {

namespace {

constexpr int FrameByteLimit = 256;

QString bits(int value, QChar stop)
{
    QString text(1, u'1');
    for (int bit = 7; bit >= 0; --bit)
        text += (value >> bit) & 1 ? u'1' : u'0';
    return text + stop;
}

const QString &frameStart()
{
    static const QString start = bits(0x5C, u'1') + u'A' + bits(0xEF, u'0') + u'A';
    return start;
}

const QString &frameEnd()
{
    static const QString end = bits(0x5C, u'1') + u'A' + bits(0x8F, u'0') + u'A';
    return end;
}

// The bytes of a text that is nothing but hex byte pairs separated by single blanks (blanks
// around it allowed); empty otherwise.
QByteArray hexPairs(const QString &text)
{
    static const QRegularExpression pairs(
        QStringLiteral("^ *([0-9A-Fa-f]{2}(?: [0-9A-Fa-f]{2})*) *$"));
    const QRegularExpressionMatch m = pairs.match(text);
    if (!m.hasMatch())
        return QByteArray();
    return QByteArray::fromHex(m.captured(1).toLatin1());
}

} // namespace

QString FrameSymbols(const QByteArray &bytes, int checksumExtra)
{
    QString symbols = frameStart();
    int sum = checksumExtra;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        symbols += bits(quint8(bytes.at(i)), u'0');
        if (i > 0)
            sum += quint8(bytes.at(i));
    }
    return symbols + frameEnd() + bits(sum & 0xff, u'0') + u'A';
}

QString CheckEncodingInput(QByteArrayView input)
{
    const QString text = QString::fromUtf8(input);
    const QString symbols = EncodeTransmission(text);
    for (const QChar c : symbols)
        if (c != u'0' && c != u'1' && c != u'A')
            return QStringLiteral("symbol %1 in the SymbolText").arg(c);
    if (!symbols.startsWith(frameStart()))
        return QStringLiteral("frame does not open with the start marker and frame code");
    const qsizetype closing = frameEnd().size() + 11;
    if (symbols.size() < frameStart().size() + closing
        || symbols.mid(symbols.size() - closing, frameEnd().size()) != frameEnd()
        || !symbols.endsWith(u'A') || symbols.at(symbols.size() - 11) != u'1'
        || symbols.at(symbols.size() - 2) != u'0')
        return QStringLiteral("frame does not close with end marker, end code and checksum");

    QByteArray bytes = hexPairs(text);
    if (!bytes.isEmpty()) {
        // The first byte F lets at most 256 - F bytes follow it.
        const qsizetype framed
            = qMin<qsizetype>(bytes.size(), 1 + FrameByteLimit - quint8(bytes.at(0)));
        bytes.truncate(framed);
        if (symbols != FrameSymbols(bytes))
            return QStringLiteral("hex byte list not framed bit for bit");
    }
    return QString();
}

} // namespace zuvo
