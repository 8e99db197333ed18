#pragma once
// Where the program area, the two scroll strips and the bottom panel sit for a given outer
// window size. The strips' inner controls and the thresholds are kept in twips (15 to the
// pixel), as the resize rules are written; pixel rectangles are rounded from them.

#include <QRect>
#include <QSize>

namespace zuvo {

constexpr int LayoutTwipsPerPixel = 15; // twips to the pixel

// Pixels for a twips value, rounded to the nearest pixel.
int twipsToPixels(int twips);

struct EditorGeometry
{
    // In the client area.
    QRect programArea; // 編集窓
    QRect horizontalStrip; // Frame4
    QRect verticalStrip; // Frame3
    QRect bottomPanel; // Frame5
    // Inside Frame4.
    QRect jumpTopLeft; // 左上
    QRect jumpLeft; // 左TOP
    QRect horizontalBar; // HScroll1
    QRect jumpRight; // 右TOP
    QRect columnBox; // 横座標
    // Inside Frame3.
    QRect jumpTop; // 上TOP
    QRect verticalBar; // VScroll1
    QRect jumpBottom; // 下TOP
    QRect rowBox; // 縦座標
    QRect jumpBottomRight; // 右下
};

class EditorLayout
{
public:
    // The designed layout, in force until the first resize.
    EditorLayout();

    // Applies the resize rules for the outer size (W, H) in pixels. The horizontal layout and
    // the bottom panel always follow; the vertical layout only while 15 H exceeds 4160 twips,
    // otherwise it keeps what it had.
    void ResizeEditor(int outerWidth, int outerHeight);

    const EditorGeometry &geometry() const { return m_geometry; }

    static bool verticalLayoutFollows(int outerHeight);

    // The transmit text box TXdata in the client area when it is shown: left 790, top H - 206,
    // the window's width beyond 12100 twips, 145 high.
    static QRect transmitBoxGeometry(int outerWidth, int outerHeight);

    // The outer size whose client area is the designed 792 x 568.
    static constexpr QSize DesignOuterSize {800, 626};
    static constexpr QSize DesignClientSize {792, 568};
    // Frame and caption counted into the outer size on top of the client area.
    static constexpr QSize FrameAllowance {8, 58};

private:
    EditorGeometry m_geometry;
};

} // namespace zuvo
