#pragma once
// The virtual robot's measurements, in centimetres on the robot: x forward from the middle of the
// wheel axle, y to the right. docs/ROBOT.md explains each value.

#include <QLineF>
#include <QPointF>
#include <array>

namespace zuvo::sim {

constexpr double TrackWidth = 11.5; // wheel to wheel
constexpr std::array<double, 3> WheelSpeeds = {10, 20, 30}; // cm/s: slow, middle, fast
constexpr double RollingDeceleration = 60; // cm/s per second, a free wheel slowing down

constexpr double BodyRear = -5;
constexpr double BodyFront = 9;
constexpr double BodyHalfWidth = 7;

// A touch sensor is a lever along its half of the front edge: sensor 1 (index 0) on the right,
// sensor 2 (index 1) on the left. It is pressed when a wall comes this close.
constexpr double TouchReach = 0.3;
inline QLineF TouchLever(int sensor)
{
    const double side = sensor == 0 ? BodyHalfWidth : -BodyHalfWidth;
    return QLineF(BodyFront, 0, BodyFront, side);
}

// Light sensors look down at the floor just ahead of the robot (sensor 1 right, sensor 2 left),
// and forward: the light ball is seen within a cone.
constexpr double LightSpotAhead = 12;
constexpr double LightSpotSide = 1.5;
inline QPointF LightSpot(int sensor)
{
    return QPointF(LightSpotAhead, sensor == 0 ? LightSpotSide : -LightSpotSide);
}
inline QPointF LightEye(int sensor)
{
    return QPointF(BodyFront, sensor == 0 ? LightSpotSide : -LightSpotSide);
}
constexpr double BallSightRange = 200;
constexpr double BallSightHalfAngle = 15; // degrees either side of straight ahead

constexpr double BallRadius = 3.5;

} // namespace zuvo::sim
