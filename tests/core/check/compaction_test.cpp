#include "model/compaction.h"
#include "model/iconcatalogue.h"

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

// BEGIN, END and three icons, of which the ones in slots 2 and 3 are deleted.
WorkingProgram programWithGaps()
{
    WorkingProgram p = WorkingProgram::newProgram();
    p.placeNewIcon(4, 4, IconForward); // slot 2
    p.placeNewIcon(6, 4, IconWait); // slot 3
    p.placeNewIcon(8, 4, IconRepeat, QStringLiteral("17 1=5 &H00FFFFFF")); // slot 4
    p.CellContent(4, 4) = EmptyCell;
    p.freeSlot(2);
    p.CellContent(6, 4) = EmptyCell;
    p.freeSlot(3);
    return p;
}

} // namespace

TEST(CompactIconSlots, ClosesGapsAndRenumbersCells)
{
    WorkingProgram p = programWithGaps();
    const QList<CompactionMove> moves = CompactIconSlots(p);

    ASSERT_EQ(moves.size(), 1);
    EXPECT_EQ(moves[0], (CompactionMove {4, 2}));
    EXPECT_EQ(p.SlotCount, 3);
    EXPECT_EQ(p.SlotCell[2], CellIndex(8, 4));
    EXPECT_EQ(p.SlotParams[2], QStringLiteral("17 1=5 &H00FFFFFF"));
    EXPECT_EQ(p.CellContent(8, 4), IconRepeat * 1000 + 2);
    EXPECT_EQ(p.SlotCell[4], -1);
    EXPECT_EQ(p.SlotParams[4], FreeSlotParams);
    // BEGIN and END keep their slots.
    EXPECT_EQ(p.CellContent(2, 4), IconBegin * 1000 + 0);
    EXPECT_EQ(p.CellContent(20, 4), IconEnd * 1000 + 1);

    WorkingProgram broken = programWithGaps();
    broken.SlotCell[4] = 6000;
    EXPECT_THROW(CompactIconSlots(broken), LatticeIndexError);
}

TEST(CompactIconSlots, KeepsOrderAndLeavesDenseProgramsAlone)
{
    // [A, free, free, B, free, C]: B and C move down in order.
    WorkingProgram p = WorkingProgram::newProgram();
    for (int x = 4; x <= 14; x += 2)
        p.placeNewIcon(x, 8, IconForward); // slots 2 .. 7
    for (int slot : {3, 4, 6}) {
        p.CellContent.atIndex(p.SlotCell[slot]) = EmptyCell;
        p.freeSlot(slot);
    }
    const QList<CompactionMove> moves = CompactIconSlots(p);
    EXPECT_EQ(moves, (QList<CompactionMove> {{5, 3}, {7, 4}}));
    EXPECT_EQ(p.SlotCount, 5);
    EXPECT_EQ(p.SlotCell[3], CellIndex(10, 8));
    EXPECT_EQ(p.SlotCell[4], CellIndex(14, 8));
    EXPECT_EQ(p.iconsInUse(), 5);

    const WorkingProgram before = p;
    EXPECT_TRUE(CompactIconSlots(p).isEmpty());
    EXPECT_EQ(p, before);

    // Free slots only at the end: nothing moves, SlotCount drops to the slots in use.
    p.CellContent(14, 8) = EmptyCell;
    p.freeSlot(4);
    EXPECT_TRUE(CompactIconSlots(p).isEmpty());
    EXPECT_EQ(p.SlotCount, 4);
}
