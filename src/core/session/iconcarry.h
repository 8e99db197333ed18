#pragma once
// One icon carried to another cell: picked up by a double-click (or the debug aids), its picture
// following the pointer or the key cursor, and dropped onto an empty cell or onto another icon,
// which takes its place.

#include "model/workingprogram.h"

#include <QPoint>

namespace zuvo {

struct EditorState;
class GridPicture;
class IconForm;
class ProgramSlots;
class Selection;
class UndoCheckpoint;

struct CarryState
{
    int MoveSlot = -1; // the icon slot being carried, -1 none
    int MoveFromX = 0; // the cell it was picked up from
    int MoveFromY = 0;
};

class IconCarry
{
public:
    IconCarry(CarryState &own, WorkingProgram &program, const EditorState &state, GridPicture &grid,
              Selection &selection, UndoCheckpoint &undo, IconForm &form,
              ProgramSlots &programSlots);

    bool carrying() const { return m_own.MoveSlot >= 0 && m_own.MoveSlot < IconSlotLimit; }
    void BeginIconMove(); // the icon of the current cell
    void DropMovedIcon(int x, int y);
    // The carried picture, and the dragged one, at a place on the drawing surface.
    void carryTo(QPoint topLeft);
    // Nothing carried (the picture back at its cell) and no corner pending.
    void ResetPointerState();

private:
    CarryState &m_own;
    WorkingProgram &m_program;
    const EditorState &m_state;
    GridPicture &m_grid;
    Selection &m_selection;
    UndoCheckpoint &m_undo;
    IconForm &m_form;
    ProgramSlots &m_slots;
};

} // namespace zuvo
