#include "sessiontestsupport.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

TEST(SessionScroll, DesignSizeGivesTheMaximaLargeChangesAndMap)
{
    SessionFixture f;
    f.session.ResizeEditor(800, 626);
    const ScrollView &s = f.view().scroll;
    EXPECT_EQ(s.hMax, 2189);
    EXPECT_EQ(s.hLargeChange, 219);
    EXPECT_EQ(s.vMax, 1369);
    EXPECT_EQ(s.vLargeChange, 137);
    EXPECT_EQ(s.mapWidth, 609); // 761 x 2360 / 2950 = 608.8
    EXPECT_EQ(s.mapHeight, 224);
    f.session.JumpRight();
    EXPECT_EQ(s.hValue, 2189);
    EXPECT_EQ(s.mapLeft, 250 + 2360 - 609);
    EXPECT_EQ(f.program().HScroll, 2189);
    f.session.SetScroll(2000, 0);
    f.session.PageRight();
    EXPECT_EQ(s.hValue, 2189);
    f.session.PageLeft();
    EXPECT_EQ(s.hValue, 2189 - 761);
    f.session.PageDown();
    EXPECT_EQ(s.vValue, 401);
    f.session.SetScroll(-5, 99999);
    EXPECT_EQ(s.hValue, 0);
    EXPECT_EQ(s.vValue, 1369);
}

TEST(SessionScroll, LowWindowsKeepTheHeightAndHugeOnesScrollNothing)
{
    SessionFixture f;
    f.session.ResizeEditor(700, 270); // 4050 twips high: the height stays
    EXPECT_EQ(f.view().scroll.areaHeight, 401);
    EXPECT_EQ(f.view().scroll.areaWidth, 661);
    f.session.SetScroll(500, 500);
    f.session.ResizeEditor(4000, 2500);
    const ScrollView &s = f.view().scroll;
    EXPECT_EQ(s.hMax, 0);
    EXPECT_EQ(s.hLargeChange, 1);
    EXPECT_EQ(s.hValue, 0);
    EXPECT_EQ(s.mapLeft, 250);
    EXPECT_EQ(s.mapWidth, 2360);
    EXPECT_EQ(s.mapHeight, 990);
}

TEST(SessionScroll, PointerShowsColumnRowAndDebugBoxes)
{
    SessionFixture f;
    f.session.SurfaceMove(QPoint(110, 170), false, false, false); // connectors after (2, 4)
    EXPECT_EQ(f.view().columnBoxText, QStringLiteral("2"));
    EXPECT_EQ(f.view().rowBoxText, QStringLiteral("3"));
    const auto &t = f.view().debugTexts;
    EXPECT_EQ(t[1], QStringLiteral("110"));
    EXPECT_EQ(t[5], QStringLiteral("Mx=0 My=0"));
    EXPECT_EQ(t[6], QStringLiteral("Point=2"));
    EXPECT_EQ(t[8], QStringLiteral(u"窓巾=761"));
}
