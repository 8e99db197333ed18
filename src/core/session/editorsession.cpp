#include "session/editorsession.h"

#include "model/iconcatalogue.h"
#include "model/recoverystore.h"

// The facade: every operation opens its ChangeScope and hands the work to the room that owns it.

namespace zuvo {

EditorSession::EditorSession(EditorPrompts &prompts, QObject *parent)
    : QObject(parent)
    , m_message(m_view, prompts)
    , m_tray(m_state, m_view)
    , m_grid(m_state, m_view, m_program, m_tray)
    , m_selection(m_state, m_program, prompts, m_grid, m_message, m_tray, m_form, m_undo, m_carry,
                  m_slots, m_check)
    , m_moveCopy(m_program, prompts, m_state, m_selection, m_grid, m_message, m_form, m_undo,
                 m_slots)
    , m_carry(m_state, m_program, m_state, m_grid, m_selection, m_undo, m_form, m_slots)
    , m_undo(m_state, m_view, m_program, m_state, m_grid, m_tray, m_selection, m_carry, m_form,
             m_slots)
    , m_form(m_view, m_program, m_state, m_grid, m_selection, m_slots)
    , m_check(m_state, m_view, m_program, prompts, m_state, m_view, m_message, m_grid, m_selection,
              m_undo)
    , m_slots(m_state, m_view, m_program, prompts, m_grid, m_message, m_tray, m_selection, m_carry,
              m_undo, m_form, m_scroll, m_check, m_debug)
    , m_files(m_state, m_program, prompts, m_state, m_grid, m_tray, m_selection, m_undo, m_slots,
              m_check)
    , m_scroll(m_view, m_program, m_form, m_debug)
    , m_debug(m_state, m_view, m_program, m_state, m_view, m_grid, m_message, m_selection, m_carry,
              m_undo, m_form, m_slots, m_check)
    , m_input(m_program, m_state, m_view, m_message, m_grid, m_tray, m_selection, m_moveCopy,
              m_carry, m_undo, m_form, m_slots, m_scroll, m_check, m_debug)
    , m_keyboard(m_state, m_view, m_program, m_state, m_message, m_tray, m_carry, m_scroll, m_input)
    , m_recovery(m_program, m_state, m_view, prompts, m_slots)
{
    m_recoveryDelay.setSingleShot(true);
    m_recoveryDelay.setInterval(RecoveryDelayMs);
    connect(&m_recoveryDelay, &QTimer::timeout, this, &EditorSession::WriteRecoveryCopies);
    ChangeScope scope(*this);
    LoadIconCatalogue();
    m_form.InitEditorControls();
    m_form.hideIconParameters();
    m_scroll.ResizeEditor(m_view.scroll.windowWidth, m_view.scroll.windowHeight);
    m_slots.NewProgram();
    m_carry.ResetPointerState();
    m_undo.setUndoSpent(1);
    m_check.ResetGrammarCheck();
}

// Defines an operation that hands its arguments to a room's function of the same name.
#define ZUVO_ROOM_OPERATION(Type, name, room, params, args)                                        \
    Type EditorSession::name params                                                                \
    {                                                                                              \
        ChangeScope scope(*this);                                                                  \
        return room.name args;                                                                     \
    }

ZUVO_ROOM_OPERATION(void, ApplyCommandLine, m_debug, (const QStringList &words), (words))
ZUVO_ROOM_OPERATION(void, ApplyStartRequest, m_slots, (int mode), (mode))

ZUVO_ROOM_OPERATION(void, TrayPress, m_input, (int code, bool left), (code, left))
ZUVO_ROOM_OPERATION(void, IconPress, m_input, (int slot, bool left), (slot, left))
ZUVO_ROOM_OPERATION(void, IconRelease, m_input, (int slot), (slot))
ZUVO_ROOM_OPERATION(void, IconDoubleClick, m_input, (int slot), (slot))
ZUVO_ROOM_OPERATION(void, SurfaceRelease, m_input, (int x, int y, bool left), (x, y, left))
ZUVO_ROOM_OPERATION(void, ClickCell, m_input, (int x, int y, bool left), (x, y, left))
ZUVO_ROOM_OPERATION(void, SurfaceMove, m_input, (QPoint p, bool held, bool shift, bool ctrl),
                    (p, held, shift, ctrl))
ZUVO_ROOM_OPERATION(void, SurfaceDoubleClick, m_input, (), ())
ZUVO_ROOM_OPERATION(void, GridKey, m_input, (int key), (key))
ZUVO_ROOM_OPERATION(void, CancelTrayPick, m_tray, (), ())
ZUVO_ROOM_OPERATION(void, ShowAllTrayPictures, m_tray, (), ())
ZUVO_ROOM_OPERATION(void, BeginIconMove, m_carry, (), ())
ZUVO_ROOM_OPERATION(void, DropMovedIcon, m_carry, (int x, int y), (x, y))

ZUVO_ROOM_OPERATION(void, MarkBoxCorner, m_selection, (int x, int y), (x, y))
ZUVO_ROOM_OPERATION(void, DeleteSelection, m_selection, (), ())
ZUVO_ROOM_OPERATION(void, ClearSelection, m_selection, (), ())
ZUVO_ROOM_OPERATION(void, MoveSelection, m_moveCopy, (), ())
ZUVO_ROOM_OPERATION(void, CopySelection, m_moveCopy, (), ())
ZUVO_ROOM_OPERATION(void, Undo, m_undo, (), ())
ZUVO_ROOM_OPERATION(void, CompactIconSlots, m_check, (), ())

ZUVO_ROOM_OPERATION(void, BlinkTick, m_grid, (), ())
ZUVO_ROOM_OPERATION(void, ResetMessage, m_message, (), ())
ZUVO_ROOM_OPERATION(void, ShowHint, m_message, (), ())
ZUVO_ROOM_OPERATION(void, ShowWarning, m_message, (const QString &text), (text))

ZUVO_ROOM_OPERATION(void, ResizeEditor, m_scroll, (int width, int height), (width, height))
ZUVO_ROOM_OPERATION(void, SetScroll, m_scroll, (int h, int v), (h, v))
ZUVO_ROOM_OPERATION(void, JumpLeft, m_scroll, (), ())
ZUVO_ROOM_OPERATION(void, JumpRight, m_scroll, (), ())
ZUVO_ROOM_OPERATION(void, JumpTop, m_scroll, (), ())
ZUVO_ROOM_OPERATION(void, JumpBottom, m_scroll, (), ())
ZUVO_ROOM_OPERATION(void, JumpTopLeft, m_scroll, (), ())
ZUVO_ROOM_OPERATION(void, JumpBottomRight, m_scroll, (), ())
ZUVO_ROOM_OPERATION(void, PageLeft, m_scroll, (), ())
ZUVO_ROOM_OPERATION(void, PageRight, m_scroll, (), ())
ZUVO_ROOM_OPERATION(void, PageUp, m_scroll, (), ())
ZUVO_ROOM_OPERATION(void, PageDown, m_scroll, (), ())
ZUVO_ROOM_OPERATION(void, NavigatorDrag, m_scroll, (Qt::MouseButtons b, int x, int y), (b, x, y))
ZUVO_ROOM_OPERATION(void, ShowCellUnderMouse, m_scroll, (QPoint pixel), (pixel))

ZUVO_ROOM_OPERATION(void, FormCheckOption, m_form, (int index), (index))
ZUVO_ROOM_OPERATION(void, FormSetNumberText, m_form, (const QString &text), (text))
ZUVO_ROOM_OPERATION(void, FormSelectListItem, m_form, (int list, int index), (list, index))
ZUVO_ROOM_OPERATION(void, ApplyButtonClicked, m_form, (), ())

ZUVO_ROOM_OPERATION(void, SwitchSlot, m_slots, (int slot), (slot))
ZUVO_ROOM_OPERATION(void, CopySlotTo, m_slots, (int slot), (slot))
ZUVO_ROOM_OPERATION(void, NewProgramCommand, m_slots, (), ())
ZUVO_ROOM_OPERATION(void, LoadSampleSet, m_slots, (int n), (n))
ZUVO_ROOM_OPERATION(void, SetMemoText, m_slots, (const QString &text), (text))
ZUVO_ROOM_OPERATION(bool, ConfirmEditorClose, m_slots, (), ())
ZUVO_ROOM_OPERATION(void, OpenRobotFile, m_files, (), ())
ZUVO_ROOM_OPERATION(void, OpenRobotFileAt, m_files, (const QString &path), (path))
ZUVO_ROOM_OPERATION(void, InsertRobotFile, m_files, (), ())
ZUVO_ROOM_OPERATION(void, SaveRobotFile, m_files, (), ())
ZUVO_ROOM_OPERATION(void, SaveRobotFileAs, m_files, (), ())

ZUVO_ROOM_OPERATION(void, WriteRecoveryCopies, m_recovery, (), ())
ZUVO_ROOM_OPERATION(void, OfferRecovery, m_recovery, (), ())
ZUVO_ROOM_OPERATION(void, ReportRecoveryFailure, m_recovery, (const QString &reason), (reason))

ZUVO_ROOM_OPERATION(void, ResetGrammarCheck, m_check, (), ())
ZUVO_ROOM_OPERATION(void, RunGrammarCheck, m_check, (), ())
ZUVO_ROOM_OPERATION(void, ShowVolumeReminder, m_message, (), ())
ZUVO_ROOM_OPERATION(void, ShowMeasuredVolume, m_message, (), ())
ZUVO_ROOM_OPERATION(void, SaveSignalAsWav, m_check, (), ())

ZUVO_ROOM_OPERATION(void, SetKeyboardMode, m_keyboard, (bool on), (on))
ZUVO_ROOM_OPERATION(void, ShowTrayCursor, m_keyboard, (bool shown), (shown))

ZUVO_ROOM_OPERATION(void, CopyBoxToClip, m_debug, (), ())
ZUVO_ROOM_OPERATION(void, CutBoxToClip, m_debug, (), ())
ZUVO_ROOM_OPERATION(void, PasteClip, m_debug, (), ())
ZUVO_ROOM_OPERATION(void, RemoveCurrentIcon, m_debug, (), ())
ZUVO_ROOM_OPERATION(void, DebugViewStep, m_debug, (), ())

#undef ZUVO_ROOM_OPERATION

void EditorSession::EnableRecovery(const QString &stateFolder, const ProcessIdentity &self)
{
    // The writer's thread reports a failure; the session shows it on its own thread.
    m_recovery.EnableRecovery(stateFolder, self, [this](const QString &reason) {
        QMetaObject::invokeMethod(
            this, [this, reason] { ReportRecoveryFailure(reason); }, Qt::QueuedConnection);
    });
}

// Both write what a pending delay would have written, or end the copies' life.
void EditorSession::KeepRecoveryCopies(bool ending)
{
    m_recoveryDelay.stop();
    m_recovery.KeepRecoveryCopies(ending);
}

void EditorSession::DiscardRecoveryCopies()
{
    m_recoveryDelay.stop();
    m_recovery.DiscardRecoveryCopies();
}

void EditorSession::ToggleKeyboardMode()
{
    SetKeyboardMode(!m_keyboard.on());
}

// The keyboard mode's keys change nothing (and emit nothing) while the mode is off.
#define ZUVO_KEYBOARD_OPERATION(name, params, args)                                                \
    void EditorSession::name params                                                                \
    {                                                                                              \
        if (!m_keyboard.on())                                                                      \
            return;                                                                                \
        ChangeScope scope(*this);                                                                  \
        m_keyboard.name args;                                                                      \
    }

ZUVO_KEYBOARD_OPERATION(MoveKeyCursor, (int dx, int dy), (dx, dy))
ZUVO_KEYBOARD_OPERATION(SetKeyCursor, (int x, int y), (x, y))
ZUVO_KEYBOARD_OPERATION(KeyCursorClick, (bool leftButton), (leftButton))
ZUVO_KEYBOARD_OPERATION(KeyCursorDoubleClick, (), ())
ZUVO_KEYBOARD_OPERATION(MoveTrayCursor, (int dx, int dy), (dx, dy))
ZUVO_KEYBOARD_OPERATION(TrayCursorPress, (bool leftButton), (leftButton))

#undef ZUVO_KEYBOARD_OPERATION

// The simulator and the pointer report every frame: changed() only when what they show moved on.
void EditorSession::ShowExecutingSlot(int slot)
{
    if (m_grid.ShowExecutingSlot(slot))
        changedOnce();
}

void EditorSession::ShowPictureUnderMouse(int index)
{
    if (m_debug.ShowPictureUnderMouse(index))
        changedOnce();
}

} // namespace zuvo
