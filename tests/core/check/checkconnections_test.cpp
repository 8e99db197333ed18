#include "check/checkconnections.h"
#include "programbuilder.h"

#include <gtest/gtest.h>

using namespace zuvo;
using zuvo::test::BuildProgram;

namespace {

const QString Normal = QStringLiteral(u"アイコンの接続は正常");
const QString Faulty = QStringLiteral(u"点滅アイコンは接続不良です");

QString firstLine(const StageResult &r)
{
    return r.text.section(QStringLiteral("\r\n"), 0, 0);
}
QString secondLine(const StageResult &r)
{
    return r.text.section(QStringLiteral("\r\n"), 1);
}

} // namespace

TEST(CheckConnections, BeginJoinedToEndPasses)
{
    const StageResult r = CheckConnections(BuildProgram({"B-E"}));
    EXPECT_FALSE(r.runtimeFailure);
    EXPECT_EQ(r.text, QStringLiteral(u"開始１個、終了１個です。\r\nアイコンの接続は正常"));
    EXPECT_EQ(r.background, 0xFFC0FFu);
    EXPECT_TRUE(r.blinkCells.isEmpty());
    EXPECT_FALSE(r.checkStage.has_value());
}

TEST(CheckConnections, DanglingLineBlinksAndRepeatsStage)
{
    const StageResult r = CheckConnections(BuildProgram({
        "B-F-E",
        "  |  ",
    }));
    EXPECT_EQ(r.text, QStringLiteral(u"開始１個、終了１個です。\r\n点滅アイコンは接続不良です"));
    EXPECT_EQ(r.blinkCells, QList<int> {CellIndex(2, 0)});
    EXPECT_EQ(r.checkStage, 2);
    EXPECT_EQ(r.background, 0xFFC0FFu); // the same display whether passed or failed
}

TEST(CheckConnections, LinkCountsPerKind)
{
    // Forward needs 2: with three lines it fails, and so does the Nop hanging from it.
    {
        const StageResult r = CheckConnections(BuildProgram({
            "B-F-E",
            "  |  ",
            "  O  ",
        }));
        EXPECT_EQ(secondLine(r), Faulty);
        EXPECT_EQ(r.blinkCells, (QList<int> {CellIndex(2, 0), CellIndex(2, 2)}));
    }
    // A Light Branch and a merge with two lines each fail; they need three.
    for (const char *row : {"B-L-E", "B-M-E"}) {
        const StageResult r = CheckConnections(BuildProgram({row}));
        EXPECT_EQ(secondLine(r), Faulty) << row;
        EXPECT_EQ(r.blinkCells, QList<int> {CellIndex(2, 0)}) << row;
    }
    // A branch and a merge with three lines each, the Yes, No and Nops with two: all fine.
    const StageResult ok = CheckConnections(BuildProgram({
        "B-L-Y-M-E",
        "  |   |  ",
        "  N-O-O  ",
    }));
    EXPECT_EQ(secondLine(ok), Normal);
    EXPECT_TRUE(ok.blinkCells.isEmpty());
    // BEGIN with two lines fails.
    const StageResult begin = CheckConnections(BuildProgram({"F-B-E"}));
    EXPECT_EQ(begin.blinkCells, (QList<int> {CellIndex(2, 0), CellIndex(0, 0)}));
}

TEST(CheckConnections, BeginAndEndCountsOnlyChangeTheText)
{
    EXPECT_EQ(firstLine(CheckConnections(BuildProgram({"B-E", "   ", "B-E"}))),
              QStringLiteral(u"開始複数、終了複数です。"));
    const StageResult three = CheckConnections(BuildProgram({"B-E", "", "B-E", "", "B-E"}));
    EXPECT_EQ(firstLine(three), QStringLiteral(u"開始複数、終了複数です。"));
    EXPECT_FALSE(three.checkStage.has_value());

    const StageResult none = CheckConnections(BuildProgram({"F-F"}));
    EXPECT_EQ(firstLine(none), QStringLiteral(u"開始０個、終了０個です。"));
    EXPECT_EQ(secondLine(none), Faulty);

    EXPECT_EQ(firstLine(CheckConnections(WorkingProgram())),
              QStringLiteral(u"開始０個、終了０個です。"));
}

TEST(CheckConnections, BrokenTablesAreRuntimeFailures)
{
    WorkingProgram p = BuildProgram({"B-E"});
    p.SlotCell[1] = -1; // a gap the caller did not compact
    StageResult r = CheckConnections(p);
    EXPECT_TRUE(r.runtimeFailure);
    EXPECT_EQ(r.checkStage, 0);
    EXPECT_TRUE(r.text.isEmpty());

    p = BuildProgram({"B-E"});
    p.SlotCount = IconSlotLimit + 1;
    EXPECT_TRUE(CheckConnections(p).runtimeFailure);
}
