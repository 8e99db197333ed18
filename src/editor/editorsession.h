#pragma once
// The editor's whole state and every operation of the grid, the selection, undo, the program
// slots, the property form, the check and the debug aids. Qt Core only: widgets render
// state() / view() and forward events to the operations; each operation emits changed() once.

#include "editor/editorprompts.h"
#include "editor/editorstate.h"

#include <QObject>

namespace zuvo {

class EditorSession : public QObject
{
    Q_OBJECT
public:
    explicit EditorSession(EditorPrompts &prompts, QObject *parent = nullptr);

    const WorkingProgram &program() const { return m_program; }
    const EditorState &state() const { return m_state; }
    const EditorView &view() const { return m_view; }
    const UndoSnapshot &undoSnapshot() const { return m_undo; }

    // --- start-up and command line
    void ApplyCommandLine(const QStringList &words); // Ghost / HexDisp, first or second word
    // EditorStartMode handling of the first resize: 10 -> nothing, 11..15 -> sample set 1..5.
    void ApplyStartRequest(int editorStartMode);

    // --- the tray and the grid (mouse positions are lattice coordinates)
    void TrayPress(int code, bool leftButton);
    void IconPress(int slot, bool leftButton);
    void IconRelease(int slot);
    void IconDoubleClick(int slot);
    void SurfaceRelease(int x, int y, bool leftButton);
    // Pointer movement: pixel position on the drawing surface, buttons and modifiers.
    void SurfaceMove(QPoint pixel, bool leftButtonHeld, bool shift, bool ctrl);
    void SurfaceDoubleClick();
    void GridKey(int key); // Windows key codes: 27 Esc, 33..40, 45, 46, 73 'I', ...
    void CancelTrayPick();
    void ShowAllTrayPictures();
    void BeginIconMove();
    void DropMovedIcon(int x, int y);

    // --- selection and editing
    void MarkBoxCorner(int x, int y);
    void DeleteSelection();
    void MoveSelection();
    void CopySelection();
    void ClearSelection();
    void Undo(); // the undo button and menu item: restores only while undo is available
    void CompactIconSlots();

    // --- blinking and the message area
    void BlinkTick();
    void ResetMessage();
    void ShowHint();
    void ShowWarning(const QString &text);

    // --- scrolling. The window reports its outer size (client size + 8 x 58, so that the
    // design client area 792 x 568 gives 800 x 626) on every show and resize.
    void ResizeEditor(int outerWidth, int outerHeight);
    void SetScroll(int hValue, int vValue);
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
    void NavigatorDrag(bool leftButton, int xTwips, int yTwips);
    void ShowCellUnderMouse(QPoint pixel);

    // --- the property form
    void FormCheckOption(int index);
    void FormSetNumberText(const QString &text);
    void FormSelectListItem(int list, int index); // runs OperandKindChanged
    void ApplyButtonClicked(); // 設定

    // --- program slots, samples, files
    void SwitchSlot(int slot);
    void CopySlotTo(int slot);
    void NewProgramCommand();
    void LoadSampleSet(int n);
    void SetMemoText(const QString &text); // Text1 changed (memo words are matched here)
    void OpenRobotFile();
    void InsertRobotFile();
    void SaveRobotFile();
    void SaveRobotFileAs();
    // The question about unsaved slots; true when the editor may close.
    bool ConfirmEditorClose();

    // --- the grammar check and sending
    void ResetGrammarCheck();
    void RunGrammarCheck(); // 文法, 文法チェック and 送信
    // 音: the reminder in the message area before the volume control opens; ShowHint after.
    void ShowVolumeReminder();

    // --- debug aids
    void CopyBoxToClip();
    void CutBoxToClip();
    void PasteClip();
    void RemoveCurrentIcon();
    void DebugViewStep();

signals:
    void changed();

private:
    EditorPrompts &m_prompts;
    WorkingProgram m_program;
    EditorState m_state;
    EditorView m_view;
    UndoSnapshot m_undo;
};

} // namespace zuvo
