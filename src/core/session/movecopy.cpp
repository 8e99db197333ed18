#include "session/movecopy.h"

#include "model/iconcatalogue.h"
#include "session/editorprompts.h"
#include "session/editorstate.h"

namespace zuvo {

namespace {

const QString OverwriteQuestion = QStringLiteral(u"上書きしますか　");

// Visits every lattice position column by column. Backwards (from the last column, each from
// the last row) when the selection travels right or down, so that no source is overwritten
// before it has been taken.
void visitLattice(bool backwards, const std::function<bool(int, int)> &visit)
{
    for (int i = 0; i < LatticeColumns; ++i) {
        const int x = backwards ? LatticeColumns - 1 - i : i;
        for (int j = 0; j < LatticeRows; ++j) {
            const int y = backwards ? LatticeRows - 1 - j : j;
            if (!visit(x, y))
                return;
        }
    }
}

} // namespace

MoveCopy::MoveCopy(WorkingProgram &program, EditorPrompts &prompts, const EditorState &state,
                   Selection &selection, GridPicture &grid, MessageArea &message, IconForm &form,
                   UndoCheckpoint &undo, ProgramSlots &programSlots)
    : m_program(program)
    , m_prompts(prompts)
    , m_state(state)
    , m_selection(selection)
    , m_grid(grid)
    , m_message(message)
    , m_form(form)
    , m_undo(undo)
    , m_slots(programSlots)
{
}

bool MoveCopy::findMoveOffset(bool forCopy, int &dc, int &dr)
{
    m_message.ResetMessage();
    m_form.hideIconParameters();
    const int destination = m_state.CurrentCell;
    if (m_state.BoxState != 1 || destination < 0 || destination > LastCellIndex) {
        m_message.ShowWarning(forCopy ? QStringLiteral(u"複写先はマウス右で指示してください。")
                                      : QStringLiteral(u"移動先はマウス右で指示してください。"));
        return false;
    }
    const int destX = CellX(destination);
    const int destY = CellY(destination);
    bool anchorFound = false;
    dc = 0;
    dr = 0;
    visitLattice(false, [&](int x, int y) {
        qint16 &mark = m_program.CellMark(x, y);
        if (mark != MarkSelected)
            return true;
        if (x == destX && y == destY) {
            mark = MarkSettle;
            return true;
        }
        dc = destX - x;
        dr = destY - y;
        anchorFound = true;
        return false;
    });
    if (!anchorFound || (dc == 0 && dr == 0)) {
        m_message.ShowWarning(forCopy ? QStringLiteral(u"複写先もしくは元が選択されていません。")
                                      : QStringLiteral(u"移動先もしくは元が選択されていません。"));
    } else if (dc % 2 != 0 || dr % 2 != 0) {
        m_message.ShowWarning(forCopy ? QStringLiteral(u"複写先と元の座標形態が合いません")
                                      : QStringLiteral(u"移動先と元の座標形態が合いません"));
    } else {
        return true;
    }
    m_grid.RedrawCell(destX, destY, ColourWhite);
    m_selection.DropBoxAnchor();
    m_selection.setCurrentCell(-1);
    m_form.hideIconParameters();
    return false;
}

bool MoveCopy::carrySelection(bool forCopy, const CellCarrier &carry)
{
    int dc = 0;
    int dr = 0;
    if (!findMoveOffset(forCopy, dc, dr))
        return false;
    m_undo.SaveUndoSnapshot();
    const bool backwards = dc > 0 || (dc == 0 && dr > 0);
    if (backwards)
        m_selection.unmarkDestination();
    visitLattice(backwards, [&](int x, int y) {
        if (m_program.CellMark(x, y) != MarkSelected)
            return true;
        return carry(x, y, x + dc, y + dr);
    });
    m_selection.ClearBoxAnchor();
    return true;
}

bool MoveCopy::mayOverwrite(const QString &title, int sx, int sy)
{
    if (m_prompts.askYesNo(title, OverwriteQuestion, MessageIcon::Warning))
        return true;
    m_program.CellMark(sx, sy) = MarkSettle; // this cell stays where it is; the others go on
    return false;
}

void MoveCopy::MoveSelection()
{
    const bool carried = carrySelection(false, [this](int sx, int sy, int tx, int ty) {
        moveOneCell(sx, sy, tx, ty);
        return true;
    });
    if (!carried)
        return;
    m_selection.setCurrentCell(-1);
    m_form.hideIconParameters();
    m_slots.markProgramEdited();
}

void MoveCopy::moveOneCell(int sx, int sy, int tx, int ty)
{
    if (!insideLattice(tx, ty)) {
        m_message.ShowWarning(QStringLiteral(u"移動先が編集エリアを越えています"));
        return;
    }
    if (m_program.holdsBeginOrEnd(tx, ty)) {
        m_message.ShowWarning(QStringLiteral(u"開始、終了の場所に移動できません"));
        m_grid.showPictureAt(tx, ty);
        return;
    }
    const qint16 source = m_program.CellContent(sx, sy);
    if (source == EmptyCell) {
        m_program.CellMark(sx, sy) = MarkSettle;
        return;
    }
    m_program.CellMark(tx, ty) = MarkSettle;
    qint16 &target = m_program.CellContent(tx, ty);
    const bool sourceIsIcon = ContentHoldsIcon(source) && ContentSlot(source) < IconSlotLimit;
    if (target != EmptyCell && sourceIsIcon) {
        if (!mayOverwrite(QStringLiteral(u"移動先にアイコン有り"), sx, sy))
            return;
        const int overwritten = ContentSlot(target);
        if (ContentHoldsIcon(target) && overwritten < IconSlotLimit) {
            m_grid.hideIconPicture(overwritten);
            m_program.freeSlot(overwritten);
        }
        target = EmptyCell;
    }
    if (target == EmptyCell) {
        target = source;
        if (sourceIsIcon) {
            m_grid.ShowIconAt(tx, ty);
            m_program.SlotCell[ContentSlot(source)] = static_cast<qint16>(CellIndex(tx, ty));
        }
    }
    m_program.CellContent(sx, sy) = EmptyCell;
    m_program.CellMark(sx, sy) = MarkSettle;
}

void MoveCopy::CopySelection()
{
    const bool carried = carrySelection(
        true, [this](int sx, int sy, int tx, int ty) { return copyOneCell(sx, sy, tx, ty); });
    if (carried)
        m_slots.markProgramEdited();
}

bool MoveCopy::copyOneCell(int sx, int sy, int tx, int ty)
{
    if (!insideLattice(tx, ty)) {
        m_message.ShowWarning(QStringLiteral(u"複写先が編集エリアを越えています。"));
        return true;
    }
    if (m_program.holdsBeginOrEnd(tx, ty)) {
        m_message.ShowWarning(QStringLiteral(u"開始、終了の場所に複写できません。"));
        m_grid.showPictureAt(tx, ty);
        return true;
    }
    if (m_program.holdsBeginOrEnd(sx, sy)) {
        m_message.ShowWarning(QStringLiteral(u"開始、終了は複写できません。"));
        return true;
    }
    const qint16 source = m_program.CellContent(sx, sy);
    if (source == EmptyCell) {
        m_program.CellMark(sx, sy) = MarkSettle;
        return true;
    }
    m_program.CellMark(tx, ty) = MarkSettle;
    if (source == LineCell) {
        m_program.CellContent(tx, ty) = LineCell;
        m_selection.setCurrentCell(-1);
        m_program.CellMark(sx, sy) = MarkSettle;
        return true;
    }
    const int sourceSlot = ContentSlot(source);
    const int code = ContentIconCode(source);
    if (sourceSlot >= IconSlotLimit)
        return true;
    m_grid.showPicture(sourceSlot);
    const qint16 target = m_program.CellContent(tx, ty);
    int targetSlot = -1;
    if (target == EmptyCell) {
        if (m_selection.CheckSlotLimit(QStringLiteral(u"複写クリック"))) {
            m_selection.ClearBoxAnchor();
            return false;
        }
        targetSlot = m_program.placeNewIcon(tx, ty, code, m_program.SlotParams[sourceSlot]);
    } else {
        if (!mayOverwrite(QStringLiteral(u"複写先にアイコン有り"), sx, sy))
            return true;
        targetSlot = ContentSlot(target);
        if (targetSlot >= IconSlotLimit)
            return true;
        m_program.CellContent(tx, ty) = IconCellContent(code, targetSlot);
        m_program.SlotParams[targetSlot] = m_program.SlotParams[sourceSlot];
    }
    m_grid.ShowIconAt(tx, ty);
    m_grid.ShowSlotValues(targetSlot);
    m_selection.setCurrentCell(-1);
    m_program.CellMark(sx, sy) = MarkSettle;
    return true;
}

} // namespace zuvo
