#include "session/undocheckpoint.h"

#include "session/editorstate.h"

namespace zuvo {

UndoCheckpoint::UndoCheckpoint(UndoState &own, UndoView &shown, WorkingProgram &program,
                               const EditorState &state, GridPicture &grid, IconTray &tray,
                               Selection &selection, IconCarry &carry, IconForm &form,
                               ProgramSlots &programSlots)
    : m_own(own)
    , m_shown(shown)
    , m_program(program)
    , m_state(state)
    , m_grid(grid)
    , m_tray(tray)
    , m_selection(selection)
    , m_carry(carry)
    , m_form(form)
    , m_slots(programSlots)
{
}

void UndoCheckpoint::setUndoSpent(int spent)
{
    m_own.UndoSpent = spent;
    m_shown.undoAvailable = spent == 0;
}

void UndoCheckpoint::SaveUndoSnapshot()
{
    m_snapshot.program = m_program;
    m_snapshot.CurrentCell = m_state.CurrentCell;
    m_snapshot.TrayPick = m_state.TrayPick;
    m_snapshot.BoxState = m_state.BoxState;
    m_snapshot.BoxWidth = m_state.BoxWidth;
    m_snapshot.BoxHeight = m_state.BoxHeight;
    setUndoSpent(0);
}

void UndoCheckpoint::RestoreUndoSnapshot()
{
    const WorkingProgram &saved = m_snapshot.program;
    // The picture of a pick that the restore replaces must not stay hidden mid-blink.
    m_tray.showPickedPicture();

    for (int x = 0; x < LatticeColumns; ++x) {
        for (int y = 0; y < LatticeRows; ++y) {
            m_program.CellContent(x, y) = saved.CellContent(x, y);
            m_program.CellMark(x, y) = saved.CellMark(x, y);
            if (!m_program.holdsIcon(x, y))
                m_grid.RedrawCell(x, y, ColourWhite);
        }
    }
    m_tray.setPick(m_snapshot.TrayPick);
    m_program.SlotCount = saved.SlotCount;

    for (int slot = 0; slot < IconSlotLimit; ++slot)
        if (m_program.slotInUse(slot))
            m_grid.hideIconPicture(slot);
    for (int slot = 0; slot < IconSlotLimit; ++slot) {
        const int cell = saved.SlotCell[slot];
        if (cell >= 0 && cell <= LastCellIndex && m_program.CellContent.atIndex(cell) != EmptyCell)
            m_grid.ShowIconAt(CellX(cell), CellY(cell));
        m_program.SlotCell[slot] = saved.SlotCell[slot];
        m_program.SlotParams[slot] = saved.SlotParams[slot];
    }
    // Restored parameters need their labels back as well.
    m_grid.ShowAllSlotValues();

    m_selection.restore(m_snapshot.CurrentCell, m_snapshot.BoxState, m_snapshot.BoxWidth,
                        m_snapshot.BoxHeight);
    m_carry.ResetPointerState();
    setUndoSpent(1);
    m_form.hideIconParameters();
}

void UndoCheckpoint::Undo()
{
    if (m_own.UndoSpent != 0)
        return;
    RestoreUndoSnapshot();
    m_slots.markProgramEdited();
}

} // namespace zuvo
