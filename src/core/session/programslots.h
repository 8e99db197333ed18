#pragma once
// The four program slots: the program of each kept as ProgramText, switching between them,
// copying one onto another, the new program, the sample sets, the memo, and which slots hold
// unsaved changes.

#include "model/programtext.h"
#include "model/workingprogram.h"

#include <QString>
#include <array>

namespace zuvo {

class CheckDriver;
class DebugAids;
class EditorPrompts;
class GridPicture;
class IconCarry;
class IconForm;
class IconTray;
class MessageArea;
class ScrollArea;
class Selection;
class UndoCheckpoint;

constexpr int ProgramSlotCount = 4;

struct SlotState
{
    int CurrentSlot = 0;
    std::array<int, 5> SlotModified {};
    std::array<QString, 5> SlotFilePath {};
    std::array<ProgramText, ProgramSlotCount> SlotText {};
};

struct SlotView
{
    std::array<QString, ProgramSlotCount> tabCaptions {};
    QString memo; // Text1
};

class ProgramSlots
{
public:
    ProgramSlots(SlotState &own, SlotView &shown, WorkingProgram &program, EditorPrompts &prompts,
                 GridPicture &grid, MessageArea &message, IconTray &tray, Selection &selection,
                 IconCarry &carry, UndoCheckpoint &undo, IconForm &form, ScrollArea &scroll,
                 CheckDriver &check, DebugAids &debug);

    // EditorStartMode at the first resize: 10 nothing, 11..15 the sample set 1..5.
    void ApplyStartRequest(int editorStartMode);
    void SwitchSlot(int slot);
    void CopySlotTo(int slot);
    void NewProgramCommand(); // asks before unsaved edits are dropped
    void NewProgram();
    void LoadSampleSet(int n);
    void SetMemoText(const QString &text); // memo words are matched here
    bool ConfirmEditorClose();

    // A program read or staged takes the current slot's place on the grid.
    void installProgram(const WorkingProgram &staged);
    void setMemo(const QString &text);
    // The current slot has changes to save; markProgramEdited also means the check must run
    // again.
    void markModified();
    void markProgramEdited();
    void setModified(int slot, int modified) { m_own.SlotModified[slot] = modified; }
    // The file a slot was read from or saved to (none for a picture), and its tab's caption.
    void setSlotFile(int slot, const QString &path, const QString &caption);
    // A copy of an unsaved program back in a slot: its file and caption, marked modified.
    void restoreProgram(int slot, const WorkingProgram &program, const QString &path,
                        const QString &caption);

private:
    void StoreSlotText();
    void LoadSlotText();

    SlotState &m_own;
    SlotView &m_shown;
    WorkingProgram &m_program;
    EditorPrompts &m_prompts;
    GridPicture &m_grid;
    MessageArea &m_message;
    IconTray &m_tray;
    Selection &m_selection;
    IconCarry &m_carry;
    UndoCheckpoint &m_undo;
    IconForm &m_form;
    ScrollArea &m_scroll;
    CheckDriver &m_check;
    DebugAids &m_debug;
};

} // namespace zuvo
