#include "session/editorsession.h"

#include "model/compaction.h"

// The single undo checkpoint, and icon-slot compaction.

namespace zuvo {

void EditorSession::setUndoSpent(int spent)
{
    m_state.UndoSpent = spent;
    m_view.undoAvailable = spent == 0;
}

void EditorSession::SaveUndoSnapshot()
{
    m_undo.program = m_program;
    m_undo.CurrentCell = m_state.CurrentCell;
    m_undo.TrayPick = m_state.TrayPick;
    m_undo.BoxState = m_state.BoxState;
    m_undo.BoxWidth = m_state.BoxWidth;
    m_undo.BoxHeight = m_state.BoxHeight;
    setUndoSpent(0);
}

void EditorSession::RestoreUndoSnapshot()
{
    const WorkingProgram &saved = m_undo.program;
    // The picture of a pick that the restore replaces must not stay hidden mid-blink.
    const int pick = trayPickCode();
    if (pick >= 0 && pick < static_cast<int>(m_view.trayVisible.size()))
        m_view.trayVisible[pick] = true;

    for (int x = 0; x < LatticeColumns; ++x) {
        for (int y = 0; y < LatticeRows; ++y) {
            m_program.CellContent(x, y) = saved.CellContent(x, y);
            m_program.CellMark(x, y) = saved.CellMark(x, y);
            if (!m_program.holdsIcon(x, y))
                RedrawCell(x, y, ColourWhite);
        }
    }
    m_state.TrayPick = m_undo.TrayPick;
    m_program.SlotCount = saved.SlotCount;
    m_state.CurrentCell = m_undo.CurrentCell;
    m_state.BoxState = m_undo.BoxState;

    for (int slot = 0; slot < IconSlotLimit; ++slot)
        if (m_program.slotInUse(slot))
            hideIconPicture(slot);
    for (int slot = 0; slot < IconSlotLimit; ++slot) {
        const int cell = saved.SlotCell[slot];
        if (cell >= 0 && cell <= LastCellIndex && m_program.CellContent.atIndex(cell) != EmptyCell)
            ShowIconAt(CellX(cell), CellY(cell));
        m_program.SlotCell[slot] = saved.SlotCell[slot];
        m_program.SlotParams[slot] = saved.SlotParams[slot];
    }
    // Restored parameters need their labels back as well.
    ShowAllSlotValues();

    ClearBoxAnchor();
    m_state.BoxWidth = m_undo.BoxWidth;
    m_state.BoxHeight = m_undo.BoxHeight;
    ResetPointerState();
    setUndoSpent(1);
    hideIconParameters();
}

void EditorSession::Undo()
{
    ChangeScope scope(*this);
    if (m_state.UndoSpent != 0)
        return;
    RestoreUndoSnapshot();
    markProgramEdited();
}

void EditorSession::CompactIconSlots()
{
    ChangeScope scope(*this);
    const QList<CompactionMove> moves = zuvo::CompactIconSlots(m_program);
    for (const CompactionMove &move : moves) {
        if (move.from < 0 || move.from >= IconSlotLimit || move.to < 0 || move.to >= IconSlotLimit)
            continue;
        hideIconPicture(move.from);
        const int cell = m_program.SlotCell[move.to];
        if (cell >= 0 && cell <= LastCellIndex)
            ShowIconAt(CellX(cell), CellY(cell));
        ShowSlotValues(move.to);
    }
}

} // namespace zuvo
