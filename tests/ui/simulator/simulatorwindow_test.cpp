// The simulator window offscreen, stepped by hand: the icon highlight follows the executing
// address, the switches reach the robot, the displays follow the robot.

#include "widgetapp.h"

#include "check/runchecks.h"
#include "common/windowplacement.h"
#include "model/programtext.h"
#include "model/samples.h"
#include "sim/simprogram.h"
#include "simulator/courseview.h"
#include "simulator/simulatorplacement.h"
#include "simulator/simulatorwindow.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace zuvo;
using namespace zuvo::sim;
using namespace zuvo::test;

namespace {

struct Sample
{
    SimProgram compiled;
    WorkingProgram program; // compacted as the compiled copy
};

Sample sample(int set, int slot)
{
    Sample result;
    result.program = LoadSlotText(BuiltInSampleSet(set).programs.at(slot - 1));
    result.compiled = CompileForSimulator(result.program);
    RunChecks(result.program);
    return result;
}

int iconCode(const Sample &s, int slot)
{
    return slot < 0 ? -1 : s.program.SlotParams.at(slot).left(2).toInt();
}

template<typename T> T *child(const QWidget &window, const QString &name)
{
    T *widget = window.findChild<T *>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

void click(const QWidget &window, const QString &name)
{
    QTest::mouseClick(child<QPushButton>(window, name), Qt::LeftButton);
}

} // namespace

TEST(SimulatorWindow, TheHighlightFollowsTheExecutingIcon)
{
    isolateFromSoundServer();
    widgetApp();
    const Sample uTurn = sample(1, 3); // Forward, Wait, Spin Right, Wait, Forward, Wait, Brake, Off
    ASSERT_TRUE(uTurn.compiled.ready);
    SimulatorWindow window(uTurn.compiled, 1);
    window.show();
    QSignalSpy spy(&window, &SimulatorWindow::executingSlotChanged);
    EXPECT_EQ(window.executingSlot(), -1);

    const QList<int> expectedCodes = {0, 19, 6, 19, 0, 19, 9};
    for (int code : expectedCodes) {
        click(window, QStringLiteral(u"ステップ"));
        EXPECT_EQ(iconCode(uTurn, window.executingSlot()), code);
    }
    ASSERT_EQ(spy.count(), expectedCodes.size());
    for (int i = 0; i < spy.count(); ++i)
        EXPECT_EQ(iconCode(uTurn, spy.at(i).at(0).toInt()), expectedCodes[i]) << i;
    EXPECT_EQ(window.simulation().now(), 4900) << "the waits took their time";
    EXPECT_NE(child<QLabel>(window, QStringLiteral(u"時間"))->text().indexOf(u"4.9"), -1);

    // Motor Off ends the program: nothing is lit any more.
    click(window, QStringLiteral(u"ステップ"));
    click(window, QStringLiteral(u"ステップ"));
    EXPECT_TRUE(window.simulation().stopped());
    EXPECT_EQ(window.executingSlot(), -1);
    EXPECT_EQ(spy.last().at(0).toInt(), -1);

    // Reset goes back to the start: the robot home, the highlight off.
    click(window, QStringLiteral(u"リセット"));
    EXPECT_EQ(window.simulation().now(), 0);
    EXPECT_EQ(window.simulation().world().position(), QPointF(40, 120));
    click(window, QStringLiteral(u"ステップ"));
    EXPECT_EQ(iconCode(uTurn, window.executingSlot()), 0);

    // Running by the frame: the highlight moves on, and closing turns it off.
    window.advance(2500);
    EXPECT_EQ(iconCode(uTurn, window.executingSlot()), 19) << "the wait after the spin";
    window.close();
    EXPECT_EQ(window.executingSlot(), -1);
    EXPECT_EQ(spy.last().at(0).toInt(), -1);
}

TEST(SimulatorWindow, SwitchesDisplaysAndCourses)
{
    isolateFromSoundServer();
    widgetApp();
    const Sample counter = sample(4, 1); // each press of touch 1 counts in A and beeps
    ASSERT_TRUE(counter.compiled.ready);
    SimulatorWindow window(counter.compiled, 4);
    child<QWidget>(window, QStringLiteral(u"音"))->setProperty("checked", false);
    window.show();
    EXPECT_EQ(child<QComboBox>(window, QStringLiteral(u"コース選択"))->currentIndex(), 3);
    EXPECT_FALSE(child<QComboBox>(window, QStringLiteral(u"スタート位置"))->isEnabled());

    QLabel *a = child<QLabel>(window, QStringLiteral(u"変数Ａ"));
    QPushButton *touch = child<QPushButton>(window, QStringLiteral(u"タッチ１"));
    for (int press = 1; press <= 3; ++press) {
        QTest::mouseClick(touch, Qt::LeftButton);
        EXPECT_TRUE(window.simulation().touchSwitch(0));
        EXPECT_TRUE(
            child<QLabel>(window, QStringLiteral(u"タッチ表示１"))->property("lit").toBool());
        window.advance(100);
        QTest::mouseClick(touch, Qt::LeftButton);
        window.advance(400);
        EXPECT_EQ(a->text(), QString::number(press));
    }
    EXPECT_NE(child<QLabel>(window, QStringLiteral(u"ブザー表示"))->text().indexOf(u'4'), -1)
        << "the last beep is shown";
    window.advance(1);

    // The room light and the light switches reach the light sensors.
    QPushButton *room = child<QPushButton>(window, QStringLiteral(u"部屋の明かり"));
    EXPECT_TRUE(room->isChecked());
    EXPECT_TRUE(window.simulation().lightDetected(0));
    QTest::mouseClick(room, Qt::LeftButton);
    EXPECT_FALSE(window.simulation().world().roomLightOn());
    EXPECT_FALSE(window.simulation().lightDetected(0));
    EXPECT_FALSE(child<QLabel>(window, QStringLiteral(u"光表示１"))->property("lit").toBool());
    QTest::mouseClick(child<QPushButton>(window, QStringLiteral(u"光１")), Qt::LeftButton);
    EXPECT_TRUE(window.simulation().lightDetected(0));

    // Another course, chosen by name; course 5 offers its three start places.
    QComboBox *courses = child<QComboBox>(window, QStringLiteral(u"コース選択"));
    ASSERT_EQ(courses->count(), 5);
    EXPECT_TRUE(courses->itemText(4).contains(QStringLiteral(u"競技する")));
    window.setCourse(5);
    EXPECT_EQ(window.courseNumber(), 5);
    QComboBox *starts = child<QComboBox>(window, QStringLiteral(u"スタート位置"));
    EXPECT_TRUE(starts->isEnabled());
    EXPECT_EQ(starts->count(), 3);
    EXPECT_EQ(window.simulation().now(), 0);
    EXPECT_FALSE(window.simulation().touchSwitch(0)) << "a new course starts afresh";
    EXPECT_EQ(a->text(), QStringLiteral("0"));

    // The ball follows the child's mouse.
    CourseView *view = child<CourseView>(window, QStringLiteral(u"コース表示"));
    view->resize(660, 300);
    const QTransform toWidget = view->courseToWidget();
    const QPoint from = toWidget.map(window.simulation().world().ball()).toPoint();
    const QPoint to = toWidget.map(QPointF(520, 150)).toPoint();
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, to);
    const QPointF ball = window.simulation().world().ball();
    EXPECT_NEAR(ball.x(), 520, 2);
    EXPECT_NEAR(ball.y(), 150, 2);
}

TEST(SimulatorWindow, PlayAndPauseDriveTheTimer)
{
    isolateFromSoundServer();
    widgetApp();
    const Sample forward = sample(1, 1);
    SimulatorWindow window(forward.compiled, 0);
    EXPECT_EQ(window.courseNumber(), 1) << "an unknown course shows course 1";
    QPushButton *play = child<QPushButton>(window, QStringLiteral(u"実行"));
    QPushButton *pause = child<QPushButton>(window, QStringLiteral(u"一時停止"));
    EXPECT_TRUE(play->isEnabled());
    EXPECT_FALSE(pause->isEnabled());
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(window.isPlaying());
    EXPECT_FALSE(play->isEnabled());
    QTest::mouseClick(pause, Qt::LeftButton);
    EXPECT_FALSE(window.isPlaying());

    // Played to the end, the timer stops by itself once the robot stands still; playing again
    // starts from the beginning.
    window.play();
    window.advance(8000);
    EXPECT_FALSE(window.isPlaying());
    EXPECT_TRUE(window.simulation().stopped());
    window.play();
    EXPECT_EQ(window.simulation().now(), 0);
    EXPECT_TRUE(window.isPlaying());
    window.pause();
}

// Where the editor opens (centred) and where the simulator then goes: from a school laptop's
// 1366 x 768 up both are whole on screen and apart; on 1920 x 1080 at 200 % (960 x 540) the
// simulator still fits and leaves the left of the program area in view.
TEST(SimulatorPlacement, BesideTheEditorFromASchoolLaptopUp)
{
    widgetApp();
    Sample s = sample(1, 1);
    SimulatorWindow window(s.compiled, 1);
    const QSize frame(8, 31);
    const SimulatorSizes sizes {SimulatorWindow::RoomySize, window.compactMinimumSize(), frame};
    const struct
    {
        QRect available;
        bool compact;
        bool beside;
    } cases[] = {
        {QRect(0, 0, 1366, 768), true, true},   {QRect(0, 0, 1366, 728), true, true},
        {QRect(0, 0, 1920, 1040), false, true}, {QRect(100, 0, 2560, 1440), false, true},
        {QRect(0, 0, 960, 540), true, false},
    };
    for (const auto &c : cases) {
        // The editor opens centred, no larger than the screen leaves room for.
        const QRect fitted = FittedInside(c.available, QSize(792, 586), frame);
        const QRect shown(fitted.topLeft(), fitted.size() + frame);
        const SimulatorPlace place = PlaceSimulator(c.available, shown, sizes);
        const QRect moved(place.editorTopLeft, shown.size());
        SCOPED_TRACE(c.available.width());
        EXPECT_EQ(place.compact, c.compact);
        EXPECT_EQ(place.beside, c.beside);
        EXPECT_TRUE(c.available.contains(place.simulator));
        EXPECT_TRUE(c.available.contains(moved));
        EXPECT_GE(place.simulator.width(),
                  (c.compact ? sizes.compactMinimum : sizes.roomy).width());
        if (c.beside)
            EXPECT_FALSE(moved.intersects(place.simulator));
        else
            EXPECT_GE(place.simulator.left() - moved.left(), 400);
    }
}
