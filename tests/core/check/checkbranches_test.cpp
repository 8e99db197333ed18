#include "check/checkbranches.h"
#include "checkpictures.h"
#include "model/iconcatalogue.h"
#include "programbuilder.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

const QString Passed = QStringLiteral(u"正常です。再度ボタンを押して繰返検査へ進む");
const QString Faulty = QStringLiteral(u"点滅アイコンは接続不良です");
const QString Unresolved = QStringLiteral(u"分岐合流のつじつまが合いません<501>。\r\n");

StageResult branches(const QStringList &rows)
{
    FlowTable flow;
    return CheckBranches(BuildProgram(rows), flow);
}

} // namespace

TEST(CheckBranches, BeginToEndWithoutBranches)
{
    FlowTable flow;
    const StageResult r = CheckBranches(BuildProgram({"B-F-E"}), flow);
    EXPECT_EQ(r.text, QStringLiteral(u"分岐は無し、合流は無し。\r\n") + Passed);
    EXPECT_EQ(r.background, 0xFFA0FFu);
    EXPECT_FALSE(r.checkStage.has_value());
    EXPECT_FALSE(r.runtimeFailure);
    // Slots: BEGIN 0, Forward 1, END 2.
    EXPECT_EQ(flow.at(0, FlowCell), CellIndex(0, 0));
    EXPECT_EQ(flow.at(0, FlowKind), IconBegin);
    EXPECT_EQ(flow.at(0, FlowSuccessor), 1);
    EXPECT_EQ(flow.at(1, FlowKind), IconForward);
    EXPECT_EQ(flow.at(1, FlowPredecessor), 0);
    EXPECT_EQ(flow.at(1, FlowSuccessor), 2);
    EXPECT_EQ(flow.at(2, FlowPredecessor), 1);
    EXPECT_EQ(flow.at(2, FlowSuccessor), -1);
    EXPECT_EQ(flow.at(1, FlowAddress), -1);
    EXPECT_EQ(flow.at(1, FlowOpcode), -1);
}

TEST(CheckBranches, CorrectBranchAndMergeBuildTheTable)
{
    FlowTable flow;
    flow.at(50, FlowSuccessor) = 7; // rows beyond SlotCount are left alone
    flow.at(2, FlowOpcode) = 0x51; // rows in use are cleared
    const StageResult r = CheckBranches(BuildProgram(CorrectBranch), flow);
    EXPECT_EQ(r.text, QStringLiteral(u"分岐は正常、合流は正常。\r\n") + Passed);
    EXPECT_FALSE(r.checkStage.has_value());
    EXPECT_TRUE(r.blinkCells.isEmpty());

    // Slots: B0 L1 Y2 F3 M4 E5 N6 W7 W8 O9.
    EXPECT_EQ(flow.at(1, FlowSuccessor), 2); // right before down
    EXPECT_EQ(flow.at(1, FlowSecondSuccessor), 6);
    EXPECT_EQ(flow.at(1, FlowPredecessor), 0);
    EXPECT_EQ(flow.at(6, FlowPredecessor), 1);
    EXPECT_EQ(flow.at(4, FlowPredecessor), 3); // the first path's last icon
    EXPECT_EQ(flow.at(4, FlowSecondPredecessor), 9); // the second path's
    EXPECT_EQ(flow.at(4, FlowSuccessor), 5);
    EXPECT_EQ(flow.at(5, FlowPredecessor), 4);
    EXPECT_EQ(flow.at(9, FlowSuccessor), 4);
    EXPECT_EQ(flow.at(2, FlowOpcode), -1);
    EXPECT_EQ(flow.at(50, FlowSuccessor), 7);
}

TEST(CheckBranches, DirectionOrderChoosesTheFirstPath)
{
    // Entered from the left with lines up and right: the upper neighbour comes first.
    FlowTable flow;
    const StageResult r = CheckBranches(BuildProgram({
                                            "  N-F-M-E",
                                            "  |   |  ",
                                            "B-L-Y-O  ",
                                        }),
                                        flow);
    EXPECT_EQ(r.text, QStringLiteral(u"分岐は正常、合流は正常。\r\n") + Passed);
    // Slots: B0, N1 F2 M3 E4, L5 Y6 O7.
    EXPECT_EQ(flow.at(5, FlowSuccessor), 1);
    EXPECT_EQ(flow.at(5, FlowSecondSuccessor), 6);
    EXPECT_EQ(flow.at(3, FlowPredecessor), 2);
    EXPECT_EQ(flow.at(3, FlowSecondPredecessor), 7);
}

TEST(CheckBranches, YesAndNoMustFollowABranch)
{
    QStringList twoYes = CorrectBranch;
    twoYes[2].replace(u'N', u'Y');
    const StageResult both = branches(twoYes);
    EXPECT_EQ(both.text, QStringLiteral(u"分岐にYes,No無し、合流は正常。\r\n") + Faulty);
    EXPECT_EQ(both.blinkCells, QList<int> {CellIndex(2, 0)});
    EXPECT_EQ(both.checkStage, 0);
    EXPECT_EQ(both.background, 0xFFA0FFu);

    const StageResult afterForward = branches({"B-F-Y-E"});
    EXPECT_EQ(afterForward.text, QStringLiteral(u"分岐にYes,No無し、合流は無し。\r\n") + Faulty);
    EXPECT_EQ(afterForward.blinkCells, QList<int> {CellIndex(4, 0)});
    EXPECT_EQ(afterForward.checkStage, 0);
}

TEST(CheckBranches, WalksThatCannotReachEndRunOutOfSteps)
{
    const QList<QStringList> cases = {
        // The two paths of one branch end at two different merges.
        {"B-L-Y-M-E", "  |   |  ", "  N-O-M-E"},
        // The paths never meet; both end at an END.
        {"B-L-Y-E", "  |    ", "  N-E  "},
        // A merge with three lines but no branch before it.
        {"B-M-E", "  |  ", "  E  "},
        // A Forward with three lines: the walk stays on it.
        {"B-F-E", "  |  ", "  E  "},
    };
    for (const QStringList &rows : cases) {
        const StageResult r = branches(rows);
        EXPECT_EQ(r.text, Unresolved) << rows.join(u'/').toStdString();
        EXPECT_EQ(r.background, 0x10FF00u);
        EXPECT_EQ(r.checkStage, 0);
        EXPECT_FALSE(r.runtimeFailure);
    }
}

TEST(CheckBranches, NestingDepth)
{
    // Eight open branches are fine, nine are too deep; the walk stops at the ninth Yes.
    EXPECT_EQ(branches(NestedBranches(8)).text,
              QStringLiteral(u"分岐は正常、合流は正常。\r\n") + Passed);
    for (int n : {9, 10}) {
        const StageResult r = branches(NestedBranches(n));
        EXPECT_EQ(r.text, QStringLiteral(u"深すぎ 9個以上です。\r\n") + Faulty) << n;
        EXPECT_EQ(r.blinkCells, QList<int> {CellIndex(36, 0)}) << n;
        EXPECT_EQ(r.checkStage, 0);
        EXPECT_EQ(r.background, 0xFFA0FFu);
    }
    // Eleven open branches do not fit the walk's stack: a run-time failure, never a pass.
    const StageResult eleven = branches(NestedBranches(11));
    EXPECT_TRUE(eleven.runtimeFailure);
    EXPECT_EQ(eleven.checkStage, 0);
    // Paths drawn back into their own branch open it again on every round.
    const StageResult circle = branches({"B-L-Y", "  | |", "  N-O"});
    EXPECT_TRUE(circle.runtimeFailure);
}

TEST(CheckBranches, DanglingLines)
{
    // At END the walk stops and the second walk reports it.
    const StageResult atEnd = branches({"B-E-"});
    EXPECT_EQ(atEnd.text, QStringLiteral(u"分岐は無し、合流は無し。\r\n") + Faulty);
    EXPECT_EQ(atEnd.blinkCells, QList<int> {CellIndex(2, 0)});
    EXPECT_EQ(atEnd.checkStage, 0);
    // Elsewhere the second walk meets a missing successor: a run-time failure.
    const StageResult inside = branches({"B-F-E", "  |  "});
    EXPECT_TRUE(inside.runtimeFailure);
    EXPECT_EQ(inside.checkStage, 0);
    EXPECT_EQ(inside.blinkCells, QList<int> {CellIndex(2, 0)});
}

TEST(CheckBranches, WalkNeedsBeginInSlotZero)
{
    FlowTable flow;
    const StageResult r = CheckBranches(BuildProgram({{"E-F-B"}, 0, 0, false}), flow);
    EXPECT_TRUE(r.runtimeFailure);
    EXPECT_EQ(r.checkStage, 0);
    EXPECT_TRUE(CheckBranches(WorkingProgram(), flow).runtimeFailure);

    WorkingProgram tooMany = BuildProgram({"B-E"});
    tooMany.SlotCount = IconSlotLimit + 1;
    EXPECT_TRUE(CheckBranches(tooMany, flow).runtimeFailure);
}
