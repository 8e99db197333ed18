#include "model/iconcatalogue.h"
#include "model/parameterstring.h"
#include "model/samples.h"
#include "partsfixture.h"
#include "session/hiddenclipboard.h"
#include "session/memowords.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;
using namespace Qt::StringLiterals;

namespace {

const QString ForwardParams = u"00 1=中 &H00FFFFFF"_s;

// Forward at (4, 4) joined to BEGIN by a line at (3, 4).
void beginLineForward(PartsEditor &e)
{
    e.place(IconForward, 4, 4);
    e.line(3, 4);
}

} // namespace

TEST(HiddenClipboard, PasteOriginTakesTheKindOfTheCopiedCorner)
{
    EXPECT_EQ(AlignPasteOrigin(10, 10, u"00"_s), QPoint(10, 10));
    EXPECT_EQ(AlignPasteOrigin(10, 10, u"11"_s), QPoint(9, 9));
    EXPECT_EQ(AlignPasteOrigin(9, 9, u"00"_s), QPoint(10, 10));
    EXPECT_EQ(AlignPasteOrigin(9, 10, u"10"_s), QPoint(9, 10));
    EXPECT_EQ(AlignPasteOrigin(97, 57, u"00"_s), QPoint(98, 58)) << "never past the last cell";
    EXPECT_EQ(PasteTarget(QPoint(10, 10), 2 * 99 + 3), QPoint(13, 12));
    EXPECT_EQ(PasteTarget(QPoint(97, 10), 2), std::nullopt);
    EXPECT_EQ(PasteTarget(QPoint(-1, 10), 1), QPoint(0, 10));
}

TEST(HiddenClipboard, BoxFromAConnectorColumnPastesOneColumnLeftInAnyProgramSlot)
{
    PartsEditor e;
    beginLineForward(e);
    e.box(3, 4, 4, 4);
    e.session.CopyBoxToClip();
    EXPECT_EQ(e.state().ClipLines, u"0,END"_s);
    EXPECT_EQ(e.state().ClipIcons, u"1,"_s + ForwardParams + u",END"_s);
    EXPECT_EQ(e.state().ClipParity, u"10"_s);
    EXPECT_EQ(e.state().CurrentCell, -1);
    EXPECT_EQ(e.state().BoxWidth, 0);
    EXPECT_EQ(e.program().CellMark(3, 4), 2);

    e.session.SwitchSlot(2); // the clipboard outlives the program it came from
    e.session.SurfaceRelease(10, 10, true); // select an empty icon cell
    ASSERT_EQ(e.state().CurrentCell, CellIndex(10, 10));
    const int slotsBefore = e.program().SlotCount;
    e.session.PasteClip();
    EXPECT_TRUE(e.program().holdsLine(9, 10));
    ASSERT_TRUE(e.program().holdsIcon(10, 10));
    const int slot = e.slotAt(10, 10);
    EXPECT_EQ(slot, slotsBefore);
    EXPECT_EQ(e.program().SlotCount, slotsBefore + 1);
    EXPECT_EQ(e.program().SlotParams[slot], ForwardParams);
    EXPECT_EQ(e.program().SlotCell[slot], CellIndex(10, 10));
    EXPECT_TRUE(e.view().pictures[slot].visible);
    EXPECT_EQ(e.view().labels[slot][1].text, u"中"_s);
    EXPECT_EQ(e.program().CellMark(9, 10), 2) << "the aligned origin settles";
    EXPECT_EQ(e.state().CurrentCell, -1);
    EXPECT_TRUE(e.view().undoAvailable);
    EXPECT_EQ(e.state().SlotModified[2], 1);

    e.session.Undo();
    EXPECT_FALSE(e.program().holdsIcon(10, 10));
    EXPECT_FALSE(e.program().holdsLine(9, 10));
}

TEST(HiddenClipboard, PasteNeedsACopyAndACurrentCell)
{
    PartsEditor e;
    beginLineForward(e);
    e.session.SurfaceRelease(10, 10, true);
    const WorkingProgram before = e.program();
    const WorkingProgram checkpoint = e.session.undoSnapshot().program;
    e.session.PasteClip();
    EXPECT_EQ(e.program(), before);
    EXPECT_EQ(e.session.undoSnapshot().program, checkpoint) << "no checkpoint taken";
    EXPECT_EQ(e.state().CurrentCell, CellIndex(10, 10));

    // Copying without a box gives an empty copy: pasting it only unmarks the current cell.
    e.session.CopyBoxToClip();
    EXPECT_EQ(e.state().ClipLines, u"END"_s);
    EXPECT_EQ(e.state().ClipIcons, u"END"_s);
    e.settle();
    e.session.SurfaceRelease(12, 10, true);
    ASSERT_EQ(e.program().CellMark(12, 10), 1);
    e.session.PasteClip();
    EXPECT_EQ(e.program().CellMark(12, 10), 2);
    EXPECT_EQ(e.program().CellContent, before.CellContent);
    EXPECT_EQ(e.program().SlotCount, before.SlotCount);
    EXPECT_EQ(e.state().CurrentCell, -1);

    // A copy but no current cell: nothing.
    e.settle();
    const WorkingProgram settled = e.program();
    e.session.PasteClip();
    EXPECT_EQ(e.program(), settled);
}

TEST(HiddenClipboard, PasteSkipsOccupiedCellsBeginEndAndTheLatticeEdge)
{
    PartsEditor e;
    beginLineForward(e);
    e.place(IconSetLed, 4, 12);
    const int led = e.slotAt(4, 12);
    e.box(2, 4, 4, 4);
    e.session.CopyBoxToClip();
    EXPECT_EQ(e.state().ClipIcons,
              u"0,"_s + DefaultParams(IconBegin) + u",2,"_s + ForwardParams + u",END"_s)
        << "a copy takes BEGIN along";
    EXPECT_EQ(e.state().ClipParity, u"00"_s);

    e.session.SurfaceRelease(2, 12, true);
    const int slotsBefore = e.program().SlotCount;
    e.session.PasteClip();
    EXPECT_FALSE(e.program().holdsIcon(2, 12)) << "BEGIN is never pasted";
    EXPECT_TRUE(e.program().holdsLine(3, 12));
    EXPECT_EQ(e.slotAt(4, 12), led);
    EXPECT_EQ(e.program().SlotParams[led], u"23 1=ON &H00FFFFFF"_s);
    EXPECT_EQ(e.program().SlotCount, slotsBefore);

    // At the right edge only what fits is pasted.
    e.settle();
    e.session.SurfaceRelease(98, 20, true);
    e.session.PasteClip();
    EXPECT_EQ(e.program().SlotCount, slotsBefore);
    EXPECT_FALSE(e.program().holdsIcon(98, 20));
    int begins = 0;
    for (int s = 0; s < e.program().SlotCount; ++s)
        begins += ParamsIconCode(e.program().SlotParams[s]) == IconBegin ? 1 : 0;
    EXPECT_EQ(begins, 1);

    // A box copied from a connector column, pasted at column 0: the origin lies before the
    // lattice, and what would land there is dropped.
    e.box(3, 4, 4, 4);
    e.session.CopyBoxToClip();
    e.settle();
    e.session.SurfaceRelease(0, 20, true);
    e.session.PasteClip();
    EXPECT_TRUE(e.program().holdsIcon(0, 20));
    EXPECT_EQ(e.program().SlotParams[e.slotAt(0, 20)], ForwardParams);
    EXPECT_EQ(e.state().CurrentCell, -1);
}

TEST(HiddenClipboard, CutLeavesBeginAndUndoBringsTheCellsBack)
{
    PartsEditor e;
    beginLineForward(e);
    const int forward = e.slotAt(4, 4);
    e.box(2, 4, 4, 4);
    e.session.CutBoxToClip();
    EXPECT_EQ(e.state().ClipLines, u"1,END"_s);
    EXPECT_EQ(e.state().ClipIcons, u"2,"_s + ForwardParams + u",END"_s);
    EXPECT_EQ(e.program().iconCodeAt(2, 4), IconBegin);
    EXPECT_EQ(e.program().CellContent(3, 4), EmptyCell);
    EXPECT_EQ(e.program().CellContent(4, 4), EmptyCell);
    EXPECT_EQ(e.program().SlotCell[forward], -1);
    EXPECT_EQ(e.program().SlotParams[forward], FreeSlotParams);
    EXPECT_FALSE(e.view().pictures[forward].visible);
    EXPECT_TRUE(e.view().undoAvailable);

    e.session.Undo();
    EXPECT_TRUE(e.program().holdsLine(3, 4));
    EXPECT_EQ(e.slotAt(4, 4), forward);
    EXPECT_EQ(e.program().SlotParams[forward], ForwardParams);
    EXPECT_TRUE(e.view().pictures[forward].visible);

    // What was cut pastes back as it was.
    e.settle();
    e.session.SurfaceRelease(2, 8, true);
    e.session.PasteClip();
    EXPECT_TRUE(e.program().holdsLine(3, 8));
    EXPECT_EQ(e.program().SlotParams[e.slotAt(4, 8)], ForwardParams);
}

TEST(HiddenClipboard, PasteStopsAtTheIconCountLimit)
{
    PartsEditor e;
    e.place(IconForward, 4, 4);
    e.place(IconBackward, 6, 4);
    // Fill boxes with Motor Off up to 99 slotsBefore: 15 x 4, 9 x 3, then 8 icons.
    e.box(0, 20, 28, 26);
    e.session.TrayPress(IconMotorOff, true);
    e.box(0, 30, 16, 34);
    e.session.TrayPress(IconMotorOff, true);
    e.box(0, 40, 14, 40);
    e.session.TrayPress(IconMotorOff, true);
    e.settle();
    ASSERT_EQ(e.program().SlotCount, 99);

    e.box(4, 4, 6, 4);
    e.session.CopyBoxToClip();
    e.session.SurfaceRelease(60, 50, true);
    e.session.PasteClip();
    EXPECT_EQ(e.program().SlotCount, 100);
    EXPECT_EQ(e.program().iconCodeAt(60, 50), IconForward);
    EXPECT_FALSE(e.program().holdsIcon(62, 50));
    ASSERT_EQ(e.prompts.messages.size(), 1);
    EXPECT_EQ(e.prompts.messages[0].title, u"Ｐｕｔ＿Ｃｏｐｙ"_s);

    // The slotsBefore page lists every slot that exists, and no more.
    e.session.DebugViewStep();
    e.session.DebugViewStep();
    e.session.DebugViewStep();
    EXPECT_EQ(e.view().debugList.size(), 1 + IconSlotLimit);
}

TEST(DebugAids, RemoveCurrentIconTakesOnlyOrdinaryIcons)
{
    PartsEditor e;
    beginLineForward(e);
    e.session.SurfaceRelease(3, 4, false); // a pending corner on the line
    ASSERT_EQ(e.state().CurrentCell, CellIndex(3, 4));
    const WorkingProgram before = e.program();
    e.session.RemoveCurrentIcon();
    EXPECT_EQ(e.program().CellContent, before.CellContent);
    EXPECT_EQ(e.state().CurrentCell, -1);
    e.session.ClearSelection();
    e.settle();

    e.session.IconPress(0, true);
    e.session.RemoveCurrentIcon();
    EXPECT_EQ(e.program().iconCodeAt(2, 4), IconBegin);
    e.settle();

    const int forward = e.slotAt(4, 4);
    e.clickIcon(4, 4);
    e.session.RemoveCurrentIcon();
    EXPECT_EQ(e.program().CellContent(4, 4), EmptyCell);
    EXPECT_EQ(e.program().SlotCell[forward], -1);
    EXPECT_FALSE(e.view().pictures[forward].visible);
    EXPECT_EQ(e.program().CellMark(4, 4), 2);
    EXPECT_FALSE(e.view().undoAvailable) << "no undo checkpoint is taken";
    EXPECT_TRUE(e.view().form.mapVisible);
}

TEST(DebugAids, MemoWordsActOnlyWhenTheMemoHoldsExactlyTheWord)
{
    PartsEditor e;
    beginLineForward(e);
    e.box(3, 4, 4, 4);
    for (const QString &text : {u"cap_clip "_s, u"cap_clipx"_s, u"xcap_clip"_s, u"CAP_CLIP"_s}) {
        e.session.SetMemoText(text);
        EXPECT_TRUE(e.state().ClipLines.isEmpty()) << text.toStdString();
        EXPECT_EQ(e.view().memo, text);
    }
    e.session.SetMemoText(u"cap_clip"_s);
    EXPECT_EQ(e.state().ClipLines, u"0,END"_s);
    EXPECT_TRUE(e.view().memo.isEmpty());

    e.session.SetMemoText(u"raw_bits"_s);
    EXPECT_EQ(e.state().HexDisp, 1);
    e.session.SetMemoText(u"raw_bits"_s);
    EXPECT_EQ(e.state().HexDisp, 0);
    e.session.SetMemoText(u"bad_csum"_s);
    EXPECT_EQ(e.state().ChecksumTestFlag, 1);

    for (int i = 0; i < 3; ++i) {
        const QString name = MemoNameWord(i);
        EXPECT_TRUE(name.size() == 5 || name.size() == 6);
        EXPECT_EQ(name.count(u' '), 1);
        EXPECT_FALSE(name.startsWith(u' ') || name.endsWith(u' '));
    }
    e.session.SetMemoText(MemoNameWord(0));
    EXPECT_TRUE(e.view().debugPanelVisible);
    EXPECT_TRUE(e.view().memo.isEmpty());
    e.session.SetMemoText(MemoNameWord(2));
    EXPECT_EQ(e.state().GhostMode, 1);
    e.session.DebugViewStep();
    ASSERT_TRUE(e.view().debugListVisible);
    e.session.SetMemoText(MemoNameWord(1));
    EXPECT_FALSE(e.view().debugPanelVisible);
    EXPECT_FALSE(e.view().debugListVisible);
    EXPECT_EQ(e.state().GhostMode, 0);

    e.session.SetMemoText(u"合同会社\u3000vezudavi３"_s);
    EXPECT_EQ(e.view().tabCaptions, BuiltInSampleSet(3).captions);
    e.session.SetMemoText(u"合同会社\u3000vezudavi6"_s);
    EXPECT_EQ(e.view().tabCaptions, BuiltInSampleSet(3).captions);
}

TEST(DebugAids, GhostKeysReachTheClipboardOnlyInGhostMode)
{
    PartsEditor e;
    beginLineForward(e);
    e.box(3, 4, 4, 4);
    e.session.GridKey(67); // C
    EXPECT_TRUE(e.state().ClipLines.isEmpty());
    e.session.ApplyCommandLine({u"Ghost"_s});
    e.session.GridKey(67);
    EXPECT_EQ(e.state().ClipLines, u"0,END"_s);
    e.session.SurfaceRelease(10, 10, true);
    e.session.GridKey(86); // V
    EXPECT_TRUE(e.program().holdsIcon(10, 10));
    e.box(9, 10, 10, 10);
    e.session.GridKey(88); // X
    EXPECT_FALSE(e.program().holdsIcon(10, 10));
    e.session.GridKey(85); // U
    EXPECT_TRUE(e.program().holdsIcon(10, 10));
}

TEST(DebugAids, DebugButtonShowsFourPagesThenHidesTheList)
{
    PartsEditor e;
    e.session.SurfaceRelease(4, 2, true); // one selected cell
    const QString footer = u"e_click= 202 DrowPoint= 2"_s;

    e.session.DebugViewStep();
    EXPECT_TRUE(e.view().debugListVisible);
    const QStringList cells = e.view().debugList;
    ASSERT_EQ(cells.size(), 1 + 13 + 1 + 13 + 1 + 1);
    EXPECT_EQ(cells[0], u"Pic(x,y)"_s);
    EXPECT_TRUE(cells[1 + 4].startsWith(u" -1  -1  29000  -1 "_s)) << cells[5].toStdString();
    EXPECT_EQ(cells[1 + 4].count(u' '), 32);
    EXPECT_EQ(cells[14], u"C(x,y)"_s);
    EXPECT_EQ(cells[15 + 2], u"0 0 0 0 1 "_s + u"0 "_s.repeated(16) + u" = 1"_s);
    EXPECT_EQ(cells[15 + 3], u"0 "_s.repeated(21) + u" = 0"_s);
    EXPECT_EQ(cells[28], u"Z(2) 398 416 "_s + u"-1 "_s.repeated(14));
    EXPECT_EQ(cells[29], u"e_click= 202"_s);

    e.session.DebugViewStep();
    const QStringList marks = e.view().debugList;
    ASSERT_EQ(marks.size(), 1 + 30 + 1);
    EXPECT_EQ(marks[0], u"C(x,y)"_s);
    EXPECT_EQ(marks[1 + 2], u"0 0 0 0 1 "_s + u"0 "_s.repeated(45));
    EXPECT_EQ(marks[31], footer);

    e.session.DebugViewStep();
    EXPECT_EQ(e.view().debugList,
              QStringList({u"Z(x) Palam(x) "_s + footer, u"398-"_s + DefaultParams(IconBegin),
                           u"416-"_s + DefaultParams(IconEnd), u"-1-***"_s}));

    e.session.DebugViewStep();
    const QStringList flow = e.view().debugList;
    ASSERT_EQ(flow.size(), 1 + 11 + 1);
    EXPECT_EQ(flow[0], u"Z(x) Palam(x)"_s);
    for (int row = 1; row <= 11; ++row)
        EXPECT_EQ(flow[row].split(u' ').size(), 1 + 11) << flow[row].toStdString();
    EXPECT_EQ(flow[12], footer);
    EXPECT_TRUE(e.view().debugListVisible);

    e.session.DebugViewStep();
    EXPECT_FALSE(e.view().debugListVisible);
    EXPECT_EQ(e.state().DebugViewState, 0);
    e.session.DebugViewStep();
    EXPECT_TRUE(e.view().debugListVisible);
    EXPECT_EQ(e.view().debugList.first(), u"Pic(x,y)"_s);
}

TEST(DebugAids, SwitchesShowTheTransmitTextAndBendTheChecksum)
{
    PartsEditor e;
    e.session.ResizeEditor(1000, 626); // wider than 14000 twips
    e.session.SetMemoText(u"合同会社\u3000vezudavi１"_s);
    auto send = [&e] {
        for (int press = 0; press < 4; ++press)
            e.session.RunGrammarCheck();
    };
    send();
    ASSERT_EQ(e.prompts.transmissions.size(), 1) << e.view().messageText.toStdString();
    const QString plain = e.view().txData;
    EXPECT_FALSE(e.view().txDataVisible);

    e.session.SetMemoText(u"raw_bits"_s);
    e.session.SetMemoText(u"bad_csum"_s);
    send();
    ASSERT_EQ(e.prompts.transmissions.size(), 2);
    EXPECT_TRUE(e.view().txDataVisible);
    EXPECT_EQ(e.view().txData, plain + u" 5"_s);
    EXPECT_NE(e.prompts.transmissions[1], e.prompts.transmissions[0]);

    // At the design width the text stays hidden even with the switch on the command line.
    PartsEditor narrow;
    narrow.session.ApplyCommandLine({u"HexDisp"_s});
    narrow.session.SetMemoText(u"合同会社\u3000vezudavi１"_s);
    for (int press = 0; press < 4; ++press)
        narrow.session.RunGrammarCheck();
    ASSERT_EQ(narrow.prompts.transmissions.size(), 1);
    EXPECT_EQ(narrow.view().txData, plain);
    EXPECT_FALSE(narrow.view().txDataVisible);
}
