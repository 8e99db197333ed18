#include "editor/editorlayout.h"

#include <algorithm>
#include <cmath>

namespace zuvo {

namespace {

constexpr int StripButton = 17;
constexpr int VerticalThresholdTwips = 4160;

QRect rect(int left, int top, int width, int height)
{
    return QRect(left, top, std::max(0, width), std::max(0, height));
}

} // namespace

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / double(LayoutTwipsPerPixel)));
}

EditorLayout::EditorLayout()
{
    EditorGeometry &g = m_geometry;
    g.programArea = rect(8, 0, 761, 401);
    g.horizontalStrip = rect(8, 396, 760, 17);
    g.verticalStrip = rect(768, 0, 17, 413);
    g.bottomPanel = rect(0, 412, 785, 161);
    g.jumpTopLeft = rect(0, 0, StripButton, StripButton);
    g.jumpLeft = rect(16, 0, StripButton, StripButton);
    g.horizontalBar = rect(32, 0, 633, StripButton);
    g.jumpRight = rect(720, 0, StripButton, StripButton);
    g.columnBox = rect(736, 0, 27, 18);
    g.jumpTop = rect(0, 0, StripButton, StripButton);
    g.verticalBar = rect(0, 16, StripButton, 321);
    g.jumpBottom = rect(0, 367, StripButton, StripButton);
    g.rowBox = rect(0, 381, 17, 18);
    g.jumpBottomRight = rect(0, 397, StripButton, StripButton);
}

bool EditorLayout::verticalLayoutFollows(int outerHeight)
{
    return outerHeight * LayoutTwipsPerPixel > VerticalThresholdTwips;
}

QRect EditorLayout::transmitBoxGeometry(int W, int H)
{
    return rect(790, H - 206, twipsToPixels(W * LayoutTwipsPerPixel - 12100), 145);
}

void EditorLayout::ResizeEditor(int W, int H)
{
    EditorGeometry &g = m_geometry;
    const int Wt = W * LayoutTwipsPerPixel;
    const int Ht = H * LayoutTwipsPerPixel;

    if (verticalLayoutFollows(H)) {
        g.horizontalStrip.moveTop(H - 226);
        g.verticalStrip.setHeight(std::max(0, H - 207));
        g.programArea.setHeight(std::max(0, H - 225));
        g.verticalBar.setHeight(std::max(0, twipsToPixels(Ht - 4100)));
        g.jumpBottom.moveTop(twipsToPixels(Ht - 3850));
        g.rowBox.moveTop(twipsToPixels(Ht - 3640));
        g.jumpBottomRight.moveTop(twipsToPixels(Ht - 3390));
    }

    g.verticalStrip.moveLeft(W - 32);
    g.horizontalStrip.setWidth(std::max(0, W - 40));
    g.programArea.setWidth(std::max(0, W - 39));
    g.horizontalBar.setWidth(std::max(0, twipsToPixels(Wt - 1680)));
    g.jumpRight.moveLeft(twipsToPixels(Wt - 1200));
    g.columnBox.moveLeft(twipsToPixels(Wt - 970));
    g.bottomPanel.moveTop(H - 210);
}

} // namespace zuvo
