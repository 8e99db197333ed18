#include "model/iconcatalogue.h"
#include "model/robotfile.h"
#include "partsfixture.h"
#include "session/propertyform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;
using namespace Qt::StringLiterals;

TEST(SessionForm, ApplyWritesTheValueAndEndsTheSelection)
{
    PartsEditor e;
    e.place(IconBrake, 4, 4);
    const int slot = e.slotAt(4, 4);
    e.clickIcon(4, 4);
    ASSERT_TRUE(e.view().form.applyButton.visible);
    EXPECT_FALSE(e.view().form.mapVisible);
    EXPECT_EQ(e.view().form.numberText, u"0.5"_s);
    EXPECT_EQ(e.state().CurrentCell, CellIndex(4, 4));

    // Saved while the form is up: the value set afterwards is still an unsaved change.
    QTemporaryDir dir;
    e.prompts.files.push_back(dir.filePath(u"brake.qvk"_s));
    e.session.SaveRobotFileAs();
    ASSERT_EQ(e.state().SlotModified[0], 0);
    ASSERT_TRUE(e.view().form.applyButton.visible);

    e.session.FormSetNumberText(u"0"_s);
    e.session.ApplyButtonClicked();
    EXPECT_EQ(e.program().SlotParams[slot], u"09 1=0.1 &H00FFFFFF"_s);
    EXPECT_EQ(e.state().SlotModified[0], 1);
    EXPECT_EQ(e.view().labels[slot][1].text, u"0.1"_s) << "D2 shows the new value";
    EXPECT_FALSE(e.view().form.applyButton.visible);
    EXPECT_TRUE(e.view().form.mapVisible);
    EXPECT_EQ(e.state().CurrentCell, -1);
    EXPECT_EQ(e.program().CellMark(4, 4), 2);

    // 設定 cannot be pressed while it is hidden.
    e.session.FormSetNumberText(u"7"_s);
    e.session.ApplyButtonClicked();
    EXPECT_EQ(e.program().SlotParams[slot], u"09 1=0.1 &H00FFFFFF"_s);
}

TEST(SessionForm, LeavingTheFormOtherwiseDiscardsTheEdits)
{
    PartsEditor e;
    e.place(IconRepeat, 4, 4);
    const int slot = e.slotAt(4, 4);
    e.clickIcon(4, 4);
    e.session.FormSetNumberText(u"99"_s);
    e.clickIcon(4, 4); // a second click unselects
    EXPECT_FALSE(e.view().form.applyButton.visible);
    e.session.ApplyButtonClicked();
    EXPECT_EQ(e.program().SlotParams[slot], u"17 1=1 &H00FFFFFF"_s);
    e.settle();

    e.clickIcon(4, 4);
    e.session.FormSetNumberText(u"99"_s);
    e.session.TrayPress(IconForward, true); // fills the selection: replaced, form gone
    EXPECT_FALSE(e.view().form.applyButton.visible);
    EXPECT_TRUE(e.view().form.mapVisible);
}

TEST(SessionForm, IconsWithoutParametersLeaveTheNavigator)
{
    PartsEditor e;
    e.session.IconPress(0, true); // BEGIN
    EXPECT_TRUE(e.view().form.mapVisible);
    EXPECT_FALSE(e.view().form.applyButton.visible);
    EXPECT_EQ(e.state().CurrentCell, BeginCellIndex);
    e.session.IconPress(0, true);
    e.settle();
    e.place(IconMotorOff, 4, 4);
    e.clickIcon(4, 4);
    EXPECT_TRUE(e.view().form.mapVisible);
    EXPECT_FALSE(e.view().form.applyButton.visible);
}

TEST(SessionForm, VariableOperandRoundTripsThroughTheIcon)
{
    PartsEditor e;
    e.place(IconVariableBranch, 4, 4);
    const int slot = e.slotAt(4, 4);
    e.clickIcon(4, 4);
    e.session.FormSelectListItem(1, 3); // Ｃ
    EXPECT_FALSE(e.view().form.numberBox.enabled);
    e.session.ApplyButtonClicked();
    EXPECT_EQ(e.program().SlotParams[slot], u"12 2=Ａ Ｃ &H00FFFFFF"_s);

    e.settle();
    e.clickIcon(4, 4);
    EXPECT_EQ(e.view().form.listIndex[1], 3);
    EXPECT_TRUE(e.view().form.numberText.isEmpty());
    EXPECT_FALSE(e.view().form.numberBox.enabled);
    e.session.FormSelectListItem(1, 0);
    EXPECT_TRUE(e.view().form.numberBox.enabled);
}

TEST(SessionForm, HandEditedValuesFromAFileOpenWithoutFailing)
{
    WorkingProgram file = WorkingProgram::newProgram();
    file.placeNewIcon(4, 4, IconSetBeep, u"24 1=9 &H00FFFFFF"_s);
    file.placeNewIcon(6, 4, IconSetVariable, u"18 2=Ｚ 5 &H00FFFFFF"_s);
    file.placeNewIcon(8, 4, IconCalculateVariable, u"22 3=Ａ"_s);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"edited.qvk"_s);
    ASSERT_TRUE(WriteRobotFile(file, path).ok);

    PartsEditor e;
    e.prompts.files.push_back(path);
    e.session.OpenRobotFile();
    ASSERT_EQ(e.program().SlotParams[e.slotAt(4, 4)], u"24 1=9 &H00FFFFFF"_s);

    e.clickIcon(4, 4);
    EXPECT_TRUE(e.view().form.applyButton.visible);
    EXPECT_EQ(e.view().form.checkedOption, -1);
    e.session.ApplyButtonClicked();
    EXPECT_EQ(e.program().SlotParams[e.slotAt(4, 4)], u"24 1=9 &H00FFFFFF"_s)
        << "nothing marked writes nothing";

    e.settle();
    e.clickIcon(6, 4);
    EXPECT_EQ(e.view().form.listIndex[0], 0);
    EXPECT_EQ(e.view().form.numberText, u"5"_s);
    e.session.ApplyButtonClicked();
    EXPECT_EQ(e.program().SlotParams[e.slotAt(6, 4)], u"18 2=Ａ 5 &H00FFFFFF"_s);

    e.settle();
    e.clickIcon(8, 4);
    EXPECT_TRUE(e.view().form.applyButton.visible);
    e.session.ApplyButtonClicked();
    EXPECT_FALSE(e.program().SlotParams[e.slotAt(8, 4)].contains(u','));
}

TEST(SessionForm, NavigatorDragScrollsOnlyWithTheLeftButtonInNavigatorMode)
{
    PartsEditor e;
    const ScrollView &scroll = e.view().scroll;
    ASSERT_EQ(scroll.hMax, 2189);
    ASSERT_EQ(scroll.vMax, 1770 - scroll.areaHeight);

    e.session.SetScroll(500, 500);
    e.session.NavigatorDrag(Qt::LeftButton, 100, 100);
    EXPECT_EQ(scroll.hValue, 0);
    EXPECT_EQ(scroll.vValue, 0);
    e.session.NavigatorDrag(Qt::LeftButton, 2600, 1200);
    EXPECT_EQ(scroll.hValue, 2189);
    EXPECT_EQ(scroll.vValue, scroll.vMax);
    EXPECT_EQ(scroll.mapLeft, 250 + 2360 - scroll.mapWidth);
    // (1327 - 134) * 2189 / 2386 is exactly 1094.5: halves go to the even neighbour.
    e.session.NavigatorDrag(Qt::LeftButton, 1327, 134);
    EXPECT_EQ(scroll.hValue, 1094);
    EXPECT_EQ(scroll.vValue, 0);
    e.session.NavigatorDrag(Qt::LeftButton, 2520, 1125);
    EXPECT_EQ(scroll.hValue, 2189);
    EXPECT_EQ(scroll.vValue, scroll.vMax);

    e.session.NavigatorDrag(Qt::RightButton, 100, 100);
    EXPECT_EQ(scroll.hValue, 2189);
    // Left and right held together are not exactly the left button; neither are left and
    // middle, nor no button at all.
    e.session.NavigatorDrag(Qt::LeftButton | Qt::RightButton, 100, 100);
    EXPECT_EQ(scroll.hValue, 2189);
    EXPECT_EQ(scroll.vValue, scroll.vMax);
    e.session.NavigatorDrag(Qt::LeftButton | Qt::MiddleButton, 100, 100);
    e.session.NavigatorDrag(Qt::NoButton, 100, 100);
    EXPECT_EQ(scroll.hValue, 2189);
    e.place(IconWait, 4, 4);
    e.clickIcon(4, 4);
    ASSERT_TRUE(e.view().form.applyButton.visible);
    e.session.NavigatorDrag(Qt::LeftButton, 100, 100);
    EXPECT_EQ(scroll.hValue, 2189);
    EXPECT_EQ(scroll.vValue, scroll.vMax);
}
