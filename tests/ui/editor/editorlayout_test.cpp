#include "editor/editorlayout.h"

#include <gtest/gtest.h>

namespace zuvo {
namespace {

TEST(EditorLayout, DesignOuterSizeGivesTheDesignedProgramAreaAndStrips)
{
    EditorLayout layout;
    layout.ResizeEditor(800, 626);
    const EditorGeometry &g = layout.geometry();

    EXPECT_EQ(g.programArea, QRect(8, 0, 761, 401));
    EXPECT_EQ(g.horizontalStrip, QRect(8, 400, 760, 17));
    EXPECT_EQ(g.verticalStrip, QRect(768, 0, 17, 419));
    EXPECT_EQ(g.bottomPanel.topLeft(), QPoint(0, 416));
    EXPECT_EQ(g.bottomPanel.size(), QSize(785, 161));

    // Frame4: 15 W - 1680 twips of bar, the right button and the column box after it.
    EXPECT_EQ(g.jumpTopLeft, QRect(0, 0, 17, 17));
    EXPECT_EQ(g.jumpLeft, QRect(16, 0, 17, 17));
    EXPECT_EQ(g.horizontalBar, QRect(32, 0, 688, 17));
    EXPECT_EQ(g.jumpRight.topLeft(), QPoint(720, 0));
    EXPECT_EQ(g.columnBox, QRect(735, 0, 27, 18));

    // Frame3: 15 H - 4100 twips of bar (5290 twips, 352.7 pixels), then ↓, the row box, ┛.
    EXPECT_EQ(g.jumpTop, QRect(0, 0, 17, 17));
    EXPECT_EQ(g.verticalBar, QRect(0, 16, 17, 353));
    EXPECT_EQ(g.jumpBottom.topLeft(), QPoint(0, 369));
    EXPECT_EQ(g.rowBox, QRect(0, 383, 17, 18));
    EXPECT_EQ(g.jumpBottomRight.topLeft(), QPoint(0, 400));
}

TEST(EditorLayout, WidthAlwaysFollowsHeightOnlyAboveThreshold)
{
    EditorLayout layout;
    layout.ResizeEditor(1000, 800);
    EditorGeometry g = layout.geometry();
    EXPECT_EQ(g.programArea, QRect(8, 0, 961, 575));
    EXPECT_EQ(g.horizontalStrip, QRect(8, 574, 960, 17));
    EXPECT_EQ(g.verticalStrip, QRect(968, 0, 17, 593));
    EXPECT_EQ(g.bottomPanel.topLeft(), QPoint(0, 590));
    EXPECT_EQ(g.horizontalBar.width(), 888);
    EXPECT_EQ(g.jumpRight.left(), 920);
    EXPECT_EQ(g.verticalBar.height(), 527);
    EXPECT_EQ(g.jumpBottomRight.top(), 574);

    // 278 pixels are 4170 twips: the vertical layout still follows.
    EXPECT_TRUE(EditorLayout::verticalLayoutFollows(278));
    layout.ResizeEditor(900, 278);
    g = layout.geometry();
    EXPECT_EQ(g.programArea.height(), 53);
    EXPECT_EQ(g.horizontalStrip.top(), 52);

    // 277 pixels are 4155 twips: the vertical layout stays as it was, the rest follows.
    EXPECT_FALSE(EditorLayout::verticalLayoutFollows(277));
    layout.ResizeEditor(700, 200);
    const EditorGeometry low = layout.geometry();
    EXPECT_EQ(low.programArea, QRect(8, 0, 661, 53));
    EXPECT_EQ(low.horizontalStrip.top(), 52);
    EXPECT_EQ(low.verticalStrip, QRect(668, 0, 17, 71));
    EXPECT_EQ(low.verticalBar, g.verticalBar);
    EXPECT_EQ(low.jumpBottomRight, g.jumpBottomRight);
    EXPECT_EQ(low.bottomPanel.top(), -10);
}

TEST(EditorLayout, TinyWindowsNeverGiveNegativeSizes)
{
    EditorLayout layout;
    layout.ResizeEditor(20, 300);
    const EditorGeometry &g = layout.geometry();
    EXPECT_EQ(g.programArea.width(), 0);
    EXPECT_EQ(g.horizontalStrip.width(), 0);
    EXPECT_EQ(g.horizontalBar.width(), 0);
    EXPECT_GE(g.verticalBar.height(), 0);
}

TEST(EditorLayout, TransmitBoxStandsRightOfTheLayout)
{
    // 1100 pixels wide: 16500 - 12100 twips = 293 pixels; top at the outer height - 206.
    EXPECT_EQ(EditorLayout::transmitBoxGeometry(1100, 700), QRect(790, 494, 293, 145));
    EXPECT_EQ(EditorLayout::transmitBoxGeometry(800, 626).width(), 0);
}

} // namespace
} // namespace zuvo
