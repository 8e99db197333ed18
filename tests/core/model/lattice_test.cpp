#include "model/lattice.h"
#include "model/workingprogram.h"

#include <gtest/gtest.h>

using namespace zuvo;

TEST(Lattice, NumberingBothWaysAtTheBoundaries)
{
    EXPECT_EQ(CellIndex(0, 0), 0);
    EXPECT_EQ(CellIndex(98, 58), 5840);
    EXPECT_EQ(CellX(398), 2);
    EXPECT_EQ(CellY(398), 4);
    EXPECT_EQ(CellX(416), 20);
    EXPECT_EQ(CellY(416), 4);
    EXPECT_EQ(RowOffset(2) + 2, 398);
    EXPECT_EQ(cellKind(2, 4), CellKind::Icon);
    EXPECT_EQ(cellKind(3, 4), CellKind::HorizontalConnector);
    EXPECT_EQ(cellKind(2, 5), CellKind::VerticalConnector);
    EXPECT_EQ(cellKind(3, 5), CellKind::Corner);
}

TEST(Lattice, HitTestMapsPitchEdges)
{
    EXPECT_EQ(PixelToLattice(0), 0);
    EXPECT_EQ(PixelToLattice(48), 0);
    EXPECT_EQ(PixelToLattice(49), 1);
    EXPECT_EQ(PixelToLattice(58), 1);
    EXPECT_EQ(PixelToLattice(59), 2);
    EXPECT_EQ(PixelToLattice(-1), -1);
    EXPECT_FALSE(insideLattice(PixelToLattice(SurfaceWidth - 1), 0)); // the edge pixel: x = 99
}

TEST(WorkingProgram, NewProgramHoldsBeginAndEndOnly)
{
    const WorkingProgram p = WorkingProgram::newProgram();
    EXPECT_EQ(p.SlotCount, 2);
    EXPECT_EQ(p.CellContent(2, 4), 29000);
    EXPECT_EQ(p.CellContent(20, 4), 30001);
    EXPECT_EQ(p.SlotCell[0], 398);
    EXPECT_EQ(p.SlotCell[1], 416);
    EXPECT_EQ(p.SlotParams[0], "29 0=");
    EXPECT_EQ(p.SlotParams[2], "***");
    EXPECT_THROW(p.CellContent(100, 0), LatticeIndexError);
    EXPECT_THROW(p.CellContent.atIndex(5841), LatticeIndexError);
}

TEST(Lattice, HitTestAtTheSurfaceEdges)
{
    EXPECT_EQ(PixelToLattice(2939), 98); // last pixel of the last icon column
    EXPECT_EQ(PixelToLattice(2940), 99); // the edge pixel, outside
    EXPECT_FALSE(insideLattice(99, 0));
    EXPECT_EQ(PixelToLattice(1759), 58);
    EXPECT_EQ(PixelToLattice(SurfaceHeight - 1), 59);
    EXPECT_FALSE(insideLattice(0, 59));
    EXPECT_TRUE(insideLattice(98, 58));
    EXPECT_EQ(CellX(LastCellIndex), 98);
    EXPECT_EQ(CellY(LastCellIndex), 58);
    EXPECT_EQ(cellKind(98, 58), CellKind::Icon);
    EXPECT_EQ(cellKind(97, 57), CellKind::Corner);
    EXPECT_EQ(RowOffset(29), CellIndex(0, 58));
}
