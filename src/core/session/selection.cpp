#include "session/selection.h"

#include "session/checkdriver.h"
#include "session/editorprompts.h"
#include "session/gridpicture.h"
#include "session/iconcarry.h"
#include "session/iconform.h"
#include "session/icontray.h"
#include "session/messagearea.h"
#include "session/programslots.h"
#include "session/undocheckpoint.h"

#include <algorithm>
#include <cstdlib>

namespace zuvo {

Selection::Selection(SelectionState &own, WorkingProgram &program, EditorPrompts &prompts,
                     GridPicture &grid, MessageArea &message, IconTray &tray, IconForm &form,
                     UndoCheckpoint &undo, IconCarry &carry, ProgramSlots &programSlots,
                     CheckDriver &check)
    : m_own(own)
    , m_program(program)
    , m_prompts(prompts)
    , m_grid(grid)
    , m_message(message)
    , m_tray(tray)
    , m_form(form)
    , m_undo(undo)
    , m_carry(carry)
    , m_slots(programSlots)
    , m_check(check)
{
}

bool Selection::CheckSlotLimit(const QString &title)
{
    if (!m_program.slotLimitReached())
        return false;
    m_message.ShowWarning(QStringLiteral(u"表示用データが") + QString::number(m_program.SlotCount)
                          + QStringLiteral(u"を超えました。\r\n終了してください"));
    m_prompts.showMessage(
        title, QStringLiteral(u"アイコンが予定数を超えました　　\r以後のデータは破棄します。"),
        MessageIcon::Exclamation);
    ClearSelection();
    return true;
}

void Selection::selectIconByPicture(int x, int y)
{
    m_undo.setUndoSpent(1);
    qint16 &mark = m_program.CellMark(x, y);
    if (mark == MarkNormal) {
        mark = MarkSelected;
        m_form.showIconParameters(x, y);
        m_message.ShowIconHelp(m_program.iconCodeAt(x, y));
        m_own.CurrentCell = CellIndex(x, y);
    } else if (mark == MarkSelected) {
        mark = MarkSettle;
        m_form.hideIconParameters();
        m_own.CurrentCell = -1;
    }
}

void Selection::selectCellOnGrid(int x, int y)
{
    qint16 &mark = m_program.CellMark(x, y);
    if (mark == MarkSelected) {
        mark = MarkSettle;
        m_own.CurrentCell = -1;
        ClearBoxAnchor();
        const int value = m_program.CellContent(x, y);
        if (ContentHoldsIcon(value) && ContentSlot(value) < IconSlotLimit) {
            m_grid.showPicture(ContentSlot(value));
            m_form.hideIconParameters();
        } else {
            m_grid.RedrawCell(x, y, ColourWhite);
        }
    } else if (!m_tray.hasPick()) {
        mark = MarkSelected;
        m_grid.RedrawCell(x, y, ColourBlink);
        m_own.CurrentCell = CellIndex(x, y);
    }
    m_carry.ResetPointerState();
}

void Selection::markCornerIcon(int x, int y)
{
    const bool wasSelected = m_program.CellMark(x, y) == MarkSelected;
    MarkBoxCorner(x, y);
    m_program.CellMark(x, y) = MarkSelected;
    if (!wasSelected && m_own.BoxState == 1 && m_own.CurrentCell == CellIndex(x, y))
        m_cornerMarkedByPress = CellIndex(x, y);
}

void Selection::MarkBoxCorner(int x, int y)
{
    if (!insideLattice(x, y))
        return;
    if (m_own.BoxState == -1) {
        m_cornerMarkedByPress = -1;
        m_own.BoxX = x;
        m_own.BoxY = y;
        m_own.CurrentCell = CellIndex(x, y);
        m_grid.RedrawCell(x, y, ColourCorner);
        m_own.BoxState = 1;
        return;
    }
    if (m_own.BoxWidth + m_own.BoxHeight != 0) {
        m_message.ShowWarning(QStringLiteral(u"ＢＯＸの選択は１つのみです。"));
        DropBoxAnchor();
        return;
    }
    if (x == m_own.BoxX && y == m_own.BoxY) {
        ClearBoxAnchor();
        m_own.CurrentCell = -1;
        return;
    }
    const int firstX = m_own.BoxX;
    const int firstY = m_own.BoxY;
    ClearBoxAnchor();
    m_own.BoxX = std::min(firstX, x);
    m_own.BoxY = std::min(firstY, y);
    m_own.BoxWidth = std::abs(x - firstX) + 1;
    m_own.BoxHeight = std::abs(y - firstY) + 1;
    for (int bx = m_own.BoxX; bx < m_own.BoxX + m_own.BoxWidth; ++bx)
        for (int by = m_own.BoxY; by < m_own.BoxY + m_own.BoxHeight; ++by)
            m_program.CellMark(bx, by) = MarkSelected;
    m_own.CurrentCell = CellIndex(x, y);
}

void Selection::unmarkDestination()
{
    // A destination that was selected before stays a source, so that a selection moved onto its
    // own cells takes all of them.
    if (m_own.CurrentCell == m_cornerMarkedByPress)
        m_program.CellMark.atIndex(m_own.CurrentCell) = MarkSettle;
}

void Selection::ClearBoxAnchor()
{
    m_own.BoxWidth = 0;
    m_own.BoxHeight = 0;
    DropBoxAnchor();
}

void Selection::DropBoxAnchor()
{
    m_own.BoxState = -1;
    m_grid.RedrawCell(m_own.BoxX, m_own.BoxY, ColourWhite);
}

void Selection::setCorner(int x, int y)
{
    m_own.BoxState = 1;
    m_own.BoxX = x;
    m_own.BoxY = y;
    m_own.CurrentCell = CellIndex(x, y);
}

void Selection::forgetCorner()
{
    m_own.BoxX = 0;
    m_own.BoxY = 0;
    m_own.BoxState = -1;
}

void Selection::forgetSelection()
{
    m_own.CurrentCell = -1;
    m_own.BoxState = -1;
    m_own.BoxWidth = 0;
    m_own.BoxHeight = 0;
}

void Selection::restore(int currentCell, int boxState, int boxWidth, int boxHeight)
{
    m_own.CurrentCell = currentCell;
    m_own.BoxState = boxState;
    ClearBoxAnchor();
    m_own.BoxWidth = boxWidth;
    m_own.BoxHeight = boxHeight;
}

void Selection::DeleteSelection()
{
    m_undo.SaveUndoSnapshot();
    m_message.ResetMessage();
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
                m_message.ShowWarning(QStringLiteral(u"開始、終了は削除できません"));
                m_grid.showPictureAt(x, y);
            } else if (content == LineCell) {
                content = EmptyCell;
                m_grid.RedrawCell(x, y, ColourWhite);
                mark = MarkSettle;
                edited = true;
            } else {
                const int slot = ContentSlot(content);
                if (slot < IconSlotLimit) {
                    m_grid.hideIconPicture(slot);
                    m_program.freeSlot(slot);
                }
                content = EmptyCell;
                mark = MarkSettle;
                edited = true;
            }
        }
    }
    m_form.hideIconParameters();
    ClearBoxAnchor();
    if (edited)
        m_slots.markProgramEdited();
}

void Selection::ClearSelection()
{
    m_check.ResetGrammarCheck();
    m_message.ResetMessage();
    clearMarks();
}

void Selection::clearMarks()
{
    for (int x = 0; x < LatticeColumns; ++x) {
        for (int y = 0; y < LatticeRows; ++y) {
            qint16 &mark = m_program.CellMark(x, y);
            if (mark != MarkSelected)
                continue;
            mark = MarkSettle;
            m_grid.RedrawCell(x, y, ColourWhite);
            const int value = m_program.CellContent(x, y);
            if (ContentHoldsIcon(value) && ContentSlot(value) < IconSlotLimit) {
                m_grid.showPicture(ContentSlot(value));
                m_form.hideIconParameters();
            }
        }
    }
    ClearBoxAnchor();
    m_own.CurrentCell = -1;
    m_form.hideIconParameters();
    m_tray.CancelTrayPick();
    m_message.ResetMessage();
    m_carry.ResetPointerState();
}

} // namespace zuvo
