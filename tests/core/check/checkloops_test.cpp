#include "check/checkbranches.h"
#include "check/checkloops.h"
#include "checkpictures.h"
#include "model/iconcatalogue.h"
#include "programbuilder.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

const QString Passed = QStringLiteral(u"正常です。プログラムを送信して下さい。");
const QString Unmatched = QStringLiteral(u"繰返しがＥＮＤと対応していません。");

// The loop check as the driver runs it: after the branch check has passed.
StageResult loops(const QStringList &rows, int checkStage = 2)
{
    const WorkingProgram program = BuildProgram(rows);
    FlowTable flow;
    const StageResult branches = CheckBranches(program, flow);
    EXPECT_FALSE(branches.checkStage.has_value()) << branches.text.toStdString();
    return CheckLoops(program, flow, checkStage);
}

} // namespace

TEST(CheckLoops, PassingCompletesTheCheckOnlyInItsRegularTurn)
{
    const StageResult regular = loops({"B-F-E"});
    EXPECT_EQ(regular.text, QStringLiteral(u"Ｌｏｏｐは無し、Ｒｅｐは無し\r\n") + Passed);
    EXPECT_EQ(regular.background, 0xFF80FFu);
    EXPECT_TRUE(regular.completesCheck);
    EXPECT_FALSE(regular.checkStage.has_value());

    // The re-check before sending: same texts, the other colour, nothing completed.
    const StageResult recheck = loops({"B-F-E"}, 0);
    EXPECT_EQ(recheck.text, regular.text);
    EXPECT_EQ(recheck.background, 0xFFA0FFu);
    EXPECT_FALSE(recheck.completesCheck);
    EXPECT_FALSE(recheck.checkStage.has_value());

    EXPECT_EQ(loops({"B-P-F-Q-E"}).text,
              QStringLiteral(u"Ｌｏｏｐは正常、Ｒｅｐは無し\r\n") + Passed);
    EXPECT_EQ(loops({"B-R-W-S-E"}).text,
              QStringLiteral(u"Ｌｏｏｐは無し、Ｒｅｐは正常\r\n") + Passed);
    EXPECT_EQ(loops({"B-P-R-W-S-Q-P-F-Q-E"}).text,
              QStringLiteral(u"Ｌｏｏｐは正常、Ｒｅｐは正常\r\n") + Passed);
}

TEST(CheckLoops, MismatchedEnds)
{
    const StageResult byRepeatEnd = loops({"B-P-F-S-E"});
    EXPECT_EQ(byRepeatEnd.text,
              QStringLiteral(u"Ｌｏｏｐは正常、否リピート数 1、\r\n") + Unmatched);
    EXPECT_EQ(byRepeatEnd.blinkCells, QList<int> {CellIndex(6, 0)});
    EXPECT_EQ(byRepeatEnd.checkStage, 1);
    EXPECT_EQ(byRepeatEnd.background, 0xFFA0FFu);
    EXPECT_FALSE(byRepeatEnd.completesCheck);

    const StageResult lonelyEnd = loops({"B-F-Q-E"});
    EXPECT_EQ(lonelyEnd.text, QStringLiteral(u"否ループ数 1、Ｒｅｐは無し\r\n") + Unmatched);
    EXPECT_EQ(lonelyEnd.blinkCells, QList<int> {CellIndex(4, 0)});
    EXPECT_EQ(lonelyEnd.checkStage, 1);

    // Both kinds counted; the re-check reports a fault the same way.
    const StageResult both = loops({"B-Q-S-Q-R-Q-E"}, 0);
    EXPECT_EQ(both.text, QStringLiteral(u"否ループ数 3、否リピート数 1、\r\n") + Unmatched);
    EXPECT_EQ(both.checkStage, 1);
}

TEST(CheckLoops, UnclosedBrackets)
{
    const StageResult repeat = loops({"B-R-F-E"});
    EXPECT_EQ(repeat.text, QStringLiteral(u"非対応繰返し数 1、リピート非対応。\r\n"));
    EXPECT_EQ(repeat.blinkCells, QList<int> {CellIndex(2, 0)});
    EXPECT_EQ(repeat.checkStage, 1);

    const StageResult loopInside = loops({"B-R-P-F-E"});
    EXPECT_EQ(loopInside.text, QStringLiteral(u"非対応繰返し数 2、ループ非対応。\r\n"));
    EXPECT_EQ(loopInside.blinkCells, (QList<int> {CellIndex(2, 0), CellIndex(4, 0)}));

    // An unclosed bracket empties the status even when ends were mismatched too.
    const StageResult mixed = loops({"B-P-R-Q-F-E"});
    EXPECT_EQ(mixed.text, QStringLiteral(u"非対応繰返し数 1、ループ非対応。\r\n"));
    EXPECT_EQ(mixed.blinkCells, (QList<int> {CellIndex(6, 0), CellIndex(2, 0)}));
}

TEST(CheckLoops, BranchesInsideLoops)
{
    // The first path of the branch runs into END; the walk backtracks into the second path,
    // where the Loop End is.
    EXPECT_EQ(loops({
                        "B-P-L-Y-F-M-E",
                        "    |     |  ",
                        "    N-Q-O-O  ",
                    })
                  .text,
              QStringLiteral(u"Ｌｏｏｐは正常、Ｒｅｐは無し\r\n") + Passed);
    // Outside any loop only the first path is walked: an open Loop on the second path is
    // not examined.
    EXPECT_EQ(loops({
                        "B-L-Y-F-M-E",
                        "  |     |  ",
                        "  N-P-F-O  ",
                    })
                  .text,
              QStringLiteral(u"Ｌｏｏｐは無し、Ｒｅｐは無し\r\n") + Passed);
    // Ten branches in a loop body fit the backtracking stack; eleven are a run-time failure.
    EXPECT_EQ(loops(LoopWithBranches(10)).text,
              QStringLiteral(u"Ｌｏｏｐは正常、Ｒｅｐは無し\r\n") + Passed);
    const StageResult eleven = loops(LoopWithBranches(11));
    EXPECT_TRUE(eleven.runtimeFailure);
    EXPECT_EQ(eleven.checkStage, 0);
    EXPECT_FALSE(eleven.completesCheck);
}

TEST(CheckLoops, NestingDepth)
{
    auto nested = [](int n) {
        return QStringList {QStringLiteral("B") + QStringLiteral("-P").repeated(n)
                            + QStringLiteral("-F") + QStringLiteral("-Q").repeated(n)
                            + QStringLiteral("-E")};
    };
    EXPECT_EQ(loops(nested(8)).text, QStringLiteral(u"Ｌｏｏｐは正常、Ｒｅｐは無し\r\n") + Passed);
    const StageResult nine = loops(nested(9));
    EXPECT_EQ(nine.text, QStringLiteral(u"深すぎ 8。\r\n"));
    EXPECT_EQ(nine.blinkCells, QList<int> {CellIndex(18, 0)}); // the ninth Loop
    EXPECT_EQ(nine.checkStage, 1);
}

TEST(CheckLoops, StepLimitAndBrokenTables)
{
    const WorkingProgram program = BuildProgram({"B-F-E"});
    FlowTable flow;
    ASSERT_FALSE(CheckBranches(program, flow).checkStage.has_value());

    // A table whose first path circles forever.
    FlowTable circle = flow;
    circle.at(1, FlowSuccessor) = 1;
    const StageResult limit = CheckLoops(program, circle, 2);
    EXPECT_EQ(limit.text, QStringLiteral(u"繰り返しのつじつまが合いません<501>。\r\n"));
    EXPECT_EQ(limit.checkStage, 1);
    EXPECT_EQ(limit.background, 0xFFA0FFu);

    // A successor that was never set.
    FlowTable open = flow;
    open.at(1, FlowSuccessor) = -1;
    const StageResult missing = CheckLoops(program, open, 2);
    EXPECT_TRUE(missing.runtimeFailure);
    EXPECT_EQ(missing.checkStage, 0);
    EXPECT_FALSE(missing.completesCheck);

    // The walk needs BEGIN in slot 0, in the program and in the table.
    EXPECT_TRUE(CheckLoops(program, FlowTable(), 2).runtimeFailure);
    const WorkingProgram reversed = BuildProgram({{"E-F-B"}, 0, 0, false});
    EXPECT_TRUE(CheckLoops(reversed, flow, 2).runtimeFailure);
}
