// From a checked program to the samples that are played: the largest built-in sample
// (set 4, slot 1), and the largest image the generator sends (237 code bytes).

#include "check/runchecks.h"
#include "codegen/generateprogram.h"
#include "codegen/transmitencoding.h"
#include "model/programtext.h"
#include "model/samples.h"
#include "signal/symbolrender.h"

#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

zuvo::WorkingProgram largestSample()
{
    return zuvo::LoadSlotText(zuvo::BuiltInSampleSet(4).programs[0]);
}

// Check, generate, encode and render: everything between the press of the button and the
// first sample played.
void BM_CheckGenerateEncodeRender(benchmark::State &state)
{
    const zuvo::WorkingProgram sample = largestSample();
    for (auto _ : state) {
        zuvo::WorkingProgram program = sample;
        zuvo::CheckRun run = zuvo::RunChecks(program);
        const zuvo::GenerateResult generated
            = zuvo::GenerateProgram(program, run.flow, run.passed, false);
        const QString symbols = zuvo::EncodeTransmission(generated.txData.trimmed());
        benchmark::DoNotOptimize(zuvo::RenderSymbols(symbols));
    }
}
BENCHMARK(BM_CheckGenerateEncodeRender)->Unit(benchmark::kMicrosecond);

void BM_GenerateProgram(benchmark::State &state)
{
    zuvo::WorkingProgram program = largestSample();
    zuvo::CheckRun run = zuvo::RunChecks(program);
    for (auto _ : state)
        benchmark::DoNotOptimize(zuvo::GenerateProgram(program, run.flow, true, false));
}
BENCHMARK(BM_GenerateProgram)->Unit(benchmark::kMicrosecond);

// The longest frame: header, 237 code bytes and trailer.
QString largestImage()
{
    QStringList tokens
        = QStringLiteral("01 3A 5C C4 B4 E1 F1 F9 00 00 00 00 00 00 00 00").split(u' ');
    for (int i = 0; i < zuvo::ProgramByteLimit; ++i)
        tokens << QStringLiteral("D8");
    tokens << QStringLiteral("00") << QStringLiteral("FF") << QStringLiteral("47");
    return tokens.join(u' ');
}

void BM_EncodeLargestImage(benchmark::State &state)
{
    const QString image = largestImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(zuvo::EncodeTransmission(image));
}
BENCHMARK(BM_EncodeLargestImage)->Unit(benchmark::kMicrosecond);

void BM_RenderLargestFrame(benchmark::State &state)
{
    const QString symbols = zuvo::EncodeTransmission(largestImage());
    for (auto _ : state)
        benchmark::DoNotOptimize(zuvo::RenderSymbols(symbols));
}
BENCHMARK(BM_RenderLargestFrame)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
