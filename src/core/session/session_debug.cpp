#include "session/editorsession.h"

#include "model/iconcatalogue.h"
#include "model/parameterstring.h"
#include "session/debugpages.h"
#include "session/hiddenclipboard.h"
#include "session/memowords.h"

// The hidden debug aids in the session: memo words, the hidden clipboard shared by all program
// slots, removing the current icon, and the debug panel with its four list pages.

namespace zuvo {

using namespace Qt::StringLiterals;

bool EditorSession::applyMemoWord(const QString &text)
{
    const MemoWord word = MatchMemoWord(text);
    if (word == MemoWord::None)
        return false;
    if (const int set = MemoWordSampleSet(word)) {
        setMemo(QString());
        LoadSampleSet(set);
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
        BeginIconMove();
        break;
    case MemoWord::RmvIcon:
        RemoveCurrentIcon();
        break;
    case MemoWord::RawBits:
        m_state.HexDisp = 1 - m_state.HexDisp;
        break;
    case MemoWord::BadCsum:
        m_state.ChecksumTestFlag = 1 - m_state.ChecksumTestFlag;
        break;
    case MemoWord::ShowPanel:
        ShowDebugPanel();
        break;
    case MemoWord::HidePanel:
        HideDebugPanel();
        m_state.GhostMode = 0;
        break;
    case MemoWord::GhostOn:
        m_state.GhostMode = 1;
        break;
    default:
        break;
    }
    setMemo(QString());
    return true;
}

void EditorSession::removeIconAt(int x, int y)
{
    const int slot = ContentSlot(m_program.CellContent(x, y));
    if (slot < IconSlotLimit) {
        hideIconPicture(slot);
        m_program.freeSlot(slot);
    }
    m_program.CellContent(x, y) = EmptyCell;
}

void EditorSession::copyBoxToClip(bool cut)
{
    ClipWriter clip(m_state.BoxX, m_state.BoxY);
    m_state.ClipLines.clear();
    m_state.ClipIcons.clear();
    m_state.ClipParity = clip.parity();
    if (cut)
        SaveUndoSnapshot();
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
                    RedrawCell(x, y, ColourWhite);
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
    m_state.ClipLines = clip.lines();
    m_state.ClipIcons = clip.icons();
    m_state.CurrentCell = -1;
    ClearBoxAnchor();
    hideIconParameters();
    ResetMessage();
    if (edited)
        markProgramEdited();
}

void EditorSession::CopyBoxToClip()
{
    ChangeScope scope(*this);
    copyBoxToClip(false);
}

void EditorSession::CutBoxToClip()
{
    ChangeScope scope(*this);
    copyBoxToClip(true);
}

void EditorSession::PasteClip()
{
    ChangeScope scope(*this);
    const int cell = m_state.CurrentCell;
    if (m_state.ClipIcons.isEmpty() || m_state.ClipLines.isEmpty() || cell < 0
        || cell > LastCellIndex)
        return;
    SaveUndoSnapshot();
    m_program.CellMark(CellX(cell), CellY(cell)) = MarkSettle;
    const QPoint origin = AlignPasteOrigin(CellX(cell), CellY(cell), m_state.ClipParity);
    bool edited = false;

    for (int offset : ReadClipLines(m_state.ClipLines)) {
        const std::optional<QPoint> target = PasteTarget(origin, offset);
        // The parity alignment puts lines on connectors; nothing else may hold one.
        if (!target || !isConnector(cellKind(target->x(), target->y())))
            continue;
        m_program.CellContent(target->x(), target->y()) = LineCell;
        RedrawCell(target->x(), target->y(), ColourWhite);
        edited = true;
    }

    for (const ClipIcon &icon : ReadClipIcons(m_state.ClipIcons)) {
        const std::optional<QPoint> target = PasteTarget(origin, icon.offset);
        if (!target)
            continue;
        const int x = target->x();
        const int y = target->y();
        const int code = ParamsIconCode(icon.params);
        if (cellKind(x, y) != CellKind::Icon || m_program.CellContent(x, y) != EmptyCell
            || code == IconBegin || code == IconEnd || !isValidIconCode(code))
            continue;
        if (CheckSlotLimit(u"Ｐｕｔ＿Ｃｏｐｙ"_s))
            break;
        const int slot = m_program.placeNewIcon(x, y, code, icon.params);
        ShowIconAt(x, y);
        ShowSlotValues(slot);
        edited = true;
    }

    m_state.CurrentCell = -1;
    // The aligned origin may lie one column or row before the lattice.
    if (insideLattice(origin.x(), origin.y()))
        m_program.CellMark(origin.x(), origin.y()) = MarkSettle;
    DropBoxAnchor();
    hideIconParameters();
    if (edited)
        markProgramEdited();
}

void EditorSession::RemoveCurrentIcon()
{
    ChangeScope scope(*this);
    const int cell = m_state.CurrentCell;
    if (cell < 0 || cell > LastCellIndex)
        return;
    const int x = CellX(cell);
    const int y = CellY(cell);
    if (m_program.holdsIcon(x, y) && !m_program.holdsBeginOrEnd(x, y)) {
        removeIconAt(x, y);
        markProgramEdited();
    }
    m_state.CurrentCell = -1;
    m_program.CellMark(x, y) = MarkSettle;
    hideIconParameters();
}

void EditorSession::ShowDebugPanel()
{
    m_view.debugPanelVisible = true;
}

void EditorSession::HideDebugPanel()
{
    m_view.debugPanelVisible = false;
    m_view.debugListVisible = false;
}

void EditorSession::DebugViewStep()
{
    ChangeScope scope(*this);
    const int state = m_state.DebugViewState;
    if (state >= 0 && state < DebugPageCount) {
        m_view.debugList = DebugPage(state, m_flow, m_program, m_state.CurrentCell);
        if (state == 0)
            m_view.debugListVisible = true;
        m_state.DebugViewState = state + 1;
    } else {
        m_view.debugListVisible = false;
        m_state.DebugViewState = 0;
    }
}

} // namespace zuvo
