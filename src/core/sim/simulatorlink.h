#pragma once
// The link between the simulator and the editor's grid: the program compiled for the simulator
// and the program as the grid showed it then. An executing instruction lights an icon on the
// grid only while the grid still shows that program.

#include "model/workingprogram.h"
#include "sim/simprogram.h"
#include "sim/simulation.h"

namespace zuvo::sim {

class SimulatorLink
{
public:
    SimulatorLink() = default;
    SimulatorLink(const WorkingProgram &shown, const SimProgram &compiled);

    const SimProgram &compiled() const { return m_compiled; }
    // The grid still shows the program compiled: the same lines, icons, slots and values.
    bool stillShown(const WorkingProgram &now) const;
    // A new compilation of the grid's program is the one linked: its simulator may stay.
    bool sameRun(const SimProgram &compiled, const WorkingProgram &now) const;
    // The grid's icon slot of the compiled slot that executes now: -1 for none, and while the
    // grid shows another program.
    int gridSlot(int compiledSlot, const WorkingProgram &now) const;

private:
    WorkingProgram m_shown;
    SimProgram m_compiled;
};

// The compiled icon slot whose instruction the simulation executes now (slotOfAddress, see
// SlotOfAddress); -1 once the program has stopped, and at an address no icon starts at.
int ExecutingSlot(const Simulation &simulation, const QList<int> &slotOfAddress);
inline int ExecutingSlot(const Simulation &simulation, const SimProgram &compiled)
{
    return ExecutingSlot(simulation, compiled.slotOfAddress);
}

} // namespace zuvo::sim
