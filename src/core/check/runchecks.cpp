#include "check/runchecks.h"

#include "check/checkbranches.h"
#include "check/checkconnections.h"
#include "check/checkloops.h"
#include "check/stagefailure.h"

#include <exception>

namespace zuvo {

bool StagePassed(const StageResult &result)
{
    return !result.runtimeFailure && !result.checkStage.has_value();
}

StageResult RunCheckStage(int stage, const WorkingProgram &program, FlowTable &flow)
{
    try {
        switch (stage) {
        case ConnectionStage:
            return CheckConnections(program);
        case BranchStage:
            return CheckBranches(program, flow);
        default:
            return CheckLoops(program, flow, stage);
        }
    } catch (const std::exception &) {
        return StageRuntimeFailure();
    }
}

CheckRun RunChecks(WorkingProgram &program)
{
    CheckRun run;
    try {
        run.compaction = CompactIconSlots(program);
    } catch (const std::exception &) {
        // Compaction belongs to the connection stage, so its failure is that stage's.
        run.stages.append(StageRuntimeFailure());
        return run;
    }

    for (int stage = ConnectionStage; stage < CheckStageCount; ++stage) {
        run.stages.append(RunCheckStage(stage, program, run.flow));
        if (!StagePassed(run.stages.last()))
            return run;
    }
    run.passed = run.stages.last().completesCheck;
    return run;
}

} // namespace zuvo
