#include "model/workingprogram.h"

#include "model/iconcatalogue.h"

namespace zuvo {

WorkingProgram::WorkingProgram()
{
    SlotCell.fill(-1);
    SlotParams.fill(FreeSlotParams);
}

WorkingProgram WorkingProgram::newProgram()
{
    WorkingProgram p;
    p.PlaceStartAndEnd();
    p.Memo = NewProgramMemo;
    return p;
}

void WorkingProgram::clearLattice()
{
    CellContent.fill(EmptyCell);
    CellMark.fill(MarkNormal);
    SlotCell.fill(-1);
    SlotParams.fill(FreeSlotParams);
    SlotCount = 0;
}

void WorkingProgram::PlaceStartAndEnd()
{
    CellContent(2, 4) = IconCellContent(IconBegin, 0);
    SlotCell[0] = BeginCellIndex;
    SlotParams[0] = DefaultParams(IconBegin);
    CellContent(20, 4) = IconCellContent(IconEnd, 1);
    SlotCell[1] = EndCellIndex;
    SlotParams[1] = DefaultParams(IconEnd);
    SlotCount = 2;
}

int WorkingProgram::iconCodeAt(int x, int y) const
{
    const int v = CellContent(x, y);
    return ContentHoldsIcon(v) ? ContentIconCode(v) : -1;
}

bool WorkingProgram::holdsBeginOrEnd(int x, int y) const
{
    const int code = iconCodeAt(x, y);
    return code == IconBegin || code == IconEnd;
}

int WorkingProgram::placeNewIcon(int x, int y, int code)
{
    return placeNewIcon(x, y, code, DefaultParams(code));
}

int WorkingProgram::placeNewIcon(int x, int y, int code, const QString &params)
{
    const int slot = SlotCount;
    if (slot < 0 || slot >= IconSlotLimit)
        throw LatticeIndexError("no icon slot left");
    CellContent(x, y) = IconCellContent(code, slot);
    SlotParams[slot] = params;
    SlotCell[slot] = static_cast<qint16>(CellIndex(x, y));
    ClaimSlot();
    return slot;
}

void WorkingProgram::replaceIcon(int x, int y, int code)
{
    const int slot = ContentSlot(CellContent(x, y));
    CellContent(x, y) = IconCellContent(code, slot);
    SlotParams.at(slot) = DefaultParams(code);
}

void WorkingProgram::freeSlot(int slot)
{
    SlotCell.at(slot) = -1;
    SlotParams.at(slot) = FreeSlotParams;
}

int WorkingProgram::iconsInUse() const
{
    int n = 0;
    for (int s = 0; s < SlotCount && s < IconSlotLimit; ++s)
        if (SlotCell[s] >= 0)
            ++n;
    return n;
}

} // namespace zuvo
