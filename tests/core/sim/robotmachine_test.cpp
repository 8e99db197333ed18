// The robot's processor, instruction by instruction, with sensors set by hand.

#include "sim/robotmachine.h"

#include <gtest/gtest.h>

#include <QList>

using namespace zuvo::sim;

namespace {

QByteArray bytes(const char *hexText)
{
    return QByteArray::fromHex(hexText);
}

class FixedSensors : public SensorReader
{
public:
    bool lightDetected(int sensor) const override { return light[sensor]; }
    bool touchPressed(int sensor) const override { return touch[sensor]; }
    bool light[2] = {false, false};
    bool touch[2] = {false, false};
};

// Start addresses of the instructions executed, one by one, until the program stops or the
// limit is reached.
QList<int> addressTrail(RobotMachine &machine, const SensorReader &sensors, int limit = 64)
{
    QList<int> trail;
    while (trail.size() < limit) {
        if (machine.canExecute()) {
            const qint64 before = machine.executedCount();
            machine.executeNext(sensors);
            if (machine.executedCount() > before)
                trail << machine.executingAddress();
        } else if (machine.status() == MachineStatus::Ended
                   || machine.status() == MachineStatus::Fault) {
            break;
        } else {
            machine.endMillisecond();
        }
    }
    return trail;
}

// Runs whole milliseconds until the clock reads `ms`.
void runUntil(RobotMachine &machine, const SensorReader &sensors, qint64 ms)
{
    while (machine.now() < ms) {
        machine.runMillisecond(sensors);
        machine.endMillisecond();
    }
}

} // namespace

TEST(RobotMachine, MotionInstructionsChooseMotionAndSpeed)
{
    const FixedSensors sensors;
    const Motion motions[]
        = {Motion::Forward,       Motion::Backward,     Motion::TurnRight, Motion::TurnLeft,
           Motion::TurnRightBack, Motion::TurnLeftBack, Motion::SpinRight, Motion::SpinLeft};
    for (int kind = 0; kind < 8; ++kind) {
        for (int speed = 0; speed < 3; ++speed) {
            const char op = char(0x50 + 8 * kind + speed);
            RobotMachine machine(QByteArray(1, op) + bytes("C001"));
            machine.executeNext(sensors);
            const DriveCommand drive = machine.drive();
            EXPECT_EQ(drive.mode, WheelMode::Driven) << kind << speed;
            EXPECT_EQ(drive.motion, motions[kind]);
            EXPECT_EQ(drive.speed, speed);
            EXPECT_EQ(machine.address(), 1);
        }
        // Speeds 3 to 7 are not speeds: the robot stops with a fault, wheels free.
        RobotMachine bad(QByteArray(1, char(0x50 + 8 * kind + 3)));
        bad.executeNext(sensors);
        EXPECT_EQ(bad.status(), MachineStatus::Fault);
        EXPECT_EQ(bad.drive().mode, WheelMode::Free);
        EXPECT_FALSE(bad.faultText().isEmpty());
    }

    // Motor Off lets the wheels free but keeps the last motion for the record.
    RobotMachine machine(bytes("62 20 C001"));
    machine.executeNext(sensors);
    machine.executeNext(sensors);
    EXPECT_EQ(machine.drive().mode, WheelMode::Free);
    EXPECT_EQ(machine.address(), 2);
}

TEST(RobotMachine, WaitHoldsTheStateForItsTenthsOfASecond)
{
    const FixedSensors sensors;
    RobotMachine machine(bytes("50 C0 05 59"));
    machine.runMillisecond(sensors);
    EXPECT_EQ(machine.status(), MachineStatus::Timed);
    EXPECT_EQ(machine.executingAddress(), 1);
    EXPECT_EQ(machine.drive().motion, Motion::Forward);

    runUntil(machine, sensors, 499);
    machine.runMillisecond(sensors);
    EXPECT_EQ(machine.drive().motion, Motion::Forward) << "still waiting at 499 ms";
    machine.endMillisecond();
    // The next instruction runs exactly 500 ms after the wait began, then the code ends.
    machine.runMillisecond(sensors);
    EXPECT_EQ(machine.drive().motion, Motion::Backward);
    EXPECT_EQ(machine.drive().speed, 1);
    EXPECT_EQ(machine.now(), 500);
    EXPECT_EQ(machine.status(), MachineStatus::Ended);
    EXPECT_EQ(machine.drive().mode, WheelMode::Free);

    // A wait of 0 takes no time.
    RobotMachine zero(bytes("C0 00 A1"));
    zero.runMillisecond(sensors);
    EXPECT_TRUE(zero.ledOn());
    EXPECT_EQ(zero.now(), 0);

    // A wait as the last instruction ends the program only when its time is over.
    RobotMachine last(bytes("51 C0 02"));
    runUntil(last, sensors, 199);
    last.runMillisecond(sensors);
    EXPECT_EQ(last.status(), MachineStatus::Timed);
    EXPECT_EQ(last.drive().mode, WheelMode::Driven);
    last.runMillisecond(sensors);
    last.endMillisecond();
    EXPECT_EQ(last.status(), MachineStatus::Ended);
    EXPECT_EQ(last.drive().mode, WheelMode::Free);
}

TEST(RobotMachine, BrakeStopsAtOnceHoldsThenFreesTheWheels)
{
    const FixedSensors sensors;
    RobotMachine machine(bytes("52 B0 03 C0 0A"));
    machine.runMillisecond(sensors);
    EXPECT_EQ(machine.drive().mode, WheelMode::Braked);
    EXPECT_EQ(machine.brakeCount(), 1);
    runUntil(machine, sensors, 299);
    EXPECT_EQ(machine.drive().mode, WheelMode::Braked);
    machine.runMillisecond(sensors);
    machine.endMillisecond();
    EXPECT_EQ(machine.drive().mode, WheelMode::Free) << "free after 300 ms";
    machine.runMillisecond(sensors);
    EXPECT_EQ(machine.executingAddress(), 3) << "the wait follows at once";
    EXPECT_EQ(machine.drive().mode, WheelMode::Free);

    // A brake of no time still counts as a brake (the wheels stop), then they are free.
    RobotMachine instant(bytes("52 B0 00 A1"));
    instant.runMillisecond(sensors);
    EXPECT_EQ(instant.brakeCount(), 1);
    EXPECT_EQ(instant.drive().mode, WheelMode::Free);
    EXPECT_TRUE(instant.ledOn());
}

TEST(RobotMachine, LedAndBeep)
{
    const FixedSensors sensors;
    RobotMachine machine(bytes("A1 AB A0 A9 A8 AD"));
    machine.executeNext(sensors);
    EXPECT_TRUE(machine.ledOn());
    machine.executeNext(sensors);
    EXPECT_EQ(machine.beepTone(), 3);
    EXPECT_EQ(machine.lastBeepTone(), 3);
    EXPECT_EQ(machine.lastBeepTime(), 0);
    EXPECT_FALSE(machine.canExecute()) << "a beep lasts 0.2 s";
    runUntil(machine, sensors, 200);
    EXPECT_EQ(machine.beepTone(), 0);
    EXPECT_EQ(machine.lastBeepTone(), 3);
    machine.executeNext(sensors);
    EXPECT_FALSE(machine.ledOn());
    machine.executeNext(sensors);
    EXPECT_EQ(machine.beepTone(), 1);
    EXPECT_EQ(machine.lastBeepTime(), 200);
    runUntil(machine, sensors, 400);
    // Tone 0 is a silent pause of the same length; the last heard tone stays.
    machine.executeNext(sensors);
    EXPECT_EQ(machine.status(), MachineStatus::Timed);
    EXPECT_EQ(machine.beepTone(), 0);
    EXPECT_EQ(machine.lastBeepTone(), 1);
    runUntil(machine, sensors, 600);
    machine.executeNext(sensors);
    EXPECT_EQ(machine.status(), MachineStatus::Fault) << "AD is no tone";
}

TEST(RobotMachine, SensorBranchesTakeTheYesPathOrJumpToTheNoPath)
{
    // The generator's Light Branch example: 91 05 52 10 06 58 (sensor 2; Yes Forward fast,
    // No Backward slow, merge).
    const QByteArray code = bytes("91 05 52 10 06 58");
    FixedSensors sensors;
    sensors.light[1] = true;
    RobotMachine yes(code);
    EXPECT_EQ(addressTrail(yes, sensors), (QList<int> {0, 2, 3}));
    EXPECT_EQ(yes.drive().speed, 2);
    EXPECT_EQ(yes.status(), MachineStatus::Ended);

    sensors.light[1] = false;
    sensors.light[0] = true; // the other sensor does not count
    RobotMachine no(code);
    EXPECT_EQ(addressTrail(no, sensors), (QList<int> {0, 5}));
    EXPECT_EQ(no.drive().motion, Motion::Backward);

    // Touch sensors 1 and 2.
    sensors = FixedSensors();
    sensors.touch[0] = true;
    RobotMachine touch(bytes("98 04 A1 A9 99 07 A0 AA"));
    EXPECT_EQ(addressTrail(touch, sensors), (QList<int> {0, 2, 3, 4, 7}));
    EXPECT_TRUE(touch.ledOn());
    EXPECT_EQ(touch.lastBeepTone(), 2);
}

TEST(RobotMachine, NestedBranchesAndMergesOfAGeneratedProgram)
{
    // Two touch sensors, as the generator lays out a branch inside a No path:
    // 0: 98 0B  touch 1?   2: 99 08  touch 2?   4: 20  5: AC  6: 10 09   8: 58   9: 10 10
    // 0B: 99 10  touch 2?  0D: 50  0E: 10 10   10: 40 00
    const QByteArray code = bytes("98 0B 99 08 20 AC 10 09 58 10 10 99 10 50 10 10 40 00");
    struct Case
    {
        bool touch1, touch2;
        QList<int> trail;
    };
    const Case cases[] = {
        {true, true, {0, 2, 4, 5, 6, 9, 16}},
        {true, false, {0, 2, 8, 9, 16}},
        {false, true, {0, 11, 13, 14, 16}},
        {false, false, {0, 11, 16}},
    };
    for (const Case &c : cases) {
        FixedSensors sensors;
        sensors.touch[0] = c.touch1;
        sensors.touch[1] = c.touch2;
        RobotMachine machine(code);
        const QList<int> trail = addressTrail(machine, sensors, c.trail.size() + 1);
        EXPECT_EQ(trail.mid(0, c.trail.size()), c.trail) << c.touch1 << c.touch2;
        EXPECT_EQ(trail.last(), 0) << "the loop goes back to the start";
    }
}

TEST(RobotMachine, JumpsAndRepeatsNested)
{
    const FixedSensors sensors;
    // Repeat 3 { Repeat 2 { A += 1 } B += 1 }: A counts 6, B counts 3.
    // 0: B8 03  2: B8 02  4: E0 08 01  7: 48 04  9: E0 18 01  0C: 48 02
    RobotMachine machine(bytes("B8 03 B8 02 E0 08 01 48 04 E0 18 01 48 02"));
    addressTrail(machine, sensors, 1000);
    EXPECT_EQ(machine.status(), MachineStatus::Ended);
    EXPECT_EQ(machine.variable(0), 6);
    EXPECT_EQ(machine.variable(1), 3);
    EXPECT_EQ(machine.repeatDepth(), 0);

    // The generator's example: Repeat 3 around Brake 1.0 holds 3 s in all.
    RobotMachine brakes(bytes("B8 03 B0 0A 48 02"));
    while (brakes.now() < 10000) {
        brakes.runMillisecond(sensors);
        if (brakes.status() == MachineStatus::Ended)
            break;
        brakes.endMillisecond();
    }
    EXPECT_EQ(brakes.brakeCount(), 3);
    EXPECT_EQ(brakes.now(), 3000);

    // A count of 0 runs the body once, like 1.
    RobotMachine zero(bytes("B8 00 E0 08 01 48 02"));
    addressTrail(zero, sensors);
    EXPECT_EQ(zero.variable(0), 1);

    // Jumps: 10 a and 40 a both go to a; the Loop End example keeps driving.
    RobotMachine jumps(bytes("10 04 A1 A1 40 06 A9 51 40 07"));
    EXPECT_EQ(addressTrail(jumps, sensors, 6), (QList<int> {0, 4, 6, 7, 8, 7}));
    EXPECT_FALSE(jumps.ledOn());

    // A Repeat End with no open repeat is a fault, and so is a 17th open repeat.
    RobotMachine lone(bytes("48 00"));
    lone.executeNext(sensors);
    EXPECT_EQ(lone.status(), MachineStatus::Fault);
    QByteArray deep;
    for (int i = 0; i <= RepeatDepthLimit; ++i)
        deep += bytes("B8 02");
    RobotMachine tooDeep(deep);
    addressTrail(tooDeep, sensors);
    EXPECT_EQ(tooDeep.status(), MachineStatus::Fault);
    EXPECT_EQ(tooDeep.repeatDepth(), RepeatDepthLimit);
}

TEST(RobotMachine, VariablesSetCalculateCompareAndWrap)
{
    const FixedSensors sensors;
    // B = 7; C = B; C x= 40 (280 wraps to 24); D = 3; D -= 5 (wraps to 254); E = 200; E += 100
    // (44); F = 9; F /= 0 (unchanged); G = 9; G /= 2 (4); H = 5; H /= C (0).
    RobotMachine machine(bytes("D8 18 07 D8 21 E2 28 28 D8 38 03 E1 38 05 D8 48 C8 E0 48 64"
                               " D8 58 09 E3 58 00 D8 68 09 E3 68 02 D8 78 05 E3 72"));
    addressTrail(machine, sensors, 100);
    EXPECT_EQ(machine.status(), MachineStatus::Ended);
    EXPECT_EQ(machine.variable(1), 7);
    EXPECT_EQ(machine.variable(2), 24);
    EXPECT_EQ(machine.variable(3), 254);
    EXPECT_EQ(machine.variable(4), 44);
    EXPECT_EQ(machine.variable(5), 9) << "division by 0 leaves the variable alone";
    EXPECT_EQ(machine.variable(6), 4);
    EXPECT_EQ(machine.variable(7), 0);

    // Variable Branch: D >= 200 continues, less jumps to the No path (the generator's example
    // D0 38 C8 09 with its No path at 9).
    for (int d : {199, 200, 255}) {
        RobotMachine branch(QByteArray(bytes("D8 38")) + char(d)
                            + bytes("D0 38 C8 0A A1 10 0B A9"));
        addressTrail(branch, sensors, 5);
        EXPECT_EQ(branch.ledOn(), d >= 200) << d;
        EXPECT_EQ(branch.lastBeepTone(), d >= 200 ? 0 : 1) << d;
    }
    // Against another variable: A >= H with A = 2, H = 3 jumps; then A = 3 continues.
    RobotMachine other(bytes("D8 08 02 D8 78 03 D0 07 0B A1 A1 E0 08 01 40 06"));
    const QList<int> trail = addressTrail(other, sensors, 6);
    EXPECT_EQ(trail, (QList<int> {0, 3, 6, 11, 14, 6}));
    other.executeNext(sensors);
    EXPECT_EQ(other.executingAddress(), 9) << "A = 3 is not less than H = 3";

    // A register byte naming a ninth variable is a fault.
    RobotMachine bad(bytes("D8 88 01"));
    bad.executeNext(sensors);
    EXPECT_EQ(bad.status(), MachineStatus::Fault);
}

TEST(RobotMachine, AnEndlessLoopWithoutWaitRunsAFixedNumberOfInstructionsPerMillisecond)
{
    const FixedSensors sensors;
    RobotMachine machine(bytes("90 00 40 00"));
    machine.runMillisecond(sensors);
    EXPECT_EQ(machine.executedCount(), InstructionsPerMillisecond);
    EXPECT_FALSE(machine.canExecute());
    machine.executeNext(sensors);
    EXPECT_EQ(machine.executedCount(), InstructionsPerMillisecond) << "budget spent";
    machine.endMillisecond();
    runUntil(machine, sensors, 100);
    EXPECT_EQ(machine.executedCount(), 100 * InstructionsPerMillisecond);
    EXPECT_EQ(machine.now(), 100);
    EXPECT_EQ(machine.status(), MachineStatus::Running);
}

TEST(RobotMachine, EndOfTheProgramAndBrokenCode)
{
    const FixedSensors sensors;
    // 00 FF ends the program and frees the wheels; what follows is never run.
    RobotMachine machine(bytes("52 A1 00 FF A0"));
    addressTrail(machine, sensors);
    EXPECT_EQ(machine.status(), MachineStatus::Ended);
    EXPECT_EQ(machine.drive().mode, WheelMode::Free);
    EXPECT_TRUE(machine.ledOn());
    machine.endMillisecond();
    EXPECT_FALSE(machine.canExecute());

    // No code at all: ended from the start.
    EXPECT_EQ(RobotMachine().status(), MachineStatus::Ended);

    // A jump just past the code ends; further out is a fault.
    RobotMachine edge(bytes("10 02"));
    addressTrail(edge, sensors);
    EXPECT_EQ(edge.status(), MachineStatus::Ended);
    RobotMachine outside(bytes("10 05"));
    addressTrail(outside, sensors);
    EXPECT_EQ(outside.status(), MachineStatus::Fault);

    // Cut-off operands and bytes that are no instruction.
    for (const char *code : {"C0", "D0 38 C8", "D8 18", "00", "00 00", "30", "FF", "E4 08 01"}) {
        RobotMachine broken(QByteArray::fromHex("51") + bytes(code));
        addressTrail(broken, sensors);
        EXPECT_EQ(broken.status(), MachineStatus::Fault) << code;
        EXPECT_EQ(broken.drive().mode, WheelMode::Free) << code;
        EXPECT_TRUE(broken.faultText().contains(QStringLiteral(u"アドレス 1 "))) << code;
    }

    // Reset runs the program again from the start.
    machine.reset();
    EXPECT_EQ(machine.status(), MachineStatus::Running);
    EXPECT_FALSE(machine.ledOn());
    EXPECT_EQ(machine.now(), 0);
    EXPECT_EQ(machine.executingAddress(), -1);
}

TEST(RobotMachine, CodeOfTransmitImage)
{
    const QByteArray image
        = bytes("01 3A 5C C4 B4 E1 F1 F9 00 00 00 00 00 00 00 00 51 C0 05 00 FF 15");
    EXPECT_EQ(CodeOfTransmitImage(image), bytes("51 C0 05"));
    EXPECT_TRUE(CodeOfTransmitImage(image.left(18)).isEmpty());
}
