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
    EXPECT_EQ(f.view().cellColour(4, 2), ColourCorner);
    f.session.SurfaceRelease(2, 6, false);
    EXPECT_EQ(f.state().BoxX, 2);
    EXPECT_EQ(f.state().BoxY, 2);
    EXPECT_EQ(f.state().BoxWidth, 3);
    EXPECT_EQ(f.state().BoxHeight, 5);
    EXPECT_EQ(f.state().CurrentCell, CellIndex(2, 6));
    EXPECT_EQ(markedCells(f.program()), 15);

    f.session.SurfaceRelease(10, 10, false); // a pending corner: the destination
    f.session.SurfaceRelease(12, 12, false);
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"ＢＯＸの選択は１つのみです。"));
    EXPECT_EQ(f.state().BoxState, -1);
    EXPECT_EQ(markedCells(f.program()), 15);

    SessionFixture g;
    g.session.SurfaceRelease(6, 6, false);
    g.session.SurfaceRelease(6, 6, true); // the pending corner again drops it
    EXPECT_EQ(g.state().BoxState, -1);
    EXPECT_EQ(g.state().CurrentCell, -1);
}

TEST(SessionMove, RefusalsLeaveTheSourcesSelected)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.session.IconPress(2, true);
    f.session.MoveSelection();
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"移動先はマウス右で指示してください。"));
    f.destination(7, 8);
    f.session.MoveSelection();
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"移動先と元の座標形態が合いません"));
    EXPECT_EQ(f.state().BoxState, -1);
    f.destination(6, 11);
    f.session.CopySelection();
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"複写先と元の座標形態が合いません"));
    EXPECT_EQ(f.mark(6, 8), 1);
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
    f.session.IconPress(f.slotAt(8, 8), false); // destination: the selected Wait icon
    f.session.MoveSelection();
    EXPECT_TRUE(f.prompts.questions.isEmpty());
    EXPECT_EQ(f.content(6, 8), EmptyCell);
    EXPECT_EQ(f.codeAt(8, 8), IconForward);
    EXPECT_EQ(f.content(9, 8), LineCell);
    EXPECT_EQ(f.codeAt(10, 8), IconWait);
    EXPECT_EQ(f.program().SlotCell[3], CellIndex(10, 8));
    EXPECT_EQ(f.view().pictures[3].topLeft, iconPicturePosition(10, 8));
    EXPECT_EQ(markedCells(f.program()), 0);

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
    f.destination(98, 10);
    f.session.MoveSelection();
    EXPECT_EQ(f.codeAt(98, 10), IconForward);
    EXPECT_EQ(f.content(94, 8), EmptyCell);
    EXPECT_EQ(f.codeAt(98, 8), IconWait);
    EXPECT_EQ(f.mark(98, 8), 1);
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"移動先が編集エリアを越えています"));
}

TEST(SessionMove, OverwritingAsksFirstAndBeginIsNoTarget)
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
    EXPECT_EQ(f.codeAt(10, 8), IconForward);
    EXPECT_EQ(f.program().SlotParams[3], FreeSlotParams);
    EXPECT_FALSE(f.view().pictures[3].visible);

    settleMarks(f.session);
    f.session.IconPress(2, true);
    f.destination(2, 4);
    f.session.MoveSelection();
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"開始、終了の場所に移動できません"));
    EXPECT_EQ(f.codeAt(2, 4), IconBegin);
}

TEST(SessionCopy, CopiesLinesAndIconsAndNoKeepsBoth)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.line(7, 8);
    f.box(6, 8, 7, 8);
    f.destination(6, 12);
    f.session.CopySelection();
    EXPECT_EQ(f.codeAt(6, 12), IconForward);
    EXPECT_EQ(f.content(7, 12), LineCell);
    EXPECT_EQ(f.codeAt(6, 8), IconForward);
    EXPECT_EQ(f.slotAt(6, 12), 3);
    EXPECT_EQ(f.view().labels[3][1].text, QStringLiteral(u"中"));

    settleMarks(f.session);
    f.place(IconSetVariable, 10, 12);
    f.session.IconPress(f.slotAt(6, 12), true);
    f.session.IconPress(f.slotAt(10, 12), false);
    f.session.CopySelection(); // answered No
    EXPECT_EQ(f.prompts.questions.last().title, QStringLiteral(u"複写先にアイコン有り"));
    EXPECT_EQ(f.codeAt(10, 12), IconSetVariable);
    EXPECT_EQ(f.mark(6, 12), 2);

    settleMarks(f.session);
    f.session.IconPress(0, true);
    f.destination(2, 14);
    f.session.CopySelection();
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"開始、終了は複写できません。"));
    EXPECT_EQ(f.content(2, 14), EmptyCell);
}

TEST(SessionCopy, ShiftOverTheGridCopiesOnceThenOnlyWarns)
{
    SessionFixture f;
    f.place(IconWait, 6, 8);
    f.session.IconPress(2, true);
    const QPoint overCell = iconPicturePosition(10, 8) + QPoint(5, 5);
    f.session.SurfaceMove(overCell, false, true, false);
    EXPECT_EQ(f.codeAt(10, 8), IconWait);
    EXPECT_EQ(f.state().BoxState, -1);
    f.session.SurfaceMove(overCell + QPoint(59 * 2, 0), false, true, false);
    EXPECT_EQ(f.content(12, 8), EmptyCell);
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"複写先もしくは元が選択されていません。"));
    f.session.SurfaceMove(overCell, false, true, true); // Shift with Ctrl: neither
    EXPECT_EQ(f.program().SlotCount, 4);
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
    EXPECT_EQ(f.program().SlotCount, 3);
}

TEST(SessionUndo, RestoresDeleteMoveCopyAndReplaceOnceOnly)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.line(7, 8);
    f.place(IconRepeat, 8, 8);
    f.box(6, 8, 8, 8);
    const WorkingProgram selected = f.program();
    f.session.DeleteSelection();
    f.session.Undo();
    EXPECT_EQ(f.program(), selected);
    EXPECT_TRUE(f.view().pictures[3].visible);
    EXPECT_FALSE(f.view().undoAvailable);
    f.session.Undo();
    EXPECT_EQ(f.program(), selected);

    f.destination(6, 12);
    const WorkingProgram beforeMove = f.program();
    f.session.MoveSelection();
    f.session.Undo();
    EXPECT_EQ(f.program(), beforeMove);
    EXPECT_EQ(f.view().pictures[3].topLeft, iconPicturePosition(8, 8));

    f.destination(6, 12);
    const WorkingProgram beforeCopy = f.program();
    f.session.CopySelection();
    f.session.Undo();
    EXPECT_EQ(f.program(), beforeCopy);
    EXPECT_FALSE(f.view().pictures[4].visible);

    f.session.ClearSelection();
    f.session.TrayPress(IconSetLed, true);
    f.session.IconPress(3, true);
    f.session.Undo();
    EXPECT_EQ(f.program().SlotParams[3], QStringLiteral("17 1=1 &H00FFFFFF"));
    EXPECT_EQ(f.view().labels[3][1].text, QStringLiteral("1"));
}

TEST(SessionCompaction, ClosesGapsAndMovesPictures)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.place(IconWait, 8, 8);
    f.place(IconBrake, 10, 8);
    f.place(IconSetBeep, 12, 8);
    f.box(8, 8, 10, 8);
    f.session.DeleteSelection(); // slots [BEGIN, END, A, free, free, B]
    f.session.CompactIconSlots();
    EXPECT_EQ(f.program().SlotCount, 4);
    EXPECT_EQ(f.slotAt(12, 8), 3);
    EXPECT_EQ(f.program().SlotParams[3], QStringLiteral("24 1=1 &H00FFFFFF"));
    EXPECT_EQ(f.view().pictures[3].code, IconSetBeep);
    EXPECT_EQ(f.view().pictures[3].topLeft, iconPicturePosition(12, 8));
    EXPECT_FALSE(f.view().pictures[5].visible);

    const WorkingProgram compact = f.program();
    f.session.CompactIconSlots();
    EXPECT_EQ(f.program(), compact);
}
