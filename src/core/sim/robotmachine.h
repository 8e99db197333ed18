#pragma once
// The robot's processor: runs the code bytes of a TransmitImage one instruction at a time, in
// simulated milliseconds. Headless and deterministic; docs/ROBOT.md is its description.

#include <QByteArray>
#include <QString>
#include <array>

namespace zuvo::sim {

// What bits 7-3 of a motion instruction choose.
enum class Motion {
    Forward,
    Backward,
    TurnRight,
    TurnLeft,
    TurnRightBack,
    TurnLeftBack,
    SpinRight,
    SpinLeft,
};

// How the wheels are held: driven by the motion, free (rolling to a stop) or braked.
enum class WheelMode { Free, Driven, Braked };

enum class MachineStatus {
    Running, // executes instructions
    Timed, // inside a Wait, Brake or Beep
    Ended, // reached 00 FF or the end of the code
    Fault, // met a byte it cannot execute; the wheels are free
};

// The wheels as the program last set them.
struct DriveCommand
{
    WheelMode mode = WheelMode::Free;
    Motion motion = Motion::Forward;
    int speed = 0; // 0 slow, 1 middle, 2 fast
    bool operator==(const DriveCommand &) const = default;
};

// Sensor values as the program reads them at the moment an instruction executes.
class SensorReader
{
public:
    virtual ~SensorReader() = default;
    virtual bool lightDetected(int sensor) const = 0; // sensor 0 or 1
    virtual bool touchPressed(int sensor) const = 0;
};

constexpr int VariableCount = 8;
constexpr int RepeatDepthLimit = 16;
// An instruction stream that never waits runs at most this many instructions in one simulated
// millisecond, so that an endless loop without a Wait leaves time to the world and the window.
constexpr int InstructionsPerMillisecond = 50;
constexpr int BeepMilliseconds = 200;

class RobotMachine
{
public:
    explicit RobotMachine(const QByteArray &code = QByteArray());

    // Back to address 0 at time 0: variables 0, LED off, wheels free, no repeats open.
    void reset();

    // True when an instruction may execute in the current millisecond: running, not inside a
    // timed instruction, and the millisecond's instruction budget is not spent.
    bool canExecute() const;
    // Executes the instruction at the current address; does nothing unless canExecute().
    void executeNext(const SensorReader &sensors);
    // Runs every instruction the current millisecond allows.
    void runMillisecond(const SensorReader &sensors);
    // Ends the current millisecond: the clock moves on and a timed instruction whose time is
    // over completes (a brake lets the wheels free, a beep falls silent).
    void endMillisecond();

    const QByteArray &code() const { return m_code; }
    MachineStatus status() const { return m_status; }
    int address() const { return m_pc; } // the next instruction
    // Start address of the instruction executed last (a timed one while it runs); -1 before
    // the first.
    int executingAddress() const { return m_executing; }
    qint64 now() const { return m_now; } // milliseconds since the start
    qint64 executedCount() const { return m_executed; }
    DriveCommand drive() const { return m_drive; }
    // Counts the brakes executed: a brake stops the wheels at once even when it holds for no
    // time at all.
    qint64 brakeCount() const { return m_brakes; }
    bool ledOn() const { return m_led; }
    int beepTone() const { return m_status == MachineStatus::Timed && m_beeping ? m_tone : 0; }
    int lastBeepTone() const { return m_lastTone; } // 0 before the first beep
    qint64 lastBeepTime() const { return m_lastBeepTime; } // -1 before the first beep
    quint8 variable(int index) const { return m_variables.at(index); }
    const std::array<quint8, VariableCount> &variables() const { return m_variables; }
    int repeatDepth() const { return m_repeatDepth; }
    int repeatCounter(int level) const { return m_repeats.at(level); }
    QString faultText() const { return m_fault; }

private:
    bool fetch(int offset, quint8 &byte) const;
    void jump(int target);
    void fault(const QString &text);
    void startTimed(int milliseconds);
    bool operand(quint8 registerByte, int valueOffset, int &value, int &length);

    QByteArray m_code;
    MachineStatus m_status = MachineStatus::Running;
    int m_pc = 0;
    int m_executing = -1;
    qint64 m_now = 0;
    qint64 m_timedUntil = 0;
    int m_budgetUsed = 0;
    qint64 m_executed = 0;
    DriveCommand m_drive;
    bool m_braking = false;
    qint64 m_brakes = 0;
    bool m_beeping = false;
    bool m_led = false;
    int m_tone = 0;
    int m_lastTone = 0;
    qint64 m_lastBeepTime = -1;
    std::array<quint8, VariableCount> m_variables {};
    std::array<int, RepeatDepthLimit> m_repeats {};
    int m_repeatDepth = 0;
    QString m_fault;
};

// The code bytes of a TransmitImage: the bytes between the 16-byte header and the trailer
// 00 FF checksum. Empty when the image is too short to hold both.
QByteArray CodeOfTransmitImage(const QByteArray &image);

QString MotionName(Motion motion);

} // namespace zuvo::sim
