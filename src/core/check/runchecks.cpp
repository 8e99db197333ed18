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

    run.stages.append(CheckConnections(program));
    if (!StagePassed(run.stages.last()))
        return run;
    run.stages.append(CheckBranches(program, run.flow));
    if (!StagePassed(run.stages.last()))
        return run;
    const int regularTurn = 2;
    run.stages.append(CheckLoops(program, run.flow, regularTurn));
    run.passed = StagePassed(run.stages.last()) && run.stages.last().completesCheck;
    return run;
}

} // namespace zuvo
