#pragma once
// What the grid shows: the painted colour and line bar of every lattice cell, the icon
// pictures with their value labels, the picture being dragged, the blinking of the selected
// cells, and the icon the simulator executes.

#include "model/colours.h"
#include "model/valuelabels.h"
#include "model/workingprogram.h"

#include <QPoint>
#include <array>
#include <optional>

namespace zuvo {

class IconTray;

struct IconPictureView
{
    int code = -1; // IconCode whose grid picture it shows
    QPoint topLeft; // on the drawing surface, pixels
    bool visible = false;
};

// A value label belongs to its icon picture: it shows only while the picture is visible.
using ValueLabelView = ValueLabel;

struct BlinkState
{
    int BlinkPhase = 0;
};

struct GridView
{
    CellGrid<quint32> cellColour {ColourWhite}; // last painted colour of each cell's box
    CellGrid<quint8> lineBar {0}; // 1 where the grey line bar was last painted
    std::array<IconPictureView, IconSlotLimit> pictures {};
    std::array<std::array<ValueLabelView, 3>, IconSlotLimit> labels {}; // D1, D2, D3
    std::optional<QPoint> dragPicturePos; // the dragged picture's top-left, while dragging
    int executingSlot = -1; // the icon the simulator executes now, lit on the grid; -1 none
};

class GridPicture
{
public:
    // The blink tick settles CellMark, so the program is not read-only here.
    GridPicture(BlinkState &blink, GridView &own, WorkingProgram &program, IconTray &tray);

    void RedrawCell(int x, int y, quint32 colour);
    void ShowIconAt(int x, int y);
    void ShowSlotValues(int slot);
    void ShowAllSlotValues();
    void hideIconPicture(int slot); // the picture and its three value labels
    void showPicture(int slot) { m_own.pictures[slot].visible = true; }
    void showPictureAt(int x, int y); // the picture of the icon a cell holds, if any
    void redrawWholeGrid(); // every cell white, pictures and labels from the program
    // The picture of a carried icon, and the dragged picture, at a place on the surface.
    void carryPicture(int slot, QPoint topLeft);
    void endDrag() { m_own.dragPicturePos.reset(); }

    void BlinkTick();

    // True when the lit icon changes: the simulator reports every frame.
    bool ShowExecutingSlot(int slot);
    void clearExecutingSlot() { m_own.executingSlot = -1; }

private:
    BlinkState &m_blink;
    GridView &m_own;
    WorkingProgram &m_program;
    IconTray &m_tray;
};

} // namespace zuvo
