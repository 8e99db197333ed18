#pragma once
// The robot on its course: two wheels with differential drive, the body that walls stop, the
// touch and light sensors, the LED, the light ball and the room light. Stepped one simulated
// millisecond at a time, deterministically.

#include "sim/course.h"
#include "sim/geometry.h"
#include "sim/robotmachine.h"

namespace zuvo::sim {

class World
{
public:
    explicit World(const Course &course, int start = 0);

    // The robot back at start place `start` (0 when out of range), wheels still, the room
    // light and the ball as the course has them.
    void reset(int start);

    // The wheels follow the program: driven wheels turn at once at their speed, free wheels
    // roll to a stop.
    void setDrive(const DriveCommand &drive) { m_drive = drive; }
    // Both wheels stop at once.
    void brake();
    void setLed(bool on);
    void setRoomLight(bool on);
    // Puts the ball at `position` (kept on the floor); ignored on a course without a ball.
    void setBall(QPointF position);
    // Moves the robot by one millisecond.
    void advance();

    const Course &course() const { return m_course; }
    int start() const { return m_start; }
    Pose pose() const;
    QPointF position() const { return m_position; }
    double headingRadians() const { return m_heading; }
    double leftSpeed() const { return m_left; }
    double rightSpeed() const { return m_right; }
    bool ledOn() const { return m_led; }
    bool roomLightOn() const { return m_roomLight; }
    bool hasBall() const { return m_course.hasBall; }
    QPointF ball() const { return m_ball; }
    // True when the last millisecond's motion was held back by a wall or the ball.
    bool blocked() const { return m_blocked; }

    // Sensors as the world makes them: 0 is sensor 1 (right), 1 is sensor 2 (left).
    bool touchPressed(int sensor) const { return m_touch.at(sensor); }
    bool lightDetected(int sensor) const { return m_light.at(sensor); }
    bool ballSeen(int sensor) const;

    bool floorIsDark(QPointF point) const;
    Quad bodyAt(QPointF position, double heading) const;
    Quad body() const { return bodyAt(m_position, m_heading); }
    QPointF onRobot(QPointF local) const { return ToWorld(m_position, m_heading, local); }

private:
    void updateWheels();
    bool bodyHitsWall(const Quad &body) const;
    // Moves with the given wheel speeds; false (and no motion) when a wall is in the way.
    bool tryMove(double left, double right);
    bool tryPose(QPointF position, double heading);
    void pivotOnContact();
    bool pushBall(const Quad &body);
    void senseAll();

    Course m_course;
    int m_start = 0;
    QPointF m_position;
    double m_heading = 0; // radians, clockwise from east
    double m_left = 0; // wheel speeds, cm/s
    double m_right = 0;
    DriveCommand m_drive;
    bool m_led = false;
    bool m_roomLight = true;
    QPointF m_ball;
    bool m_blocked = false;
    std::array<bool, 2> m_touch {};
    std::array<bool, 2> m_light {};
};

// Wheel speeds (left, right) of a motion at speed 0..2, cm/s.
QPointF WheelSpeedsOf(Motion motion, int speed);

} // namespace zuvo::sim
