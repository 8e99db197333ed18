#pragma once
// The first check stage: the BEGIN and END counts and the link count of every icon.

#include "check/stageresult.h"
#include "model/workingprogram.h"

namespace zuvo {

// The link count each kind of icon needs: 1 for BEGIN and END, 3 for branches and the merge,
// 2 for everything else.
int RequiredLinkCount(int iconCode);

// Expects compacted slots (CompactIconSlots). On a fault the icons at fault blink and
// checkStage is 2, so that the driver's advance repeats this stage.
StageResult CheckConnections(const WorkingProgram &program);

} // namespace zuvo
