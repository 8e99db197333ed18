#pragma once
// The program area's size and scrolling: the scroll bars, the jump and page operations, the
// navigator on the panel, the position map, and the column and row boxes.

#include "model/workingprogram.h"

#include <QPoint>
#include <QString>
#include <qnamespace.h>

namespace zuvo {

class DebugAids;
class IconForm;

// The scroll bars HScroll1 / VScroll1 and the program area they scroll.
struct ScrollView
{
    int hValue = 0;
    int vValue = 0;
    int hMax = 0;
    int vMax = 0;
    int hLargeChange = 1;
    int vLargeChange = 1;
    int smallChange = 30;
    int areaWidth = 761; // 編集窓
    int areaHeight = 401;
    int windowWidth = 800; // outer size in pixels
    int windowHeight = 626;
    int mapLeft = 250; // 位置, twips in the bottom panel
    int mapTop = 430;
    int mapWidth = 525;
    int mapHeight = 495;
};

struct ScrollingView
{
    ScrollView scroll;
    QString columnBoxText; // 横座標: icon column under the pointer, from 1
    QString rowBoxText; // 縦座標: icon row under the pointer, from 1
};

class ScrollArea
{
public:
    // The scroll positions are the program's own (HScroll, VScroll); the navigator is there
    // while no property form is shown.
    ScrollArea(ScrollingView &own, WorkingProgram &program, const IconForm &form, DebugAids &debug);

    const ScrollView &scroll() const { return m_own.scroll; }
    // The window's outer size: its client size + 8 x 58.
    void ResizeEditor(int outerWidth, int outerHeight);
    void SetScroll(int hValue, int vValue); // each clamped to its range
    void JumpLeft();
    void JumpRight();
    void JumpTop();
    void JumpBottom();
    void JumpTopLeft();
    void JumpBottomRight();
    void PageLeft();
    void PageRight();
    void PageUp();
    void PageDown();
    void NavigatorDrag(Qt::MouseButtons buttons, int xTwips, int yTwips);
    void ShowCellUnderMouse(QPoint pixel);
    void showCellBoxes(int x, int y); // the column and row boxes for lattice position (x, y)

private:
    void SyncView();

    ScrollingView &m_own;
    WorkingProgram &m_program;
    const IconForm &m_form;
    DebugAids &m_debug;
};

} // namespace zuvo
