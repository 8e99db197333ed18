#pragma once
// The single undo checkpoint: taken before every edit, restored by 戻す.

#include "model/workingprogram.h"

namespace zuvo {

struct EditorState;
class GridPicture;
class IconCarry;
class IconForm;
class IconTray;
class ProgramSlots;
class Selection;

// The undo checkpoint, also the staging copy of a program being read.
struct UndoSnapshot
{
    WorkingProgram program; // CellContent, CellMark, SlotCell, SlotParams, SlotCount
    int CurrentCell = -1;
    int TrayPick = -1;
    int BoxState = -1;
    int BoxWidth = 0;
    int BoxHeight = 0;
};

struct UndoState
{
    int UndoSpent = 1; // 0 while the checkpoint may be restored
};

struct UndoView
{
    bool undoAvailable = false; // 戻す0 shown and 一つ前に戻る enabled
};

class UndoCheckpoint
{
public:
    UndoCheckpoint(UndoState &own, UndoView &shown, WorkingProgram &program,
                   const EditorState &state, GridPicture &grid, IconTray &tray,
                   Selection &selection, IconCarry &carry, IconForm &form,
                   ProgramSlots &programSlots);

    const UndoSnapshot &snapshot() const { return m_snapshot; }
    void SaveUndoSnapshot();
    void setUndoSpent(int spent);
    void Undo(); // restores only while undo is available

private:
    void RestoreUndoSnapshot();

    UndoState &m_own;
    UndoView &m_shown;
    WorkingProgram &m_program;
    const EditorState &m_state;
    GridPicture &m_grid;
    IconTray &m_tray;
    Selection &m_selection;
    IconCarry &m_carry;
    IconForm &m_form;
    ProgramSlots &m_slots;
    UndoSnapshot m_snapshot;
};

} // namespace zuvo
