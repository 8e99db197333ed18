// The three check stages on the largest built-in sample (set 4, slot 1).

#include "check/checkbranches.h"
#include "check/checkconnections.h"
#include "check/checkloops.h"
#include "check/runchecks.h"
#include "model/programtext.h"
#include "model/samples.h"

#include <benchmark/benchmark.h>

namespace {

zuvo::WorkingProgram largestSample()
{
    return zuvo::LoadSlotText(zuvo::BuiltInSampleSet(4).programs[0]);
}

void BM_CheckConnections(benchmark::State &state)
{
    const zuvo::WorkingProgram program = largestSample();
    for (auto _ : state)
        benchmark::DoNotOptimize(zuvo::CheckConnections(program));
}
BENCHMARK(BM_CheckConnections);

void BM_CheckBranches(benchmark::State &state)
{
    const zuvo::WorkingProgram program = largestSample();
    zuvo::FlowTable flow;
    for (auto _ : state)
        benchmark::DoNotOptimize(zuvo::CheckBranches(program, flow));
}
BENCHMARK(BM_CheckBranches);

void BM_CheckLoops(benchmark::State &state)
{
    const zuvo::WorkingProgram program = largestSample();
    zuvo::FlowTable flow;
    zuvo::CheckBranches(program, flow);
    for (auto _ : state)
        benchmark::DoNotOptimize(zuvo::CheckLoops(program, flow, 2));
}
BENCHMARK(BM_CheckLoops);

// Compaction and the three stages, as three presses of the check button run them.
void BM_RunChecks(benchmark::State &state)
{
    const zuvo::WorkingProgram original = largestSample();
    for (auto _ : state) {
        zuvo::WorkingProgram program = original;
        const zuvo::CheckRun run = zuvo::RunChecks(program);
        if (!run.passed)
            state.SkipWithError("the sample does not pass the check");
        benchmark::DoNotOptimize(run);
    }
}
BENCHMARK(BM_RunChecks);

} // namespace

BENCHMARK_MAIN();
