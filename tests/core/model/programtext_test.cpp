#include "model/numbers.h"
#include "model/programtext.h"
#include "model/spokennames.h"

#include "testprinters.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace zuvo;

namespace {

int countIconsWithCode(const WorkingProgram &p, int code)
{
    int n = 0;
    for (int y = 0; y < LatticeRows; ++y)
        for (int x = 0; x < LatticeColumns; ++x)
            if (p.iconCodeAt(x, y) == code)
                ++n;
    return n;
}

int countLines(const WorkingProgram &p)
{
    int n = 0;
    for (int y = 0; y < LatticeRows; ++y)
        for (int x = 0; x < LatticeColumns; ++x)
            if (p.holdsLine(x, y))
                ++n;
    return n;
}

} // namespace

TEST(TokenReader, ReturnsTheLastTokenAgainWhenNoCommaIsLeft)
{
    TokenReader reader(QStringLiteral("a,,b"));
    EXPECT_EQ(reader.next(), "a");
    EXPECT_EQ(reader.next(), "");
    EXPECT_FALSE(reader.exhausted());
    EXPECT_EQ(reader.next(), "b");
    EXPECT_TRUE(reader.exhausted());
    EXPECT_EQ(reader.next(), "b");
    EXPECT_EQ(reader.next(), "b");

    TokenReader trailing(QStringLiteral("x,"));
    EXPECT_EQ(trailing.next(), "x");
    EXPECT_EQ(trailing.next(), "");
    EXPECT_EQ(trailing.next(), "");
}

TEST(ProgramText, TemplateLoadsAsTheEmptyProgram)
{
    const ProgramText t = ProgramTemplate();
    EXPECT_EQ(t.ConnectionList, ",END");
    EXPECT_EQ(t.IconList, " 398,29 0=, 416,30 0=,END");
    EXPECT_EQ(t.MemoList, u"プログラム履歴　メモ,,END,0,0");

    const WorkingProgram p = LoadSlotText(t);
    EXPECT_EQ(p.SlotCount, 2);
    EXPECT_EQ(p.CellContent(2, 4), 29000);
    EXPECT_EQ(p.CellContent(20, 4), 30001);
    EXPECT_EQ(p.SlotCell[0], 398);
    EXPECT_EQ(p.SlotCell[1], 416);
    EXPECT_EQ(p.SlotParams[1], "30 0=");
    EXPECT_EQ(p.SlotCell[2], -1);
    EXPECT_EQ(p.SlotParams[2], "***");
    EXPECT_EQ(countLines(p), 0);
    EXPECT_EQ(p.Memo, u"プログラム履歴　メモ\r\n");
    EXPECT_EQ(p.HScroll, 0);
    EXPECT_EQ(p.VScroll, 0);
}

TEST(ProgramText, NumbersInTokensSkipBlanksAndRoundHalvesToEven)
{
    ProgramText t;
    t.ConnectionList = QStringLiteral(" 401,805 , 399 ,,END");
    t.IconList = QStringLiteral(" 400.5,00 0=,401.5 ,29 0=, 800,30 0=,END");
    t.MemoList = QStringLiteral("m,END,2.5,3.5");
    const WorkingProgram p = LoadSlotText(t);
    EXPECT_TRUE(p.CellContent.atIndex(401) == LineCell);
    EXPECT_TRUE(p.CellContent.atIndex(805) == LineCell);
    EXPECT_TRUE(p.CellContent.atIndex(399) == LineCell);
    EXPECT_EQ(countLines(p), 3);
    ASSERT_EQ(p.SlotCount, 3);
    EXPECT_EQ(p.SlotCell[0], 400);
    EXPECT_EQ(p.SlotCell[1], 402);
    EXPECT_EQ(p.SlotCell[2], 800);
    EXPECT_EQ(p.CellContent.atIndex(402), 29001);
    EXPECT_EQ(p.HScroll, 2);
    EXPECT_EQ(p.VScroll, 4);
}

TEST(ProgramText, MemoTokensBecomeLinesAndAMissingScrollReadsAsZero)
{
    ProgramText t = ProgramTemplate();
    t.MemoList = QStringLiteral("first,second,,END");
    WorkingProgram p = LoadSlotText(t);
    EXPECT_EQ(p.Memo, "first\r\nsecond\r\n");
    EXPECT_EQ(p.HScroll, 0);
    EXPECT_EQ(p.VScroll, 0);

    t.MemoList = QStringLiteral("END,120,60");
    p = LoadSlotText(t);
    EXPECT_EQ(p.Memo, "");
    EXPECT_EQ(p.HScroll, 120);
    EXPECT_EQ(p.VScroll, 60);
}

TEST(ProgramText, StoreWritesFreeSlotsAndLoadRenumbersThemInOrder)
{
    WorkingProgram p = WorkingProgram::newProgram();
    p.placeNewIcon(4, 4, 0); // slot 2
    p.placeNewIcon(6, 4, 19); // slot 3
    p.placeNewIcon(8, 4, 9); // slot 4
    p.SlotParams[3] = QStringLiteral("19 1=2.5 &H00FFFFFF");
    p.CellContent(4, 4) = EmptyCell;
    p.freeSlot(2);
    p.CellContent(3, 4) = LineCell; // 399
    p.CellContent(5, 4) = LineCell; // 401
    p.CellContent(4, 5) = LineCell; // 499
    p.Memo = QStringLiteral("line one\r\nline two");
    p.HScroll = 300;
    p.VScroll = 90;

    const ProgramText t = StoreSlotText(p);
    EXPECT_EQ(t.ConnectionList, "399,401,499,END");
    EXPECT_EQ(t.IconList,
              "398,29 0=,416,30 0=,-1,***,402,19 1=2.5 &H00FFFFFF,404,09 1=0.5 "
              "&H00FFFFFF,END");
    EXPECT_EQ(t.MemoList, "line one\r\nline two,END,300,90");

    const WorkingProgram q = LoadSlotText(t);
    ASSERT_EQ(q.SlotCount, 4);
    EXPECT_EQ(q.SlotCell[2], 402);
    EXPECT_EQ(q.SlotParams[2], "19 1=2.5 &H00FFFFFF");
    EXPECT_EQ(q.CellContent.atIndex(402), 19002);
    EXPECT_EQ(q.SlotCell[3], 404);
    EXPECT_EQ(q.CellContent.atIndex(404), 9003);
    EXPECT_EQ(q.SlotCell[4], -1);
    EXPECT_EQ(q.Memo, p.Memo);
    EXPECT_EQ(q.HScroll, 300);
    EXPECT_EQ(q.VScroll, 90);
    EXPECT_EQ(countLines(q), 3);
    // Once renumbered, storing again gives the same text without the free slot.
    EXPECT_EQ(StoreSlotText(q).IconList,
              "398,29 0=,416,30 0=,402,19 1=2.5 &H00FFFFFF,404,09 "
              "1=0.5 &H00FFFFFF,END");
    EXPECT_EQ(LoadSlotText(StoreSlotText(q)), q);
}

TEST(ProgramText, ForeignTextIsReadWithoutLeavingTheLattice)
{
    ProgramText t;
    // A corner (500 = (5, 5)), an icon cell, out of range, not a number, no END.
    t.ConnectionList = QStringLiteral("500,400,5841,-3,abc,1e9,401");
    // Outside, corner, connector, bad code, occupied cell, missing parameter.
    t.IconList = QStringLiteral("6000,00 0=,500,00 0=,401,00 0=,402,31 0=,402,-1 0=,398,29 "
                                "0=,398,30 0=,404,05 1=中 &H00FFFFFF,406");
    t.MemoList = QStringLiteral("only,99999,-5");
    const WorkingProgram p = LoadSlotText(t);
    EXPECT_EQ(countLines(p), 1);
    EXPECT_EQ(p.CellContent.atIndex(401), LineCell);
    EXPECT_EQ(p.CellContent.atIndex(500), EmptyCell);
    ASSERT_EQ(p.SlotCount, 2);
    EXPECT_EQ(p.CellContent.atIndex(398), 29000);
    EXPECT_EQ(p.CellContent.atIndex(404), 5001);
    EXPECT_EQ(p.CellContent.atIndex(406), EmptyCell);
    EXPECT_EQ(p.Memo, "only\r\n99999\r\n-5");
    EXPECT_EQ(p.HScroll, 0);
    EXPECT_EQ(p.VScroll, 0);

    t.MemoList = QStringLiteral("m,END,99999,-5");
    const WorkingProgram clamped = LoadSlotText(t);
    EXPECT_EQ(clamped.HScroll, HScrollLimit);
    EXPECT_EQ(clamped.VScroll, 0);

    const WorkingProgram empty = LoadSlotText(ProgramText {});
    EXPECT_EQ(empty.SlotCount, 0);
    EXPECT_EQ(empty.Memo, "");
}

TEST(ProgramText, AtMostOneHundredPairsAreExamined)
{
    ProgramText t = ProgramTemplate();
    QString icons;
    for (int i = 0; i < 99; ++i)
        icons += QStringLiteral("-1,***,");
    icons += QStringLiteral("398,29 0=,416,30 0=,END"); // the 100th pair and one more
    t.IconList = icons;
    const WorkingProgram p = LoadSlotText(t);
    EXPECT_EQ(p.SlotCount, 1);
    EXPECT_EQ(p.CellContent.atIndex(398), 29000);
    EXPECT_EQ(p.CellContent.atIndex(416), EmptyCell);

    QString full;
    for (int i = 0; i < 105; ++i)
        full += QStringLiteral("%1,13 0=,").arg(RowOffset(i / 50) + 2 * (i % 50));
    t.IconList = full + QStringLiteral("END");
    const WorkingProgram q = LoadSlotText(t);
    EXPECT_EQ(q.SlotCount, IconSlotLimit);
    EXPECT_EQ(q.SlotCell[99], RowOffset(1) + 2 * 49);
    EXPECT_EQ(q.CellContent.atIndex(RowOffset(2)), EmptyCell);
    EXPECT_EQ(countIconsWithCode(q, 13), 100);
}

// The values of every icon family in the words a screen reader says.
TEST(SpokenValues, EveryFamilyInWords)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        {u"00 1=中 &H00FFFFFF", u"速さ中"},
        {u"07 1=高 &H00FFFFFF", u"速さ高"},
        {u"09 1=0.5 &H00FFFFFF", u"0.5秒"},
        {u"19 1=10.0 &H00FFFFFF", u"10.0秒"},
        {u"10 1=２ &H00FFFFFF", u"センサ２"},
        {u"17 1=255 &H00FFFFFF", u"255回"},
        {u"12 2=Ａ 1 &H00FFFFFF", u"Ａが1以上"},
        {u"18 2=Ｂ Ｃ &H00FFFFFF", u"Ｂ＝Ｃ"},
        {u"22 3=Ａ 1 ＋ &H00FFFFFF", u"Ａ＝Ａ＋1"},
        {u"23 1=OFF &H00FFFFFF", u"消灯"},
        {u"24 1=3 &H00FFFFFF", u"ビープ3"},
        {u"08 0=", u""},
        {u"13 0=", u""},
        {u"***", u""},
    };
    for (const auto &[params, words] : cases)
        EXPECT_EQ(SpokenValues(QString::fromUtf16(params)), QString::fromUtf16(words))
            << QString::fromUtf16(params).toStdString();
}

TEST(ProgramText, WholeNumbersReadAsTheirTextConvertsExactly)
{
    // Whole numbers are counted digit by digit; everything else is converted: both give what the
    // text's conversion gives, sign of a zero included.
    for (const char *text :
         {"0", "-0", "+7", "007", "-32768", "123456789012345", "-999999999999999",
          "1234567890123456", "  42abc", "5.", "-.5", "1e3", "12E-1x"}) {
        SCOPED_TRACE(text);
        const QString number = LeadingNumberText(QString::fromLatin1(text));
        const double converted = number.toDouble();
        const double read = ReadLeadingNumber(QString::fromLatin1(text));
        EXPECT_EQ(read, converted);
        EXPECT_EQ(std::signbit(read), std::signbit(converted));
    }
}
