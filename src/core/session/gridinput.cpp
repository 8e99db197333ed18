#include "session/gridinput.h"

#include "session/editorstate.h"
#include "session/keycodes.h"
#include "session/movecopy.h"

#include <utility>

namespace zuvo {

namespace {

const QString BeginEndOccupied = QStringLiteral(u"開始、終了がある所にアイコンは置けません");

} // namespace

GridInput::GridInput(WorkingProgram &program, const EditorState &state, const EditorView &view,
                     MessageArea &message, GridPicture &grid, IconTray &tray, Selection &selection,
                     MoveCopy &moveCopy, IconCarry &carry, UndoCheckpoint &undo, IconForm &form,
                     ProgramSlots &programSlots, ScrollArea &scroll, CheckDriver &check,
                     DebugAids &debug)
    : m_program(program)
    , m_state(state)
    , m_view(view)
    , m_message(message)
    , m_grid(grid)
    , m_tray(tray)
    , m_selection(selection)
    , m_moveCopy(moveCopy)
    , m_carry(carry)
    , m_undo(undo)
    , m_form(form)
    , m_slots(programSlots)
    , m_scroll(scroll)
    , m_check(check)
    , m_debug(debug)
{
}

void GridInput::TrayPress(int code, bool leftButton)
{
    if (code < 0 || code >= TrayIconCount)
        return;
    m_message.ResetMessage();
    if (!leftButton) {
        m_selection.ClearSelection();
        return;
    }
    m_tray.showPickedPicture();
    if (m_state.TrayPick == code) {
        m_tray.setPick(-1);
        m_message.ShowHint();
        return;
    }
    m_message.ShowIconHelp(code);
    if (m_state.CurrentCell == -1) {
        m_tray.setPick(code);
        m_form.hideIconParameters();
        return;
    }
    fillSelection(code);
}

void GridInput::fillSelection(int code)
{
    m_undo.SaveUndoSnapshot();
    const bool boxExists = m_state.BoxWidth + m_state.BoxHeight != 0;
    bool edited = false;
    for (int x = 0; x < LatticeColumns; ++x) {
        for (int y = 0; y < LatticeRows; ++y) {
            // A refused icon clears the selection, which ends the fill.
            if (m_program.CellMark(x, y) != MarkSelected)
                continue;
            m_program.CellMark(x, y) = MarkSettle;
            const CellKind kind = cellKind(x, y);
            if (isConnector(kind)) {
                m_program.CellContent(x, y) = LineCell;
                m_grid.RedrawCell(x, y, ColourWhite);
                edited = true;
                continue;
            }
            if (kind == CellKind::Corner) {
                m_message.beep();
                continue;
            }
            const int value = m_program.CellContent(x, y);
            if (value == EmptyCell) {
                if (m_selection.CheckSlotLimit(QStringLiteral(u"アイコン選択")))
                    continue;
                const int slot = m_program.placeNewIcon(x, y, code);
                m_grid.ShowIconAt(x, y);
                m_grid.RedrawCell(x, y, ColourWhite);
                m_grid.ShowSlotValues(slot);
                edited = true;
                continue;
            }
            if (!ContentHoldsIcon(value))
                continue;
            if (m_program.holdsBeginOrEnd(x, y)) {
                m_message.ShowWarning(BeginEndOccupied);
            } else if (!(code == IconNop && boxExists)) {
                m_program.replaceIcon(x, y, code);
                m_grid.ShowIconAt(x, y);
                m_form.hideIconParameters();
                edited = true;
            }
            const int slot = ContentSlot(m_program.CellContent(x, y));
            if (slot < IconSlotLimit) {
                m_grid.showPicture(slot);
                m_grid.ShowSlotValues(slot);
            }
        }
    }
    m_selection.setCurrentCell(-1);
    m_selection.ClearBoxAnchor();
    m_carry.ResetPointerState();
    // The form belonged to a selected icon; with no current cell it has nothing to write to.
    m_form.hideIconParameters();
    if (edited)
        m_slots.markProgramEdited();
}

void GridInput::IconPress(int slot, bool leftButton)
{
    m_doubleClickRelease = DoubleClickRelease::None;
    m_check.ResetGrammarCheck();
    int cellX = -1;
    int cellY = -1;
    if (slot >= 0 && slot < IconSlotLimit) {
        for (int x = 0; x < LatticeColumns && cellX < 0; ++x) {
            for (int y = 0; y < LatticeRows; ++y) {
                const int value = m_program.CellContent(x, y);
                if (ContentHoldsIcon(value) && ContentSlot(value) == slot) {
                    cellX = x;
                    cellY = y;
                    break;
                }
            }
        }
    }
    m_slots.markModified();
    m_message.ResetMessage();
    if (cellX < 0) {
        m_message.ShowWarning(QStringLiteral(u"デバッグ用メッセージ『Draw_MouseDoun』２"));
        return;
    }
    if (m_carry.carrying()) {
        // While an icon is carried, a press on an icon is the click on the destination, not a
        // selection: the carried picture goes onto that cell and the release drops it there,
        // so the two change places. A drag from here moves the picture on as usual.
        m_carry.carryTo(iconPicturePosition(cellX, cellY));
        return;
    }
    if (!leftButton) {
        m_selection.markCornerIcon(cellX, cellY);
        return;
    }
    const int code = m_tray.trayPickCode();
    if (code < 0) {
        m_selection.selectIconByPicture(cellX, cellY);
    } else {
        m_undo.SaveUndoSnapshot();
        if (m_program.holdsBeginOrEnd(cellX, cellY)) {
            m_message.ShowWarning(BeginEndOccupied);
        } else {
            m_program.CellMark(cellX, cellY) = MarkSettle;
            m_program.replaceIcon(cellX, cellY, code);
            m_tray.placed(code);
            m_grid.ShowIconAt(cellX, cellY);
            m_selection.setCurrentCell(-1);
            m_form.hideIconParameters();
        }
    }
    m_grid.showPicture(slot);
    m_grid.ShowSlotValues(slot);
}

void GridInput::IconRelease(int)
{
    if (m_doubleClickRelease == DoubleClickRelease::OnIcon) {
        m_doubleClickRelease = DoubleClickRelease::None;
        return;
    }
    if (!m_carry.carrying())
        return;
    const QPoint topLeft = m_view.pictures[m_state.MoveSlot].topLeft;
    m_carry.DropMovedIcon(PixelToLattice(topLeft.x()), PixelToLattice(topLeft.y()));
}

void GridInput::IconDoubleClick(int)
{
    m_carry.BeginIconMove();
    m_doubleClickRelease = DoubleClickRelease::OnIcon;
}

void GridInput::SurfaceRelease(int x, int y, bool leftButton)
{
    if (std::exchange(m_doubleClickRelease, DoubleClickRelease::None)
        == DoubleClickRelease::OnSurface)
        return;
    m_slots.markModified();
    m_check.ResetGrammarCheck();
    m_message.ResetMessage();
    if (m_state.MoveSlot != -1) {
        m_carry.DropMovedIcon(x, y);
        return;
    }
    if (!leftButton || m_state.BoxState == 1) {
        m_selection.MarkBoxCorner(x, y);
        return;
    }
    if (!insideLattice(x, y))
        return;
    const CellKind kind = cellKind(x, y);
    if (isConnector(kind)) {
        qint16 &content = m_program.CellContent(x, y);
        content = content == LineCell ? EmptyCell : LineCell;
        m_grid.RedrawCell(x, y, ColourWhite);
        return;
    }
    if (kind == CellKind::Corner) {
        m_message.ShowWarning(QStringLiteral(u"四すみには接続線は配置できません"));
        return;
    }
    if (m_program.CellMark(x, y) == MarkSelected || !m_tray.hasPick())
        m_selection.selectCellOnGrid(x, y);
    else if (m_program.CellContent(x, y) == EmptyCell)
        placeIconFromTray(x, y, m_tray.trayPickCode());
}

void GridInput::placeIconFromTray(int x, int y, int code)
{
    if (m_selection.CheckSlotLimit(QStringLiteral(u"アイコン配置"))) {
        m_carry.ResetPointerState();
        return;
    }
    m_undo.SaveUndoSnapshot();
    m_program.CellMark(x, y) = MarkSettle;
    const int slot = m_program.placeNewIcon(x, y, code);
    m_grid.ShowSlotValues(slot);
    m_grid.ShowIconAt(x, y);
    m_tray.placed(code);
    m_selection.setCurrentCell(-1);
    m_carry.ResetPointerState();
}

void GridInput::ClickCell(int x, int y, bool leftButton)
{
    if (!insideLattice(x, y))
        return;
    // The mouse's road: a press on an icon's cell belongs to its picture (while an icon is
    // carried, that click is its destination), every other click to the drawing surface.
    const int content = m_program.CellContent(x, y);
    if (ContentHoldsIcon(content) && ContentSlot(content) < IconSlotLimit) {
        IconPress(ContentSlot(content), leftButton);
        IconRelease(ContentSlot(content));
    } else {
        SurfaceRelease(x, y, leftButton);
    }
}

void GridInput::SurfaceMove(QPoint pixel, bool leftButtonHeld, bool shift, bool ctrl)
{
    if (m_state.MoveSlot == -1) {
        const int x = PixelToLattice(pixel.x());
        const int y = PixelToLattice(pixel.y());
        if (shift != ctrl && insideLattice(x, y)) {
            // The cell under the pointer becomes the destination, unpainted.
            m_selection.setCorner(x, y);
            if (shift)
                m_moveCopy.CopySelection();
            else
                m_moveCopy.MoveSelection();
            m_selection.ClearBoxAnchor();
        }
    } else if (leftButtonHeld) {
        m_carry.carryTo(pixel);
    }
    m_scroll.ShowCellUnderMouse(pixel);
}

void GridInput::SurfaceDoubleClick()
{
    m_selection.ClearSelection();
    m_doubleClickRelease = DoubleClickRelease::OnSurface;
}

void GridInput::GridKey(int key)
{
    switch (key) {
    case KeyEscape:
        m_selection.ClearSelection();
        return;
    case KeyPageUp:
        m_scroll.JumpTop();
        return;
    case KeyPageDown:
        m_scroll.JumpBottom();
        return;
    case KeyEnd:
        m_scroll.JumpBottomRight();
        return;
    case KeyHome:
        m_scroll.JumpTopLeft();
        return;
    case KeyLeft:
        m_scroll.PageLeft();
        return;
    case KeyUp:
        m_scroll.PageUp();
        return;
    case KeyRight:
        m_scroll.PageRight();
        return;
    case KeyDown:
        m_scroll.PageDown();
        return;
    case KeyInsert:
        m_scroll.JumpLeft();
        return;
    case KeyDelete:
        m_scroll.JumpRight();
        return;
    case KeyI:
        m_tray.ShowAllTrayPictures();
        return;
    default:
        break;
    }
    if (m_state.GhostMode != 1)
        return;
    switch (key) {
    case KeyC:
        m_debug.CopyBoxToClip();
        break;
    case KeyD:
        m_debug.RemoveCurrentIcon();
        break;
    case KeyV:
        m_debug.PasteClip();
        break;
    case KeyX:
        m_debug.CutBoxToClip();
        break;
    case KeyM:
        m_carry.BeginIconMove();
        break;
    case KeyR:
        m_selection.ClearSelection();
        break;
    case KeyU:
        m_undo.Undo();
        break;
    default:
        break;
    }
}

} // namespace zuvo
