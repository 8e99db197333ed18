#include "session/editorsession.h"

#include "model/numbers.h"

#include <algorithm>

// The program area's size, the scroll bars, the jump and page operations, the position map and
// the column and row boxes.

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

} // namespace

void EditorSession::ResizeEditor(int outerWidth, int outerHeight)
{
    ChangeScope scope(*this);
    ScrollView &scroll = m_view.scroll;
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
    setScrollValues(scroll.hValue, scroll.vValue);
}

void EditorSession::setScrollValues(int h, int v)
{
    m_view.scroll.hValue = std::clamp(h, 0, m_view.scroll.hMax);
    m_view.scroll.vValue = std::clamp(v, 0, m_view.scroll.vMax);
    SyncView();
}

void EditorSession::SyncView()
{
    ScrollView &scroll = m_view.scroll;
    scroll.mapLeft = MapReferenceLeft
        + mapOffset(scroll.mapWidth, scroll.hValue, scroll.hMax, MapReferenceWidth);
    scroll.mapTop = MapReferenceTop
        + mapOffset(scroll.mapHeight, scroll.vValue, scroll.vMax, MapReferenceHeight);
    m_program.HScroll = scroll.hValue;
    m_program.VScroll = scroll.vValue;
}

void EditorSession::SetScroll(int hValue, int vValue)
{
    ChangeScope scope(*this);
    setScrollValues(hValue, vValue);
}

void EditorSession::JumpLeft()
{
    ChangeScope scope(*this);
    setScrollValues(0, m_view.scroll.vValue);
}

void EditorSession::JumpRight()
{
    ChangeScope scope(*this);
    setScrollValues(m_view.scroll.hMax, m_view.scroll.vValue);
}

void EditorSession::JumpTop()
{
    ChangeScope scope(*this);
    setScrollValues(m_view.scroll.hValue, 0);
}

void EditorSession::JumpBottom()
{
    ChangeScope scope(*this);
    setScrollValues(m_view.scroll.hValue, m_view.scroll.vMax);
}

void EditorSession::JumpTopLeft()
{
    ChangeScope scope(*this);
    setScrollValues(0, 0);
}

void EditorSession::JumpBottomRight()
{
    ChangeScope scope(*this);
    setScrollValues(m_view.scroll.hMax, m_view.scroll.vMax);
}

void EditorSession::PageLeft()
{
    ChangeScope scope(*this);
    const ScrollView &s = m_view.scroll;
    setScrollValues(s.hValue - s.areaWidth < 0 ? 0 : s.hValue - s.areaWidth, s.vValue);
}

void EditorSession::PageRight()
{
    ChangeScope scope(*this);
    const ScrollView &s = m_view.scroll;
    setScrollValues(s.hValue + s.areaWidth > s.hMax ? s.hMax : s.hValue + s.areaWidth, s.vValue);
}

void EditorSession::PageUp()
{
    ChangeScope scope(*this);
    const ScrollView &s = m_view.scroll;
    setScrollValues(s.hValue, s.vValue - s.areaHeight < 0 ? 0 : s.vValue - s.areaHeight);
}

void EditorSession::PageDown()
{
    ChangeScope scope(*this);
    const ScrollView &s = m_view.scroll;
    setScrollValues(s.hValue, s.vValue + s.areaHeight > s.vMax ? s.vMax : s.vValue + s.areaHeight);
}

void EditorSession::ShowCellUnderMouse(QPoint pixel)
{
    ChangeScope scope(*this);
    const int x = PixelToLattice(pixel.x());
    const int y = PixelToLattice(pixel.y());
    m_view.columnBoxText = QString::number(x / 2 + 1);
    m_view.rowBoxText = QString::number(y / 2 + 1);
    UpdateDebugBoxes(pixel);
}

void EditorSession::UpdateDebugBoxes(QPoint pixel)
{
    auto &text = m_view.debugTexts;
    text[1] = QString::number(pixel.x());
    text[2] = QString::number(pixel.y());
    text[3] = QStringLiteral("BoxF=") + QString::number(m_state.BoxState);
    text[4] = QStringLiteral("Mflg=") + QString::number(m_state.MoveSlot);
    text[5] = QStringLiteral("Mx=") + QString::number(m_state.MoveFromX) + QStringLiteral(" My=")
        + QString::number(m_state.MoveFromY);
    text[6] = QStringLiteral("Point=") + QString::number(m_program.SlotCount);
    text[7] = QStringLiteral("e_c=") + QString::number(m_state.CurrentCell);
    text[8] = QStringLiteral(u"窓巾=") + QString::number(m_view.scroll.areaWidth);
    text[9] = QStringLiteral(u"窓高=") + QString::number(m_view.scroll.areaHeight);
}

void EditorSession::ShowPictureUnderMouse(int index)
{
    const QString text = QStringLiteral("icon ") + QString::number(index);
    if (text == m_view.debugTexts[0])
        return;
    ChangeScope scope(*this);
    m_view.debugTexts[0] = text;
}

} // namespace zuvo
