#include "sessiontestsupport.h"

#include "model/iconcatalogue.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

int markedCells(const WorkingProgram &program)
{
    int n = 0;
    for (int x = 0; x < LatticeColumns; ++x)
        for (int y = 0; y < LatticeRows; ++y)
            n += program.CellMark(x, y) == 1 ? 1 : 0;
    return n;
}

void settleMarks(EditorSession &session)
{
    session.BlinkTick();
    session.BlinkTick();
}

} // namespace

TEST(SessionBox, CornersGiveTheBoxAndASecondBoxIsRefused)
{
    SessionFixture f;
    f.session.SurfaceRelease(4, 2, false);
    EXPECT_EQ(f.state().BoxState, 1);
    EXPECT_EQ(f.view().cellColour(4, 2), ColourCorner);
    EXPECT_EQ(f.state().CurrentCell, CellIndex(4, 2));
    f.session.SurfaceRelease(2, 6, false);
    EXPECT_EQ(f.state().BoxX, 2);
    EXPECT_EQ(f.state().BoxY, 2);
    EXPECT_EQ(f.state().BoxWidth, 3);
    EXPECT_EQ(f.state().BoxHeight, 5);
    EXPECT_EQ(f.state().BoxState, -1);
    EXPECT_EQ(f.state().CurrentCell, CellIndex(2, 6));
    EXPECT_EQ(markedCells(f.program()), 15);
    EXPECT_EQ(f.mark(4, 6), 1);
    EXPECT_EQ(f.view().cellColour(4, 2), ColourWhite);

    // One more corner is pending (a destination); a second box is refused.
    f.session.SurfaceRelease(10, 10, false);
    EXPECT_EQ(f.state().BoxState, 1);
    f.session.SurfaceRelease(12, 12, false);
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"ＢＯＸの選択は１つのみです。"));
    EXPECT_EQ(f.state().BoxState, -1);
    EXPECT_EQ(f.state().BoxWidth, 3);
    EXPECT_EQ(f.view().cellColour(10, 10), ColourWhite);

    // Clicking the pending corner again drops it.
    SessionFixture g;
    g.session.SurfaceRelease(6, 6, false);
    g.session.SurfaceRelease(6, 6, true);
    EXPECT_EQ(g.state().BoxState, -1);
    EXPECT_EQ(g.state().CurrentCell, -1);
    EXPECT_EQ(markedCells(g.program()), 0);
}

TEST(SessionSelection, LeftClicksSelectAndUnselect)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.session.IconPress(2, true);
    EXPECT_EQ(f.mark(6, 8), 1);
    EXPECT_EQ(f.state().CurrentCell, CellIndex(6, 8));
    EXPECT_FALSE(f.view().undoAvailable); // a click on an icon spends the checkpoint
    f.session.IconPress(2, true);
    EXPECT_EQ(f.mark(6, 8), 2);
    EXPECT_EQ(f.state().CurrentCell, -1);

    f.session.SurfaceRelease(10, 8, true);
    EXPECT_EQ(f.mark(10, 8), 1);
    f.session.SurfaceRelease(10, 8, true);
    EXPECT_EQ(f.mark(10, 8), 2);
    EXPECT_EQ(f.view().cellColour(10, 8), ColourWhite);
}

TEST(SessionMove, RefusalsLeaveTheSourcesSelected)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.session.IconPress(2, true);
    f.session.MoveSelection();
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"移動先はマウス右で指示してください。"));
    f.session.CopySelection();
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"複写先はマウス右で指示してください。"));

    f.destination(7, 8); // one column: a connector
    f.session.MoveSelection();
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"移動先と元の座標形態が合いません"));
    EXPECT_EQ(f.state().BoxState, -1);
    EXPECT_EQ(f.state().CurrentCell, -1);
    EXPECT_EQ(f.mark(6, 8), 1);
    EXPECT_EQ(f.codeAt(6, 8), IconForward);

    f.destination(6, 11); // three rows
    f.session.CopySelection();
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"複写先と元の座標形態が合いません"));
    EXPECT_EQ(f.program().SlotCount, 3);

    SessionFixture g;
    g.destination(8, 8);
    g.session.MoveSelection();
    EXPECT_EQ(g.view().messageText, QStringLiteral(u"移動先もしくは元が選択されていません。"));
}

TEST(SessionMove, TwoColumnsOntoItsOwnCellsInBothDirections)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.line(7, 8);
    f.place(IconWait, 8, 8);
    f.box(6, 8, 8, 8);
    // Right by two: the destination is the selected Wait icon itself.
    f.session.IconPress(f.slotAt(8, 8), false);
    f.session.MoveSelection();
    EXPECT_TRUE(f.prompts.questions.isEmpty());
    EXPECT_EQ(f.content(6, 8), EmptyCell);
    EXPECT_EQ(f.content(7, 8), EmptyCell);
    EXPECT_EQ(f.codeAt(8, 8), IconForward);
    EXPECT_EQ(f.content(9, 8), LineCell);
    EXPECT_EQ(f.codeAt(10, 8), IconWait);
    EXPECT_EQ(f.program().SlotCell[2], CellIndex(8, 8));
    EXPECT_EQ(f.program().SlotCell[3], CellIndex(10, 8));
    EXPECT_EQ(f.view().pictures[3].topLeft, iconPicturePosition(10, 8));
    EXPECT_EQ(markedCells(f.program()), 0);
    EXPECT_EQ(f.state().CurrentCell, -1);

    // Left by two, back again.
    settleMarks(f.session);
    f.box(8, 8, 10, 8);
    f.destination(6, 8);
    f.session.MoveSelection();
    EXPECT_TRUE(f.prompts.questions.isEmpty());
    EXPECT_EQ(f.codeAt(6, 8), IconForward);
    EXPECT_EQ(f.content(7, 8), LineCell);
    EXPECT_EQ(f.codeAt(8, 8), IconWait);
    EXPECT_EQ(f.content(10, 8), EmptyCell);
}

TEST(SessionMove, TargetsOffTheLatticeStayWhileTheRestMoves)
{
    SessionFixture f;
    f.place(IconForward, 94, 8);
    f.place(IconWait, 98, 8);
    f.box(94, 8, 98, 8);
    f.destination(98, 10); // four columns right, two rows down
    f.session.MoveSelection();
    EXPECT_EQ(f.codeAt(98, 10), IconForward);
    EXPECT_EQ(f.content(94, 8), EmptyCell);
    EXPECT_EQ(f.codeAt(98, 8), IconWait);
    EXPECT_EQ(f.mark(98, 8), 1);
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"移動先が編集エリアを越えています"));
    EXPECT_EQ(f.view().messageBackground, ColourWarning);
}

TEST(SessionMove, OverwritingAskesAndBeginIsNeverATarget)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.place(IconWait, 10, 8);
    f.session.IconPress(2, true);
    f.session.IconPress(3, false); // destination on the Wait icon
    f.prompts.answers = {true};
    f.session.MoveSelection();
    ASSERT_EQ(f.prompts.questions.size(), 1);
    EXPECT_EQ(f.prompts.questions[0].title, QStringLiteral(u"移動先にアイコン有り"));
    EXPECT_EQ(f.prompts.questions[0].text, QStringLiteral(u"上書きしますか　"));
    EXPECT_EQ(f.prompts.questions[0].icon, MessageIcon::Warning);
    EXPECT_EQ(f.codeAt(10, 8), IconForward);
    EXPECT_FALSE(f.program().slotInUse(3));
    EXPECT_EQ(f.program().SlotParams[3], FreeSlotParams);
    EXPECT_FALSE(f.view().pictures[3].visible);

    settleMarks(f.session);
    f.session.IconPress(2, true);
    f.destination(2, 4); // BEGIN
    f.session.MoveSelection();
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"開始、終了の場所に移動できません"));
    EXPECT_EQ(f.codeAt(10, 8), IconForward);
    EXPECT_EQ(f.codeAt(2, 4), IconBegin);
}

TEST(SessionCopy, CopiesLinesAndIconsAndNoKeepsBothIcons)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.line(7, 8);
    f.box(6, 8, 7, 8);
    f.destination(6, 12);
    f.session.CopySelection();
    EXPECT_EQ(f.codeAt(6, 12), IconForward);
    EXPECT_EQ(f.content(7, 12), LineCell);
    EXPECT_EQ(f.codeAt(6, 8), IconForward); // the source stays
    EXPECT_EQ(f.slotAt(6, 12), 3);
    EXPECT_EQ(f.program().SlotParams[3], f.program().SlotParams[2]);
    EXPECT_EQ(f.view().labels[3][1].text, QStringLiteral(u"中"));

    // Onto an occupied cell, answered No.
    settleMarks(f.session);
    f.place(IconSetVariable, 10, 12);
    f.session.IconPress(f.slotAt(6, 12), true);
    f.session.IconPress(f.slotAt(10, 12), false);
    f.session.CopySelection();
    ASSERT_EQ(f.prompts.questions.size(), 1);
    EXPECT_EQ(f.prompts.questions[0].title, QStringLiteral(u"複写先にアイコン有り"));
    EXPECT_EQ(f.codeAt(10, 12), IconSetVariable);
    EXPECT_EQ(f.codeAt(6, 12), IconForward);
    EXPECT_EQ(f.mark(6, 12), 2);

    // BEGIN is never copied.
    settleMarks(f.session);
    f.session.IconPress(0, true);
    f.destination(2, 14);
    f.session.CopySelection();
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"開始、終了は複写できません。"));
    EXPECT_EQ(f.content(2, 14), EmptyCell);
}

TEST(SessionDelete, DeletesAllButBeginWhichStaysSelected)
{
    SessionFixture f;
    f.line(3, 4);
    f.place(IconForward, 4, 4);
    f.box(2, 4, 4, 4);
    f.session.DeleteSelection();
    EXPECT_EQ(f.codeAt(2, 4), IconBegin);
    EXPECT_EQ(f.mark(2, 4), 1);
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"開始、終了は削除できません"));
    EXPECT_EQ(f.content(3, 4), EmptyCell);
    EXPECT_EQ(f.content(4, 4), EmptyCell);
    EXPECT_FALSE(f.program().slotInUse(2));
    EXPECT_EQ(f.program().SlotCount, 3); // a deleted slot is not handed out again
    EXPECT_FALSE(f.view().pictures[2].visible);
    EXPECT_EQ(f.state().SlotModified[0], 1);
}

TEST(SessionUndo, RestoresDeleteMoveAndCopyOnceOnly)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.line(7, 8);
    f.place(IconRepeat, 8, 8);
    f.box(6, 8, 8, 8);
    const WorkingProgram selected = f.program();

    f.session.DeleteSelection();
    EXPECT_TRUE(f.view().undoAvailable);
    f.session.Undo();
    EXPECT_EQ(f.program(), selected);
    EXPECT_TRUE(f.view().pictures[3].visible);
    EXPECT_EQ(f.view().labels[3][1].text, QStringLiteral("1"));
    EXPECT_FALSE(f.view().undoAvailable);
    f.session.Undo(); // a second undo does nothing
    EXPECT_EQ(f.program(), selected);

    // Undo brought the marks back: move the same selection.
    f.destination(6, 12);
    const WorkingProgram beforeMove = f.program();
    f.session.MoveSelection();
    EXPECT_EQ(f.codeAt(8, 12), IconRepeat);
    f.session.Undo();
    EXPECT_EQ(f.program().CellContent, beforeMove.CellContent);
    EXPECT_EQ(f.program().SlotCell, beforeMove.SlotCell);
    EXPECT_EQ(f.program().CellMark, beforeMove.CellMark);
    EXPECT_EQ(f.view().pictures[3].topLeft, iconPicturePosition(8, 8));

    f.destination(6, 12);
    const WorkingProgram beforeCopy = f.program();
    f.session.CopySelection();
    EXPECT_EQ(f.program().SlotCount, 6);
    f.session.Undo();
    EXPECT_EQ(f.program().CellContent, beforeCopy.CellContent);
    EXPECT_EQ(f.program().SlotCount, beforeCopy.SlotCount);
    EXPECT_EQ(f.program().SlotParams, beforeCopy.SlotParams);
    EXPECT_FALSE(f.view().pictures[4].visible);
    EXPECT_FALSE(f.view().pictures[5].visible);

    // Replacing from the tray is undone with its parameters and labels.
    settleMarks(f.session);
    f.session.ClearSelection();
    f.session.TrayPress(IconSetLed, true);
    f.session.IconPress(3, true);
    EXPECT_EQ(f.view().labels[3][1].text, QStringLiteral("ON"));
    f.session.Undo();
    EXPECT_EQ(f.codeAt(8, 8), IconRepeat);
    EXPECT_EQ(f.program().SlotParams[3], QStringLiteral("17 1=1 &H00FFFFFF"));
    EXPECT_EQ(f.view().labels[3][1].text, QStringLiteral("1"));
}

TEST(SessionCompaction, ClosesGapsAndMovesPictures)
{
    SessionFixture f;
    f.place(IconForward, 6, 8); // 2
    f.place(IconWait, 8, 8); // 3
    f.place(IconBrake, 10, 8); // 4
    f.place(IconSetBeep, 12, 8); // 5
    f.box(8, 8, 10, 8);
    f.session.DeleteSelection();
    const QString beep = f.program().SlotParams[5];
    f.session.CompactIconSlots();
    EXPECT_EQ(f.program().SlotCount, 4);
    EXPECT_EQ(f.slotAt(12, 8), 3);
    EXPECT_EQ(f.program().SlotParams[3], beep);
    EXPECT_EQ(f.program().SlotCell[3], CellIndex(12, 8));
    EXPECT_FALSE(f.program().slotInUse(5));
    EXPECT_TRUE(f.view().pictures[3].visible);
    EXPECT_EQ(f.view().pictures[3].code, IconSetBeep);
    EXPECT_EQ(f.view().pictures[3].topLeft, iconPicturePosition(12, 8));
    EXPECT_FALSE(f.view().pictures[5].visible);
    EXPECT_FALSE(f.view().labels[5][1].visible);

    const WorkingProgram compact = f.program();
    f.session.CompactIconSlots();
    EXPECT_EQ(f.program(), compact);
}
