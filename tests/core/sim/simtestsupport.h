#pragma once
// Running a built-in sample on a course and keeping what happened, millisecond by millisecond.

#include "model/programtext.h"
#include "model/samples.h"
#include "sim/course.h"
#include "sim/simprogram.h"
#include "sim/simulation.h"

#include <gtest/gtest.h>

#include <QList>
#include <vector>

namespace zuvo::sim::test {

inline SimProgram compiledSample(int set, int slot)
{
    return CompileForSimulator(LoadSlotText(BuiltInSampleSet(set).programs.at(slot - 1)));
}

struct Frame
{
    qint64 time = 0;
    Pose pose;
    DriveCommand drive;
    bool touch[2] = {false, false};
    bool light[2] = {false, false};
    int beep = 0; // tone sounding
    QPointF ball;
    MachineStatus status = MachineStatus::Running;
    quint8 a = 0; // variable A
};

// The beeps heard, in order: start time and tone.
struct Beep
{
    qint64 time;
    int tone;
};

struct SampleRun
{
    std::vector<Frame> frames; // frames[t] is the state at t ms
    QList<Beep> beeps;

    const Frame &at(double seconds) const { return frames.at(size_t(seconds * 1000 + 0.5)); }
    // Times (ms) at which touch sensor `sensor` became pressed.
    QList<qint64> presses(int sensor) const
    {
        QList<qint64> times;
        for (size_t i = 1; i < frames.size(); ++i) {
            if (frames[i].touch[sensor] && !frames[i - 1].touch[sensor])
                times << frames[i].time;
        }
        return times;
    }
};

inline Frame snapshot(const Simulation &simulation)
{
    Frame frame;
    frame.time = simulation.now();
    frame.pose = simulation.world().pose();
    frame.drive = simulation.machine().drive();
    for (int s = 0; s < 2; ++s) {
        frame.touch[s] = simulation.touchPressed(s);
        frame.light[s] = simulation.lightDetected(s);
    }
    frame.beep = simulation.machine().beepTone();
    frame.ball = simulation.world().ball();
    frame.status = simulation.machine().status();
    frame.a = simulation.machine().variable(0);
    return frame;
}

// Runs sample `set`-`slot` on `course` from start place `start` for `seconds`, with `events`.
inline SampleRun runSample(int set, int slot, int course, double seconds,
                           const QList<SimEvent> &events = {}, int start = 0)
{
    const SimProgram program = compiledSample(set, slot);
    EXPECT_TRUE(program.ready) << program.refusal.toStdString();
    Simulation simulation(program.code, ReadyCourse(course), start);
    for (const SimEvent &event : events)
        simulation.schedule(event);
    SampleRun run;
    const qint64 end = qint64(seconds * 1000);
    run.frames.reserve(size_t(end + 1));
    qint64 lastBeep = -1;
    run.frames.push_back(snapshot(simulation));
    while (simulation.now() < end) {
        simulation.stepMillisecond();
        const RobotMachine &machine = simulation.machine();
        if (machine.lastBeepTime() != lastBeep) {
            lastBeep = machine.lastBeepTime();
            run.beeps << Beep {lastBeep, machine.lastBeepTone()};
        }
        run.frames.push_back(snapshot(simulation));
        EXPECT_NE(machine.status(), MachineStatus::Fault) << machine.faultText().toStdString();
    }
    return run;
}

inline SimEvent touchAt(double seconds, int sensor, bool on)
{
    SimEvent event;
    event.time = qint64(seconds * 1000);
    event.kind = SimEvent::Kind::TouchSwitch;
    event.sensor = sensor;
    event.on = on;
    return event;
}

inline SimEvent roomAt(double seconds, bool on)
{
    SimEvent event;
    event.time = qint64(seconds * 1000);
    event.kind = SimEvent::Kind::RoomLight;
    event.on = on;
    return event;
}

inline SimEvent ballAt(double seconds, QPointF position)
{
    SimEvent event;
    event.time = qint64(seconds * 1000);
    event.kind = SimEvent::Kind::Ball;
    event.position = position;
    return event;
}

} // namespace zuvo::sim::test
