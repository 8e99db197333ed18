#pragma once
// Input on the icon tray, the icon pictures and the drawing surface: picking and placing icons,
// filling a selection from the tray, drawing lines, the corners, the drag move and the grid's
// keys. Each press, release and double-click turns into the operation of the other rooms it
// means.

#include "model/workingprogram.h"

#include <QPoint>

namespace zuvo {

class CheckDriver;
class DebugAids;
struct EditorState;
struct EditorView;
class GridPicture;
class IconCarry;
class IconForm;
class IconTray;
class MessageArea;
class MoveCopy;
class ProgramSlots;
class ScrollArea;
class Selection;
class UndoCheckpoint;

class GridInput
{
public:
    GridInput(WorkingProgram &program, const EditorState &state, const EditorView &view,
              MessageArea &message, GridPicture &grid, IconTray &tray, Selection &selection,
              MoveCopy &moveCopy, IconCarry &carry, UndoCheckpoint &undo, IconForm &form,
              ProgramSlots &programSlots, ScrollArea &scroll, CheckDriver &check, DebugAids &debug);

    void TrayPress(int code, bool leftButton);
    void IconPress(int slot, bool leftButton);
    void IconRelease(int slot);
    void IconDoubleClick(int slot);
    void SurfaceRelease(int x, int y, bool leftButton);
    // A whole click on a lattice cell: the press and release on an icon's picture there, else
    // the release on the drawing surface. The keyboard mode and screen readers click this way.
    void ClickCell(int x, int y, bool leftButton);
    void SurfaceMove(QPoint pixel, bool leftButtonHeld, bool shift, bool ctrl);
    void SurfaceDoubleClick();
    void GridKey(int key);

private:
    void fillSelection(int code);
    void placeIconFromTray(int x, int y, int code);

    WorkingProgram &m_program;
    const EditorState &m_state;
    const EditorView &m_view;
    MessageArea &m_message;
    GridPicture &m_grid;
    IconTray &m_tray;
    Selection &m_selection;
    MoveCopy &m_moveCopy;
    IconCarry &m_carry;
    UndoCheckpoint &m_undo;
    IconForm &m_form;
    ProgramSlots &m_slots;
    ScrollArea &m_scroll;
    CheckDriver &m_check;
    DebugAids &m_debug;
    // The release that ends a double-click is no click of its own: on an icon it would drop the
    // icon just picked up, on the surface select the cell the double-click has just cleared.
    enum class DoubleClickRelease { None, OnIcon, OnSurface };
    DoubleClickRelease m_doubleClickRelease = DoubleClickRelease::None;
};

} // namespace zuvo
