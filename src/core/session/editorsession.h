#pragma once
// The editor: every operation of the grid, the selection, undo, the program slots, the property
// form, the check and the debug aids, in one facade. Qt Core only: widgets render state() /
// view() and forward events to the operations; each operation emits changed() once. The
// session owns the rooms (editorstate.h) that carry the operations out, each writing its own
// part of the state and the view.

#include "session/editorprompts.h"
#include "session/editorstate.h"
#include "session/gridinput.h"
#include "session/movecopy.h"
#include "session/slotrecovery.h"

#include <QObject>
#include <QTimer>

namespace zuvo {

class EditorSession : public QObject
{
    Q_OBJECT
public:
    explicit EditorSession(EditorPrompts &prompts, QObject *parent = nullptr);

    const WorkingProgram &program() const { return m_program; }
    const EditorState &state() const { return m_state; }
    const EditorView &view() const { return m_view; }
    const UndoSnapshot &undoSnapshot() const { return m_undo.snapshot(); }

    // --- start-up and command line
    void ApplyCommandLine(const QStringList &words); // Ghost / HexDisp, first or second word
    // EditorStartMode handling of the first resize: 10 -> nothing, 11..15 -> sample set 1..5.
    void ApplyStartRequest(int editorStartMode);

    // --- the tray and the grid (mouse positions are lattice coordinates)
    void TrayPress(int code, bool leftButton);
    void IconPress(int slot, bool leftButton);
    // Forward every release, including the one that completes a double-click: the session
    // knows that one belongs to the double-click and is no click.
    void IconRelease(int slot);
    void IconDoubleClick(int slot);
    void SurfaceRelease(int x, int y, bool leftButton);
    // A whole click on a lattice cell, as the mouse makes it there (screen readers click so).
    void ClickCell(int x, int y, bool leftButton);
    // Pointer movement: pixel position on the drawing surface, buttons and modifiers.
    void SurfaceMove(QPoint pixel, bool leftButtonHeld, bool shift, bool ctrl);
    void SurfaceDoubleClick();
    void GridKey(int key); // a WindowsKey (session/keycodes.h)
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
    // The buttons held while moving, or the one released; only exactly the left one scrolls.
    void NavigatorDrag(Qt::MouseButtons buttons, int xTwips, int yTwips);
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
    // The robot file the desktop started the program with: read into the current slot as the
    // open command reads the file chosen in its dialog.
    void OpenRobotFileAt(const QString &path);
    void InsertRobotFile();
    void SaveRobotFile();
    void SaveRobotFileAs();
    // The question about unsaved slots; true when the editor may close.
    bool ConfirmEditorClose();

    // --- the copies of unsaved programs (off until enabled: nothing is written or offered)
    // Copies go to stateFolder (RecoveryStateFolder() in the real program), in a folder named
    // after self (CurrentProcessIdentity()); they are written RecoveryDelayMs after the last
    // change.
    void EnableRecovery(const QString &stateFolder, const ProcessIdentity &self);
    QString recoveryFolder() const { return m_recovery.folder(); }
    int recoveryFilesWritten() const { return m_recovery.filesWritten(); }
    bool recoveryWriteDue() const { return m_recoveryDelay.isActive(); }
    void WriteRecoveryCopies(); // what the delay runs
    // When the editor opens, after its start request: copies of a program that did not end
    // normally are offered back.
    void OfferRecovery();
    // The copies are on disk when this returns: the desktop saves its session (ending false) or
    // the program is ended by force (ending true: nothing changes them after).
    void KeepRecoveryCopies(bool ending);
    // A normal end: this editor's copies are removed.
    void DiscardRecoveryCopies();

    // --- the grammar check and sending
    void ResetGrammarCheck();
    void RunGrammarCheck(); // 文法, 文法チェック and 送信
    // 音: the reminder in the message area before the volume control opens; the volume as it
    // then is, after.
    void ShowVolumeReminder();
    void ShowMeasuredVolume();
    // WAV保存: the signal that sending would play, written to a WAV file the user names, instead
    // of played. Like sending it needs the passed check and ends with the check reset.
    void SaveSignalAsWav();

    // --- the keyboard mode. The arrow keys move a cursor cell; Enter, Shift+Enter and Space on
    // it are the very clicks the mouse makes there, through the operations above, and the
    // message area says what they did.
    void SetKeyboardMode(bool on);
    void ToggleKeyboardMode();
    void MoveKeyCursor(int dx, int dy); // one lattice position per step, corners skipped
    void SetKeyCursor(int x, int y);
    void KeyCursorClick(bool leftButton); // Enter: a left click; Shift+Enter: a right click
    void KeyCursorDoubleClick(); // Space: the double-click (on an icon: pick it up to move)
    void MoveTrayCursor(int dx, int dy); // across the 26 tray pictures, row by row
    void TrayCursorPress(bool leftButton); // TrayPress on the picture under the tray cursor
    void ShowTrayCursor(bool shown); // the tray has (or has lost) the keyboard

    // --- the simulator: the icon slot whose instruction executes now is lit on the grid, -1 none
    void ShowExecutingSlot(int slot);

    // --- debug aids
    void CopyBoxToClip();
    void CutBoxToClip();
    void PasteClip();
    void RemoveCurrentIcon();
    void DebugViewStep();
    // Text(0) while the pointer is over a picture: slot s for Drow(s), k + 32 for bmp(k + 32).
    void ShowPictureUnderMouse(int index);

signals:
    void changed();

private:
    // Every operation opens one: changed() is emitted once, when the outermost operation
    // returns, however operations call each other.
    class ChangeScope
    {
    public:
        explicit ChangeScope(EditorSession &session)
            : m_session(session)
        {
            ++m_session.m_changeDepth;
        }
        ~ChangeScope()
        {
            if (--m_session.m_changeDepth == 0) {
                if (m_session.m_recovery.afterOperation())
                    m_session.m_recoveryDelay.start();
                emit m_session.changed();
            }
        }
        ChangeScope(const ChangeScope &) = delete;
        ChangeScope &operator=(const ChangeScope &) = delete;

    private:
        EditorSession &m_session;
    };

    void changedOnce() { ChangeScope scope(*this); }
    void ReportRecoveryFailure(const QString &reason);

    WorkingProgram m_program;
    EditorState m_state;
    EditorView m_view;
    int m_changeDepth = 0;
    // The rooms; each names in its constructor the rooms it may call.
    MessageArea m_message;
    IconTray m_tray;
    GridPicture m_grid;
    Selection m_selection;
    MoveCopy m_moveCopy;
    IconCarry m_carry;
    UndoCheckpoint m_undo;
    IconForm m_form;
    CheckDriver m_check;
    ProgramSlots m_slots;
    RobotFiles m_files;
    ScrollArea m_scroll;
    DebugAids m_debug;
    GridInput m_input;
    KeyboardCursor m_keyboard;
    SlotRecovery m_recovery;
    QTimer m_recoveryDelay;
};

} // namespace zuvo
