#include "sessiontestsupport.h"

#include "model/iconcatalogue.h"
#include "model/samples.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

TEST(SessionSlots, SwitchingAwayAndBackRestoresTheProgramRenumbered)
{
    SessionFixture f;
    f.place(IconForward, 6, 8); // slot 2
    f.place(IconWait, 8, 8); // slot 3, deleted below
    f.place(IconSetVariable, 10, 8); // slot 4
    f.line(7, 8);
    f.session.IconPress(3, true);
    f.session.DeleteSelection();
    f.session.SetMemoText(QStringLiteral(u"一行目\r\n二行目"));
    f.session.SetScroll(300, 120);
    const QString setVariable = f.program().SlotParams[4];

    f.session.SwitchSlot(1);
    EXPECT_EQ(f.state().CurrentSlot, 1);
    EXPECT_EQ(f.program().SlotCount, 2);
    EXPECT_EQ(f.content(6, 8), EmptyCell);
    EXPECT_FALSE(f.view().pictures[2].visible);
    EXPECT_EQ(f.view().scroll.hValue, 0);
    EXPECT_EQ(f.view().memo, QStringLiteral(u"プログラム履歴　メモ\r\n"));
    EXPECT_FALSE(f.view().undoAvailable);

    f.session.SwitchSlot(0);
    EXPECT_EQ(f.codeAt(6, 8), IconForward);
    EXPECT_EQ(f.content(7, 8), LineCell);
    EXPECT_EQ(f.content(8, 8), EmptyCell);
    EXPECT_EQ(f.slotAt(10, 8), 3); // renumbered past the deleted slot
    EXPECT_EQ(f.program().SlotParams[3], setVariable);
    EXPECT_EQ(f.program().SlotCount, 4);
    EXPECT_TRUE(f.view().pictures[3].visible);
    EXPECT_EQ(f.view().pictures[3].code, IconSetVariable);
    EXPECT_FALSE(f.view().pictures[4].visible);
    EXPECT_EQ(f.view().labels[3][2].text, QStringLiteral(u"Ａ"));
    EXPECT_EQ(f.view().lineBar(7, 8), 1);
    EXPECT_EQ(f.view().memo, QStringLiteral(u"一行目\r\n二行目"));
    EXPECT_EQ(f.view().scroll.hValue, 300);
    EXPECT_EQ(f.view().scroll.vValue, 120);
}

TEST(SessionSlots, ClickingTheCurrentTabOnlyResetsTheCheck)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.session.RunGrammarCheck();
    ASSERT_EQ(f.view().checkPicture, 1);
    const WorkingProgram before = f.program();
    f.session.SwitchSlot(0);
    EXPECT_EQ(f.view().checkPicture, 0);
    EXPECT_EQ(f.state().CheckStage, 0);
    EXPECT_EQ(f.program(), before);
}

TEST(SessionSlots, CopyingSlotZeroOntoSlotTwo)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    const WorkingProgram shown = f.program();
    f.session.CopySlotTo(2); // answered No
    EXPECT_EQ(f.state().CurrentSlot, 0);
    ASSERT_EQ(f.prompts.questions.size(), 1);
    EXPECT_EQ(f.prompts.questions[0].title, QStringLiteral(u"プログラム間の複写"));
    EXPECT_EQ(f.prompts.questions[0].text,
              QStringLiteral(u"複写先が書き換えられます。　　\rよろしいですか？"));

    f.prompts.answers = {true, true};
    f.session.CopySlotTo(2);
    EXPECT_EQ(f.state().CurrentSlot, 2);
    EXPECT_EQ(f.program(), shown); // the grid is not reloaded
    EXPECT_EQ(f.state().SlotModified[2], 1);
    EXPECT_EQ(f.view().tabCaptions[2], QStringLiteral(u"プログラム3"));
    EXPECT_EQ(f.state().SlotText[2], f.state().SlotText[0]);
    // The repeated event asks again and changes nothing.
    f.session.CopySlotTo(2);
    EXPECT_EQ(f.prompts.questions.size(), 3);
    EXPECT_EQ(f.state().CurrentSlot, 2);

    f.session.SwitchSlot(0);
    EXPECT_EQ(f.codeAt(6, 8), IconForward);
}

TEST(SessionSlots, NewProgramAsksOnlyForAModifiedSlotAndSetsTheCaption)
{
    SessionFixture f;
    f.session.NewProgramCommand();
    EXPECT_TRUE(f.prompts.questions.isEmpty());

    f.place(IconForward, 6, 8);
    f.session.NewProgramCommand(); // No
    ASSERT_EQ(f.prompts.questions.size(), 1);
    EXPECT_EQ(f.prompts.questions[0].title, QStringLiteral(u"新規読み込み"));
    EXPECT_EQ(f.codeAt(6, 8), IconForward);

    f.session.LoadSampleSet(1);
    f.session.SwitchSlot(2);
    ASSERT_EQ(f.view().tabCaptions[2], QStringLiteral(u"向きを変えて戻る"));
    f.prompts.answers = {true};
    f.place(IconWait, 30, 30);
    f.session.NewProgramCommand();
    EXPECT_EQ(f.view().tabCaptions[2], QStringLiteral(u"プログラム3"));
    EXPECT_EQ(f.program().SlotCount, 2);
    EXPECT_EQ(f.content(30, 30), EmptyCell);
    EXPECT_FALSE(f.view().pictures[2].visible);
    EXPECT_EQ(f.view().memo, QStringLiteral(u"プログラム履歴　メモ"));
    EXPECT_EQ(f.state().SlotModified[2], 0);
    EXPECT_EQ(f.state().SlotFilePath[2], QString());

    // The checkpoint (taken as the Wait icon was placed) survives the new program.
    f.session.Undo();
    EXPECT_EQ(f.codeAt(8, 4), IconSpinRight);
    EXPECT_EQ(f.content(30, 30), EmptyCell);
}

TEST(SessionSamples, SetThreeAndItsCaptions)
{
    SessionFixture f;
    f.session.SwitchSlot(3);
    f.session.LoadSampleSet(3);
    EXPECT_EQ(f.state().CurrentSlot, 0);
    EXPECT_EQ(f.view().tabCaptions,
              (std::array<QString, 4> {
                  QStringLiteral(u"暗くなるとブザー"), QStringLiteral(u"光に反応して動く"),
                  QStringLiteral(u"プログラム３"), QStringLiteral(u"プログラム４")}));
    EXPECT_EQ(f.codeAt(6, 2), IconYes); // 204
    EXPECT_EQ(f.content(3, 4), LineCell); // 399
    EXPECT_EQ(f.program().SlotCount, 12);
    EXPECT_TRUE(f.view().pictures[11].visible);
    f.session.SwitchSlot(2);
    EXPECT_EQ(f.program().SlotCount, 2);
    EXPECT_EQ(f.codeAt(20, 4), IconEnd);

    // Sample (1)-3 ends its memo list right after "END": both scroll positions read 0.
    f.session.SetScroll(700, 300);
    f.session.ApplyStartRequest(11);
    f.session.SwitchSlot(2);
    EXPECT_EQ(f.view().scroll.hValue, 0);
    EXPECT_EQ(f.view().scroll.vValue, 0);
    EXPECT_EQ(f.codeAt(8, 4), IconSpinRight); // 404
}
