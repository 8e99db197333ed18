#include "check/runchecks.h"
#include "checkpictures.h"
#include "model/iconcatalogue.h"
#include "model/programtext.h"
#include "model/samples.h"
#include "programbuilder.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

TEST(RunChecks, BeginToEndPassesAllThreeStages)
{
    WorkingProgram program = BuildProgram({"B-E"});
    const CheckRun run = RunChecks(program);
    ASSERT_EQ(run.stages.size(), 3);
    EXPECT_TRUE(run.passed);
    EXPECT_EQ(run.stages[0].text,
              QStringLiteral(u"開始１個、終了１個です。\r\nアイコンの接続は正常"));
    EXPECT_EQ(
        run.stages[1].text,
        QStringLiteral(u"分岐は無し、合流は無し。\r\n正常です。再度ボタンを押して繰返検査へ進む"));
    EXPECT_EQ(
        run.stages[2].text,
        QStringLiteral(u"Ｌｏｏｐは無し、Ｒｅｐは無し\r\n正常です。プログラムを送信して下さい。"));
    EXPECT_TRUE(run.stages[2].completesCheck);
    EXPECT_EQ(run.flow.at(0, FlowSuccessor), 1);
}

TEST(RunChecks, StopsAtTheFirstFailingStage)
{
    WorkingProgram dangling = BuildProgram({"B-F-E", "  |  "});
    CheckRun run = RunChecks(dangling);
    ASSERT_EQ(run.stages.size(), 1);
    EXPECT_EQ(run.stages[0].checkStage, 2);
    EXPECT_FALSE(run.passed);

    // Two BEGINs only change the first stage's text; the walks start at slot 0 and never see
    // the second piece.
    WorkingProgram twoBegins = BuildProgram({"B-E", "   ", "B-E"});
    run = RunChecks(twoBegins);
    ASSERT_EQ(run.stages.size(), 3);
    EXPECT_TRUE(run.stages[0].text.startsWith(QStringLiteral(u"開始複数、終了複数です。")));
    EXPECT_TRUE(run.passed);

    WorkingProgram mismatched = BuildProgram({"B-P-F-S-E"});
    run = RunChecks(mismatched);
    ASSERT_EQ(run.stages.size(), 3);
    EXPECT_EQ(run.stages[2].checkStage, 1);
    EXPECT_FALSE(run.passed);

    WorkingProgram reversed = BuildProgram({{"E-B"}, 0, 0, false});
    run = RunChecks(reversed);
    ASSERT_EQ(run.stages.size(), 2);
    EXPECT_TRUE(run.stages[1].runtimeFailure);
}

TEST(RunChecks, CompactsFirst)
{
    // The Forward moved out to slot 12 leaves gaps the stages could not walk over.
    WorkingProgram program = BuildProgram(CorrectBranch);
    const int forward = ContentSlot(program.CellContent(6, 0));
    program.CellContent(6, 0) = static_cast<qint16>(IconForward * 1000 + 12);
    program.SlotCell[12] = program.SlotCell[forward];
    program.SlotParams[12] = program.SlotParams[forward];
    program.freeSlot(forward);
    program.SlotCount = 13;

    const CheckRun run = RunChecks(program);
    EXPECT_EQ(run.compaction.size(), 7);
    EXPECT_EQ(program.SlotCount, 10);
    EXPECT_TRUE(run.passed);
}

TEST(RunChecks, EveryBuiltInSamplePasses)
{
    int samples = 0;
    for (int n = 1; n <= SampleSetCount; ++n) {
        for (int k = 0; k < 4; ++k) {
            WorkingProgram program = LoadSlotText(BuiltInSampleSet(n).programs[k]);
            if (program.iconsInUse() <= 2)
                continue; // an empty slot of the set
            ++samples;
            const CheckRun run = RunChecks(program);
            QString texts;
            for (const StageResult &stage : run.stages)
                texts += stage.text + u'\n';
            EXPECT_TRUE(run.passed) << "set " << n << " slot " << k + 1 << "\n"
                                    << texts.toStdString();
        }
    }
    EXPECT_EQ(samples, 13);
}
