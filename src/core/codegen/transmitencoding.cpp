#include "codegen/transmitencoding.h"

#include <QStringList>

namespace zuvo {

namespace {

constexpr int TokenLimit = 255;

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

int hexDigitValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

// The value of the leading hex digits of a token, 0 when it has none. Saturates instead of
// overflowing on absurdly long tokens.
qint64 hexValue(const QString &token)
{
    qint64 value = 0;
    for (QChar c : token) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            break;
        value = qMin<qint64>(value * 16 + digit, 0x7fffffff);
    }
    return value;
}

// Pass 1: the frame text of blank-separated tokens.
QString frameText(const QString &txData)
{
    const QString text = trimBlanks(txData.toUpper()) + u' ';
    qsizetype blank = text.indexOf(u' ');
    const QString firstToken = text.left(blank);
    qsizetype rest = blank + 1; // where the rest of the text begins

    QString frame = QStringLiteral("x5C wA EF wA ") + firstToken + QStringLiteral(" w1 ");
    frame.reserve(frame.size() + 6 * (text.size() / 3) + 40);
    qint64 counter = hexValue(firstToken);
    qint64 sum = 0;
    // The first byte opens the frame but is not counted in its checksum; at most 256 - its
    // value tokens follow it. The text ends in exactly one blank, so a rest of two characters
    // or more still holds a token.
    while (text.size() - rest >= 2) {
        while (text[rest] == u' ')
            ++rest;
        blank = text.indexOf(u' ', rest);
        const QString token = text.mid(rest, blank - rest);
        rest = blank + 1;
        sum += hexValue(token);
        if (sum > 255)
            sum -= 256;
        frame += token + QStringLiteral(" w1 ");
        if (++counter > TokenLimit)
            break;
    }
    const QString checksum = QString::number(sum & 0xff, 16).toUpper().rightJustified(2, u'0');
    frame += QStringLiteral("x5C wA 8F wA ") + checksum + QStringLiteral(" wA");
    return frame.toUpper() + u' ';
}

// Pass 2: the items, three significant characters each. A token of a single hex digit makes
// no item, so it is counted in the checksum but never sent.
QStringList frameItems(const QString &frame)
{
    QStringList items;
    QString acc;
    for (QChar c : frame) {
        if (c == u'X') {
            acc = QStringLiteral("X");
        } else if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')) {
            acc += c;
        } else if (c == u'W') {
            acc = QStringLiteral("W");
        } else {
            if (acc.size() > 1) {
                const bool marked = acc.startsWith(u'W') || acc.startsWith(u'X');
                items << (marked ? acc : u' ' + acc).left(3) + QStringLiteral("000");
            }
            acc.clear();
        }
    }
    return items;
}

} // namespace

QString NibbleBits(int value)
{
    QString bits;
    for (int bit = 3; bit >= 0; --bit)
        bits += (value >> bit) & 1 ? u'1' : u'0';
    return bits;
}

QString EncodeTransmission(const QString &txData)
{
    QString symbols;
    for (const QString &item : frameItems(frameText(txData))) {
        if (item.startsWith(u'W')) {
            // "WA" is a long pause; "W1" separates bytes without a sound of its own. The frame
            // makes no other pause; one spelled in the input text ("WB") is not a symbol.
            if (item[1] == u'A')
                symbols += item[1];
            continue;
        }
        symbols += u'1';
        symbols += NibbleBits(hexDigitValue(item[1]));
        symbols += NibbleBits(hexDigitValue(item[2]));
        symbols += item.startsWith(u'X') ? u'1' : u'0';
    }
    return symbols;
}

} // namespace zuvo
