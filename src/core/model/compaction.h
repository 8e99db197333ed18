#pragma once
// Closing the gaps that deleted icons leave in the icon slots, so that slots 0 .. SlotCount - 1
// all hold icons. The grammar check runs it first; the editor refreshes its pictures from the
// moves it returns.

#include "model/workingprogram.h"

#include <QList>

namespace zuvo {

struct CompactionMove
{
    int from; // slot p whose icon moved
    int to; // slot q it now holds
    bool operator==(const CompactionMove &) const = default;
};

// Moves each icon into the lowest free slot, keeping the order of the slots; the icon's cell
// gets the IconCellContent of its code and new slot. SlotCount becomes the number of slots in use;
// a program without gaps is left unchanged. Throws LatticeIndexError when a slot names a cell
// outside the lattice (the moves made before it stay made).
QList<CompactionMove> CompactIconSlots(WorkingProgram &program);

} // namespace zuvo
