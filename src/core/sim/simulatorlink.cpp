#include "sim/simulatorlink.h"

namespace zuvo::sim {

SimulatorLink::SimulatorLink(const WorkingProgram &shown, const SimProgram &compiled)
    : m_shown(shown)
    , m_compiled(compiled)
{
}

bool SimulatorLink::stillShown(const WorkingProgram &now) const
{
    return now.SlotCount == m_shown.SlotCount && now.SlotCell == m_shown.SlotCell
        && now.SlotParams == m_shown.SlotParams && now.CellContent == m_shown.CellContent;
}

bool SimulatorLink::sameRun(const SimProgram &compiled, const WorkingProgram &now) const
{
    return compiled.code == m_compiled.code && compiled.slotOfAddress == m_compiled.slotOfAddress
        && compiled.slotCells == m_compiled.slotCells && stillShown(now);
}

int SimulatorLink::gridSlot(int compiledSlot, const WorkingProgram &now) const
{
    if (compiledSlot < 0 || !stillShown(now))
        return -1;
    // The compiled copy was compacted like the grid's program; its cell names the icon.
    const int cell = m_compiled.slotCells.value(compiledSlot, -1);
    if (cell < 0 || cell > LastCellIndex)
        return -1;
    const int content = now.CellContent.atIndex(cell);
    return ContentHoldsIcon(content) ? ContentSlot(content) : -1;
}

int ExecutingSlot(const Simulation &simulation, const QList<int> &slotOfAddress)
{
    if (simulation.stopped())
        return -1;
    return slotOfAddress.value(simulation.machine().executingAddress(), -1);
}

} // namespace zuvo::sim
