#pragma once
// The editor's whole state and every operation of the grid, the selection, undo, the program
// slots, the property form, the check and the debug aids. Qt Core only: widgets render
// state() / view() and forward events to the operations; each operation emits changed() once.

#include "check/flowtable.h"
#include "check/stageresult.h"
#include "session/editorprompts.h"
#include "session/editorstate.h"

#include <QObject>
#include <functional>

namespace zuvo {

struct GenerateResult;

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
    // Forward every release of an icon picture, including the one that completes a
    // double-click: the session knows that one belongs to the double-click and is no drop.
    void IconRelease(int slot);
    void IconDoubleClick(int slot);
    void SurfaceRelease(int x, int y, bool leftButton);
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

    // --- the grammar check and sending
    void ResetGrammarCheck();
    void RunGrammarCheck(); // 文法, 文法チェック and 送信
    // 音: the reminder in the message area before the volume control opens; ShowHint after.
    void ShowVolumeReminder();
    // WAV保存: the signal that sending would play, written to a WAV file the user names, instead
    // of played. Like sending it needs the passed check and ends with the check reset.
    void SaveSignalAsWav();

    // --- the keyboard mode (session_keyboard.cpp). The arrow keys move a cursor cell; Enter,
    // Shift+Enter and Space on it are the very clicks the mouse makes there, through the
    // operations above, and the message area says what they did.
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
            if (--m_session.m_changeDepth == 0)
                emit m_session.changed();
        }
        ChangeScope(const ChangeScope &) = delete;
        ChangeScope &operator=(const ChangeScope &) = delete;

    private:
        EditorSession &m_session;
    };

    // --- helpers shared by the session's files, named as the system names them
    // Rendering (session_render.cpp)
    void RedrawCell(int x, int y, quint32 colour);
    void ShowIconAt(int x, int y);
    void ShowSlotValues(int slot);
    void ShowAllSlotValues();
    void ShowIconHelp(int code);
    void hideIconPicture(int slot); // the picture and its three value labels
    void showPictureAt(int x, int y); // the picture of the icon a cell holds, if any
    void redrawWholeGrid(); // every cell white, pictures and labels from the program
    void beepTwice();

    // Pointer and selection (session_grid.cpp, session_selection.cpp)
    void ResetPointerState();
    bool CheckSlotLimit(const QString &title);
    void fillSelection(int code);
    void selectIconByPicture(int x, int y);
    void selectCellOnGrid(int x, int y);
    void placeIconFromTray(int x, int y, int code);
    void ClearBoxAnchor();
    void DropBoxAnchor();
    void clearMarks(); // ClearSelection without resetting the check and the message first
    // The destination-and-anchor rule of move and copy; false when refused.
    bool findMoveOffset(bool forCopy, int &dc, int &dr);
    void unmarkDestination();
    // Takes one selected cell from (sx, sy) to (tx, ty); false ends the move or copy.
    using CellCarrier = std::function<bool(int sx, int sy, int tx, int ty)>;
    // The move or copy of the selection onto the pending corner, cell by cell in an order that
    // takes every source before it is overwritten; false when refused (nothing changed).
    bool carrySelection(bool forCopy, const CellCarrier &carry);
    // The question before an icon is written over; a no leaves the source cell as it is.
    bool mayOverwrite(const QString &title, int sx, int sy);
    bool copyOneCell(int sx, int sy, int tx, int ty); // false ends the copy
    void moveOneCell(int sx, int sy, int tx, int ty);
    void markProgramEdited(); // the slot is modified and must pass the check again
    int trayPickCode() const; // the IconCode of an active pick, -1 none

    // Undo (session_undo.cpp)
    void SaveUndoSnapshot();
    void RestoreUndoSnapshot();
    void setUndoSpent(int spent);

    // Scrolling (session_scroll.cpp)
    void SyncView();
    void setScrollValues(int h, int v);
    void UpdateDebugBoxes(QPoint pixel);

    // Slots (session_slots.cpp)
    void StoreSlotText();
    void LoadSlotText();
    void installProgram(const WorkingProgram &staged); // LoadSlotText's installation
    void NewProgram();
    void setMemo(const QString &text);

    // Files (session_files.cpp)
    bool chooseFile(bool save, const QString &title, const QString &filter);
    void rememberFile(const QString &path);
    void openChosenFile();
    bool writeCurrentSlot(const QString &path, const QString &title);
    void insertStagedProgram(const WorkingProgram &file);

    // The property form (session_form.cpp): its one-time set-up, ShowIconParameters and
    // HideIconParameters.
    void InitEditorControls();
    void showIconParameters(int x, int y);
    void hideIconParameters();
    // The memo words (session_debug.cpp): true when the text was a word and has been acted on.
    bool applyMemoWord(const QString &text);
    // --- the debug aids' own helpers (session_debug.cpp)
    void copyBoxToClip(bool cut); // CopyBoxToClip, and CutBoxToClip when cut
    void removeIconAt(int x, int y); // picture hidden, slot freed, cell emptied
    void ShowDebugPanel();
    void HideDebugPanel();

    // The keyboard mode (session_keyboard.cpp)
    void keepKeyCursorInView();
    void followKeyCursor(); // column and row boxes, a carried icon, the message area
    // The key cursor's cell and what a click may change, taken before the click.
    struct KeyClickStart
    {
        int cell;
        int content;
        int mark;
        int boxState;
        int moveSlot;
    };
    KeyClickStart keyClickStart() const;
    // After a key's click: says what it did where the operation left only the hint.
    void reportKeyClick(const KeyClickStart &start);
    bool messageShowsHint(); // the message area shows the hint on white

    // The check driver (session_check.cpp)
    void applyStageResult(const StageResult &result, int stage);
    // The road shared by sending and saving the signal: the loop re-check, the code generator
    // and the encoding. A ready program's result and SymbolText go to deliver, which reports;
    // otherwise the message area says why nothing goes out. Ends with the check reset.
    using SignalDelivery = std::function<void(const GenerateResult &, const QString &)>;
    void generateSignal(const SignalDelivery &deliver);
    void sendProgram();
    void writeSignalFile(const GenerateResult &generated, const QString &symbolText);
    void endOfGeneration();

    EditorPrompts &m_prompts;
    WorkingProgram m_program;
    EditorState m_state;
    EditorView m_view;
    UndoSnapshot m_undo;
    FlowTable m_flow; // built by the branch check, completed by the code generator
    int m_changeDepth = 0;
    bool m_releaseEndsDoubleClick = false;
    // The pending corner's cell when the right press that chose it also marked its icon: that
    // mark is no part of the selection a move or copy carries.
    int m_cornerMarkedByPress = -1;
};

} // namespace zuvo
