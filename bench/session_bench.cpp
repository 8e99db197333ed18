// The editor session's hot paths: the blink tick (every 300 ms, must stay far below that) and
// building a session, which is part of the way from GO! to a usable editor.
//   build/bench/session_bench

#include "model/iconcatalogue.h"
#include "session/editorsession.h"

#include "silentprompts.h"

#include <benchmark/benchmark.h>

namespace {

using zuvo::bench::SilentPrompts;

// 100 selected cells: a box of 10 x 10 lattice positions (icon cells, connectors, corners), 25
// of them holding icons.
void BM_BlinkTickWithHundredMarkedCells(benchmark::State &state)
{
    SilentPrompts prompts;
    zuvo::EditorSession session(prompts);
    for (int y = 10; y < 20; y += 2) {
        for (int x = 10; x < 20; x += 2) {
            session.TrayPress(zuvo::IconForward, true);
            session.SurfaceRelease(x, y, true);
            session.BlinkTick();
        }
    }
    session.SurfaceRelease(10, 10, false);
    session.SurfaceRelease(19, 19, false);
    for (auto _ : state)
        session.BlinkTick();
    state.counters["marked"] = 100;
}
BENCHMARK(BM_BlinkTickWithHundredMarkedCells)->Unit(benchmark::kMicrosecond);

void BM_ConstructSession(benchmark::State &state)
{
    SilentPrompts prompts;
    for (auto _ : state) {
        zuvo::EditorSession session(prompts);
        benchmark::DoNotOptimize(session.view().pictures[0].visible);
    }
}
BENCHMARK(BM_ConstructSession)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
