#include "sessiontestsupport.h"

#include "model/iconcatalogue.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

const QString BeginEndRefusal = QStringLiteral(u"開始、終了がある所にアイコンは置けません");

} // namespace

TEST(SessionStart, NewEditorHoldsBeginAndEndAndTheTemplateInEverySlot)
{
    SessionFixture f;
    EXPECT_EQ(f.content(2, 4), 29000);
    EXPECT_EQ(f.content(20, 4), 30001);
    EXPECT_EQ(f.program().SlotCount, 2);
    EXPECT_TRUE(f.view().pictures[0].visible);
    EXPECT_EQ(f.view().pictures[0].topLeft, QPoint(60, 119));
    EXPECT_EQ(f.view().pictures[1].code, IconEnd);
    EXPECT_EQ(f.view().tabCaptions[0], QStringLiteral(u"プログラム1"));
    EXPECT_EQ(f.view().tabCaptions[1], QStringLiteral(u"プログラム2"));
    for (const ProgramText &text : f.state().SlotText)
        EXPECT_EQ(text, ProgramTemplate());
    EXPECT_EQ(f.state().CurrentCell, -1);
    EXPECT_EQ(f.state().TrayPick, -1);
    EXPECT_FALSE(f.view().undoAvailable);
    EXPECT_TRUE(f.view().messageText.startsWith(QStringLiteral(u"アイコンｸﾞﾘｯﾄﾞを選択")));
    EXPECT_EQ(f.view().memo, QStringLiteral(u"プログラム履歴　メモ"));
    for (bool visible : f.view().trayVisible)
        EXPECT_TRUE(visible);
    EXPECT_EQ(f.view().checkMenuCaption, QStringLiteral(u"文法チェック"));
    EXPECT_FALSE(f.view().sendEnabled);

    // Undo right after the start does nothing.
    f.session.Undo();
    EXPECT_EQ(f.program().SlotCount, 2);
}

TEST(SessionStart, CommandLineWordsSetTheSwitchesOnlyAsFirstOrSecondWord)
{
    SessionFixture a;
    a.session.ApplyCommandLine({QStringLiteral("Ghost"), QStringLiteral("HexDisp")});
    EXPECT_EQ(a.state().GhostMode, 1);
    EXPECT_EQ(a.state().HexDisp, 1);
    SessionFixture b;
    b.session.ApplyCommandLine({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("Ghost")});
    EXPECT_EQ(b.state().GhostMode, 0);
    b.session.ApplyCommandLine({QStringLiteral("ghost"), QStringLiteral("Ghost")});
    EXPECT_EQ(b.state().GhostMode, 1);
    EXPECT_EQ(b.state().HexDisp, 0);
}

TEST(SessionPlacement, APickPlacesOneIconAndEndsAtTheNextTick)
{
    SessionFixture f;
    f.session.TrayPress(IconForward, true);
    EXPECT_EQ(f.state().TrayPick, IconForward);
    EXPECT_EQ(f.view().messageText, IconHelpText(IconForward));
    f.session.BlinkTick(); // phase 1: the picked picture shows
    EXPECT_TRUE(f.view().trayVisible[IconForward]);
    f.session.BlinkTick(); // phase 0: hidden
    EXPECT_FALSE(f.view().trayVisible[IconForward]);

    f.session.SurfaceRelease(6, 8, true);
    EXPECT_EQ(f.codeAt(6, 8), IconForward);
    EXPECT_EQ(f.slotAt(6, 8), 2);
    EXPECT_EQ(f.program().SlotParams[2], QStringLiteral(u"00 1=中 &H00FFFFFF"));
    EXPECT_EQ(f.program().SlotCell[2], CellIndex(6, 8));
    EXPECT_EQ(f.state().TrayPick, IconForward + 31);
    EXPECT_TRUE(f.view().pictures[2].visible);
    EXPECT_EQ(f.view().labels[2][1].text, QStringLiteral(u"中"));
    EXPECT_TRUE(f.view().undoAvailable);
    EXPECT_EQ(f.state().SlotModified[0], 1);

    f.session.BlinkTick();
    EXPECT_EQ(f.state().TrayPick, -1);
    EXPECT_TRUE(f.view().trayVisible[IconForward]);

    // With the pick gone, a click on an empty cell selects it.
    f.session.SurfaceRelease(10, 8, true);
    EXPECT_EQ(f.content(10, 8), EmptyCell);
    EXPECT_EQ(f.mark(10, 8), 1);
    EXPECT_EQ(f.view().cellColour(10, 8), ColourBlink);
    EXPECT_EQ(f.state().CurrentCell, CellIndex(10, 8));
}

TEST(SessionPlacement, PressingThePickedIconAgainDropsThePick)
{
    SessionFixture f;
    f.session.TrayPress(IconWait, true);
    f.session.BlinkTick();
    f.session.BlinkTick(); // hidden mid-blink
    f.session.TrayPress(IconWait, true);
    EXPECT_EQ(f.state().TrayPick, -1);
    EXPECT_TRUE(f.view().trayVisible[IconWait]);
    EXPECT_TRUE(f.view().messageText.startsWith(QStringLiteral(u"アイコンｸﾞﾘｯﾄﾞ")));
}

TEST(SessionPlacement, ConnectorsToggleTheirLineAndCornersAreRefused)
{
    SessionFixture f;
    f.line(5, 4);
    EXPECT_EQ(f.content(5, 4), LineCell);
    EXPECT_EQ(f.view().lineBar(5, 4), 1);
    f.line(5, 4);
    EXPECT_EQ(f.content(5, 4), EmptyCell);
    EXPECT_EQ(f.view().lineBar(5, 4), 0);
    f.line(4, 5);
    EXPECT_EQ(f.content(4, 5), LineCell);

    const int beeps = f.prompts.beeps;
    f.line(5, 5);
    EXPECT_EQ(f.content(5, 5), EmptyCell);
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"四すみには接続線は配置できません"));
    EXPECT_EQ(f.view().messageBackground, ColourWarning);
    EXPECT_EQ(f.prompts.beeps, beeps + 2);
}

TEST(SessionPlacement, FillingABoxJoinsNewIconsAndOnlyBeepsOnCorners)
{
    SessionFixture f;
    f.box(6, 10, 10, 11); // icons at (6,10), (8,10), (10,10); connectors and corners between
    const int beeps = f.prompts.beeps;
    f.session.TrayPress(IconBackward, true);
    EXPECT_EQ(f.codeAt(6, 10), IconBackward);
    EXPECT_EQ(f.codeAt(8, 10), IconBackward);
    EXPECT_EQ(f.codeAt(10, 10), IconBackward);
    EXPECT_EQ(f.content(7, 10), LineCell);
    EXPECT_EQ(f.content(9, 10), LineCell);
    EXPECT_EQ(f.content(6, 11), LineCell); // vertical connectors in the box's second row
    EXPECT_EQ(f.content(7, 11), EmptyCell); // corner
    EXPECT_EQ(f.prompts.beeps, beeps + 2); // two corners, one beep each
    EXPECT_EQ(f.program().SlotCount, 5);
    EXPECT_EQ(f.mark(8, 10), 2);
    EXPECT_EQ(f.state().CurrentCell, -1);
    EXPECT_EQ(f.state().BoxWidth, 0);
    EXPECT_EQ(f.state().TrayPick, -1);
    EXPECT_TRUE(f.view().undoAvailable);
}

TEST(SessionPlacement, FillingKeepsBeginAndNopKeepsIconsOfABox)
{
    SessionFixture f;
    f.place(IconForward, 6, 4);
    f.box(2, 4, 8, 4);
    f.session.TrayPress(IconSpinLeft, true);
    EXPECT_EQ(f.codeAt(2, 4), IconBegin);
    EXPECT_EQ(f.view().messageText, BeginEndRefusal);
    EXPECT_EQ(f.codeAt(4, 4), IconSpinLeft);
    EXPECT_EQ(f.codeAt(6, 4), IconSpinLeft); // replaced, same slot
    EXPECT_EQ(f.slotAt(6, 4), 2);
    EXPECT_EQ(f.program().SlotParams[2], QStringLiteral(u"07 1=中 &H00FFFFFF"));
    EXPECT_EQ(f.codeAt(8, 4), IconSpinLeft);

    // Nop with a box fills only the empty cells and connectors.
    f.place(IconWait, 6, 6);
    f.box(6, 6, 10, 6);
    f.session.TrayPress(IconNop, true);
    EXPECT_EQ(f.codeAt(6, 6), IconWait);
    EXPECT_EQ(f.codeAt(8, 6), IconNop);
    EXPECT_EQ(f.codeAt(10, 6), IconNop);
    EXPECT_EQ(f.content(7, 6), LineCell);

    // Without a box, Nop replaces a single selected icon.
    f.session.BlinkTick();
    f.session.BlinkTick();
    ASSERT_EQ(f.mark(6, 6), 0);
    f.session.IconPress(f.slotAt(6, 6), true);
    EXPECT_EQ(f.mark(6, 6), 1);
    f.session.TrayPress(IconNop, true);
    EXPECT_EQ(f.codeAt(6, 6), IconNop);
}

TEST(SessionPlacement, PickedIconReplacesAnIconButNotBegin)
{
    SessionFixture f;
    f.place(IconForward, 6, 4);
    f.session.TrayPress(IconTouchBranch, true);
    f.session.IconPress(2, true);
    EXPECT_EQ(f.codeAt(6, 4), IconTouchBranch);
    EXPECT_EQ(f.program().SlotParams[2], QStringLiteral(u"11 1=１ &H00FFFFFF"));
    EXPECT_EQ(f.state().TrayPick, IconTouchBranch + 31);
    f.session.IconPress(0, true); // BEGIN, still within the just-placed state
    EXPECT_EQ(f.codeAt(2, 4), IconBegin);
    EXPECT_EQ(f.view().messageText, BeginEndRefusal);
}

TEST(SessionPlacement, TheHundredAndFirstIconIsRefusedWithBothMessages)
{
    SessionFixture f;
    int placed = 2;
    for (int y = 8; y <= 58 && placed < IconSlotLimit; y += 2)
        for (int x = 0; x <= 98 && placed < IconSlotLimit; x += 2, ++placed)
            f.place(IconMotorOff, x, y);
    ASSERT_EQ(f.program().SlotCount, 100);
    f.session.TrayPress(IconForward, true);
    f.session.SurfaceRelease(0, 0, true);
    EXPECT_EQ(f.content(0, 0), EmptyCell);
    EXPECT_EQ(f.program().SlotCount, 100);
    ASSERT_EQ(f.prompts.messages.size(), 1);
    const RecordedBox &box = f.prompts.messages.first();
    EXPECT_EQ(box.title, QStringLiteral(u"アイコン配置"));
    EXPECT_EQ(box.text,
              QStringLiteral(u"アイコンが予定数を超えました　　\r以後のデータは破棄します。"));
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_EQ(box.messageArea,
              QStringLiteral(u"表示用データが100を超えました。\r\n終了してください"));

    // Filling a selection is refused the same way, under its own title.
    f.session.SurfaceRelease(4, 0, true);
    f.session.TrayPress(IconForward, true);
    EXPECT_EQ(f.prompts.messages.size(), 2);
    EXPECT_EQ(f.prompts.messages.last().title, QStringLiteral(u"アイコン選択"));
    EXPECT_EQ(f.content(4, 0), EmptyCell);
}

TEST(SessionDragMove, DoubleClickThenClickMovesOrSwaps)
{
    SessionFixture f;
    f.place(IconForward, 6, 4);
    // Press, release, double-click, release: the first press selects the icon.
    f.session.IconPress(2, true);
    f.session.IconRelease(2);
    f.session.IconDoubleClick(2);
    f.session.IconRelease(2);
    EXPECT_EQ(f.state().MoveSlot, 2);
    // Dropping on a connector snaps to the icon cell up and left of it.
    f.session.SurfaceRelease(11, 9, true);
    EXPECT_EQ(f.codeAt(10, 8), IconForward);
    EXPECT_EQ(f.content(6, 4), EmptyCell);
    EXPECT_EQ(f.program().SlotCell[2], CellIndex(10, 8));
    EXPECT_EQ(f.view().pictures[2].topLeft, iconPicturePosition(10, 8));
    EXPECT_EQ(f.state().MoveSlot, -1);
    EXPECT_EQ(f.mark(6, 4), 2);

    // Onto END: the two change places.
    f.session.IconPress(2, true);
    f.session.IconDoubleClick(2);
    f.session.SurfaceRelease(20, 4, true);
    EXPECT_EQ(f.codeAt(20, 4), IconForward);
    EXPECT_EQ(f.codeAt(10, 8), IconEnd);
    EXPECT_EQ(f.program().SlotCell[1], CellIndex(10, 8));
    EXPECT_EQ(f.program().SlotCell[2], CellIndex(20, 4));
    EXPECT_EQ(f.view().pictures[1].topLeft, iconPicturePosition(10, 8));
}

TEST(SessionDragMove, DraggedPictureFollowsThePointerAndADropOutsideChangesNothing)
{
    SessionFixture f;
    f.place(IconForward, 6, 4);
    f.session.IconPress(2, true);
    f.session.IconDoubleClick(2);
    f.session.IconRelease(2);
    f.session.SurfaceMove(QPoint(300, 200), true, false, false);
    ASSERT_TRUE(f.view().dragPicturePos.has_value());
    EXPECT_EQ(*f.view().dragPicturePos, QPoint(300, 200));
    EXPECT_EQ(f.view().pictures[2].topLeft, QPoint(300, 200));

    const WorkingProgram before = f.program();
    f.session.SurfaceMove(QPoint(-30, 200), true, false, false);
    f.session.SurfaceRelease(PixelToLattice(-30), PixelToLattice(200), true);
    EXPECT_EQ(f.program().CellContent, before.CellContent);
    EXPECT_EQ(f.program().SlotCell, before.SlotCell);
    EXPECT_EQ(f.view().pictures[2].topLeft, iconPicturePosition(6, 4));
    EXPECT_FALSE(f.view().dragPicturePos.has_value());
    EXPECT_EQ(f.state().MoveSlot, -1);

    // Beyond the right and bottom edges as well, through the picture's own release.
    f.session.BlinkTick();
    f.session.BlinkTick();
    f.session.IconPress(2, true);
    f.session.IconDoubleClick(2);
    f.session.IconRelease(2);
    f.session.SurfaceMove(QPoint(3100, 1900), true, false, false);
    f.session.IconRelease(2);
    EXPECT_EQ(f.program().CellContent, before.CellContent);
    EXPECT_EQ(f.view().pictures[2].topLeft, iconPicturePosition(6, 4));
}

TEST(SessionDragMove, DoubleClickOnASelectedIconStartsNoMove)
{
    SessionFixture f;
    f.place(IconForward, 6, 4);
    f.session.IconPress(2, true); // selects
    f.session.IconRelease(2);
    f.session.IconPress(2, true); // unselects: CurrentCell -1
    f.session.IconRelease(2);
    f.session.IconDoubleClick(2);
    EXPECT_EQ(f.state().MoveSlot, -1);
    EXPECT_TRUE(f.view().undoAvailable);
}

TEST(SessionKeys, GridKeysScrollAndGhostKeysNeedGhostMode)
{
    SessionFixture f;
    f.session.GridKey(46); // Delete: right edge
    EXPECT_EQ(f.view().scroll.hValue, 2189);
    f.session.GridKey(34); // Page Down: bottom edge
    EXPECT_EQ(f.view().scroll.vValue, f.view().scroll.vMax);
    f.session.GridKey(36); // Home
    EXPECT_EQ(f.view().scroll.hValue, 0);
    EXPECT_EQ(f.view().scroll.vValue, 0);
    f.session.GridKey(39); // Right arrow: one page
    EXPECT_EQ(f.view().scroll.hValue, 761);

    f.place(IconForward, 6, 4);
    f.session.SurfaceRelease(8, 8, true);
    f.session.GridKey(82); // R without GhostMode: nothing
    EXPECT_EQ(f.mark(8, 8), 1);
    f.session.ApplyCommandLine({QStringLiteral("Ghost")});
    f.session.GridKey(82);
    EXPECT_EQ(f.mark(8, 8), 2);
    f.session.GridKey(27); // Esc clears as well
    EXPECT_EQ(f.state().CurrentCell, -1);

    f.session.TrayPress(IconWait, true);
    for (int i = 0; i < 2 && f.view().trayVisible[IconWait]; ++i)
        f.session.BlinkTick();
    EXPECT_FALSE(f.view().trayVisible[IconWait]);
    f.session.GridKey(73); // I
    EXPECT_TRUE(f.view().trayVisible[IconWait]);
}
