#pragma once
// The three check stages in a row, as three presses of the check button run them: for the
// command-line tool and the tests.

#include "check/flowtable.h"
#include "check/stageresult.h"
#include "model/compaction.h"
#include "model/workingprogram.h"

#include <QList>

namespace zuvo {

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
