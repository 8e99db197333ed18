#include "session/iconcarry.h"

#include "session/editorstate.h"

#include <utility>

namespace zuvo {

IconCarry::IconCarry(CarryState &own, WorkingProgram &program, const EditorState &state,
                     GridPicture &grid, Selection &selection, UndoCheckpoint &undo, IconForm &form,
                     ProgramSlots &programSlots)
    : m_own(own)
    , m_program(program)
    , m_state(state)
    , m_grid(grid)
    , m_selection(selection)
    , m_undo(undo)
    , m_form(form)
    , m_slots(programSlots)
{
}

void IconCarry::ResetPointerState()
{
    // A picture that was following the pointer goes back to its cell.
    const int moving = m_own.MoveSlot;
    if (moving >= 0 && moving < IconSlotLimit && m_program.slotInUse(moving)) {
        const int cell = m_program.SlotCell[moving];
        if (cell <= LastCellIndex)
            m_grid.ShowIconAt(CellX(cell), CellY(cell));
    }
    m_grid.endDrag();
    m_own.MoveSlot = -1;
    m_selection.forgetCorner();
}

void IconCarry::carryTo(QPoint topLeft)
{
    if (carrying())
        m_grid.carryPicture(m_own.MoveSlot, topLeft);
}

void IconCarry::BeginIconMove()
{
    m_undo.SaveUndoSnapshot();
    const int cell = m_state.CurrentCell;
    if (cell < 0 || cell > LastCellIndex)
        return;
    const int x = CellX(cell);
    const int y = CellY(cell);
    // Only an icon can be carried; a current line, corner or empty cell starts nothing.
    if (!m_program.holdsIcon(x, y) || ContentSlot(m_program.CellContent(x, y)) >= IconSlotLimit)
        return;
    m_own.MoveFromX = x;
    m_own.MoveFromY = y;
    m_own.MoveSlot = ContentSlot(m_program.CellContent(x, y));
}

void IconCarry::DropMovedIcon(int x, int y)
{
    const int slot = m_own.MoveSlot;
    if (slot < 0 || slot >= IconSlotLimit)
        return;
    const int fromX = m_own.MoveFromX;
    const int fromY = m_own.MoveFromY;
    // Outside first: a drop beyond the right or bottom edge must not snap back onto the last
    // column or row.
    const bool insideDrop = insideLattice(x, y);
    if (x % 2 != 0)
        x -= 1;
    if (y % 2 != 0)
        y -= 1;
    const bool originHoldsIt = insideLattice(fromX, fromY) && m_program.holdsIcon(fromX, fromY)
        && ContentSlot(m_program.CellContent(fromX, fromY)) == slot;
    if (originHoldsIt && insideDrop) {
        qint16 &from = m_program.CellContent(fromX, fromY);
        qint16 &to = m_program.CellContent(x, y);
        if (to == EmptyCell) {
            m_program.SlotCell[slot] = static_cast<qint16>(CellIndex(x, y));
            to = from;
            from = EmptyCell;
        } else {
            const int other = ContentSlot(to);
            if (other < IconSlotLimit)
                m_program.SlotCell[other] = static_cast<qint16>(CellIndex(fromX, fromY));
            m_program.SlotCell[slot] = static_cast<qint16>(CellIndex(x, y));
            std::swap(from, to);
            m_grid.ShowIconAt(fromX, fromY);
        }
        m_grid.ShowIconAt(x, y);
        m_slots.markProgramEdited();
    } else if (m_program.slotInUse(slot) && m_program.SlotCell[slot] <= LastCellIndex) {
        // A drop outside the lattice (or of an icon no longer at its cell) changes nothing:
        // the picture returns to its cell.
        const int cell = m_program.SlotCell[slot];
        m_grid.ShowIconAt(CellX(cell), CellY(cell));
    }
    if (insideLattice(fromX, fromY))
        m_program.CellMark(fromX, fromY) = MarkSettle;
    m_own.MoveSlot = -1;
    m_grid.endDrag();
    m_selection.setCurrentCell(-1);
    m_form.hideIconParameters();
}

} // namespace zuvo
