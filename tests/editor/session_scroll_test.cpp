#include "sessiontestsupport.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

TEST(SessionScroll, DesignSizeGivesTheMaximaLargeChangesAndMap)
{
    SessionFixture f;
    f.session.ResizeEditor(800, 626);
    const ScrollView &s = f.view().scroll;
    EXPECT_EQ(s.areaWidth, 761);
    EXPECT_EQ(s.areaHeight, 401);
    EXPECT_EQ(s.hMax, 2189);
    EXPECT_EQ(s.hLargeChange, 219);
    EXPECT_EQ(s.vMax, 1369);
    EXPECT_EQ(s.vLargeChange, 137);
    EXPECT_EQ(s.mapWidth, 609); // 761 x 2360 / 2950 = 608.8
    EXPECT_EQ(s.mapHeight, 224); // 401 x 990 / 1770 = 224.3
    EXPECT_EQ(s.mapLeft, 250);
    EXPECT_EQ(s.mapTop, 430);

    f.session.JumpRight();
    EXPECT_EQ(s.hValue, 2189);
    EXPECT_EQ(s.mapLeft, 250 + 2360 - 609);
    EXPECT_EQ(f.program().HScroll, 2189);
    f.session.JumpBottomRight();
    EXPECT_EQ(s.vValue, 1369);
    EXPECT_EQ(s.mapTop, 430 + 990 - 224);
    f.session.JumpTopLeft();
    EXPECT_EQ(s.hValue, 0);
    EXPECT_EQ(s.vValue, 0);

    f.session.SetScroll(2000, 0);
    f.session.PageRight();
    EXPECT_EQ(s.hValue, 2189);
    f.session.PageLeft();
    EXPECT_EQ(s.hValue, 2189 - 761);
    f.session.PageLeft();
    f.session.PageLeft();
    EXPECT_EQ(s.hValue, 0);
    f.session.PageDown();
    EXPECT_EQ(s.vValue, 401);
    f.session.PageUp();
    EXPECT_EQ(s.vValue, 0);
    f.session.SetScroll(-5, 99999);
    EXPECT_EQ(s.hValue, 0);
    EXPECT_EQ(s.vValue, 1369);
}

TEST(SessionScroll, LowWindowsKeepTheHeightAndHugeOnesScrollNothing)
{
    SessionFixture f;
    f.session.ResizeEditor(800, 626);
    f.session.ResizeEditor(700, 270); // 4050 twips: the height stays
    EXPECT_EQ(f.view().scroll.areaHeight, 401);
    EXPECT_EQ(f.view().scroll.areaWidth, 661);

    f.session.SetScroll(500, 500);
    f.session.ResizeEditor(4000, 2500);
    const ScrollView &s = f.view().scroll;
    EXPECT_EQ(s.hMax, 0);
    EXPECT_EQ(s.vMax, 0);
    EXPECT_EQ(s.hLargeChange, 1);
    EXPECT_EQ(s.vLargeChange, 1);
    EXPECT_EQ(s.hValue, 0);
    EXPECT_EQ(s.mapLeft, 250);
    EXPECT_EQ(s.mapTop, 430);
    EXPECT_EQ(s.mapWidth, 2360);
    EXPECT_EQ(s.mapHeight, 990);
    f.session.PageRight();
    EXPECT_EQ(s.hValue, 0);
}

TEST(SessionScroll, PointerShowsColumnRowAndDebugBoxes)
{
    SessionFixture f;
    // The icon cell (2, 4) lies at pixels 59..107, 118..166.
    f.session.SurfaceMove(QPoint(70, 130), false, false, false);
    EXPECT_EQ(f.view().columnBoxText, QStringLiteral("2"));
    EXPECT_EQ(f.view().rowBoxText, QStringLiteral("3"));
    f.session.SurfaceMove(QPoint(110, 170), false, false, false); // connectors after them
    EXPECT_EQ(f.view().columnBoxText, QStringLiteral("2"));
    EXPECT_EQ(f.view().rowBoxText, QStringLiteral("3"));
    const auto &t = f.view().debugTexts;
    EXPECT_EQ(t[1], QStringLiteral("110"));
    EXPECT_EQ(t[2], QStringLiteral("170"));
    EXPECT_EQ(t[3], QStringLiteral("BoxF=-1"));
    EXPECT_EQ(t[4], QStringLiteral("Mflg=-1"));
    EXPECT_EQ(t[5], QStringLiteral("Mx=0 My=0"));
    EXPECT_EQ(t[6], QStringLiteral("Point=2"));
    EXPECT_EQ(t[7], QStringLiteral("e_c=-1"));
    EXPECT_EQ(t[8], QStringLiteral(u"窓巾=761"));
    EXPECT_EQ(t[9], QStringLiteral(u"窓高=401"));
}
