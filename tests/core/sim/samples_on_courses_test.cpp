// Each built-in sample runs on the course of its step and does what its memo says.

#include "simtestsupport.h"

#include "sim/geometry.h"
#include "sim/robotbody.h"
#include "sim/world.h"

#include <cmath>

using namespace zuvo::sim;
using namespace zuvo::sim::test;

namespace {

double distance(QPointF a, QPointF b)
{
    return Length(a - b);
}

// Heading change from `from` to `to` in degrees, -180 .. 180 (positive is to the right).
double turned(double from, double to)
{
    return NormalizedAngle((to - from) * M_PI / 180) * 180 / M_PI;
}

} // namespace

// "５秒間前進": forward at low speed for 5 s, brake, stop.
TEST(SamplesOnCourses, FiveSecondsForwardBrakesAndStops)
{
    const SampleRun run = runSample(1, 1, 1, 8);
    EXPECT_NEAR(run.at(2.5).pose.position.x(), 40 + 25, 0.01);
    EXPECT_NEAR(run.at(5).pose.position.x(), 40 + 50, 0.01) << "5 s at 10 cm/s";
    EXPECT_DOUBLE_EQ(run.at(5).pose.position.y(), 120);
    EXPECT_EQ(run.at(5.2).drive.mode, WheelMode::Braked);
    EXPECT_EQ(run.at(8).pose.position, run.at(5).pose.position) << "the brake stops it at once";
    EXPECT_EQ(run.at(8).status, MachineStatus::Ended);
    EXPECT_EQ(run.at(8).drive.mode, WheelMode::Free);
}

// "２０秒間前進": four times 5 s forward in a repeat.
TEST(SamplesOnCourses, TwentySecondsForwardInFourRounds)
{
    const SampleRun run = runSample(1, 2, 1, 22);
    for (int second : {5, 10, 15, 20})
        EXPECT_NEAR(run.at(second).pose.position.x(), 40 + 10 * second, 0.01) << second;
    EXPECT_EQ(run.at(22).pose.position, run.at(20).pose.position);
    EXPECT_EQ(run.at(22).status, MachineStatus::Ended);
}

// "向きを変えて戻る": forward, a half turn on the spot, and back to the start.
TEST(SamplesOnCourses, UTurnComesBackToTheStart)
{
    const SampleRun run = runSample(1, 3, 1, 7);
    EXPECT_NEAR(run.at(2).pose.position.x(), 80, 0.01);
    EXPECT_NEAR(std::abs(run.at(2.9).pose.heading), 180, 2) << "0.9 s spin turns it round";
    EXPECT_LT(distance(run.at(2.9).pose.position, run.at(2).pose.position), 0.5)
        << "a spin turns on the spot";
    EXPECT_LT(distance(run.at(7).pose.position, QPointF(40, 120)), 2);
    EXPECT_EQ(run.at(7).status, MachineStatus::Ended);
}

// "タッチセンサで後退": forward until touch sensor 1 hits the wall, back for 1 s, again.
TEST(SamplesOnCourses, TouchSensorBacksOffTheWall)
{
    const SampleRun run = runSample(2, 1, 2, 14);
    const QList<qint64> hits = run.presses(0);
    ASSERT_GE(hits.size(), 2);
    EXPECT_NEAR(hits.first() / 1000.0, (130 - BodyFront - 60) / 10.0, 0.1)
        << "slow forward to the wall straight ahead";
    for (qint64 hit : hits) {
        if (hit + 1600 >= qint64(run.frames.size()))
            break;
        const Frame &contact = run.frames.at(hit);
        const Frame &backed = run.frames.at(hit + 1000);
        EXPECT_NEAR(contact.pose.position.x() - backed.pose.position.x(), 10, 0.5)
            << "1 s backwards at low speed";
        EXPECT_EQ(run.frames.at(hit + 1200).drive.mode, WheelMode::Braked);
    }
    for (const Frame &frame : run.frames)
        ASSERT_LE(frame.pose.position.x() + BodyFront, 130) << "never through the wall";
}

// "タッチセンサを2つ使う(1)": touch 1 spins right, touch 2 beeps, nothing else moves.
TEST(SamplesOnCourses, TwoTouchSensorsSpinOrBeep)
{
    const SampleRun run = runSample(
        2, 2, 2, 6,
        {touchAt(1, 0, true), touchAt(1.1, 0, false), touchAt(4, 1, true), touchAt(4.1, 1, false)});
    EXPECT_EQ(run.at(0.9).pose.position, QPointF(60, 90));
    EXPECT_DOUBLE_EQ(run.at(0.9).pose.heading, 0);
    EXPECT_EQ(run.at(1.5).drive.motion, Motion::SpinRight);
    EXPECT_EQ(run.at(1.5).drive.speed, 2);
    EXPECT_EQ(run.at(2.5).drive.mode, WheelMode::Free) << "motor off after 1 s";
    EXPECT_LT(distance(run.at(3).pose.position, QPointF(60, 90)), 0.5) << "spins on the spot";
    EXPECT_NE(run.at(3).pose.heading, 0);
    EXPECT_EQ(run.at(6).pose.heading, run.at(3.9).pose.heading) << "a beep does not move";
    ASSERT_EQ(run.beeps.size(), 1);
    EXPECT_EQ(run.beeps.first().tone, 1);
    EXPECT_NEAR(run.beeps.first().time, 4000, 2);
}

// "タッチセンサを2つ使う(2)": touch 1 backwards, touch 2 forwards, both: beep and stop.
TEST(SamplesOnCourses, TwoTouchSensorsBackForwardOrStop)
{
    const SampleRun run
        = runSample(2, 3, 2, 6,
                    {touchAt(1, 0, true), touchAt(2, 0, false), touchAt(3, 1, true),
                     touchAt(4, 0, true), touchAt(4.5, 0, false), touchAt(4.5, 1, false)});
    EXPECT_EQ(run.at(0.9).pose.position, QPointF(60, 90));
    EXPECT_EQ(run.at(1.5).drive.motion, Motion::Backward);
    EXPECT_LT(run.at(2).pose.position.x(), 60 - 9);
    EXPECT_EQ(run.at(3.5).drive.motion, Motion::Forward);
    EXPECT_EQ(run.at(4.3).drive.mode, WheelMode::Free) << "both pressed: motor off";
    ASSERT_FALSE(run.beeps.isEmpty());
    EXPECT_NEAR(run.beeps.first().time, 4000, 2);
    EXPECT_EQ(run.beeps.first().tone, 4);
    EXPECT_LT(distance(run.at(6).pose.position, run.at(4.6).pose.position), 0.01);
}

// "暗くなるとブザー": no beep while the room is lit, beeps in the dark, quiet when lit again
// or when the light ball shines into the sensor.
TEST(SamplesOnCourses, DarkRoomBeeps)
{
    const SampleRun run = runSample(
        3, 1, 3, 9,
        {roomAt(2, false), roomAt(4, true), roomAt(6, false), ballAt(7, QPointF(100, 91))});
    ASSERT_FALSE(run.beeps.isEmpty());
    EXPECT_NEAR(run.beeps.first().time, 2000, 2) << "at once when the light goes out";
    int inDark = 0;
    for (const Beep &beep : run.beeps) {
        EXPECT_EQ(beep.tone, 1);
        EXPECT_FALSE(beep.time > 4200 && beep.time < 6000) << beep.time;
        EXPECT_LE(beep.time, 7200) << "the ball's light in front stops it";
        if (beep.time < 4000)
            ++inDark;
    }
    EXPECT_GE(inDark, 8) << "one 0.2 s beep after the other";
    EXPECT_EQ(run.at(9).pose.position, QPointF(60, 90));
}

// "光に反応して動く": forward while the sensor sees light, stop in the dark, follow the ball.
TEST(SamplesOnCourses, MovesTowardsTheLight)
{
    const SampleRun run = runSample(3, 2, 3, 12, {roomAt(2, false), ballAt(4, QPointF(160, 91))});
    EXPECT_NEAR(run.at(2).pose.position.x(), 100, 0.01) << "middle speed in the lit room";
    EXPECT_EQ(run.at(2.5).drive.mode, WheelMode::Free);
    const double stopped = run.at(3).pose.position.x();
    EXPECT_NEAR(stopped, 100 + 20.0 * 20 / RollingDeceleration / 2, 0.1) << "rolls to a stop";
    EXPECT_EQ(run.at(4).pose.position.x(), stopped);
    EXPECT_NEAR(run.at(5).pose.position.x(), stopped + 20, 0.1) << "the ball lights it";
    EXPECT_GT(run.at(12).ball.x(), 200) << "and it pushes the ball on";
}

// "カウントダウンブザー(1)": each press counts; beep 4 below ten, beep 1 from ten on, and
// holding the switch counts on every 0.2 s.
TEST(SamplesOnCourses, CountdownBuzzerCountsPresses)
{
    QList<SimEvent> presses;
    for (int i = 0; i < 12; ++i) {
        presses << touchAt(1 + 0.5 * i, 0, true) << touchAt(1.1 + 0.5 * i, 0, false);
    }
    const SampleRun run = runSample(4, 1, 4, 8, presses);
    ASSERT_EQ(run.beeps.size(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(run.beeps[i].tone, i < 9 ? 4 : 1) << "press " << i + 1;
    EXPECT_EQ(run.at(8).a, 12);

    const SampleRun held = runSample(4, 1, 4, 4, {touchAt(1, 0, true)});
    ASSERT_GE(held.beeps.size(), 10);
    EXPECT_EQ(held.beeps[8].tone, 4);
    EXPECT_EQ(held.beeps[9].tone, 1);
    EXPECT_NEAR((held.beeps[9].time - 1000) / 1000.0, 2, 0.25) << "about 2 s after pressing";
}

// "カウントダウンブザー(2)": a press held down counts once.
TEST(SamplesOnCourses, CountdownBuzzerWaitsForRelease)
{
    const SampleRun run = runSample(
        4, 2, 4, 7,
        {touchAt(1, 0, true), touchAt(4, 0, false), touchAt(5, 0, true), touchAt(5.5, 0, false)});
    EXPECT_EQ(run.at(3.9).a, 1);
    EXPECT_EQ(run.at(7).a, 2);
    ASSERT_EQ(run.beeps.size(), 2);
    EXPECT_EQ(run.beeps[0].tone, 4);
}

// "ライントレース": with the LED on, the robot follows the black oval round and round.
TEST(SamplesOnCourses, LineTraceFollowsTheOval)
{
    const Course &course = ReadyCourse(5);
    const SampleRun run = runSample(5, 1, 5, 60, {}, 0);
    double turning = 0;
    for (size_t i = 1000; i < run.frames.size(); i += 1000)
        turning += turned(run.frames[i - 1000].pose.heading, run.frames[i].pose.heading);
    EXPECT_GT(turning, 2 * 360) << "two laps clockwise in a minute";
    for (size_t i = 0; i < run.frames.size(); i += 100) {
        const Frame &frame = run.frames[i];
        const QPointF spot = ToWorld(frame.pose.position, frame.pose.heading * M_PI / 180,
                                     QPointF(LightSpotAhead, 0));
        ASSERT_LT(DistanceToPolyline(spot, course.lines.first()), 6) << "lost at " << i;
    }
}

// "迷路脱出": at each wall it backs off a little and turns about 90 degrees to the right,
// and so finds its way round the long wall to the goal.
TEST(SamplesOnCourses, MazeEscapeBacksOffAndTurnsAtEachWall)
{
    const Course &course = ReadyCourse(5);
    const SampleRun run = runSample(5, 2, 5, 60, {}, 1);
    const QList<qint64> hits = run.presses(0);
    ASSERT_GE(hits.size(), 4);
    int checked = 0;
    for (qint64 hit : hits) {
        if (hit + 2000 >= qint64(run.frames.size()))
            break;
        const Frame &contact = run.frames.at(hit);
        const Frame &backed = run.frames.at(hit + 500);
        const QPointF moved = backed.pose.position - contact.pose.position;
        EXPECT_LT(Dot(moved, Direction(contact.pose.heading * M_PI / 180)), -8)
            << "backs off at " << hit;
        EXPECT_NEAR(turned(backed.pose.heading, run.frames.at(hit + 1500).pose.heading), 100, 10)
            << "turns right at " << hit;
        ++checked;
    }
    EXPECT_GE(checked, 3);

    bool reached = false;
    const World world(course, 1);
    for (size_t i = 0; i < run.frames.size(); i += 10) {
        const Frame &frame = run.frames[i];
        const Quad body = world.bodyAt(frame.pose.position, frame.pose.heading * M_PI / 180);
        for (const QLineF &wall : course.walls)
            ASSERT_FALSE(SegmentHitsQuad(wall, body)) << "inside a wall at " << frame.time;
        reached = reached || course.goal.contains(frame.pose.position);
    }
    EXPECT_TRUE(reached) << "the goal within a minute";
}

// "発光ボールを追いかける": turns right until the ball is in sight, then drives to it.
TEST(SamplesOnCourses, ChasesTheLightBall)
{
    const Course &course = ReadyCourse(5);
    const SampleRun run = runSample(5, 3, 5, 30, {}, 2);
    EXPECT_EQ(run.at(1).drive.motion, Motion::TurnRight) << "searching";
    double closest = 1e9;
    for (const Frame &frame : run.frames) {
        const QPointF nose
            = ToWorld(frame.pose.position, frame.pose.heading * M_PI / 180, QPointF(BodyFront, 0));
        closest = std::min(closest, distance(nose, frame.ball));
    }
    EXPECT_LT(closest, BallRadius + 1) << "reaches the ball";
    EXPECT_GT(distance(run.at(30).ball, course.ball), 10) << "and pushes it";
}
