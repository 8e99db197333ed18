#pragma once
// The check stages in their order: one stage for each press of the check button in the editor,
// all of them in a row for the command-line tool, the simulator and the tests.

#include "check/flowtable.h"
#include "check/stageresult.h"
#include "model/compaction.h"
#include "model/workingprogram.h"

#include <QList>

namespace zuvo {

// The stages by CheckStage, the one that runs next.
constexpr int ConnectionStage = 0;
constexpr int BranchStage = 1;
constexpr int LoopStage = 2;
constexpr int CheckStageCount = 3;

// The stage for CheckStage `stage`: the connection check, the branch check (which builds flow),
// or the loop check, given the stage so that LoopStage is its regular turn. Whatever fails
// inside a stage is its run-time failure.
StageResult RunCheckStage(int stage, const WorkingProgram &program, FlowTable &flow);

struct CheckRun
{
    QList<CompactionMove> compaction; // the slot moves made before the first stage
    QList<StageResult> stages; // one per stage run, in order; the last one failed or passed
    FlowTable flow; // as the branch check left it
    bool passed = false; // all three stages passed
};

// True when the stage found nothing: no run-time failure and CheckStage left alone.
bool StagePassed(const StageResult &result);

// Compacts the icon slots, then runs the connection, branch and loop checks in order, stopping
// after the first stage that does not pass.
CheckRun RunChecks(WorkingProgram &program);

} // namespace zuvo
