#include "sim/simprogram.h"

#include "check/runchecks.h"
#include "check/stagefailure.h"
#include "codegen/generateprogram.h"
#include "sim/robotmachine.h"
#include "sim/slotaddressmap.h"

namespace zuvo::sim {

SimProgram CompileForSimulator(const WorkingProgram &program)
{
    SimProgram result;
    WorkingProgram copy = program;
    CheckRun run = RunChecks(copy);
    if (!run.passed) {
        const StageResult &last = run.stages.last();
        result.refusal = last.runtimeFailure ? StageFailureText : last.text;
        return result;
    }
    const GenerateResult generated = GenerateProgram(copy, run.flow, true, false);
    if (generated.outcome != GenerateOutcome::Ready) {
        result.refusal = generated.text;
        return result;
    }
    result.ready = true;
    result.code = CodeOfTransmitImage(generated.TransmitImage);
    result.slotOfAddress = SlotOfAddress(run.flow, copy.SlotCount, result.code);
    for (int slot = 0; slot < copy.SlotCount && slot < IconSlotLimit; ++slot)
        result.slotCells << copy.SlotCell.at(slot);
    return result;
}

} // namespace zuvo::sim
