#include "sessiontestsupport.h"

#include "model/iconcatalogue.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

const QString BeginEndRefusal = QStringLiteral(u"開始、終了がある所にアイコンは置けません");

} // namespace

TEST(SessionStart, NewEditorHoldsBeginEndAndTheTemplateEverywhere)
{
    SessionFixture f;
    EXPECT_EQ(f.content(2, 4), 29000);
    EXPECT_EQ(f.content(20, 4), 30001);
    EXPECT_EQ(f.program().SlotCount, 2);
    EXPECT_EQ(f.view().pictures[0].topLeft, QPoint(60, 119));
    EXPECT_TRUE(f.view().pictures[1].visible);
    EXPECT_EQ(f.view().tabCaptions[0], QStringLiteral(u"プログラム1"));
    for (const ProgramText &text : f.state().SlotText)
        EXPECT_EQ(text, ProgramTemplate());
    EXPECT_FALSE(f.view().undoAvailable);
    f.session.Undo();
    EXPECT_EQ(f.program().SlotCount, 2);

    f.session.ApplyCommandLine({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("Ghost")});
    EXPECT_EQ(f.state().GhostMode, 0);
    f.session.ApplyCommandLine({QStringLiteral("ghost"), QStringLiteral("HexDisp")});
    EXPECT_EQ(f.state().GhostMode, 0);
    EXPECT_EQ(f.state().HexDisp, 1);
}

TEST(SessionPlacement, APickPlacesOneIconAndEndsAtTheNextTick)
{
    SessionFixture f;
    f.session.TrayPress(IconForward, true);
    EXPECT_EQ(f.view().messageText, IconHelpText(IconForward));
    f.session.BlinkTick();
    EXPECT_TRUE(f.view().trayVisible[IconForward]);
    f.session.BlinkTick();
    EXPECT_FALSE(f.view().trayVisible[IconForward]); // blinking

    f.session.SurfaceRelease(6, 8, true);
    EXPECT_EQ(f.codeAt(6, 8), IconForward);
    EXPECT_EQ(f.program().SlotCell[2], CellIndex(6, 8));
    EXPECT_EQ(f.view().labels[2][1].text, QStringLiteral(u"中"));
    EXPECT_TRUE(f.view().undoAvailable);
    EXPECT_EQ(f.state().SlotModified[0], 1);
    f.session.BlinkTick();
    EXPECT_EQ(f.state().TrayPick, -1);
    EXPECT_TRUE(f.view().trayVisible[IconForward]);

    // With the pick gone a click on an empty cell selects it.
    f.session.SurfaceRelease(10, 8, true);
    EXPECT_EQ(f.content(10, 8), EmptyCell);
    EXPECT_EQ(f.mark(10, 8), 1);
    EXPECT_EQ(f.view().cellColour(10, 8), ColourBlink);

    // A second press on the picked icon drops the pick.
    f.session.ClearSelection();
    f.session.TrayPress(IconWait, true);
    f.session.TrayPress(IconWait, true);
    EXPECT_EQ(f.state().TrayPick, -1);
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
    f.line(5, 5);
    EXPECT_EQ(f.content(5, 5), EmptyCell);
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"四すみには接続線は配置できません"));
    EXPECT_EQ(f.prompts.beeps, 2);
}

TEST(SessionPlacement, FillingABoxJoinsTheNewIconsAndOnlyBeepsOnCorners)
{
    SessionFixture f;
    f.box(6, 10, 10, 11);
    f.session.TrayPress(IconBackward, true);
    for (int x : {6, 8, 10})
        EXPECT_EQ(f.codeAt(x, 10), IconBackward);
    EXPECT_EQ(f.content(7, 10), LineCell);
    EXPECT_EQ(f.content(6, 11), LineCell);
    EXPECT_EQ(f.content(7, 11), EmptyCell);
    EXPECT_EQ(f.prompts.beeps, 2); // the box's two corners
    EXPECT_EQ(f.state().CurrentCell, -1);
    EXPECT_EQ(f.state().BoxWidth, 0);
}

TEST(SessionPlacement, BeginIsNeverReplacedAndNopKeepsTheIconsOfABox)
{
    SessionFixture f;
    f.place(IconForward, 6, 4);
    f.box(2, 4, 8, 4);
    f.session.TrayPress(IconSpinLeft, true);
    EXPECT_EQ(f.codeAt(2, 4), IconBegin);
    EXPECT_EQ(f.view().messageText, BeginEndRefusal);
    EXPECT_EQ(f.slotAt(6, 4), 2); // replaced in its own slot
    EXPECT_EQ(f.program().SlotParams[2], QStringLiteral(u"07 1=中 &H00FFFFFF"));
    EXPECT_EQ(f.codeAt(8, 4), IconSpinLeft);

    f.place(IconWait, 6, 6);
    f.box(6, 6, 10, 6);
    f.session.TrayPress(IconNop, true);
    EXPECT_EQ(f.codeAt(6, 6), IconWait);
    EXPECT_EQ(f.codeAt(8, 6), IconNop);
    EXPECT_EQ(f.content(9, 6), LineCell);

    // Without a box Nop replaces the one selected icon.
    f.session.BlinkTick();
    f.session.BlinkTick();
    f.session.IconPress(f.slotAt(6, 6), true);
    f.session.TrayPress(IconNop, true);
    EXPECT_EQ(f.codeAt(6, 6), IconNop);

    // A picked icon replaces an icon it is pressed on, but not BEGIN.
    f.session.TrayPress(IconTouchBranch, true);
    f.session.IconPress(2, true);
    EXPECT_EQ(f.program().SlotParams[2], QStringLiteral(u"11 1=１ &H00FFFFFF"));
    f.session.IconPress(0, true); // still the just-placed pick
    EXPECT_EQ(f.codeAt(2, 4), IconBegin);
    EXPECT_EQ(f.view().messageText, BeginEndRefusal);
}

TEST(SessionPlacement, TheHundredAndFirstIconIsRefusedWithBothMessages)
{
    SessionFixture f;
    for (int slot = 2; slot < IconSlotLimit; ++slot)
        f.place(IconMotorOff, (slot % 50) * 2, 8 + (slot / 50) * 2);
    ASSERT_EQ(f.program().SlotCount, 100);
    f.session.TrayPress(IconForward, true);
    f.session.SurfaceRelease(0, 0, true);
    EXPECT_EQ(f.content(0, 0), EmptyCell);
    ASSERT_EQ(f.prompts.messages.size(), 1);
    const RecordedBox &box = f.prompts.messages.first();
    EXPECT_EQ(box.title, QStringLiteral(u"アイコン配置"));
    EXPECT_EQ(box.text,
              QStringLiteral(u"アイコンが予定数を超えました　　\r以後のデータは破棄します。"));
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_EQ(box.messageArea,
              QStringLiteral(u"表示用データが100を超えました。\r\n終了してください"));

    f.session.SurfaceRelease(4, 0, true);
    f.session.TrayPress(IconForward, true); // filling the selection
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
    f.session.SurfaceRelease(11, 9, true); // snaps up and left to (10, 8)
    EXPECT_EQ(f.codeAt(10, 8), IconForward);
    EXPECT_EQ(f.content(6, 4), EmptyCell);
    EXPECT_EQ(f.program().SlotCell[2], CellIndex(10, 8));
    EXPECT_EQ(f.view().pictures[2].topLeft, iconPicturePosition(10, 8));

    f.session.IconPress(2, true);
    f.session.IconDoubleClick(2);
    f.session.SurfaceRelease(20, 4, true); // onto END: they change places
    EXPECT_EQ(f.codeAt(20, 4), IconForward);
    EXPECT_EQ(f.codeAt(10, 8), IconEnd);
    EXPECT_EQ(f.program().SlotCell[1], CellIndex(10, 8));

    // A double-click on a selected icon unselects it first and starts no move.
    f.session.BlinkTick();
    f.session.BlinkTick();
    f.session.IconPress(2, true);
    f.session.IconPress(2, true);
    f.session.IconDoubleClick(2);
    EXPECT_EQ(f.state().MoveSlot, -1);
}

TEST(SessionDragMove, ADropOutsideTheLatticeChangesNothing)
{
    SessionFixture f;
    f.place(IconForward, 6, 4);
    const WorkingProgram before = f.program();
    f.session.IconPress(2, true);
    f.session.IconDoubleClick(2);
    f.session.IconRelease(2);
    f.session.SurfaceMove(QPoint(300, 200), true, false, false);
    EXPECT_EQ(f.view().dragPicturePos, QPoint(300, 200));
    EXPECT_EQ(f.view().pictures[2].topLeft, QPoint(300, 200));
    f.session.SurfaceRelease(PixelToLattice(-30), PixelToLattice(200), true);
    EXPECT_EQ(f.program().CellContent, before.CellContent);
    EXPECT_EQ(f.view().pictures[2].topLeft, iconPicturePosition(6, 4));
    EXPECT_FALSE(f.view().dragPicturePos.has_value());

    // Beyond the bottom right, through the picture's own release.
    f.session.BlinkTick();
    f.session.BlinkTick();
    f.session.IconPress(2, true);
    f.session.IconDoubleClick(2);
    f.session.IconRelease(2);
    f.session.SurfaceMove(QPoint(3100, 1900), true, false, false);
    f.session.IconRelease(2);
    EXPECT_EQ(f.program().CellContent, before.CellContent);
    EXPECT_EQ(f.program().SlotCell, before.SlotCell);
}

TEST(SessionDragMove, AClickOnAnotherIconAfterTheDoubleClickSwapsThem)
{
    SessionFixture f;
    f.place(IconForward, 4, 6);
    f.place(IconBackward, 8, 6);
    ASSERT_EQ(f.slotAt(4, 6), 2);
    ASSERT_EQ(f.slotAt(8, 6), 3);
    f.session.IconPress(2, true);
    f.session.IconRelease(2);
    f.session.IconDoubleClick(2);
    f.session.IconRelease(2);
    ASSERT_EQ(f.state().MoveSlot, 2);
    const UndoSnapshot checkpoint = f.session.undoSnapshot();

    // The click reaches the other icon's picture: it is the destination, not a selection.
    f.session.IconPress(3, true);
    EXPECT_NE(f.mark(8, 6), 1);
    f.session.IconRelease(3);
    EXPECT_EQ(f.codeAt(8, 6), IconForward);
    EXPECT_EQ(f.codeAt(4, 6), IconBackward);
    EXPECT_EQ(f.program().SlotCell[2], CellIndex(8, 6));
    EXPECT_EQ(f.program().SlotCell[3], CellIndex(4, 6));
    EXPECT_EQ(f.view().pictures[2].topLeft, iconPicturePosition(8, 6));
    EXPECT_EQ(f.view().pictures[3].topLeft, iconPicturePosition(4, 6));
    EXPECT_EQ(f.state().MoveSlot, -1);
    EXPECT_EQ(f.state().CurrentCell, -1);
    EXPECT_FALSE(f.view().dragPicturePos.has_value());
    // The checkpoint of the double-click is still the one undo goes back to.
    EXPECT_EQ(f.session.undoSnapshot().program.CellContent, checkpoint.program.CellContent);
    f.session.Undo();
    EXPECT_EQ(f.codeAt(4, 6), IconForward);
    EXPECT_EQ(f.codeAt(8, 6), IconBackward);

    // A press on another icon that then drags on carries the picture to the release point.
    f.session.ClearSelection(); // undo brought back the selection of the double-click
    f.session.BlinkTick();
    f.session.BlinkTick();
    f.session.IconPress(2, true);
    f.session.IconRelease(2);
    f.session.IconDoubleClick(2);
    f.session.IconRelease(2);
    f.session.IconPress(3, true);
    f.session.SurfaceMove(iconPicturePosition(12, 6), true, false, false);
    f.session.IconRelease(3);
    EXPECT_EQ(f.codeAt(12, 6), IconForward);
    EXPECT_EQ(f.content(4, 6), EmptyCell);
    EXPECT_EQ(f.codeAt(8, 6), IconBackward);
}

TEST(SessionDragMove, ADropAtOrBeyondTheRightOrBottomEdgeChangesNothing)
{
    SessionFixture f;
    f.place(IconForward, 6, 4);
    const WorkingProgram before = f.program();
    const auto carry = [&f] {
        f.session.BlinkTick();
        f.session.BlinkTick();
        f.session.IconPress(2, true);
        f.session.IconRelease(2);
        f.session.IconDoubleClick(2);
        f.session.IconRelease(2);
        ASSERT_EQ(f.state().MoveSlot, 2);
    };
    // Column 99 and row 59 are the first positions past the lattice; odd, they would snap
    // onto column 98 or row 58 if the snap came first.
    const QPoint drops[] = {{LatticeColumns, 4},
                            {6, LatticeRows},
                            {LatticeColumns, LatticeRows},
                            {LatticeColumns + 1, 4},
                            {6, LatticeRows + 1}};
    for (const QPoint drop : drops) {
        carry();
        f.session.SurfaceRelease(drop.x(), drop.y(), true);
        EXPECT_EQ(f.program().CellContent, before.CellContent) << drop.x() << "," << drop.y();
        EXPECT_EQ(f.program().SlotCell, before.SlotCell);
        EXPECT_EQ(f.view().pictures[2].topLeft, iconPicturePosition(6, 4));
        EXPECT_EQ(f.state().MoveSlot, -1);
    }
    // The same through the picture's release, with the picture dragged just past the last
    // icon column (pixel 2940 is column 99) and the last icon row (pixel 1760 is row 59).
    carry();
    f.session.SurfaceMove(QPoint(2940, 100), true, false, false);
    f.session.IconRelease(2);
    EXPECT_EQ(f.program().CellContent, before.CellContent);
    carry();
    f.session.SurfaceMove(QPoint(100, 1760), true, false, false);
    f.session.IconRelease(2);
    EXPECT_EQ(f.program().CellContent, before.CellContent);
    // The last icon cell itself still takes the icon.
    carry();
    f.session.SurfaceRelease(LatticeColumns - 1, LatticeRows - 1, true);
    EXPECT_EQ(f.codeAt(LatticeColumns - 1, LatticeRows - 1), IconForward);
}

TEST(SessionKeys, GridKeysScrollAndGhostKeysNeedGhostMode)
{
    SessionFixture f;
    f.session.GridKey(46); // Delete
    EXPECT_EQ(f.view().scroll.hValue, 2189);
    f.session.GridKey(36); // Home
    f.session.GridKey(39); // Right arrow
    EXPECT_EQ(f.view().scroll.hValue, 761);

    f.session.SurfaceRelease(8, 8, true);
    f.session.GridKey(82); // R
    EXPECT_EQ(f.mark(8, 8), 1);
    f.session.ApplyCommandLine({QStringLiteral("Ghost")});
    f.session.GridKey(82);
    EXPECT_EQ(f.mark(8, 8), 2);
}
