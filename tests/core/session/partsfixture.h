#pragma once
// The session fixture with the two gestures the property form and debug aid tests add.

#include "sessiontestsupport.h"

namespace zuvo::test {

struct PartsEditor : SessionFixture
{
    // Two blink ticks: every cell marked 2 is back to normal, so a click selects again.
    void settle()
    {
        session.BlinkTick();
        session.BlinkTick();
    }
    // A left click on the picture of the icon at (x, y).
    void clickIcon(int x, int y) { session.IconPress(slotAt(x, y), true); }
};

} // namespace zuvo::test
