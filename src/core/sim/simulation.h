#pragma once
// The virtual robot running its program on a course: the processor and the world stepped
// together, one simulated millisecond at a time, with the switches a child can click and events
// that a script sets at given times.

#include "sim/robotmachine.h"
#include "sim/world.h"

#include <QList>

namespace zuvo::sim {

// Something that happens to the robot or the course at a given time.
struct SimEvent
{
    enum class Kind {
        TouchSwitch, // a child holds touch sensor `sensor` pressed (on) or lets go
        LightSwitch, // a child shines a light at light sensor `sensor` (on) or stops
        RoomLight, // the room light is switched on or off
        Ball, // the ball is put at `position`
    };
    qint64 time = 0; // ms
    Kind kind = Kind::RoomLight;
    int sensor = 0; // 0 or 1
    bool on = false;
    QPointF position;
};

class Simulation : private SensorReader
{
public:
    Simulation(const QByteArray &code, const Course &course, int start = 0);

    // Program, robot and course back to their start; switches off, events kept.
    void reset();
    // Resets and moves the robot to another start place of the course.
    void reset(int start);

    // One millisecond: due events, the instructions the millisecond allows, then the motion.
    void stepMillisecond();
    // Runs until one more instruction has executed (timed instructions take their time), or
    // `limitMs` simulated milliseconds have passed, or the program has stopped. True when an
    // instruction executed.
    bool stepInstruction(qint64 limitMs = 60000);
    // Runs until the clock reads `ms` (or is already past it).
    void runUntil(qint64 ms);

    // Events are applied when the clock reaches their time; they stay across a reset.
    void schedule(const SimEvent &event);
    void clearEvents() { m_events.clear(); }

    void setTouchSwitch(int sensor, bool on) { m_touchSwitch.at(sensor) = on; }
    void setLightSwitch(int sensor, bool on) { m_lightSwitch.at(sensor) = on; }
    bool touchSwitch(int sensor) const { return m_touchSwitch.at(sensor); }
    bool lightSwitch(int sensor) const { return m_lightSwitch.at(sensor); }
    void setRoomLight(bool on) { m_world.setRoomLight(on); }
    void setBall(QPointF position) { m_world.setBall(position); }

    const RobotMachine &machine() const { return m_machine; }
    const World &world() const { return m_world; }
    qint64 now() const { return m_machine.now(); }
    // The program has ended or stopped at a fault (the robot may still be rolling).
    bool stopped() const;

    // The sensors as the program reads them: the world's, or a child's switch.
    bool touchPressed(int sensor) const override;
    bool lightDetected(int sensor) const override;

private:
    void applyDueEvents();

    RobotMachine m_machine;
    World m_world;
    QList<SimEvent> m_events; // sorted by time
    qsizetype m_nextEvent = 0;
    qint64 m_brakesSeen = 0;
    std::array<bool, 2> m_touchSwitch {};
    std::array<bool, 2> m_lightSwitch {};
};

} // namespace zuvo::sim
