// The fuzz targets' checks on the seeds they start from: every property holds for the built-in
// samples, and the independent frame builder agrees with the documented example.

#include "codegencheck.h"
#include "encodingcheck.h"
#include "fuzzinput.h"
#include "parameterstringcheck.h"
#include "programtextcheck.h"
#include "robotfilecheck.h"

#include "check/runchecks.h"
#include "codegen/generateprogram.h"
#include "codegen/transmitencoding.h"
#include "model/iconcatalogue.h"
#include "model/robotfile.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace zuvo;

namespace {

QByteArray joined(const QList<QByteArray> &pieces)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < pieces.size(); ++i)
        bytes += (i > 0 ? QByteArray(1, '\0') : QByteArray()) + pieces.at(i);
    return bytes;
}

} // namespace

TEST(FuzzChecks, SplitFuzzInputKeepsTheRestInTheLastPiece)
{
    EXPECT_EQ(SplitFuzzInput(QByteArrayView("a\0b\0c\0d", 7), 3),
              (QList<QByteArray> {"a", "b", QByteArray("c\0d", 3)}));
    EXPECT_EQ(SplitFuzzInput("abc", 3), (QList<QByteArray> {"abc"}));
    EXPECT_EQ(SplitFuzzInput(QByteArrayView("\0", 1), 2), (QList<QByteArray> {"", ""}));
}

TEST(FuzzChecks, FrameSymbolsMatchTheWorkedExample)
{
    // The image of BEGIN, Forward 中, Wait 0.5, END: 275 symbols, frame checksum 03.
    const QByteArray image = QByteArray::fromHex("013A5CC4B4E1F1F9000000000000000051C00500FF15");
    const QString symbols = FrameSymbols(image);
    EXPECT_EQ(symbols.size(), 275);
    EXPECT_TRUE(symbols.startsWith(QStringLiteral("1010111001A1111011110A10000000101001110100")));
    EXPECT_TRUE(symbols.endsWith(QStringLiteral("1000101010"
                                                "1010111001A1100011110A1000000110A")));
    EXPECT_EQ(FrameSymbols(image, 5).right(11), QStringLiteral("1000010000A")); // 03 + 5
}

TEST(FuzzChecks, EveryPropertyHoldsForTheBuiltInSamples)
{
    LoadIconCatalogue();
    const QList<ProgramText> &samples = SamplePrograms();
    ASSERT_EQ(samples.size(), 13);
    int sent = 0;
    for (int i = 0; i < samples.size(); ++i) {
        const ProgramText &text = samples.at(i);
        WorkingProgram program = LoadSlotText(text);
        EXPECT_EQ(CheckRobotFileInput(EncodeRobotFile(program).bytes), QString()) << i;
        EXPECT_EQ(CheckProgramTextInput(joined({text.ConnectionList.toUtf8(),
                                                text.IconList.toUtf8(), text.MemoList.toUtf8()})),
                  QString())
            << i;

        QList<QByteArray> params;
        for (int slot = 0; slot < program.SlotCount; ++slot) {
            params << program.SlotParams[slot].toUtf8();
            EXPECT_EQ(CheckParameterStringInput(params.last()), QString()) << i;
        }
        // The sample as it is, with the checksum test flag, and with its own ParameterStrings.
        EXPECT_EQ(CheckCodegenInput(QByteArray(1, char(i))), QString()) << i;
        EXPECT_EQ(CheckCodegenInput(QByteArray(1, char(i + samples.size()))), QString()) << i;
        EXPECT_EQ(CheckCodegenInput(char(i) + joined(params)), QString()) << i;

        CheckRun run = RunChecks(program);
        if (!run.passed)
            continue;
        const GenerateResult result = GenerateProgram(program, run.flow, true, false);
        ASSERT_EQ(result.outcome, GenerateOutcome::Ready) << i;
        EXPECT_EQ(CheckEncodingInput(result.txData.toLatin1()), QString()) << i;
        ++sent;
    }
    EXPECT_EQ(sent, samples.size());

    for (int code = 0; code < IconCodeCount; ++code) {
        const QByteArray params = DefaultParams(code).toUtf8();
        EXPECT_EQ(CheckParameterStringInput(params), QString()) << code;
        // Typed text with a blank and a comma, the second option and list items.
        EXPECT_EQ(CheckParameterStringInput(joined({params, "5,5 x", "\x02\x02\x03\x04"})),
                  QString())
            << code;
    }
}

TEST(FuzzChecks, TheLongChainCrossesTheByteLimit)
{
    const int chain = static_cast<int>(CodegenPrograms().size()) - 1;
    ASSERT_EQ(CodegenPrograms().at(chain), LongChainProgram());

    // Each Set Variable whose operand becomes a variable loses its value byte: 240 code bytes
    // with none, 238 with two (refused), 237 with three (sent).
    for (const auto &[variables, outcome, bytes] : {std::tuple {0, GenerateOutcome::TooLarge, 240},
                                                    std::tuple {2, GenerateOutcome::TooLarge, 238},
                                                    std::tuple {3, GenerateOutcome::Ready, 237}}) {
        QList<QByteArray> pieces {QByteArray()}; // BEGIN keeps its own
        for (int i = 0; i < variables; ++i)
            pieces << QStringLiteral(u"18 2=Ａ Ｂ &H00FFFFFF").toUtf8();
        const QByteArray input = char(chain) + joined(pieces);
        EXPECT_EQ(CheckCodegenInput(input), QString()) << variables;

        WorkingProgram program = LoadSlotText(LongChainProgram());
        for (int slot = 1; slot <= variables; ++slot)
            program.SlotParams[slot] = QStringLiteral(u"18 2=Ａ Ｂ &H00FFFFFF");
        CheckRun run = RunChecks(program);
        ASSERT_TRUE(run.passed) << variables;
        const GenerateResult result = GenerateProgram(program, run.flow, true, false);
        EXPECT_EQ(result.outcome, outcome) << variables;
        EXPECT_EQ(result.ProgramByteCount, bytes) << variables;
    }
}

TEST(FuzzChecks, InputsTheChecksOnceMisjudged)
{
    // The form left a speed string alone (option 3 marked, which a speed form lacks); opened
    // again it marks 中 and writes: no fault, the string had never been written by the form.
    const QByteArray unmarked("04 1=\xe4\xb8\xad 0=5E\xf2 1\xce:\xb1\0\x01q\0F\0  F", 28);
    EXPECT_EQ(CheckParameterStringInput(unmarked), QString());

    // The long chain at exactly 237 code bytes with the checksum test flag: the image fills the
    // frame's 256 bytes, so the test token " 5" behind it is not counted in the frame checksum.
    const QByteArray chainAtLimit("\xc3\0\0\x02\x7f"
                                  "24\r\0"
                                  "18 2C3\xe9",
                                  16);
    EXPECT_EQ(CheckCodegenInput(chainAtLimit), QString());

    WorkingProgram program = LoadSlotText(LongChainProgram());
    for (int slot = 1; slot <= 3; ++slot)
        program.SlotParams[slot] = QStringLiteral(u"18 2=Ａ Ｂ &H00FFFFFF");
    CheckRun run = RunChecks(program);
    ASSERT_TRUE(run.passed);
    const GenerateResult full = GenerateProgram(program, run.flow, true, true);
    ASSERT_EQ(full.outcome, GenerateOutcome::Ready);
    ASSERT_EQ(full.TransmitImage.size(), 256);
    EXPECT_TRUE(full.txData.endsWith(QStringLiteral(" 5")));
    EXPECT_EQ(EncodeTransmission(full.txData), FrameSymbols(full.TransmitImage, 0));

    // One byte less and the token is counted.
    program.SlotParams[4] = QStringLiteral(u"18 2=Ａ Ｂ &H00FFFFFF");
    run = RunChecks(program);
    ASSERT_TRUE(run.passed);
    const GenerateResult shorter = GenerateProgram(program, run.flow, true, true);
    ASSERT_EQ(shorter.ProgramByteCount, 236);
    EXPECT_EQ(EncodeTransmission(shorter.txData), FrameSymbols(shorter.TransmitImage, 5));
}
