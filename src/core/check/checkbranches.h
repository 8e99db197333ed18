#pragma once
// The second check stage: walks the lines from BEGIN into the FlowTable and verifies that
// branches and merges nest properly.

#include "check/flowtable.h"
#include "check/stageresult.h"
#include "model/workingprogram.h"

namespace zuvo {

// Steps either walk may take; the failure texts show the limit plus one or two.
constexpr int CheckStepLimit = 500;
// Open branches the first walk can hold; one more is the stage's run-time failure.
constexpr int BranchStackCapacity = 10;
// Open branches the second walk accepts before it reports "深すぎ".
constexpr int BranchDepthLimit = 8;

// Expects compacted slots with BEGIN in slot 0 (else a run-time failure). Fills rows
// 0 .. SlotCount - 1 of flow (cell, kind, predecessors, successors; the rest -1). Passing
// leaves checkStage unset; a fault sets it to 0.
StageResult CheckBranches(const WorkingProgram &program, FlowTable &flow);

} // namespace zuvo
