// Texts the transmit encoding fuzzer found faults with.

#include "encodingcheck.h"

#include "codegen/transmitencoding.h"

#include <gtest/gtest.h>

using namespace zuvo;

TEST(EncodingFindings, PausesSpelledInTheTextAreNotSymbols)
{
    // "wB" became the item WB and put the symbol "B" into the SymbolText.
    EXPECT_EQ(CheckEncodingInput("wB"), QString());
    for (const char *text : {"wB", "01 W9 02", "01 WF", "01 w2 wA"}) {
        const QString symbols = EncodeTransmission(QString::fromLatin1(text));
        for (const QChar c : symbols)
            EXPECT_TRUE(c == u'0' || c == u'1' || c == u'A') << text;
    }
    // Such a token is counted but sends nothing, like any token that makes no byte.
    EXPECT_EQ(EncodeTransmission(QStringLiteral("01 W9 02")),
              EncodeTransmission(QStringLiteral("01 02")));
    // The frame's own long pauses stay.
    EXPECT_EQ(EncodeTransmission(QStringLiteral("01 02")), FrameSymbols(QByteArray("\x01\x02", 2)));
}
