#pragma once
// NeighbourScan: the connection lines around one icon and the icons they lead to. The
// connection check counts the links; the branch check follows them.

#include "model/workingprogram.h"

#include <array>

namespace zuvo {

// In the order the scan runs.
enum ScanDirection : int { ScanRight = 0, ScanUp = 1, ScanLeft = 2, ScanDown = 3 };
constexpr int ScanDirections = 4;

enum class LinkState : int {
    Linked = 0, // a line leads to an occupied icon cell
    NoLine = 1, // no line, or the far cell lies outside the 100 x 60 arrays
    Dangling = 2, // a line leads to an empty icon cell
};

struct NeighbourScanResult
{
    std::array<LinkState, ScanDirections> state {LinkState::NoLine, LinkState::NoLine,
                                                 LinkState::NoLine, LinkState::NoLine};
    // Icon slot of each linked neighbour (ContentSlot of its CellContent), -1 elsewhere.
    std::array<int, ScanDirections> neighbourSlot {-1, -1, -1, -1};
    int linkCount = 0;
    bool dangling = false; // some direction is dangling: the scanned icon blinks

    bool linked(ScanDirection d) const { return state[d] == LinkState::Linked; }
};

// The order in which the branch check takes the neighbours of an icon.
constexpr std::array<ScanDirection, ScanDirections> SuccessorOrder
    = {ScanUp, ScanRight, ScanDown, ScanLeft};

// Scans the icon at cellIndex. Throws LatticeIndexError for a CellIndex outside 0 .. 5840.
NeighbourScanResult NeighbourScan(const WorkingProgram &program, int cellIndex);

} // namespace zuvo
