#include "check/flowtable.h"

namespace zuvo {

FlowTable::FlowTable()
{
    for (auto &row : m_rows)
        row.fill(-1);
}

qint16 &FlowTable::at(int slot, int column)
{
    if (slot < 0 || slot >= IconSlotLimit || column < 0 || column >= FlowColumns)
        throw LatticeIndexError("FlowTable index out of range");
    return m_rows[static_cast<size_t>(slot)][static_cast<size_t>(column)];
}

qint16 FlowTable::at(int slot, int column) const
{
    return const_cast<FlowTable *>(this)->at(slot, column);
}

} // namespace zuvo
