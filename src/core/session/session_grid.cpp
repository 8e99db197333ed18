#include "session/editorsession.h"

#include "model/iconcatalogue.h"
#include "session/keycodes.h"

#include <utility>

// Input on the icon tray, the icon pictures and the drawing surface: picking and placing icons,
// filling a selection from the tray, lines, the drag move and the grid keys.

namespace zuvo {

namespace {

const QString BeginEndOccupied = QStringLiteral(u"開始、終了がある所にアイコンは置けません");

} // namespace

int EditorSession::trayPickCode() const
{
    const int pick = m_state.TrayPick;
    if (pick < 0)
        return -1;
    return pick >= TrayPickPlaced ? pick - TrayPickPlaced : pick;
}

void EditorSession::ResetPointerState()
{
    // A picture that was following the pointer goes back to its cell.
    const int moving = m_state.MoveSlot;
    if (moving >= 0 && moving < IconSlotLimit && m_program.slotInUse(moving)) {
        const int cell = m_program.SlotCell[moving];
        if (cell <= LastCellIndex)
            ShowIconAt(CellX(cell), CellY(cell));
    }
    m_view.dragPicturePos.reset();
    m_state.MoveSlot = -1;
    m_state.BoxX = 0;
    m_state.BoxY = 0;
    m_state.BoxState = -1;
}

bool EditorSession::CheckSlotLimit(const QString &title)
{
    if (!m_program.slotLimitReached())
        return false;
    ShowWarning(QStringLiteral(u"表示用データが") + QString::number(m_program.SlotCount)
                + QStringLiteral(u"を超えました。\r\n終了してください"));
    m_prompts.showMessage(
        title, QStringLiteral(u"アイコンが予定数を超えました　　\r以後のデータは破棄します。"),
        MessageIcon::Exclamation);
    ClearSelection();
    return true;
}

void EditorSession::TrayPress(int code, bool leftButton)
{
    ChangeScope scope(*this);
    if (code < 0 || code >= TrayIconCount)
        return;
    ResetMessage();
    if (!leftButton) {
        ClearSelection();
        return;
    }
    const int picked = trayPickCode();
    if (picked >= 0 && picked < TrayIconCount)
        m_view.trayVisible[picked] = true;
    if (m_state.TrayPick == code) {
        m_state.TrayPick = -1;
        ShowHint();
        return;
    }
    ShowIconHelp(code);
    if (m_state.CurrentCell == -1) {
        m_state.TrayPick = code;
        hideIconParameters();
        return;
    }
    fillSelection(code);
}

void EditorSession::fillSelection(int code)
{
    SaveUndoSnapshot();
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
                RedrawCell(x, y, ColourWhite);
                edited = true;
                continue;
            }
            if (kind == CellKind::Corner) {
                m_prompts.beep();
                continue;
            }
            const int value = m_program.CellContent(x, y);
            if (value == EmptyCell) {
                if (CheckSlotLimit(QStringLiteral(u"アイコン選択")))
                    continue;
                const int slot = m_program.placeNewIcon(x, y, code);
                ShowIconAt(x, y);
                RedrawCell(x, y, ColourWhite);
                ShowSlotValues(slot);
                edited = true;
                continue;
            }
            if (!ContentHoldsIcon(value))
                continue;
            if (m_program.holdsBeginOrEnd(x, y)) {
                ShowWarning(BeginEndOccupied);
            } else if (!(code == IconNop && boxExists)) {
                m_program.replaceIcon(x, y, code);
                ShowIconAt(x, y);
                hideIconParameters();
                edited = true;
            }
            const int slot = ContentSlot(m_program.CellContent(x, y));
            if (slot < IconSlotLimit) {
                m_view.pictures[slot].visible = true;
                ShowSlotValues(slot);
            }
        }
    }
    m_state.CurrentCell = -1;
    ClearBoxAnchor();
    ResetPointerState();
    // The form belonged to a selected icon; with no current cell it has nothing to write to.
    hideIconParameters();
    if (edited)
        markProgramEdited();
}

void EditorSession::IconPress(int slot, bool leftButton)
{
    ChangeScope scope(*this);
    m_releaseEndsDoubleClick = false;
    ResetGrammarCheck();
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
    m_state.SlotModified[m_state.CurrentSlot] = 1;
    ResetMessage();
    if (cellX < 0) {
        ShowWarning(QStringLiteral(u"デバッグ用メッセージ『Draw_MouseDoun』２"));
        return;
    }
    const int carried = m_state.MoveSlot;
    if (carried >= 0 && carried < IconSlotLimit) {
        // While an icon is carried, a press on an icon is the click on the destination, not a
        // selection: the carried picture goes onto that cell and the release drops it there,
        // so the two change places. A drag from here moves the picture on as usual.
        const QPoint destination = iconPicturePosition(cellX, cellY);
        m_view.pictures[carried].topLeft = destination;
        m_view.dragPicturePos = destination;
        return;
    }
    if (!leftButton) {
        const bool wasSelected = m_program.CellMark(cellX, cellY) == MarkSelected;
        MarkBoxCorner(cellX, cellY);
        m_program.CellMark(cellX, cellY) = MarkSelected;
        if (!wasSelected && m_state.BoxState == 1 && m_state.CurrentCell == CellIndex(cellX, cellY))
            m_cornerMarkedByPress = CellIndex(cellX, cellY);
        return;
    }
    const int code = trayPickCode();
    if (code < 0) {
        selectIconByPicture(cellX, cellY);
    } else {
        SaveUndoSnapshot();
        if (m_program.holdsBeginOrEnd(cellX, cellY)) {
            ShowWarning(BeginEndOccupied);
        } else {
            m_program.CellMark(cellX, cellY) = MarkSettle;
            m_program.replaceIcon(cellX, cellY, code);
            m_state.TrayPick = code + TrayPickPlaced;
            ShowIconAt(cellX, cellY);
            m_state.CurrentCell = -1;
            hideIconParameters();
        }
    }
    m_view.pictures[slot].visible = true;
    ShowSlotValues(slot);
}

void EditorSession::IconRelease(int)
{
    ChangeScope scope(*this);
    if (m_releaseEndsDoubleClick) {
        m_releaseEndsDoubleClick = false;
        return;
    }
    const int moving = m_state.MoveSlot;
    if (moving < 0 || moving >= IconSlotLimit)
        return;
    const QPoint topLeft = m_view.pictures[moving].topLeft;
    DropMovedIcon(PixelToLattice(topLeft.x()), PixelToLattice(topLeft.y()));
}

void EditorSession::IconDoubleClick(int)
{
    ChangeScope scope(*this);
    BeginIconMove();
    m_releaseEndsDoubleClick = true;
}

void EditorSession::SurfaceRelease(int x, int y, bool leftButton)
{
    ChangeScope scope(*this);
    m_releaseEndsDoubleClick = false;
    m_state.SlotModified[m_state.CurrentSlot] = 1;
    ResetGrammarCheck();
    ResetMessage();
    if (m_state.MoveSlot != -1) {
        DropMovedIcon(x, y);
        return;
    }
    if (!leftButton || m_state.BoxState == 1) {
        MarkBoxCorner(x, y);
        return;
    }
    if (!insideLattice(x, y))
        return;
    const CellKind kind = cellKind(x, y);
    if (isConnector(kind)) {
        qint16 &content = m_program.CellContent(x, y);
        content = content == LineCell ? EmptyCell : LineCell;
        RedrawCell(x, y, ColourWhite);
        return;
    }
    if (kind == CellKind::Corner) {
        ShowWarning(QStringLiteral(u"四すみには接続線は配置できません"));
        return;
    }
    if (m_program.CellMark(x, y) == MarkSelected || m_state.TrayPick == -1)
        selectCellOnGrid(x, y);
    else if (m_program.CellContent(x, y) == EmptyCell)
        placeIconFromTray(x, y, trayPickCode());
}

void EditorSession::placeIconFromTray(int x, int y, int code)
{
    if (CheckSlotLimit(QStringLiteral(u"アイコン配置"))) {
        ResetPointerState();
        return;
    }
    SaveUndoSnapshot();
    m_program.CellMark(x, y) = MarkSettle;
    const int slot = m_program.placeNewIcon(x, y, code);
    ShowSlotValues(slot);
    ShowIconAt(x, y);
    m_state.TrayPick = code + TrayPickPlaced;
    m_state.CurrentCell = -1;
    ResetPointerState();
}

void EditorSession::SurfaceMove(QPoint pixel, bool leftButtonHeld, bool shift, bool ctrl)
{
    ChangeScope scope(*this);
    if (m_state.MoveSlot == -1) {
        const int x = PixelToLattice(pixel.x());
        const int y = PixelToLattice(pixel.y());
        if (shift != ctrl && insideLattice(x, y)) {
            // The cell under the pointer becomes the destination, unpainted.
            m_state.BoxState = 1;
            m_state.BoxX = x;
            m_state.BoxY = y;
            m_state.CurrentCell = CellIndex(x, y);
            if (shift)
                CopySelection();
            else
                MoveSelection();
            ClearBoxAnchor();
        }
    } else if (leftButtonHeld && m_state.MoveSlot < IconSlotLimit) {
        m_view.dragPicturePos = pixel;
        m_view.pictures[m_state.MoveSlot].topLeft = pixel;
    }
    ShowCellUnderMouse(pixel);
}

void EditorSession::SurfaceDoubleClick()
{
    ChangeScope scope(*this);
    ClearSelection();
}

void EditorSession::GridKey(int key)
{
    ChangeScope scope(*this);
    switch (key) {
    case KeyEscape:
        ClearSelection();
        return;
    case KeyPageUp:
        JumpTop();
        return;
    case KeyPageDown:
        JumpBottom();
        return;
    case KeyEnd:
        JumpBottomRight();
        return;
    case KeyHome:
        JumpTopLeft();
        return;
    case KeyLeft:
        PageLeft();
        return;
    case KeyUp:
        PageUp();
        return;
    case KeyRight:
        PageRight();
        return;
    case KeyDown:
        PageDown();
        return;
    case KeyInsert:
        JumpLeft();
        return;
    case KeyDelete:
        JumpRight();
        return;
    case KeyI:
        ShowAllTrayPictures();
        return;
    default:
        break;
    }
    if (m_state.GhostMode != 1)
        return;
    switch (key) {
    case KeyC:
        CopyBoxToClip();
        break;
    case KeyD:
        RemoveCurrentIcon();
        break;
    case KeyV:
        PasteClip();
        break;
    case KeyX:
        CutBoxToClip();
        break;
    case KeyM:
        BeginIconMove();
        break;
    case KeyR:
        ClearSelection();
        break;
    case KeyU:
        Undo();
        break;
    default:
        break;
    }
}

void EditorSession::CancelTrayPick()
{
    ChangeScope scope(*this);
    const int code = trayPickCode();
    m_state.TrayPick = -1;
    if (code >= 0 && code < TrayIconCount)
        m_view.trayVisible[code] = true;
}

void EditorSession::ShowAllTrayPictures()
{
    ChangeScope scope(*this);
    m_view.trayVisible.fill(true);
}

void EditorSession::BeginIconMove()
{
    ChangeScope scope(*this);
    SaveUndoSnapshot();
    const int cell = m_state.CurrentCell;
    if (cell < 0 || cell > LastCellIndex)
        return;
    const int x = CellX(cell);
    const int y = CellY(cell);
    // Only an icon can be carried; a current line, corner or empty cell starts nothing.
    if (!m_program.holdsIcon(x, y) || ContentSlot(m_program.CellContent(x, y)) >= IconSlotLimit)
        return;
    m_state.MoveFromX = x;
    m_state.MoveFromY = y;
    m_state.MoveSlot = ContentSlot(m_program.CellContent(x, y));
}

void EditorSession::DropMovedIcon(int x, int y)
{
    ChangeScope scope(*this);
    const int slot = m_state.MoveSlot;
    if (slot < 0 || slot >= IconSlotLimit)
        return;
    const int fromX = m_state.MoveFromX;
    const int fromY = m_state.MoveFromY;
    // Outside first: a drop beyond the right or bottom edge must not snap back onto the last
    // column or row.
    const bool insideDrop = insideLattice(x, y);
    if (x % 2 != 0)
        x -= 1;
    if (y % 2 != 0)
        y -= 1;
    const bool originHoldsIt = insideLattice(fromX, fromY) && m_program.holdsIcon(fromX, fromY)
        && ContentSlot(m_program.CellContent(fromX, fromY)) == slot;
    if (originHoldsIt && insideDrop) {
        qint16 &from = m_program.CellContent(fromX, fromY);
        qint16 &to = m_program.CellContent(x, y);
        if (to == EmptyCell) {
            m_program.SlotCell[slot] = static_cast<qint16>(CellIndex(x, y));
            to = from;
            from = EmptyCell;
        } else {
            const int other = ContentSlot(to);
            if (other < IconSlotLimit)
                m_program.SlotCell[other] = static_cast<qint16>(CellIndex(fromX, fromY));
            m_program.SlotCell[slot] = static_cast<qint16>(CellIndex(x, y));
            std::swap(from, to);
            ShowIconAt(fromX, fromY);
        }
        ShowIconAt(x, y);
        markProgramEdited();
    } else if (m_program.slotInUse(slot) && m_program.SlotCell[slot] <= LastCellIndex) {
        // A drop outside the lattice (or of an icon no longer at its cell) changes nothing:
        // the picture returns to its cell.
        const int cell = m_program.SlotCell[slot];
        ShowIconAt(CellX(cell), CellY(cell));
    }
    if (insideLattice(fromX, fromY))
        m_program.CellMark(fromX, fromY) = MarkSettle;
    m_state.MoveSlot = -1;
    m_view.dragPicturePos.reset();
    m_state.CurrentCell = -1;
    hideIconParameters();
}

} // namespace zuvo
