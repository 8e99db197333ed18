#include "session/debugaids.h"

#include "model/iconcatalogue.h"
#include "model/parameterstring.h"
#include "session/debugpages.h"
#include "session/editorstate.h"
#include "session/hiddenclipboard.h"
#include "session/memowords.h"

namespace zuvo {

using namespace Qt::StringLiterals;

DebugAids::DebugAids(DebugState &own, DebugView &shown, WorkingProgram &program,
                     const EditorState &state, const EditorView &view, GridPicture &grid,
                     MessageArea &message, Selection &selection, IconCarry &carry,
                     UndoCheckpoint &undo, IconForm &form, ProgramSlots &programSlots,
                     const CheckDriver &check)
    : m_own(own)
    , m_shown(shown)
    , m_program(program)
    , m_state(state)
    , m_view(view)
    , m_grid(grid)
    , m_message(message)
    , m_selection(selection)
    , m_carry(carry)
    , m_undo(undo)
    , m_form(form)
    , m_slots(programSlots)
    , m_check(check)
{
}

void DebugAids::ApplyCommandLine(const QStringList &words)
{
    for (int i = 0; i < 2 && i < words.size(); ++i) {
        if (words.at(i) == QLatin1String("Ghost"))
            m_own.GhostMode = 1;
        if (words.at(i) == QLatin1String("HexDisp"))
            m_own.HexDisp = 1;
    }
}

bool DebugAids::applyMemoWord(const QString &text)
{
    const MemoWord word = MatchMemoWord(text);
    if (word == MemoWord::None)
        return false;
    if (const int set = MemoWordSampleSet(word)) {
        m_slots.setMemo(QString());
        m_slots.LoadSampleSet(set);
        return true;
    }
    switch (word) {
    case MemoWord::CapClip:
        CopyBoxToClip();
        break;
    case MemoWord::DrpClip:
        PasteClip();
        break;
    case MemoWord::CutClip:
        CutBoxToClip();
        break;
    case MemoWord::MovPick:
        m_carry.BeginIconMove();
        break;
    case MemoWord::RmvIcon:
        RemoveCurrentIcon();
        break;
    case MemoWord::RawBits:
        m_own.HexDisp = 1 - m_own.HexDisp;
        break;
    case MemoWord::BadCsum:
        m_own.ChecksumTestFlag = 1 - m_own.ChecksumTestFlag;
        break;
    case MemoWord::ShowPanel:
        ShowDebugPanel();
        break;
    case MemoWord::HidePanel:
        HideDebugPanel();
        m_own.GhostMode = 0;
        break;
    case MemoWord::GhostOn:
        m_own.GhostMode = 1;
        break;
    default:
        break;
    }
    m_slots.setMemo(QString());
    return true;
}

void DebugAids::removeIconAt(int x, int y)
{
    const int slot = ContentSlot(m_program.CellContent(x, y));
    if (slot < IconSlotLimit) {
        m_grid.hideIconPicture(slot);
        m_program.freeSlot(slot);
    }
    m_program.CellContent(x, y) = EmptyCell;
}

void DebugAids::copyBoxToClip(bool cut)
{
    ClipWriter clip(m_state.BoxX, m_state.BoxY);
    m_own.ClipLines.clear();
    m_own.ClipIcons.clear();
    m_own.ClipParity = clip.parity();
    if (cut)
        m_undo.SaveUndoSnapshot();
    bool edited = false;
    for (int y = m_state.BoxY; y < m_state.BoxY + m_state.BoxHeight; ++y) {
        for (int x = m_state.BoxX; x < m_state.BoxX + m_state.BoxWidth; ++x) {
            if (!insideLattice(x, y))
                continue;
            m_program.CellMark(x, y) = MarkSettle;
            if (m_program.holdsLine(x, y)) {
                clip.addLine(x, y);
                if (cut) {
                    m_program.CellContent(x, y) = EmptyCell;
                    m_grid.RedrawCell(x, y, ColourWhite);
                    edited = true;
                }
            } else if (m_program.holdsIcon(x, y)) {
                const int slot = ContentSlot(m_program.CellContent(x, y));
                if (cut && m_program.holdsBeginOrEnd(x, y))
                    continue;
                clip.addIcon(x, y, slot < IconSlotLimit ? m_program.SlotParams[slot] : QString());
                if (cut) {
                    removeIconAt(x, y);
                    edited = true;
                }
            }
        }
    }
    m_own.ClipLines = clip.lines();
    m_own.ClipIcons = clip.icons();
    m_selection.setCurrentCell(-1);
    m_selection.ClearBoxAnchor();
    m_form.hideIconParameters();
    m_message.ResetMessage();
    if (edited)
        m_slots.markProgramEdited();
}

void DebugAids::CopyBoxToClip()
{
    copyBoxToClip(false);
}

void DebugAids::CutBoxToClip()
{
    copyBoxToClip(true);
}

void DebugAids::PasteClip()
{
    const int cell = m_state.CurrentCell;
    if (m_own.ClipIcons.isEmpty() || m_own.ClipLines.isEmpty() || cell < 0 || cell > LastCellIndex)
        return;
    m_undo.SaveUndoSnapshot();
    m_program.CellMark(CellX(cell), CellY(cell)) = MarkSettle;
    const QPoint origin = AlignPasteOrigin(CellX(cell), CellY(cell), m_own.ClipParity);
    bool edited = false;

    for (int offset : ReadClipLines(m_own.ClipLines)) {
        const std::optional<QPoint> target = PasteTarget(origin, offset);
        // The parity alignment puts lines on connectors; nothing else may hold one.
        if (!target || !isConnector(cellKind(target->x(), target->y())))
            continue;
        m_program.CellContent(target->x(), target->y()) = LineCell;
        m_grid.RedrawCell(target->x(), target->y(), ColourWhite);
        edited = true;
    }

    for (const ClipIcon &icon : ReadClipIcons(m_own.ClipIcons)) {
        const std::optional<QPoint> target = PasteTarget(origin, icon.offset);
        if (!target)
            continue;
        const int x = target->x();
        const int y = target->y();
        const int code = ParamsIconCode(icon.params);
        if (cellKind(x, y) != CellKind::Icon || m_program.CellContent(x, y) != EmptyCell
            || code == IconBegin || code == IconEnd || !isValidIconCode(code))
            continue;
        if (m_selection.CheckSlotLimit(u"Ｐｕｔ＿Ｃｏｐｙ"_s))
            break;
        const int slot = m_program.placeNewIcon(x, y, code, icon.params);
        m_grid.ShowIconAt(x, y);
        m_grid.ShowSlotValues(slot);
        edited = true;
    }

    m_selection.setCurrentCell(-1);
    // The aligned origin may lie one column or row before the lattice.
    if (insideLattice(origin.x(), origin.y()))
        m_program.CellMark(origin.x(), origin.y()) = MarkSettle;
    m_selection.DropBoxAnchor();
    m_form.hideIconParameters();
    if (edited)
        m_slots.markProgramEdited();
}

void DebugAids::RemoveCurrentIcon()
{
    const int cell = m_state.CurrentCell;
    if (cell < 0 || cell > LastCellIndex)
        return;
    const int x = CellX(cell);
    const int y = CellY(cell);
    if (m_program.holdsIcon(x, y) && !m_program.holdsBeginOrEnd(x, y)) {
        removeIconAt(x, y);
        m_slots.markProgramEdited();
    }
    m_selection.setCurrentCell(-1);
    m_program.CellMark(x, y) = MarkSettle;
    m_form.hideIconParameters();
}

void DebugAids::ShowDebugPanel()
{
    m_shown.debugPanelVisible = true;
}

void DebugAids::HideDebugPanel()
{
    m_shown.debugPanelVisible = false;
    m_shown.debugListVisible = false;
}

void DebugAids::DebugViewStep()
{
    const int state = m_own.DebugViewState;
    if (state >= 0 && state < DebugPageCount) {
        m_shown.debugList = DebugPage(state, m_check.flow(), m_program, m_state.CurrentCell);
        if (state == 0)
            m_shown.debugListVisible = true;
        m_own.DebugViewState = state + 1;
    } else {
        m_shown.debugListVisible = false;
        m_own.DebugViewState = 0;
    }
}

void DebugAids::UpdateDebugBoxes(QPoint pixel)
{
    auto &text = m_shown.debugTexts;
    text[1] = QString::number(pixel.x());
    text[2] = QString::number(pixel.y());
    text[3] = QStringLiteral("BoxF=") + QString::number(m_state.BoxState);
    text[4] = QStringLiteral("Mflg=") + QString::number(m_state.MoveSlot);
    text[5] = QStringLiteral("Mx=") + QString::number(m_state.MoveFromX) + QStringLiteral(" My=")
        + QString::number(m_state.MoveFromY);
    text[6] = QStringLiteral("Point=") + QString::number(m_program.SlotCount);
    text[7] = QStringLiteral("e_c=") + QString::number(m_state.CurrentCell);
    text[8] = QStringLiteral(u"窓巾=") + QString::number(m_view.scroll.areaWidth);
    text[9] = QStringLiteral(u"窓高=") + QString::number(m_view.scroll.areaHeight);
}

bool DebugAids::ShowPictureUnderMouse(int index)
{
    const QString text = QStringLiteral("icon ") + QString::number(index);
    if (text == m_shown.debugTexts[0])
        return false;
    m_shown.debugTexts[0] = text;
    return true;
}

} // namespace zuvo
