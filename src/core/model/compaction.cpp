#include "model/compaction.h"

#include "model/parameterstring.h"

#include <algorithm>

namespace zuvo {

QList<CompactionMove> CompactIconSlots(WorkingProgram &program)
{
    QList<CompactionMove> moves;
    const int count = std::min(program.SlotCount, IconSlotLimit);
    bool gapFound = false;
    int q = 0;
    for (; q < count; ++q) {
        if (program.slotInUse(q))
            continue;
        gapFound = true;
        int p = q + 1;
        while (p < count && !program.slotInUse(p))
            ++p;
        if (p >= count)
            break;

        const int cell = program.SlotCell[p];
        qint16 &content = program.CellContent.atIndex(cell);
        // The cell tells the icon's code; the parameters are the fallback should the two disagree.
        const int code = ContentHoldsIcon(content) ? ContentIconCode(content)
                                                   : ParamsIconCode(program.SlotParams[p]);
        content = IconCellContent(code, q);
        program.SlotCell[q] = program.SlotCell[p];
        program.SlotParams[q] = program.SlotParams[p];
        program.freeSlot(p);
        moves.append({p, q});
    }
    if (gapFound)
        program.SlotCount = q;
    return moves;
}

} // namespace zuvo
