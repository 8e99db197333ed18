#include "check/runchecks.h"
#include "codegen/generateprogram.h"
#include "codegen/transmitencoding.h"
#include "model/programtext.h"
#include "model/samples.h"
#include "signal/signaldecoder.h"
#include "signal/symbolrender.h"

#include <gtest/gtest.h>

using namespace zuvo;

// Every built-in sample that passes the check travels the whole road: check, generate,
// encode, render, and back through the decoder to the very same TransmitImage.
TEST(SignalChain, EverySendableSampleDecodesToItsTransmitImage)
{
    int sendable = 0;
    for (int set = 1; set <= SampleSetCount; ++set) {
        for (int slot = 0; slot < 4; ++slot) {
            WorkingProgram program = LoadSlotText(BuiltInSampleSet(set).programs[slot]);
            CheckRun run = RunChecks(program);
            if (!run.passed)
                continue;
            ++sendable;
            SCOPED_TRACE(QStringLiteral("set %1 slot %2").arg(set).arg(slot + 1).toStdString());
            const GenerateResult generated = GenerateProgram(program, run.flow, true, false);
            ASSERT_EQ(generated.outcome, GenerateOutcome::Ready) << generated.text.toStdString();
            EXPECT_EQ(generated.TransmitImage.size(), 16 + generated.ProgramByteCount + 3);

            const QString symbols = EncodeTransmission(generated.txData.trimmed());
            const QByteArray samples = RenderSymbols(symbols);
            EXPECT_EQ(samples.size(), 120 * generated.TransmitImage.size() + 1200);
            const DecodedFrame frame = DecodeSignal(samples);
            ASSERT_TRUE(frame.complete) << frame.error.toStdString();
            EXPECT_EQ(frame.bytes, generated.TransmitImage);
            EXPECT_TRUE(frame.checksumHolds);
            EXPECT_EQ(HexBytesText(frame.bytes), generated.txData);
        }
    }
    EXPECT_EQ(sendable, 13);
}
