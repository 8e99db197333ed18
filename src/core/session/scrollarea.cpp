#include "session/scrollarea.h"

#include "model/numbers.h"
#include "session/debugaids.h"
#include "session/iconform.h"

#include <algorithm>

namespace zuvo {

namespace {

// The scrolled extent of the drawing surface in pixels, and the position map's reference
// rectangle in twips of the bottom panel.
constexpr int ScrollExtentWidth = 2950;
constexpr int ScrollExtentHeight = 1770;
constexpr int MapReferenceLeft = 250;
constexpr int MapReferenceTop = 430;
constexpr int MapReferenceWidth = 2360;
constexpr int MapReferenceHeight = 990;
constexpr int TwipsPerPixel = 15;

int largeChange(int maximum)
{
    return std::max<int>(1, static_cast<int>(RoundHalfEven(maximum / 10.0)));
}

// The map's extent along one axis: the visible share of the reference, all of it when nothing
// is left to scroll.
int mapExtent(int visible, int scrollMax, int extent, int reference)
{
    if (scrollMax <= 0)
        return reference;
    const long long size = RoundHalfEven(static_cast<double>(visible) * reference / extent);
    return static_cast<int>(std::clamp<long long>(size, 0, reference));
}

int mapOffset(int mapSize, int value, int scrollMax, int reference)
{
    if (scrollMax <= 0)
        return 0;
    return static_cast<int>(
        RoundHalfEven(static_cast<double>(reference - mapSize) * value / scrollMax));
}

// Navigator geometry in twips of the panel picture: the drag range of each axis.
constexpr int NavigatorLow = 135;
constexpr int NavigatorRight = 2520;
constexpr int NavigatorBottom = 1125;
constexpr int NavigatorOrigin = 134;
constexpr int NavigatorWidth = 2386;
constexpr int NavigatorHeight = 991;

int navigatorPosition(int twips, int high, int span, int maximum)
{
    if (twips < NavigatorLow)
        return 0;
    if (twips > high)
        return maximum;
    return static_cast<int>(
        RoundHalfEven(static_cast<double>(twips - NavigatorOrigin) * maximum / span));
}

} // namespace

ScrollArea::ScrollArea(ScrollingView &own, WorkingProgram &program, const IconForm &form,
                       DebugAids &debug)
    : m_own(own)
    , m_program(program)
    , m_form(form)
    , m_debug(debug)
{
}

void ScrollArea::ResizeEditor(int outerWidth, int outerHeight)
{
    ScrollView &scroll = m_own.scroll;
    scroll.windowWidth = outerWidth;
    scroll.windowHeight = outerHeight;
    // While the window is very low the vertical layout stays as it was.
    if (TwipsPerPixel * outerHeight > 4160)
        scroll.areaHeight = std::max(0, outerHeight - 225);
    scroll.areaWidth = std::max(0, outerWidth - 39);
    scroll.hMax = std::max(0, ScrollExtentWidth - scroll.areaWidth);
    scroll.vMax = std::max(0, ScrollExtentHeight - scroll.areaHeight);
    scroll.hLargeChange = largeChange(scroll.hMax);
    scroll.vLargeChange = largeChange(scroll.vMax);
    scroll.mapWidth
        = mapExtent(scroll.areaWidth, scroll.hMax, ScrollExtentWidth, MapReferenceWidth);
    scroll.mapHeight
        = mapExtent(scroll.areaHeight, scroll.vMax, ScrollExtentHeight, MapReferenceHeight);
    SetScroll(scroll.hValue, scroll.vValue);
}

void ScrollArea::SetScroll(int h, int v)
{
    m_own.scroll.hValue = std::clamp(h, 0, m_own.scroll.hMax);
    m_own.scroll.vValue = std::clamp(v, 0, m_own.scroll.vMax);
    SyncView();
}

void ScrollArea::SyncView()
{
    ScrollView &scroll = m_own.scroll;
    scroll.mapLeft = MapReferenceLeft
        + mapOffset(scroll.mapWidth, scroll.hValue, scroll.hMax, MapReferenceWidth);
    scroll.mapTop = MapReferenceTop
        + mapOffset(scroll.mapHeight, scroll.vValue, scroll.vMax, MapReferenceHeight);
    m_program.HScroll = scroll.hValue;
    m_program.VScroll = scroll.vValue;
}

void ScrollArea::JumpLeft()
{
    SetScroll(0, m_own.scroll.vValue);
}

void ScrollArea::JumpRight()
{
    SetScroll(m_own.scroll.hMax, m_own.scroll.vValue);
}

void ScrollArea::JumpTop()
{
    SetScroll(m_own.scroll.hValue, 0);
}

void ScrollArea::JumpBottom()
{
    SetScroll(m_own.scroll.hValue, m_own.scroll.vMax);
}

void ScrollArea::JumpTopLeft()
{
    SetScroll(0, 0);
}

void ScrollArea::JumpBottomRight()
{
    SetScroll(m_own.scroll.hMax, m_own.scroll.vMax);
}

void ScrollArea::PageLeft()
{
    const ScrollView &s = m_own.scroll;
    SetScroll(s.hValue - s.areaWidth < 0 ? 0 : s.hValue - s.areaWidth, s.vValue);
}

void ScrollArea::PageRight()
{
    const ScrollView &s = m_own.scroll;
    SetScroll(s.hValue + s.areaWidth > s.hMax ? s.hMax : s.hValue + s.areaWidth, s.vValue);
}

void ScrollArea::PageUp()
{
    const ScrollView &s = m_own.scroll;
    SetScroll(s.hValue, s.vValue - s.areaHeight < 0 ? 0 : s.vValue - s.areaHeight);
}

void ScrollArea::PageDown()
{
    const ScrollView &s = m_own.scroll;
    SetScroll(s.hValue, s.vValue + s.areaHeight > s.vMax ? s.vMax : s.vValue + s.areaHeight);
}

void ScrollArea::ShowCellUnderMouse(QPoint pixel)
{
    showCellBoxes(PixelToLattice(pixel.x()), PixelToLattice(pixel.y()));
    m_debug.UpdateDebugBoxes(pixel);
}

void ScrollArea::showCellBoxes(int x, int y)
{
    m_own.columnBoxText = QString::number(x / 2 + 1);
    m_own.rowBoxText = QString::number(y / 2 + 1);
}

void ScrollArea::NavigatorDrag(Qt::MouseButtons buttons, int xTwips, int yTwips)
{
    // Exactly the left button: left and right held together scroll nothing.
    if (buttons != Qt::LeftButton || m_form.formShown())
        return;
    const ScrollView &scroll = m_own.scroll;
    SetScroll(navigatorPosition(xTwips, NavigatorRight, NavigatorWidth, scroll.hMax),
              navigatorPosition(yTwips, NavigatorBottom, NavigatorHeight, scroll.vMax));
}

} // namespace zuvo
