// The processor and the world together: switches, events, stepping, the trace and the
// code-address map back to the icons, and the link from a run to the grid.

#include "simtestsupport.h"

#include "check/runchecks.h"
#include "model/programtext.h"
#include "model/samples.h"
#include "sim/beepsound.h"
#include "sim/simevents.h"
#include "sim/simtrace.h"
#include "sim/simulatorlink.h"
#include "sim/slotaddressmap.h"

using namespace zuvo;
using namespace zuvo::sim;
using namespace zuvo::sim::test;

TEST(Simulation, SwitchesAndEventsReachTheProgram)
{
    // Touch 1 lights the LED, touch 2 puts it out.
    const QByteArray code = QByteArray::fromHex("98 05 A1 10 0A 99 0A A0 10 0A 40 00");
    Simulation simulation(code, ReadyCourse(4));
    simulation.schedule(touchAt(0.5, 0, true));
    simulation.schedule(touchAt(0.6, 0, false));
    simulation.schedule(touchAt(1.0, 1, true));
    simulation.runUntil(499);
    EXPECT_FALSE(simulation.machine().ledOn());
    simulation.runUntil(501);
    EXPECT_TRUE(simulation.machine().ledOn());
    EXPECT_TRUE(simulation.touchSwitch(0));
    simulation.runUntil(900);
    EXPECT_FALSE(simulation.touchSwitch(0));
    EXPECT_TRUE(simulation.machine().ledOn());
    simulation.runUntil(1001);
    EXPECT_FALSE(simulation.machine().ledOn());

    // A reset starts again with the switches off and the events still to come.
    simulation.reset();
    EXPECT_EQ(simulation.now(), 0);
    EXPECT_FALSE(simulation.touchSwitch(1));
    simulation.runUntil(600);
    EXPECT_TRUE(simulation.machine().ledOn());

    // The light switch and the room light: A = 1 in the light, 2 in the dark.
    Simulation dark(QByteArray::fromHex("90 07 D8 08 01 40 00 D8 08 02 40 00"), ReadyCourse(3));
    dark.stepMillisecond();
    EXPECT_EQ(dark.machine().variable(0), 1);
    dark.setRoomLight(false);
    dark.stepMillisecond();
    EXPECT_EQ(dark.machine().variable(0), 2);
    dark.setLightSwitch(0, true);
    dark.stepMillisecond();
    EXPECT_EQ(dark.machine().variable(0), 1);
}

TEST(Simulation, StepInstructionRunsOneInstructionAndLetsTimedOnesTakeTheirTime)
{
    Simulation simulation(QByteArray::fromHex("51 C0 05 20"), ReadyCourse(1));
    EXPECT_TRUE(simulation.stepInstruction());
    EXPECT_EQ(simulation.machine().executingAddress(), 0);
    EXPECT_EQ(simulation.now(), 0);
    EXPECT_TRUE(simulation.stepInstruction());
    EXPECT_EQ(simulation.machine().executingAddress(), 1);
    EXPECT_EQ(simulation.now(), 0) << "the wait starts";
    EXPECT_TRUE(simulation.stepInstruction());
    EXPECT_EQ(simulation.machine().executingAddress(), 3);
    EXPECT_EQ(simulation.now(), 500) << "the wait took its 0.5 s";
    EXPECT_NEAR(simulation.world().position().x(), 40 + 10, 1e-6) << "driving meanwhile";
    EXPECT_FALSE(simulation.stepInstruction()) << "the end is no instruction";
    EXPECT_TRUE(simulation.stopped());
    EXPECT_FALSE(simulation.stepInstruction());
}

TEST(Simulation, TraceLinesAndEvents)
{
    Simulation simulation(QByteArray::fromHex("A1 52 C0 0A"), ReadyCourse(3));
    simulation.runUntil(500);
    EXPECT_EQ(TraceLine(simulation),
              QStringLiteral("0.5 x=75.0 y=90.0 dir=0.0 addr=2 drive=forward:fast touch=00 "
                             "light=11 led=on beep=- A=0 B=0 C=0 D=0 E=0 F=0 G=0 H=0 "
                             "ball=200.0,40.0 state=waiting"));
    const QStringList header = TraceHeader(simulation);
    EXPECT_TRUE(header.at(0).startsWith(QStringLiteral(u"# course 3 光センサを使う")));
    EXPECT_EQ(header.at(1), QStringLiteral("# code A1 52 C0 0A"));

    QString error;
    const auto touch = ParseSimEvent(1500, QStringLiteral("touch2=on"), &error);
    ASSERT_TRUE(touch.has_value());
    EXPECT_EQ(touch->kind, SimEvent::Kind::TouchSwitch);
    EXPECT_EQ(touch->sensor, 1);
    EXPECT_TRUE(touch->on);
    EXPECT_EQ(touch->time, 1500);
    const auto ball = ParseSimEvent(0, QStringLiteral("ball=120.5,80"), &error);
    ASSERT_TRUE(ball.has_value());
    EXPECT_EQ(ball->position, QPointF(120.5, 80));
    EXPECT_EQ(ParseSimEvent(0, QStringLiteral("room=OFF"), &error)->on, false);
    for (const char *bad : {"touch3=on", "room=dim", "ball=1", "ball=a,b", "light1", "=on"}) {
        error.clear();
        EXPECT_FALSE(ParseSimEvent(0, QString::fromLatin1(bad), &error).has_value()) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }
    EXPECT_EQ(ParseSeconds(QStringLiteral("2.5"), 600), 2500);
    EXPECT_FALSE(ParseSeconds(QStringLiteral("-1"), 600).has_value());
    EXPECT_FALSE(ParseSeconds(QStringLiteral("601"), 600).has_value());
    EXPECT_FALSE(ParseSeconds(QStringLiteral("nan"), 600).has_value());
}

TEST(SlotOfAddress, EachInstructionStartBelongsToItsIcon)
{
    // Countdown buzzer (1): a Variable Branch, whose FlowTable address is the one after it.
    WorkingProgram program = LoadSlotText(BuiltInSampleSet(4).programs[0]);
    const SimProgram compiled = CompileForSimulator(program);
    ASSERT_TRUE(compiled.ready);
    EXPECT_EQ(compiled.code,
              QByteArray::fromHex("98 0F E0 08 01 D0 08 0A 0C A9 10 0D AC 10 0F 40 00"));
    RunChecks(program); // the same compaction as the compiled copy
    const QList<int> expectedCodes
        = {11, -1, 22, -1, -1, 12, -1, -1, -1, 24, 13, -1, 24, 13, -1, 20, -1};
    ASSERT_EQ(compiled.slotOfAddress.size(), expectedCodes.size());
    for (int address = 0; address < expectedCodes.size(); ++address) {
        const int slot = compiled.slotOfAddress[address];
        const int code = slot < 0 ? -1 : program.SlotParams.at(slot).left(2).toInt();
        EXPECT_EQ(code, expectedCodes[address]) << "address " << address;
        if (slot >= 0) {
            EXPECT_EQ(compiled.slotCells.at(slot), program.SlotCell.at(slot));
        }
    }

    // A FlowTable that does not match the code maps nothing there.
    RunChecks(program);
    FlowTable flow;
    flow.at(0, FlowOpcode) = 0x51;
    flow.at(0, FlowAddress) = 0;
    flow.at(1, FlowOpcode) = 0xC0;
    flow.at(1, FlowOperand1) = 5;
    flow.at(1, FlowAddress) = 1;
    EXPECT_EQ(SlotOfAddress(flow, 2, QByteArray::fromHex("51 C0 05")), (QList<int> {0, 1, -1}));
    EXPECT_EQ(SlotOfAddress(flow, 2, QByteArray::fromHex("52 C0 05")), (QList<int> {-1, 1, -1}));
    EXPECT_EQ(SlotOfAddress(flow, 2, QByteArray::fromHex("51")), (QList<int> {0}));

    // A program the check refuses is not compiled, and says why.
    WorkingProgram broken = WorkingProgram::newProgram();
    const SimProgram refused = CompileForSimulator(broken);
    EXPECT_FALSE(refused.ready);
    EXPECT_FALSE(refused.refusal.isEmpty());
}

TEST(BeepSound, FourPitchesOfAFifthOfASecond)
{
    int lastCrossings = 0;
    for (int tone = 1; tone <= 4; ++tone) {
        const QByteArray samples = BeepSamples(tone);
        ASSERT_EQ(samples.size(), BeepSampleRate / 5);
        EXPECT_EQ(quint8(samples.front()), 128) << "no click at the start";
        EXPECT_NEAR(quint8(samples.back()), 128, 1) << "nor at the end";
        int crossings = 0;
        for (qsizetype i = 1; i < samples.size(); ++i) {
            if ((quint8(samples[i - 1]) < 128) != (quint8(samples[i]) < 128))
                ++crossings;
        }
        EXPECT_NEAR(crossings / 2.0 / 0.2, BeepFrequency(tone), 10) << tone;
        EXPECT_GT(crossings, lastCrossings) << "tone 1 low to 4 high";
        lastCrossings = crossings;
    }
    EXPECT_TRUE(BeepSamples(0).isEmpty());
    EXPECT_TRUE(BeepSamples(5).isEmpty());
}

TEST(SimulatorLink, LightsTheGridsIconOnlyWhileTheGridShowsTheCompiledProgram)
{
    // A gap in the grid's slots: the icon of slot 2 sits in a new last slot, which the
    // compiled (compacted) copy calls last - 1.
    WorkingProgram grid = LoadSlotText(BuiltInSampleSet(1).programs[0]);
    const int last = grid.SlotCount;
    const int cell = grid.SlotCell[2];
    grid.SlotParams[last] = grid.SlotParams[2];
    grid.SlotCell[last] = qint16(cell);
    grid.CellContent.atIndex(cell)
        = IconCellContent(grid.iconCodeAt(CellX(cell), CellY(cell)), last);
    grid.freeSlot(2);
    grid.ClaimSlot();
    const SimProgram compiled = CompileForSimulator(grid);
    ASSERT_TRUE(compiled.ready);
    const SimulatorLink link(grid, compiled);
    EXPECT_TRUE(link.sameRun(CompileForSimulator(grid), grid));
    EXPECT_EQ(link.gridSlot(last - 1, grid), last);
    EXPECT_EQ(link.gridSlot(0, grid), 0);
    EXPECT_EQ(link.gridSlot(-1, grid), -1);
    EXPECT_EQ(link.gridSlot(IconSlotLimit, grid), -1);

    // A line drawn on the grid makes it another program: nothing lit, a new run.
    WorkingProgram edited = grid;
    edited.CellContent(1, 0) = LineCell;
    EXPECT_FALSE(link.stillShown(edited));
    EXPECT_EQ(link.gridSlot(last - 1, edited), -1);
    EXPECT_FALSE(link.sameRun(compiled, edited));

    // The compiled slot executing now, none once the program has ended.
    Simulation simulation(compiled.code, ReadyCourse(1));
    ASSERT_TRUE(simulation.stepInstruction());
    EXPECT_EQ(ExecutingSlot(simulation, compiled.slotOfAddress), compiled.slotOfAddress[0]);
    EXPECT_GE(ExecutingSlot(simulation, compiled.slotOfAddress), 0);
    simulation.runUntil(60000);
    ASSERT_TRUE(simulation.stopped());
    EXPECT_EQ(ExecutingSlot(simulation, compiled.slotOfAddress), -1);
}
