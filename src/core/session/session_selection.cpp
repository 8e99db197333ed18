#include "session/editorsession.h"

#include "model/iconcatalogue.h"

#include <algorithm>
#include <cstdlib>

// Selection marks, the box corners, deleting and clearing the selection.

namespace zuvo {

void EditorSession::markProgramEdited()
{
    m_state.SlotModified[m_state.CurrentSlot] = 1;
    ResetGrammarCheck();
}

void EditorSession::selectIconByPicture(int x, int y)
{
    setUndoSpent(1);
    qint16 &mark = m_program.CellMark(x, y);
    if (mark == MarkNormal) {
        mark = MarkSelected;
        showIconParameters(x, y);
        ShowIconHelp(m_program.iconCodeAt(x, y));
        m_state.CurrentCell = CellIndex(x, y);
    } else if (mark == MarkSelected) {
        mark = MarkSettle;
        hideIconParameters();
        m_state.CurrentCell = -1;
    }
}

void EditorSession::selectCellOnGrid(int x, int y)
{
    qint16 &mark = m_program.CellMark(x, y);
    if (mark == MarkSelected) {
        mark = MarkSettle;
        m_state.CurrentCell = -1;
        ClearBoxAnchor();
        const int value = m_program.CellContent(x, y);
        if (ContentHoldsIcon(value) && ContentSlot(value) < IconSlotLimit) {
            m_view.pictures[ContentSlot(value)].visible = true;
            hideIconParameters();
        } else {
            RedrawCell(x, y, ColourWhite);
        }
    } else if (m_state.TrayPick == -1) {
        mark = MarkSelected;
        RedrawCell(x, y, ColourBlink);
        m_state.CurrentCell = CellIndex(x, y);
    }
    ResetPointerState();
}

void EditorSession::MarkBoxCorner(int x, int y)
{
    ChangeScope scope(*this);
    if (!insideLattice(x, y))
        return;
    if (m_state.BoxState == -1) {
        m_cornerMarkedByPress = -1;
        m_state.BoxX = x;
        m_state.BoxY = y;
        m_state.CurrentCell = CellIndex(x, y);
        RedrawCell(x, y, ColourCorner);
        m_state.BoxState = 1;
        return;
    }
    if (m_state.BoxWidth + m_state.BoxHeight != 0) {
        ShowWarning(QStringLiteral(u"ＢＯＸの選択は１つのみです。"));
        DropBoxAnchor();
        return;
    }
    if (x == m_state.BoxX && y == m_state.BoxY) {
        ClearBoxAnchor();
        m_state.CurrentCell = -1;
        return;
    }
    const int firstX = m_state.BoxX;
    const int firstY = m_state.BoxY;
    ClearBoxAnchor();
    m_state.BoxX = std::min(firstX, x);
    m_state.BoxY = std::min(firstY, y);
    m_state.BoxWidth = std::abs(x - firstX) + 1;
    m_state.BoxHeight = std::abs(y - firstY) + 1;
    for (int bx = m_state.BoxX; bx < m_state.BoxX + m_state.BoxWidth; ++bx)
        for (int by = m_state.BoxY; by < m_state.BoxY + m_state.BoxHeight; ++by)
            m_program.CellMark(bx, by) = MarkSelected;
    m_state.CurrentCell = CellIndex(x, y);
}

void EditorSession::ClearBoxAnchor()
{
    m_state.BoxWidth = 0;
    m_state.BoxHeight = 0;
    DropBoxAnchor();
}

void EditorSession::DropBoxAnchor()
{
    m_state.BoxState = -1;
    RedrawCell(m_state.BoxX, m_state.BoxY, ColourWhite);
}

void EditorSession::DeleteSelection()
{
    ChangeScope scope(*this);
    SaveUndoSnapshot();
    ResetMessage();
    bool edited = false;
    for (int x = 0; x < LatticeColumns; ++x) {
        for (int y = 0; y < LatticeRows; ++y) {
            qint16 &mark = m_program.CellMark(x, y);
            if (mark != MarkSelected)
                continue;
            qint16 &content = m_program.CellContent(x, y);
            if (content == EmptyCell) {
                mark = MarkSettle;
            } else if (m_program.holdsBeginOrEnd(x, y)) {
                ShowWarning(QStringLiteral(u"開始、終了は削除できません"));
                showPictureAt(x, y);
            } else if (content == LineCell) {
                content = EmptyCell;
                RedrawCell(x, y, ColourWhite);
                mark = MarkSettle;
                edited = true;
            } else {
                const int slot = ContentSlot(content);
                if (slot < IconSlotLimit) {
                    hideIconPicture(slot);
                    m_program.freeSlot(slot);
                }
                content = EmptyCell;
                mark = MarkSettle;
                edited = true;
            }
        }
    }
    hideIconParameters();
    ClearBoxAnchor();
    if (edited)
        markProgramEdited();
}

void EditorSession::ClearSelection()
{
    ChangeScope scope(*this);
    ResetGrammarCheck();
    ResetMessage();
    clearMarks();
}

void EditorSession::clearMarks()
{
    for (int x = 0; x < LatticeColumns; ++x) {
        for (int y = 0; y < LatticeRows; ++y) {
            qint16 &mark = m_program.CellMark(x, y);
            if (mark != MarkSelected)
                continue;
            mark = MarkSettle;
            RedrawCell(x, y, ColourWhite);
            const int value = m_program.CellContent(x, y);
            if (ContentHoldsIcon(value) && ContentSlot(value) < IconSlotLimit) {
                m_view.pictures[ContentSlot(value)].visible = true;
                hideIconParameters();
            }
        }
    }
    ClearBoxAnchor();
    m_state.CurrentCell = -1;
    hideIconParameters();
    CancelTrayPick();
    ResetMessage();
    ResetPointerState();
}

} // namespace zuvo
