// The robot on a floor: wheels, walls, touch and light sensors, the ball.

#include "sim/robotbody.h"
#include "sim/world.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zuvo::sim;

namespace {

// A plain lit floor, 400 x 300, robot at (100, 150) facing east.
Course openFloor()
{
    Course course;
    course.number = 9;
    course.name = QStringLiteral("test");
    course.size = QSizeF(400, 300);
    course.walls << QLineF(0, 0, 400, 0) << QLineF(400, 0, 400, 300) << QLineF(400, 300, 0, 300)
                 << QLineF(0, 300, 0, 0);
    course.starts << StartPlace {QStringLiteral("start"), {QPointF(100, 150), 0}};
    return course;
}

void drive(World &world, Motion motion, int speed, int milliseconds)
{
    world.setDrive(DriveCommand {WheelMode::Driven, motion, speed});
    for (int i = 0; i < milliseconds; ++i)
        world.advance();
}

double degrees(const World &world)
{
    return world.pose().heading;
}

QPointF wheel(const World &world, bool right)
{
    return world.onRobot(QPointF(0, right ? TrackWidth / 2 : -TrackWidth / 2));
}

} // namespace

TEST(World, EachMotionMovesTheWheelsItNames)
{
    const double turn = 20 / TrackWidth * 180 / M_PI; // one wheel at 20 cm/s for 1 s
    struct Case
    {
        Motion motion;
        double dx; // of the axle's middle, when the robot turns on the spot or drives straight
        double heading;
        int standingWheel; // 0 none, 1 right, 2 left
    };
    const Case cases[] = {
        {Motion::Forward, 20, 0, 0},          {Motion::Backward, -20, 0, 0},
        {Motion::TurnRight, 0, turn, 1},      {Motion::TurnLeft, 0, -turn, 2},
        {Motion::TurnRightBack, 0, -turn, 1}, {Motion::TurnLeftBack, 0, turn, 2},
        {Motion::SpinRight, 0, 2 * turn, 0},  {Motion::SpinLeft, 0, -2 * turn, 0},
    };
    for (const Case &c : cases) {
        World world(openFloor());
        const QPointF right = wheel(world, true);
        const QPointF left = wheel(world, false);
        drive(world, c.motion, 1, 1000);
        const std::string name = MotionName(c.motion).toStdString();
        EXPECT_NEAR(NormalizedAngle((degrees(world) - c.heading) * M_PI / 180), 0, 1e-3) << name;
        if (c.standingWheel == 1)
            EXPECT_LT(Length(wheel(world, true) - right), 1e-4) << name;
        else if (c.standingWheel == 2)
            EXPECT_LT(Length(wheel(world, false) - left), 1e-4) << name;
        else
            EXPECT_NEAR(world.position().x(), 100 + c.dx, 1e-6) << name;
        EXPECT_FALSE(world.blocked()) << name;
    }
    // The backward turns go backwards: the axle ends up behind where it started.
    World back(openFloor());
    drive(back, Motion::TurnRightBack, 1, 300);
    EXPECT_LT(back.position().x(), 100);
    EXPECT_GT(back.position().y(), 150) << "its tail swings to the right";

    // Speeds 0, 1, 2 are 10, 20 and 30 cm/s.
    for (int speed = 0; speed < 3; ++speed) {
        World world(openFloor());
        drive(world, Motion::Forward, speed, 1000);
        EXPECT_NEAR(world.position().x(), 100 + WheelSpeeds[speed], 1e-6);
    }
}

TEST(World, FreeWheelsRollToAStopAndTheBrakeStopsAtOnce)
{
    World rolling(openFloor());
    drive(rolling, Motion::Forward, 1, 1000);
    rolling.setDrive(DriveCommand {WheelMode::Free, Motion::Forward, 1});
    for (int i = 0; i < 1000; ++i)
        rolling.advance();
    EXPECT_NEAR(rolling.position().x(), 120 + 20.0 * 20 / (2 * RollingDeceleration), 0.05);
    EXPECT_EQ(rolling.leftSpeed(), 0);
    EXPECT_EQ(rolling.rightSpeed(), 0);

    World braked(openFloor());
    drive(braked, Motion::Forward, 1, 1000);
    braked.brake();
    braked.setDrive(DriveCommand {WheelMode::Free, Motion::Forward, 1});
    braked.advance();
    EXPECT_NEAR(braked.position().x(), 120, 1e-9);
}

TEST(World, WallsStopTheBodyAndPressTheTouchSensorOnThatSide)
{
    // Head-on: both levers touch.
    Course course = openFloor();
    course.walls << QLineF(150, 0, 150, 300);
    World world(course);
    drive(world, Motion::Forward, 2, 3000);
    EXPECT_TRUE(world.blocked());
    EXPECT_NEAR(world.position().x() + BodyFront, 150, 0.05);
    EXPECT_TRUE(world.touchPressed(0));
    EXPECT_TRUE(world.touchPressed(1));
    drive(world, Motion::Backward, 0, 100);
    EXPECT_FALSE(world.touchPressed(0)) << "released once it backs off";
    EXPECT_FALSE(world.touchPressed(1));

    // The end of a wall meets the left half of the front: only touch sensor 2 is pressed.
    // Pushed on by the right wheel, the robot twists off the wall's end to the left.
    Course stub = openFloor();
    stub.walls << QLineF(150, 100, 150, 147);
    World left(stub);
    while (!left.touchPressed(1) && left.position().x() < 200)
        drive(left, Motion::Forward, 1, 1);
    EXPECT_FALSE(left.touchPressed(0));
    EXPECT_TRUE(left.touchPressed(1));
    for (int i = 0; i < 4000; ++i) {
        drive(left, Motion::Forward, 1, 1);
        ASSERT_FALSE(SegmentHitsQuad(stub.walls.last(), left.body())) << i;
    }
    EXPECT_LT(degrees(left), -10);
    EXPECT_GT(left.position().x(), 150);

    // A slanted wall: the first corner to touch holds, the other wheel swings the robot
    // round until its front lies flat against the wall and both sensors are pressed.
    Course slant = openFloor();
    slant.walls << QLineF(140, 100, 170, 200); // nearer at the top: the left side hits first
    World slanted(slant);
    drive(slanted, Motion::Forward, 1, 6000);
    EXPECT_TRUE(slanted.touchPressed(0));
    EXPECT_TRUE(slanted.touchPressed(1));
    const double wallDirection = std::atan2(100.0, 30.0) * 180 / M_PI;
    EXPECT_NEAR(degrees(slanted), wallDirection - 90, 1.5) << "square to the wall";
    for (const QLineF &wall : slant.walls)
        EXPECT_FALSE(SegmentHitsQuad(wall, slanted.body()));
}

TEST(World, LightSensorsSeeALitWhiteFloorOrTheBall)
{
    Course course = openFloor();
    course.darkMats << QRectF(200, 0, 200, 300);
    course.lines << QList<QPointF> {QPointF(100 + LightSpotAhead, 0),
                                    QPointF(100 + LightSpotAhead, 140)};
    course.lineWidth = 5;
    World world(course);
    EXPECT_TRUE(world.lightDetected(0));
    EXPECT_TRUE(world.lightDetected(1));
    world.setRoomLight(false);
    EXPECT_FALSE(world.lightDetected(0)) << "a dark room";
    world.setLed(true);
    EXPECT_TRUE(world.lightDetected(0)) << "the LED lights the floor under the sensors";

    // The black line: sensor 2 (left) over its end, sensor 1 still on white.
    Course lined = course;
    lined.lines = {{QPointF(100 + LightSpotAhead, 0), QPointF(100 + LightSpotAhead, 147)}};
    World overLine(lined);
    EXPECT_TRUE(overLine.lightDetected(0));
    EXPECT_FALSE(overLine.lightDetected(1));

    // On the black mat nothing lights the floor.
    World onMat(course);
    drive(onMat, Motion::Forward, 2, 4000);
    onMat.setLed(true);
    EXPECT_FALSE(onMat.lightDetected(0));
    EXPECT_FALSE(onMat.lightDetected(1));

    // The ball: seen straight ahead, not 20 degrees off, not behind a wall, not too far.
    Course dark = openFloor();
    dark.roomLightOn = false;
    dark.hasBall = true;
    dark.ball = QPointF(200, 150);
    World ball(dark);
    EXPECT_TRUE(ball.lightDetected(0));
    EXPECT_TRUE(ball.lightDetected(1));
    ball.setBall(
        QPointF(100 + 100 * std::cos(20 * M_PI / 180), 150 - 100 * std::sin(20 * M_PI / 180)));
    EXPECT_FALSE(ball.lightDetected(0));
    ball.setBall(QPointF(100 + BodyFront + BallSightRange + 5, 150));
    EXPECT_FALSE(ball.lightDetected(0)) << "out of range";
    dark.walls << QLineF(150, 100, 150, 200);
    World hidden(dark);
    EXPECT_FALSE(hidden.lightDetected(0)) << "behind a wall";
}

TEST(World, TheRobotPushesTheBallUntilAWallHoldsIt)
{
    Course course = openFloor();
    course.hasBall = true;
    course.ball = QPointF(150, 151);
    World world(course);
    drive(world, Motion::Forward, 1, 5000);
    const Quad body = world.body();
    double nearest = 1e9;
    for (int i = 0; i < 4; ++i)
        nearest = std::min(nearest,
                           DistanceToSegment(world.ball(), QLineF(body[i], body[(i + 1) % 4])));
    EXPECT_GE(nearest, BallRadius - 1e-3) << "never inside the robot";
    EXPECT_GT(world.ball().x(), 100 + BodyFront + 90) << "pushed along";

    // Against the wall at x = 400 the ball stops the robot.
    drive(world, Motion::Forward, 2, 20000);
    EXPECT_TRUE(world.blocked());
    EXPECT_NEAR(world.ball().x(), 400 - BallRadius, 0.01);
    EXPECT_LT(world.position().x() + BodyFront, 400 - 2 * BallRadius + 0.01);

    // A ball put outside the floor is kept on it.
    world.setBall(QPointF(-50, 1000));
    EXPECT_EQ(world.ball(), QPointF(BallRadius, 300 - BallRadius));
}
