#include "sim/simulation.h"

#include <algorithm>

namespace zuvo::sim {

Simulation::Simulation(const QByteArray &code, const Course &course, int start)
    : m_machine(code)
    , m_world(course, start)
{
}

void Simulation::reset()
{
    reset(m_world.start());
}

void Simulation::reset(int start)
{
    m_machine.reset();
    m_world.reset(start);
    m_nextEvent = 0;
    m_brakesSeen = 0;
    m_touchSwitch.fill(false);
    m_lightSwitch.fill(false);
}

void Simulation::schedule(const SimEvent &event)
{
    const auto at = std::upper_bound(m_events.begin(), m_events.end(), event.time,
                                     [](qint64 time, const SimEvent &e) { return time < e.time; });
    const qsizetype index = at - m_events.begin();
    m_events.insert(index, event);
    if (index < m_nextEvent)
        ++m_nextEvent; // an event already past stays past
}

void Simulation::applyDueEvents()
{
    while (m_nextEvent < m_events.size() && m_events.at(m_nextEvent).time <= now()) {
        const SimEvent &event = m_events.at(m_nextEvent++);
        switch (event.kind) {
        case SimEvent::Kind::TouchSwitch:
            setTouchSwitch(event.sensor, event.on);
            break;
        case SimEvent::Kind::LightSwitch:
            setLightSwitch(event.sensor, event.on);
            break;
        case SimEvent::Kind::RoomLight:
            setRoomLight(event.on);
            break;
        case SimEvent::Kind::Ball:
            setBall(event.position);
            break;
        }
    }
}

bool Simulation::touchPressed(int sensor) const
{
    return m_touchSwitch.at(sensor) || m_world.touchPressed(sensor);
}

bool Simulation::lightDetected(int sensor) const
{
    return m_lightSwitch.at(sensor) || m_world.lightDetected(sensor);
}

bool Simulation::stopped() const
{
    return m_machine.status() == MachineStatus::Ended || m_machine.status() == MachineStatus::Fault;
}

void Simulation::stepMillisecond()
{
    applyDueEvents();
    m_machine.runMillisecond(*this);
    if (m_machine.brakeCount() != m_brakesSeen) {
        m_brakesSeen = m_machine.brakeCount();
        m_world.brake();
    }
    m_world.setLed(m_machine.ledOn());
    m_world.setDrive(m_machine.drive());
    m_world.advance();
    m_machine.endMillisecond();
    // What happens at the new time is already there for whoever looks at it now.
    applyDueEvents();
}

bool Simulation::stepInstruction(qint64 limitMs)
{
    const qint64 before = m_machine.executedCount();
    const qint64 until = now() + limitMs;
    while (now() < until) {
        applyDueEvents();
        if (m_machine.canExecute()) {
            m_machine.executeNext(*this);
            if (m_machine.executedCount() > before) {
                if (m_machine.brakeCount() != m_brakesSeen) {
                    m_brakesSeen = m_machine.brakeCount();
                    m_world.brake();
                }
                m_world.setLed(m_machine.ledOn());
                m_world.setDrive(m_machine.drive());
                return true;
            }
        }
        if (stopped())
            return false;
        // Nothing more runs in this millisecond: let it pass.
        stepMillisecond();
    }
    return false;
}

void Simulation::runUntil(qint64 ms)
{
    while (now() < ms)
        stepMillisecond();
}

} // namespace zuvo::sim
