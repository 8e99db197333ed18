#include "check/neighbourscan.h"
#include "programbuilder.h"

#include <gtest/gtest.h>

using namespace zuvo;
using zuvo::test::BuildProgram;
using zuvo::test::ProgramPicture;

TEST(NeighbourScan, LinksDanglingLinesAndSlots)
{
    // A Light Branch at (2, 2) with lines right, up and left, and one down into nothing.
    const WorkingProgram p = BuildProgram({
        "  Y  ",
        "  |  ",
        "B-L-N",
        "  |  ",
    });
    const NeighbourScanResult scan = NeighbourScan(p, CellIndex(2, 2));
    EXPECT_EQ(scan.linkCount, 3);
    EXPECT_TRUE(scan.dangling);
    EXPECT_EQ(scan.state[ScanRight], LinkState::Linked);
    EXPECT_EQ(scan.state[ScanUp], LinkState::Linked);
    EXPECT_EQ(scan.state[ScanLeft], LinkState::Linked);
    EXPECT_EQ(scan.state[ScanDown], LinkState::Dangling);
    EXPECT_EQ(scan.neighbourSlot[ScanLeft], 0); // BEGIN
    EXPECT_EQ(scan.neighbourSlot[ScanUp], ContentSlot(p.CellContent(2, 0)));
    EXPECT_EQ(scan.neighbourSlot[ScanRight], ContentSlot(p.CellContent(4, 2)));
    EXPECT_EQ(scan.neighbourSlot[ScanDown], -1);

    // BEGIN at the left edge: nothing to its left, one link.
    const NeighbourScanResult begin = NeighbourScan(p, CellIndex(0, 2));
    EXPECT_EQ(begin.linkCount, 1);
    EXPECT_FALSE(begin.dangling);
    EXPECT_EQ(begin.state[ScanLeft], LinkState::NoLine);
}

TEST(NeighbourScan, LastColumnAndRowLookNoFurther)
{
    // Lines drawn into the storage-only column 99 and row 59 are not examined.
    ProgramPicture picture {{"B-E-", "  |"}, 96, 58};
    const WorkingProgram p = BuildProgram(picture);
    ASSERT_EQ(p.CellContent(99, 58), LineCell);
    ASSERT_EQ(p.CellContent(98, 59), LineCell);
    const NeighbourScanResult end = NeighbourScan(p, CellIndex(98, 58));
    EXPECT_EQ(end.linkCount, 1);
    EXPECT_FALSE(end.dangling);
    EXPECT_EQ(end.state[ScanRight], LinkState::NoLine);
    EXPECT_EQ(end.state[ScanDown], LinkState::NoLine);

    // One column further in, the far cell is inside and an empty one makes the line dangle.
    ProgramPicture inner {{"B-F-"}, 94, 0};
    const NeighbourScanResult forward = NeighbourScan(BuildProgram(inner), CellIndex(96, 0));
    EXPECT_TRUE(forward.dangling);
    EXPECT_EQ(forward.state[ScanRight], LinkState::Dangling);

    EXPECT_THROW(NeighbourScan(p, -1), LatticeIndexError);
    EXPECT_THROW(NeighbourScan(p, LastCellIndex + 1), LatticeIndexError);
}
