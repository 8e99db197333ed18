#include "check/neighbourscan.h"

namespace zuvo {

NeighbourScanResult NeighbourScan(const WorkingProgram &program, int cellIndex)
{
    if (cellIndex < 0 || cellIndex > LastCellIndex)
        throw LatticeIndexError("icon cell outside the lattice");
    const int x = CellX(cellIndex);
    const int y = CellY(cellIndex);

    struct Probe
    {
        ScanDirection direction;
        bool tested;
        int dx, dy;
    };
    // A far cell is examined whenever it lies inside the storage arrays, which for icon cells
    // (even coordinates) is exactly the lattice.
    const std::array<Probe, ScanDirections> probes = {{
        {ScanRight, x + 2 <= StorageColumns - 1, 1, 0},
        {ScanUp, y - 2 >= 0, 0, -1},
        {ScanLeft, x - 2 >= 0, -1, 0},
        {ScanDown, y + 2 <= StorageRows - 1, 0, 1},
    }};

    NeighbourScanResult result;
    for (const Probe &probe : probes) {
        if (!probe.tested)
            continue;
        if (program.CellContent(x + probe.dx, y + probe.dy) != LineCell)
            continue;
        const qint16 far = program.CellContent(x + 2 * probe.dx, y + 2 * probe.dy);
        if (far == EmptyCell) {
            result.state[probe.direction] = LinkState::Dangling;
            result.dangling = true;
        } else {
            result.state[probe.direction] = LinkState::Linked;
            result.neighbourSlot[probe.direction] = ContentSlot(far);
            ++result.linkCount;
        }
    }
    return result;
}

} // namespace zuvo
