#include "sessiontestsupport.h"

#include "model/iconcatalogue.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

// Ticks until the next tick is phase 1 (phase 0 now).
void toPhaseZero(EditorSession &session)
{
    if (session.state().BlinkPhase != 0)
        session.BlinkTick();
}

} // namespace

TEST(SessionBlink, SelectedCellsBlinkAndUnselectedOnesSettle)
{
    SessionFixture f;
    f.line(7, 8);
    f.place(IconForward, 6, 8);
    f.session.SurfaceRelease(10, 8, true); // an empty icon cell
    f.box(7, 8, 7, 9); // the connector with its line, and a corner
    f.session.IconPress(2, true);
    toPhaseZero(f.session);

    f.session.BlinkTick(); // phase 1
    EXPECT_EQ(f.view().cellColour(10, 8), ColourWhite);
    EXPECT_EQ(f.view().cellColour(7, 8), ColourWhite);
    EXPECT_FALSE(f.view().pictures[2].visible);
    f.session.BlinkTick(); // phase 0
    EXPECT_EQ(f.view().cellColour(10, 8), ColourBlink);
    EXPECT_EQ(f.view().cellColour(7, 8), ColourBlink);
    EXPECT_EQ(f.view().lineBar(7, 8), 1); // the line stays on top
    EXPECT_TRUE(f.view().pictures[2].visible);
    f.session.BlinkTick();

    // Unselected: back to normal within two ticks, then left alone.
    f.session.IconPress(2, true);
    f.session.SurfaceRelease(10, 8, true);
    ASSERT_EQ(f.mark(6, 8), 2);
    ASSERT_EQ(f.mark(10, 8), 2);
    f.session.BlinkTick();
    f.session.BlinkTick();
    EXPECT_EQ(f.mark(6, 8), 0);
    EXPECT_EQ(f.mark(10, 8), 0);
    EXPECT_EQ(f.view().cellColour(10, 8), ColourWhite);
    EXPECT_TRUE(f.view().pictures[2].visible);
    f.session.BlinkTick();
    EXPECT_EQ(f.view().cellColour(10, 8), ColourWhite);
    EXPECT_TRUE(f.view().pictures[2].visible);
}

TEST(SessionLabels, ValueLabelsFollowTheIconKind)
{
    SessionFixture f;
    f.place(IconForward, 6, 8);
    const auto &forward = f.view().labels[2]; // D1 top right, D2 bottom right, D3 bottom left
    EXPECT_FALSE(forward[0].visible || forward[2].visible);
    EXPECT_EQ(forward[1].text, QStringLiteral(u"中"));
    EXPECT_EQ(forward[1].background, ColourWhite);

    f.place(IconCalculateVariable, 8, 8);
    const auto &calc = f.view().labels[3];
    EXPECT_EQ(calc[2].text, QStringLiteral(u"Ａ"));
    EXPECT_EQ(calc[1].text, QStringLiteral("1"));
    EXPECT_EQ(calc[0].text, QStringLiteral(u"＋"));
    EXPECT_TRUE(calc[0].visible && calc[1].visible && calc[2].visible);

    f.place(IconMotorOff, 12, 8);
    for (const ValueLabelView &label : f.view().labels[4])
        EXPECT_FALSE(label.visible);

    f.session.TrayPress(IconSetLed, true);
    f.session.IconPress(3, true); // replacing refreshes the labels
    EXPECT_FALSE(f.view().labels[3][0].visible);
    EXPECT_EQ(f.view().labels[3][1].text, QStringLiteral("ON"));
}

TEST(SessionMessage, WarningsBeepTwiceOnGreenAndTheHintResets)
{
    SessionFixture f;
    f.session.ShowWarning(QStringLiteral("x"));
    EXPECT_EQ(f.prompts.beeps, 2);
    EXPECT_EQ(f.view().messageBackground, 0x10ff00u);
    f.session.ResetMessage();
    EXPECT_EQ(f.view().messageBackground, ColourWhite);
    EXPECT_EQ(f.view().messageText,
              QStringLiteral(u"アイコンｸﾞﾘｯﾄﾞを選択してアイコンをクリックするか\r\n"
                             u"アイコンを選択してアイコンｸﾞﾘｯﾄﾞをクリックする。"));
}
