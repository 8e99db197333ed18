#include "sim/world.h"

#include "sim/robotbody.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zuvo::sim {

namespace {

constexpr double StepSeconds = 0.001;
constexpr double DegreesToRadians = std::numbers::pi / 180;

} // namespace

QPointF WheelSpeedsOf(Motion motion, int speed)
{
    const double v = WheelSpeeds.at(std::clamp(speed, 0, 2));
    switch (motion) {
    case Motion::Forward:
        return {v, v};
    case Motion::Backward:
        return {-v, -v};
    case Motion::TurnRight:
        return {v, 0};
    case Motion::TurnLeft:
        return {0, v};
    case Motion::TurnRightBack:
        return {-v, 0};
    case Motion::TurnLeftBack:
        return {0, -v};
    case Motion::SpinRight:
        return {v, -v};
    case Motion::SpinLeft:
        return {-v, v};
    }
    return {0, 0};
}

World::World(const Course &course, int start)
    : m_course(course)
{
    reset(start);
}

void World::reset(int start)
{
    m_start = (start >= 0 && start < m_course.starts.size()) ? start : 0;
    const Pose pose = m_course.starts.isEmpty() ? Pose() : m_course.starts.at(m_start).pose;
    m_position = pose.position;
    m_heading = pose.heading * DegreesToRadians;
    m_left = m_right = 0;
    m_drive = DriveCommand();
    m_led = false;
    m_roomLight = m_course.roomLightOn;
    m_ball = m_course.ball;
    m_blocked = false;
    senseAll();
}

Pose World::pose() const
{
    double degrees = NormalizedAngle(m_heading) / DegreesToRadians;
    if (std::abs(degrees) < 0.0005)
        degrees = 0; // no "-0.0" in a printed path
    return Pose {m_position, degrees};
}

void World::brake()
{
    m_left = m_right = 0;
}

void World::setLed(bool on)
{
    if (on != m_led) {
        m_led = on;
        senseAll();
    }
}

void World::setRoomLight(bool on)
{
    if (on != m_roomLight) {
        m_roomLight = on;
        senseAll();
    }
}

void World::setBall(QPointF position)
{
    if (!m_course.hasBall)
        return;
    m_ball = QPointF(std::clamp(position.x(), BallRadius, m_course.size.width() - BallRadius),
                     std::clamp(position.y(), BallRadius, m_course.size.height() - BallRadius));
    senseAll();
}

Quad World::bodyAt(QPointF position, double heading) const
{
    return {ToWorld(position, heading, QPointF(BodyFront, -BodyHalfWidth)),
            ToWorld(position, heading, QPointF(BodyFront, BodyHalfWidth)),
            ToWorld(position, heading, QPointF(BodyRear, BodyHalfWidth)),
            ToWorld(position, heading, QPointF(BodyRear, -BodyHalfWidth))};
}

bool World::bodyHitsWall(const Quad &body) const
{
    for (const QLineF &wall : m_course.walls) {
        if (SegmentHitsQuad(wall, body))
            return true;
    }
    return false;
}

void World::updateWheels()
{
    if (m_drive.mode == WheelMode::Driven) {
        const QPointF speeds = WheelSpeedsOf(m_drive.motion, m_drive.speed);
        m_left = speeds.x();
        m_right = speeds.y();
    } else if (m_drive.mode == WheelMode::Braked) {
        m_left = m_right = 0;
    } else {
        const double slowDown = RollingDeceleration * StepSeconds;
        for (double *wheel : {&m_left, &m_right}) {
            if (std::abs(*wheel) <= slowDown)
                *wheel = 0;
            else
                *wheel -= std::copysign(slowDown, *wheel);
        }
    }
}

bool World::tryMove(double left, double right)
{
    if (left == 0 && right == 0)
        return true;
    // Differential drive, integrated at the middle of the step: turning right is clockwise.
    const double omega = (left - right) / TrackWidth;
    const double speed = (left + right) / 2;
    const double middle = m_heading + omega * StepSeconds / 2;
    return tryPose(m_position + Direction(middle) * (speed * StepSeconds),
                   m_heading + omega * StepSeconds);
}

bool World::tryPose(QPointF position, double heading)
{
    const Quad body = bodyAt(position, heading);
    if (bodyHitsWall(body))
        return false;
    const QPointF ballBefore = m_ball;
    if (m_course.hasBall && !pushBall(body)) {
        m_ball = ballBefore;
        return false;
    }
    m_position = position;
    m_heading = heading;
    return true;
}

// The front edge rests against a wall at one point. The wheel on the other side keeps
// driving, and the robot swings round that point until its front lies flat against the wall
// (or something else stops it), as a real robot pushing into a wall at a slant does.
void World::pivotOnContact()
{
    const QLineF front(onRobot(QPointF(BodyFront, -BodyHalfWidth)),
                       onRobot(QPointF(BodyFront, BodyHalfWidth)));
    double best = std::numeric_limits<double>::infinity();
    QPointF contact;
    for (const QLineF &wall : m_course.walls) {
        // The point of the front edge nearest to this wall.
        const QPointF candidates[4][2] = {
            {ClosestPointOnSegment(wall.p1(), front), wall.p1()},
            {ClosestPointOnSegment(wall.p2(), front), wall.p2()},
            {front.p1(), ClosestPointOnSegment(front.p1(), wall)},
            {front.p2(), ClosestPointOnSegment(front.p2(), wall)},
        };
        for (const auto &pair : candidates) {
            const double d = Length(pair[0] - pair[1]);
            if (d < best) {
                best = d;
                contact = pair[0];
            }
        }
    }
    if (best > 2 * TouchReach)
        return; // held at the side or the back: it just stays

    const QPointF local = ToLocal(m_position, m_heading, contact);
    const bool rightWheelFree = local.y() < 0;
    const double wheelSpeed = rightWheelFree ? m_right : m_left;
    const double wheelY = rightWheelFree ? TrackWidth / 2 : -TrackWidth / 2;
    if (wheelSpeed <= 0 || std::abs(wheelY - local.y()) < 1e-9)
        return;
    const double turn = -wheelSpeed / (wheelY - local.y()) * StepSeconds;
    const double c = std::cos(turn);
    const double s = std::sin(turn);
    const QPointF arm = m_position - contact;
    tryPose(contact + QPointF(arm.x() * c - arm.y() * s, arm.x() * s + arm.y() * c),
            m_heading + turn);
}

// The ball is light: the body pushes it out of its way, and the walls push it back. False when
// the ball is wedged between the two.
bool World::pushBall(const Quad &body)
{
    QPointF closest = m_ball;
    bool inside = InsideConvexQuad(m_ball, body);
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < 4; ++i) {
        const QPointF c = ClosestPointOnSegment(m_ball, QLineF(body[i], body[(i + 1) % 4]));
        const double d = Length(m_ball - c);
        if (d < best) {
            best = d;
            closest = c;
        }
    }
    if (!inside && best >= BallRadius)
        return true;
    QPointF away = m_ball - closest;
    if (inside)
        away = -away; // the centre went past the edge: push it back out through that edge
    if (Length(away) < 1e-9)
        away = Direction(m_heading);
    m_ball = closest + away / Length(away) * (BallRadius + 1e-6);

    for (const QLineF &wall : m_course.walls) {
        const QPointF c = ClosestPointOnSegment(m_ball, wall);
        const double d = Length(m_ball - c);
        if (d < BallRadius) {
            const QPointF out = d > 1e-9 ? (m_ball - c) / d : QPointF(0, 0);
            m_ball = c + out * (BallRadius + 1e-6);
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (DistanceToSegment(m_ball, QLineF(body[i], body[(i + 1) % 4])) < BallRadius - 1e-3)
            return false;
    }
    if (InsideConvexQuad(m_ball, body))
        return false;
    return true;
}

void World::advance()
{
    updateWheels();
    m_blocked = false;
    if (!tryMove(m_left, m_right)) {
        m_blocked = true;
        pivotOnContact();
    }
    senseAll();
}

bool World::floorIsDark(QPointF point) const
{
    for (const QRectF &mat : m_course.darkMats) {
        if (mat.contains(point))
            return true;
    }
    for (const QList<QPointF> &line : m_course.lines) {
        if (DistanceToPolyline(point, line) <= m_course.lineWidth / 2)
            return true;
    }
    return false;
}

bool World::ballSeen(int sensor) const
{
    if (!m_course.hasBall)
        return false;
    const QPointF eye = onRobot(LightEye(sensor));
    const QPointF toBall = m_ball - eye;
    const double distance = Length(toBall);
    if (distance > BallSightRange)
        return false;
    if (distance > 1e-9) {
        const double angle = NormalizedAngle(std::atan2(toBall.y(), toBall.x()) - m_heading);
        if (std::abs(angle) > BallSightHalfAngle * DegreesToRadians)
            return false;
    }
    const QLineF sight(eye, m_ball);
    for (const QLineF &wall : m_course.walls) {
        if (SegmentsIntersect(sight, wall))
            return false;
    }
    return true;
}

void World::senseAll()
{
    for (int sensor = 0; sensor < 2; ++sensor) {
        const QLineF lever(onRobot(TouchLever(sensor).p1()), onRobot(TouchLever(sensor).p2()));
        bool pressed = false;
        for (const QLineF &wall : m_course.walls) {
            if (SegmentDistance(lever, wall) <= TouchReach) {
                pressed = true;
                break;
            }
        }
        m_touch[sensor] = pressed;
        const bool litFloor = (m_roomLight || m_led) && !floorIsDark(onRobot(LightSpot(sensor)));
        m_light[sensor] = litFloor || ballSeen(sensor);
    }
}

} // namespace zuvo::sim
