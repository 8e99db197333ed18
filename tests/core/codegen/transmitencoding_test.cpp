#include "codegen/transmitencoding.h"
#include "signal/symbolrender.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace zuvo;

namespace {

const QString Start = QStringLiteral("1010111001A1111011110A"); // start marker, frame code
const QString Example
    = QStringLiteral("01 3A 5C C4 B4 E1 F1 F9 00 00 00 00 00 00 00 00 51 C0 05 00 FF 15");

QString byteBits(int value)
{
    return u'1' + NibbleBits(value >> 4) + NibbleBits(value & 15) + u'0';
}

// The symbols after the frame's bytes: end marker, end code, checksum.
QString trailer(int checksum)
{
    return QStringLiteral("1010111001A1100011110A") + byteBits(checksum) + u'A';
}

} // namespace

TEST(TransmitEncoding, WorkedExampleFrame)
{
    const QString symbols = EncodeTransmission(Example);
    EXPECT_EQ(symbols.size(), 275);
    EXPECT_TRUE(
        symbols.startsWith(Start + QStringLiteral("1000000010") + QStringLiteral("1001110100")));
    EXPECT_TRUE(symbols.endsWith(QStringLiteral("1000101010") + trailer(0x03)));
    EXPECT_EQ(CountSymbolSamples(symbols), 3840);

    QString expected = Start;
    for (const QString &token : Example.split(u' '))
        expected += byteBits(token.toInt(nullptr, 16));
    EXPECT_EQ(symbols, expected + trailer(0x03));
}

TEST(TransmitEncoding, BitsAndChecksum)
{
    EXPECT_EQ(NibbleBits(0), QStringLiteral("0000"));
    EXPECT_EQ(NibbleBits(10), QStringLiteral("1010"));
    EXPECT_EQ(NibbleBits(15), QStringLiteral("1111"));

    EXPECT_EQ(EncodeTransmission(QStringLiteral("01 00 FF")),
              Start + QStringLiteral("1000000010") + QStringLiteral("1000000000")
                  + QStringLiteral("1111111110") + trailer(0xFF));
    // The first byte opens the frame and stays out of the checksum.
    EXPECT_TRUE(EncodeTransmission(QStringLiteral("01 02 03")).endsWith(trailer(0x05)));
    EXPECT_TRUE(EncodeTransmission(QStringLiteral("FF 01")).endsWith(trailer(0x01)));
    EXPECT_TRUE(EncodeTransmission(QStringLiteral("01 80 80")).endsWith(trailer(0x00)));
    EXPECT_TRUE(EncodeTransmission(QStringLiteral("01 FF FF FF")).endsWith(trailer(0xFD)));
}

TEST(TransmitEncoding, TextQuirks)
{
    // Lower case and surrounding blanks make no difference.
    EXPECT_EQ(EncodeTransmission(QStringLiteral("01 3a")),
              EncodeTransmission(QStringLiteral("01 3A")));
    EXPECT_EQ(EncodeTransmission(QStringLiteral("  01 3A  ")),
              EncodeTransmission(QStringLiteral("01 3A")));

    // The one-digit test token is counted in the checksum but sends nothing.
    const QString plain = EncodeTransmission(Example);
    const QString tested = EncodeTransmission(Example + QStringLiteral(" 5"));
    EXPECT_EQ(tested.size(), plain.size());
    EXPECT_EQ(tested.left(tested.size() - 11), plain.left(plain.size() - 11));
    EXPECT_TRUE(tested.endsWith(byteBits(0x08) + u'A'));
}

TEST(TransmitEncoding, AtMostTheFirstByteAnd255More)
{
    // 256 bytes of 01 after the first: the last one is not framed.
    QStringList tokens(257, QStringLiteral("01"));
    const QString symbols = EncodeTransmission(tokens.join(u' '));
    EXPECT_EQ(CountSymbolSamples(symbols), 120 * 256 + 1200);
    EXPECT_TRUE(symbols.endsWith(trailer(0xFF))); // 255 bytes of 01 counted

    // The first byte's value limits how many follow: FF lets one through.
    EXPECT_EQ(EncodeTransmission(QStringLiteral("FF 01 02 03")),
              Start + byteBits(0xFF) + byteBits(0x01) + trailer(0x01));
    // A first byte of 00 lets 256 through.
    tokens = QStringList(258, QStringLiteral("01"));
    tokens[0] = QStringLiteral("00");
    EXPECT_EQ(CountSymbolSamples(EncodeTransmission(tokens.join(u' '))), 120 * 257 + 1200);
}
