#pragma once
// The third check stage: every Loop closed by a Loop End and every Repeat by a Repeat End,
// properly nested, along the successor links of the FlowTable.

#include "check/flowtable.h"
#include "check/stageresult.h"
#include "model/workingprogram.h"

namespace zuvo {

// Open Loops and Repeats the check accepts; the next one is reported as "深すぎ".
constexpr int LoopDepthLimit = 8;
// Branches inside loop bodies the backtracking can hold; one more is the run-time failure.
constexpr int LoopBranchCapacity = 10;

// flow is the table the branch check built for program (BEGIN in slot 0, else a run-time
// failure). checkStage is the driver's CheckStage as the stage runs: 2 in its regular turn,
// 0 for the re-check before sending. A fault sets checkStage 1; passing in the regular turn
// sets completesCheck.
StageResult CheckLoops(const WorkingProgram &program, const FlowTable &flow, int checkStage);

} // namespace zuvo
