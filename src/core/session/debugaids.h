#pragma once
// The hidden debug aids: the command-line words Ghost and HexDisp, the memo words, the hidden
// clipboard shared by all program slots, removing the current icon, the debug panel with its
// boxes and its four list pages.

#include "model/workingprogram.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>

namespace zuvo {

class CheckDriver;
struct EditorState;
struct EditorView;
class GridPicture;
class IconCarry;
class IconForm;
class MessageArea;
class ProgramSlots;
class Selection;
class UndoCheckpoint;

struct DebugState
{
    int GhostMode = 0; // the grid's letter keys act
    int HexDisp = 0; // TXdata is shown after a send
    int ChecksumTestFlag = 0; // the next transmission carries a wrong checksum
    int DebugViewState = 0; // the list page DebugViewStep shows next
    // The hidden clipboard (row 4 of SlotText): lines, icons, parity.
    QString ClipLines;
    QString ClipIcons;
    QString ClipParity;
};

struct DebugView
{
    bool debugPanelVisible = false;
    std::array<QString, 11> debugTexts {}; // Text(0..10)
    QStringList debugList;
    bool debugListVisible = false;
};

class DebugAids
{
public:
    DebugAids(DebugState &own, DebugView &shown, WorkingProgram &program, const EditorState &state,
              const EditorView &view, GridPicture &grid, MessageArea &message, Selection &selection,
              IconCarry &carry, UndoCheckpoint &undo, IconForm &form, ProgramSlots &programSlots,
              const CheckDriver &check);

    void ApplyCommandLine(const QStringList &words);
    // True when the memo text was a word and has been acted on.
    bool applyMemoWord(const QString &text);
    void CopyBoxToClip();
    void CutBoxToClip();
    void PasteClip();
    void RemoveCurrentIcon();
    void DebugViewStep();
    void UpdateDebugBoxes(QPoint pixel);
    // False when Text(0) shows that picture already.
    bool ShowPictureUnderMouse(int index);
    void clearList() { m_shown.debugList.clear(); }

private:
    void copyBoxToClip(bool cut); // CopyBoxToClip, and CutBoxToClip when cut
    void removeIconAt(int x, int y); // picture hidden, slot freed, cell emptied
    void ShowDebugPanel();
    void HideDebugPanel();

    DebugState &m_own;
    DebugView &m_shown;
    WorkingProgram &m_program;
    const EditorState &m_state;
    const EditorView &m_view;
    GridPicture &m_grid;
    MessageArea &m_message;
    Selection &m_selection;
    IconCarry &m_carry;
    UndoCheckpoint &m_undo;
    IconForm &m_form;
    ProgramSlots &m_slots;
    const CheckDriver &m_check;
};

} // namespace zuvo
