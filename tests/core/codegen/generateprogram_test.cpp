#include "flowpicture.h"

#include "check/runchecks.h"
#include "codegen/generateprogram.h"
#include "model/iconcatalogue.h"
#include "model/iconvalues.h"
#include "model/parameterstring.h"

#include <gtest/gtest.h>

using namespace zuvo;
using zuvo::test::ChainProgram;
using zuvo::test::DrawProgram;
using namespace Qt::StringLiterals;

namespace {

constexpr quint32 Green = 0x10ff00;

struct Generated
{
    CheckRun run;
    WorkingProgram program;
    GenerateResult result;
};

Generated checkAndGenerate(WorkingProgram program, bool checksumTestFlag = false)
{
    Generated g;
    g.run = RunChecks(program);
    EXPECT_TRUE(g.run.passed)
        << (g.run.stages.isEmpty() ? QString() : g.run.stages.last().text).toStdString();
    g.result = GenerateProgram(program, g.run.flow, g.run.passed, checksumTestFlag);
    g.program = program;
    return g;
}

// The code bytes between the header and the trailer, as hex text.
std::string codeText(const GenerateResult &result)
{
    return result.TransmitImage.mid(16, result.ProgramByteCount).toHex(' ').toUpper().toStdString();
}

std::string generatedCode(const QStringList &rows, const QHash<QChar, QString> &custom = {})
{
    const Generated g = checkAndGenerate(DrawProgram(rows, custom));
    EXPECT_EQ(g.result.outcome, GenerateOutcome::Ready) << g.result.text.toStdString();
    return codeText(g.result);
}

// A FlowTable written by hand, for tables the check would never build.
struct HandFlow
{
    WorkingProgram program;
    FlowTable flow;

    void add(int slot, const QString &params, int successor, int secondSuccessor = -1)
    {
        program.SlotParams[slot] = params;
        program.SlotCell[slot] = qint16(CellIndex(2 * slot, 0));
        program.SlotCount = qMax(program.SlotCount, slot + 1);
        flow.at(slot, FlowCell) = qint16(CellIndex(2 * slot, 0));
        flow.at(slot, FlowKind) = qint16(params.left(2).toInt());
        flow.at(slot, FlowSuccessor) = qint16(successor);
        flow.at(slot, FlowSecondSuccessor) = qint16(secondSuccessor);
    }
    GenerateResult generate() { return GenerateProgram(program, flow, true, false); }
};

const QString Begin = QStringLiteral("29 0=");
const QString End = QStringLiteral("30 0=");

} // namespace

TEST(GenerateProgram, WorkedExampleGivesTheExactTransmitImage)
{
    const Generated g = checkAndGenerate(DrawProgram({QStringLiteral("B-F-W-E")}));
    ASSERT_EQ(g.result.outcome, GenerateOutcome::Ready);
    EXPECT_EQ(g.result.txData,
              QStringLiteral("01 3A 5C C4 B4 E1 F1 F9 00 00 00 00 00 00 00 00 51 C0 05 00 FF 15"));
    EXPECT_TRUE(g.result.writesTxData);
    EXPECT_EQ(g.result.ProgramByteCount, 3);
    EXPECT_EQ(g.result.TransmitImage.size(), 22);
    EXPECT_EQ(g.result.TransmitImage, QByteArray::fromHex(g.result.txData.toLatin1()));
    EXPECT_EQ(g.result.background, 0xffffffu);
    EXPECT_FALSE(g.result.hidesTxData);
    EXPECT_EQ(SentText(g.result.ProgramByteCount),
              QStringLiteral(u"プログラムの送信は終わりました。\r\nデータ数は3個です。"));

    // Addresses and bytes land in the FlowTable: Forward at 0, Wait at 1 with its operand.
    EXPECT_EQ(g.run.flow.at(1, FlowAddress), 0);
    EXPECT_EQ(g.run.flow.at(1, FlowOpcode), 0x51);
    EXPECT_EQ(g.run.flow.at(1, FlowOperand1), -1);
    const int wait = ContentSlot(g.program.CellContent(4, 0));
    EXPECT_EQ(g.run.flow.at(wait, FlowAddress), 1);
    EXPECT_EQ(g.run.flow.at(wait, FlowOpcode), 0xC0);
    EXPECT_EQ(g.run.flow.at(wait, FlowOperand1), 5);

    // The checksum test token is appended to the text only.
    const Generated flagged = checkAndGenerate(DrawProgram({QStringLiteral("B-F-W-E")}), true);
    EXPECT_EQ(flagged.result.txData, g.result.txData + QStringLiteral(" 5"));
    EXPECT_EQ(flagged.result.TransmitImage, g.result.TransmitImage);
}

TEST(GenerateProgram, BranchesJumpOverTheNoPathAndGenerateYesFirst)
{
    const QHash<QChar, QString> custom {
        {u'l', QStringLiteral(u"10 1=２ &H00FFFFFF")},
        {u'f', QStringLiteral(u"00 1=高 &H00FFFFFF")},
        {u'k', QStringLiteral(u"01 1=低 &H00FFFFFF")},
    };
    EXPECT_EQ(generatedCode({QStringLiteral("B-l-Y-f-M-E"), //
                             QStringLiteral("  |     |  "), //
                             QStringLiteral("  N-k-O-O  ")},
                            custom),
              "91 05 52 10 06 58");

    // The No icon as the branch's first successor: the Yes path still comes first.
    EXPECT_EQ(generatedCode({QStringLiteral("B-T-N-K-M-E"), //
                             QStringLiteral("  |     |  "), //
                             QStringLiteral("  Y-F-O-O  ")}),
              "98 05 51 10 06 59");

    // A Variable Branch carries its comparison value and its No address in the third operand;
    // its own address is the one after the instruction.
    const QHash<QChar, QString> variable {
        {u'v', QStringLiteral(u"12 2=Ｄ 200 &H00FFFFFF")},
        {u'a', QStringLiteral(u"18 2=Ａ 1 &H00FFFFFF")},
    };
    const Generated g = checkAndGenerate(DrawProgram({QStringLiteral("B-v-Y-a-M-E"), //
                                                      QStringLiteral("  |     |  "), //
                                                      QStringLiteral("  N-F-O-O  ")},
                                                     variable));
    EXPECT_EQ(codeText(g.result), "D0 38 C8 09 D8 08 01 10 0A 51");
    const int branch = ContentSlot(g.program.CellContent(2, 0));
    EXPECT_EQ(g.run.flow.at(branch, FlowAddress), 4);
    EXPECT_EQ(g.run.flow.at(branch, FlowOperand3), 9);

    // Comparison with another variable: no value byte.
    EXPECT_EQ(generatedCode({QStringLiteral("B-v-Y-a-M-E"), //
                             QStringLiteral("  |     |  "), //
                             QStringLiteral("  N-F-O-O  ")},
                            {{u'v', QStringLiteral(u"12 2=Ｄ Ｅ &H00FFFFFF")},
                             {u'a', QStringLiteral(u"18 2=Ａ 1 &H00FFFFFF")}}),
              "D0 34 08 D8 08 01 10 09 51");
}

TEST(GenerateProgram, NestedBranchesResolveEveryJump)
{
    // The outer Yes path holds a whole inner branch.
    const std::string code = generatedCode({
        QStringLiteral("B-L-Y-T-Y-F-M-O-M-E"), //
        QStringLiteral("  |   |     |   |  "), //
        QStringLiteral("  N   N-K-O-O   O  "), //
        QStringLiteral("  |             |  "), //
        QStringLiteral("  O-Z-O-O-O-O-O-O  "),
    });
    // Outer branch, inner branch, inner Yes path, inner jump, inner No path, outer jump,
    // outer No path.
    EXPECT_EQ(code, "90 0A 98 07 51 10 08 59 10 0B 20");
}

TEST(GenerateProgram, LoopsAndRepeatsJumpBack)
{
    EXPECT_EQ(generatedCode({QStringLiteral("B-P-F-Q-E")}), "51 40 00");
    EXPECT_EQ(generatedCode({QStringLiteral("B-r-x-S-E")},
                            {{u'r', QStringLiteral(u"17 1=3 &H00FFFFFF")},
                             {u'x', QStringLiteral(u"09 1=1.0 &H00FFFFFF")}}),
              "B8 03 B0 0A 48 02");
    // Nested: the inner Loop End returns to its own Loop, the Repeat End to the first body byte.
    EXPECT_EQ(generatedCode({QStringLiteral("B-F-P-R-K-P-Z-Q-S-Q-E")}),
              "51 B8 01 59 20 40 04 48 03 40 01");
}

TEST(GenerateProgram, OperandEncodings)
{
    EXPECT_EQ(generatedCode({QStringLiteral("B-a-b-E")},
                            {{u'a', QStringLiteral(u"18 2=Ｂ 7 &H00FFFFFF")},
                             {u'b', QStringLiteral(u"18 2=Ｂ Ｃ &H00FFFFFF")}}),
              "D8 18 07 D8 12");
    EXPECT_EQ(generatedCode({QStringLiteral("B-c-d-E")},
                            {{u'c', QStringLiteral(u"22 3=Ａ Ｈ × &H00FFFFFF")},
                             {u'd', QStringLiteral(u"22 3=Ｇ 100 ÷ &H00FFFFFF")}}),
              "E2 07 E3 68 64");
    EXPECT_EQ(generatedCode({QStringLiteral("B-g-h-i-E")},
                            {{u'g', QStringLiteral(u"23 1=ON &H00FFFFFF")},
                             {u'h', QStringLiteral(u"23 1=OFF &H00FFFFFF")},
                             {u'i', QStringLiteral(u"24 1=3 &H00FFFFFF")}}),
              "A1 A0 AB");
    // Every motor icon at the three speeds, Motor Off, and times in tenths rounded half to
    // even.
    QStringList motors;
    for (int code = 0; code <= 7; ++code) {
        for (const QString &speed :
             {QStringLiteral(u"低"), QStringLiteral(u"中"), QStringLiteral(u"高")})
            motors << QStringLiteral("%1 1=%2 &H00FFFFFF").arg(code, 2, 10, QChar(u'0')).arg(speed);
    }
    motors << QStringLiteral("08 0=") << QStringLiteral(u"19 1=0.25 &H00FFFFFF")
           << QStringLiteral(u"09 1=10 &H00FFFFFF");
    const Generated g = checkAndGenerate(ChainProgram(motors));
    ASSERT_EQ(g.result.outcome, GenerateOutcome::Ready) << g.result.text.toStdString();
    EXPECT_EQ(codeText(g.result),
              "50 51 52 58 59 5A 60 61 62 68 69 6A 70 71 72 78 79 7A 80 81 82 "
              "88 89 8A 20 C0 02 B0 64");
}

TEST(GenerateProgram, SizeLimitAndNothingToSend)
{
    const QString setVariable = QStringLiteral(u"18 2=Ａ 1 &H00FFFFFF");
    QStringList largest(79, setVariable);
    const Generated sent = checkAndGenerate(ChainProgram(largest));
    EXPECT_EQ(sent.result.outcome, GenerateOutcome::Ready);
    EXPECT_EQ(sent.result.ProgramByteCount, ProgramByteLimit);
    EXPECT_EQ(sent.result.TransmitImage.size(), 256);

    QStringList tooLarge(78, setVariable);
    tooLarge << QStringLiteral(u"19 1=1 &H00FFFFFF") << QStringLiteral(u"19 1=1 &H00FFFFFF");
    const Generated refused = checkAndGenerate(ChainProgram(tooLarge));
    EXPECT_EQ(refused.result.outcome, GenerateOutcome::TooLarge);
    EXPECT_EQ(refused.result.ProgramByteCount, 238);
    EXPECT_EQ(refused.result.text,
              QStringLiteral(u"プログラムが大き過ぎます。送信不可。\r\nデータ数は238個です"));
    EXPECT_EQ(refused.result.background, Green);
    EXPECT_TRUE(refused.result.beeps);
    EXPECT_TRUE(refused.result.writesTxData); // the refused image stays readable in TXdata
    EXPECT_FALSE(refused.result.hidesTxData);

    const Generated empty = checkAndGenerate(DrawProgram({QStringLiteral("B-O-O-E")}));
    EXPECT_EQ(empty.result.outcome, GenerateOutcome::NothingToSend);
    const Generated bare = checkAndGenerate(DrawProgram({QStringLiteral("B-E")}));
    EXPECT_EQ(bare.result.outcome, GenerateOutcome::NothingToSend);
    EXPECT_EQ(bare.result.text,
              QStringLiteral(u"プログラムは送信されません。\r\nデータ数は0個です。"));
    EXPECT_EQ(bare.result.background, Green);
    EXPECT_TRUE(bare.result.beeps);
    EXPECT_FALSE(bare.result.writesTxData);
    EXPECT_EQ(bare.result.ProgramByteCount, 0);
}

TEST(GenerateProgram, RefusesWithoutAPassedCheck)
{
    WorkingProgram program = DrawProgram({QStringLiteral("B-F-E")});
    CheckRun run = RunChecks(program);
    const GenerateResult result = GenerateProgram(program, run.flow, false, false);
    EXPECT_EQ(result.outcome, GenerateOutcome::NotChecked);
    EXPECT_EQ(result.messageBoxText, QStringLiteral(u"文法チェックが終了していません"));
    EXPECT_EQ(result.text, QStringLiteral(u"プログラムは送信されません。\r\nデータ数は0個です。"));
    EXPECT_FALSE(result.writesTxData);
    EXPECT_EQ(run.flow.at(1, FlowOpcode), -1); // nothing generated
}

TEST(GenerateProgram, RunsAgainOnTheSameTable)
{
    WorkingProgram program = DrawProgram({QStringLiteral("B-L-Y-F-M-E"), //
                                          QStringLiteral("  |     |  "), //
                                          QStringLiteral("  N-K-O-O  ")});
    CheckRun run = RunChecks(program);
    ASSERT_TRUE(run.passed);
    const GenerateResult first = GenerateProgram(program, run.flow, true, false);
    const GenerateResult second = GenerateProgram(program, run.flow, true, false);
    EXPECT_EQ(first.txData, second.txData);
    EXPECT_EQ(codeText(second), "90 05 51 10 06 59");
}

TEST(GenerateProgram, WalkErrors)
{
    HandFlow loopEnd;
    loopEnd.add(0, Begin, 1);
    loopEnd.add(1, QStringLiteral("00 1=中 &H00FFFFFF"), 2);
    loopEnd.add(2, QStringLiteral("20 0="), 3);
    loopEnd.add(3, End, -1);
    GenerateResult result = loopEnd.generate();
    EXPECT_EQ(result.outcome, GenerateOutcome::LoopError);
    EXPECT_EQ(result.text,
              QStringLiteral(u"ループの戻り先がありません。\r点滅アイコンを再検討してください。"));
    EXPECT_EQ(result.blinkCells, QList<int>({CellIndex(4, 0)}));
    EXPECT_EQ(result.background, Green);
    EXPECT_TRUE(result.hidesTxData);
    EXPECT_FALSE(result.writesTxData);

    HandFlow repeatEnd;
    repeatEnd.add(0, Begin, 1);
    repeatEnd.add(1, QStringLiteral("21 0="), 2);
    repeatEnd.add(2, End, -1);
    result = repeatEnd.generate();
    EXPECT_EQ(result.outcome, GenerateOutcome::RepeatError);
    EXPECT_TRUE(result.text.startsWith(QStringLiteral(u"リピートの戻り先がありません。\r")));
    EXPECT_EQ(result.blinkCells, QList<int>({CellIndex(2, 0)}));

    // A cycle that never reaches END, and a Yes icon met on the walk, both run out of
    // iterations.
    HandFlow cycle;
    cycle.add(0, Begin, 1);
    cycle.add(1, QStringLiteral("25 0="), 2);
    cycle.add(2, QStringLiteral("25 0="), 1);
    result = cycle.generate();
    EXPECT_EQ(result.outcome, GenerateOutcome::IterationLimit);
    EXPECT_EQ(result.text, QStringLiteral(u"致命的エラー<510>。連絡ください"));
    EXPECT_EQ(result.background, Green);
    EXPECT_TRUE(result.beeps);

    HandFlow stuck;
    stuck.add(0, Begin, 1);
    stuck.add(1, QStringLiteral("14 0="), 2);
    stuck.add(2, End, -1);
    EXPECT_EQ(stuck.generate().outcome, GenerateOutcome::IterationLimit);
}

TEST(GenerateProgram, BrokenTablesEndWithAMessageNotACrash)
{
    const QString broken
        = QStringLiteral(u"プログラムを生成できません。\r\n文法チェックからやり直してください。");

    HandFlow lonelyMerge;
    lonelyMerge.add(0, Begin, 1);
    lonelyMerge.add(1, QStringLiteral("13 0="), 2);
    lonelyMerge.add(2, End, -1);
    GenerateResult result = lonelyMerge.generate();
    EXPECT_EQ(result.outcome, GenerateOutcome::BrokenFlow);
    EXPECT_EQ(result.text, broken);
    EXPECT_TRUE(result.hidesTxData);
    EXPECT_FALSE(result.writesTxData);

    HandFlow deadEnd;
    deadEnd.add(0, Begin, 1);
    deadEnd.add(1, QStringLiteral("00 1=中 &H00FFFFFF"), -1);
    EXPECT_EQ(deadEnd.generate().outcome, GenerateOutcome::BrokenFlow);

    HandFlow outside;
    outside.add(0, Begin, 1);
    outside.add(1, QStringLiteral("00 1=中 &H00FFFFFF"), 100);
    EXPECT_EQ(outside.generate().outcome, GenerateOutcome::BrokenFlow);

    // A branch whose No icon leads nowhere.
    HandFlow openBranch;
    openBranch.add(0, Begin, 1);
    openBranch.add(1, QStringLiteral(u"10 1=１ &H00FFFFFF"), 2, 3);
    openBranch.add(2, QStringLiteral("14 0="), 4);
    openBranch.add(3, QStringLiteral("15 0="), -1);
    openBranch.add(4, End, -1);
    EXPECT_EQ(openBranch.generate().outcome, GenerateOutcome::BrokenFlow);

    // Nine open Loops are kept; a tenth would make its Loop End jump to the wrong place.
    for (int loops : {9, 10}) {
        HandFlow nested;
        nested.add(0, Begin, 1);
        for (int i = 1; i <= loops; ++i)
            nested.add(i, QStringLiteral("16 0="), i + 1);
        nested.add(loops + 1, QStringLiteral("00 1=中 &H00FFFFFF"), loops + 2);
        nested.add(loops + 2, End, -1);
        EXPECT_EQ(nested.generate().outcome,
                  loops == 9 ? GenerateOutcome::Ready : GenerateOutcome::BrokenFlow)
            << loops;
    }
}

// Values no property form makes (from a file): the check refuses the icon, names the value and
// makes the icon blink; the generator, handed such a program anyway, emits no byte.
TEST(GenerateProgram, ValuesTheFormCannotMakeAreRefusedAndNeverCompiled)
{
    const struct
    {
        QString params;
        QString named; // the second line of the message area
    } cases[] = {
        {u"00 1=X &H00FFFFFF"_s, u"点滅アイコンの値「X」が異常です"_s},
        {u"00 1=荳ｭ &H00FFFFFF"_s, u"点滅アイコンの値「荳ｭ」が異常です"_s}, // saved as UTF-8
        {u"18 2=Ｚ 1 &H00FFFFFF"_s, u"点滅アイコンの値「Ｚ」が異常です"_s},
        {u"22 3=Ａ 1 ％ &H00FFFFFF"_s, u"点滅アイコンの値「％」が異常です"_s},
        {u"18 2=Ａ 256 &H00FFFFFF"_s, u"点滅アイコンの値「256」が異常です"_s},
        {u"18 2=Ａ 2.5 &H00FFFFFF"_s, u"点滅アイコンの値「2.5」が異常です"_s},
        {u"24 1=9 &H00FFFFFF"_s, u"点滅アイコンの値「9」が異常です"_s},
        {u"23 1=ONE &H00FFFFFF"_s, u"点滅アイコンの値「ONE」が異常です"_s},
        {u"19 1=25.6 &H00FFFFFF"_s, u"点滅アイコンの値「25.6」が異常です"_s},
        {u"19 1=99999 &H00FFFFFF"_s, u"点滅アイコンの値「99999」が異常です"_s},
        {u"19 1=-1 &H00FFFFFF"_s, u"点滅アイコンの値「-1」が異常です"_s},
        {u"09 1=30 &H00FFFFFF"_s, u"点滅アイコンの値「30」が異常です"_s},
        {u"17 1=0.4 &H00FFFFFF"_s, u"点滅アイコンの値「0.4」が異常です"_s},
        {u"17 1=2560000000 &H00FFFFFF"_s, u"点滅アイコンの値「2560000…」が異常です"_s},
        {u"00 1= &H00FFFFFF"_s, u"点滅アイコンの値が足りません"_s},
        {u"19 1=5  &H00FFFFFF"_s, u"点滅アイコンの設定の形が異常です"_s},
        {u"00 1=中 &HZZ"_s, u"点滅アイコンの色「&HZZ」が異常です"_s},
        {u"19 1=5"_s, u"点滅アイコンの色「」が異常です"_s},
    };
    // Branches cannot stand in a chain; their values are judged alike.
    EXPECT_EQ(FindValueFault(u"10 1=３ &H00FFFFFF"_s)->value, u"３"_s);
    EXPECT_FALSE(FindValueFault(u"12 2=Ｈ 255 &H00ffffff"_s));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.params.toStdString());
        const int code = ParamsIconCode(c.params);
        QStringList chain {DefaultParams(code), c.params};
        if (code == IconRepeat) // each Repeat with its end
            chain << DefaultParams(IconRepeatEnd) << DefaultParams(IconRepeatEnd);
        WorkingProgram program = ChainProgram(chain);
        CheckRun run = RunChecks(program);
        ASSERT_FALSE(run.passed);
        const StageResult &refusal = run.stages.last();
        EXPECT_EQ(refusal.text, u"開始１個、終了１個です。\r\n"_s + c.named);
        EXPECT_EQ(refusal.blinkCells, QList<int> {program.SlotCell[2]}); // not the good twin
        EXPECT_EQ(refusal.checkStage, 2);

        program.SlotParams[2] = DefaultParams(code);
        run = RunChecks(program);
        ASSERT_TRUE(run.passed);
        program.SlotParams[2] = c.params;
        const GenerateResult result = GenerateProgram(program, run.flow, true, false);
        EXPECT_EQ(result.outcome, GenerateOutcome::BrokenFlow);
        EXPECT_TRUE(result.TransmitImage.isEmpty());
    }
}
