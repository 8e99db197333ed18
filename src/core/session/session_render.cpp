#include "session/editorsession.h"

#include "model/iconcatalogue.h"
#include "model/parameterstring.h"
#include "model/valuelabels.h"

// What the grid shows: painted cell boxes and line bars, icon pictures, value labels, the
// blinking of selected cells and of the picked tray icon, and the message area.

namespace zuvo {

namespace {

const QString HintText = QStringLiteral(u"アイコンｸﾞﾘｯﾄﾞを選択してアイコンをクリックするか\r\n"
                                        u"アイコンを選択してアイコンｸﾞﾘｯﾄﾞをクリックする。");

} // namespace

void EditorSession::RedrawCell(int x, int y, quint32 colour)
{
    if (!insideLattice(x, y))
        return;
    m_view.cellColour(x, y) = colour;
    m_view.lineBar(x, y) = isConnector(cellKind(x, y)) && m_program.holdsLine(x, y) ? 1 : 0;
}

void EditorSession::ShowIconAt(int x, int y)
{
    if (!insideLattice(x, y))
        return;
    const int value = m_program.CellContent(x, y);
    if (value < 0 || ContentSlot(value) > IconSlotLimit - 1)
        return;
    IconPictureView &picture = m_view.pictures[ContentSlot(value)];
    picture.code = ContentIconCode(value);
    picture.topLeft = iconPicturePosition(x, y);
    picture.visible = true;
}

void EditorSession::ShowSlotValues(int slot)
{
    if (slot < 0 || slot >= IconSlotLimit)
        return;
    const QString &params = m_program.SlotParams[slot];
    if (params.startsWith(u'*'))
        return;
    m_view.labels[slot] = SlotValueLabels(params);
}

void EditorSession::ShowAllSlotValues()
{
    for (int slot = 0; slot < m_program.SlotCount && slot < IconSlotLimit; ++slot)
        ShowSlotValues(slot);
}

void EditorSession::showPictureAt(int x, int y)
{
    const int value = m_program.CellContent(x, y);
    if (ContentHoldsIcon(value) && ContentSlot(value) < IconSlotLimit)
        m_view.pictures[ContentSlot(value)].visible = true;
}

void EditorSession::hideIconPicture(int slot)
{
    if (slot < 0 || slot >= IconSlotLimit)
        return;
    m_view.pictures[slot].visible = false;
    for (ValueLabelView &label : m_view.labels[slot])
        label.visible = false;
}

void EditorSession::redrawWholeGrid()
{
    for (int y = 0; y < LatticeRows; ++y)
        for (int x = 0; x < LatticeColumns; ++x)
            RedrawCell(x, y, ColourWhite);
    for (int slot = 0; slot < IconSlotLimit; ++slot)
        hideIconPicture(slot);
    for (int slot = 0; slot < m_program.SlotCount && slot < IconSlotLimit; ++slot) {
        const int cell = m_program.SlotCell[slot];
        if (cell >= 0 && cell <= LastCellIndex)
            ShowIconAt(CellX(cell), CellY(cell));
    }
    ShowAllSlotValues();
}

void EditorSession::BlinkTick()
{
    ChangeScope scope(*this);
    m_state.BlinkPhase = (m_state.BlinkPhase + 1) % 2;
    if (m_state.TrayPick >= TrayPickPlaced) {
        const int code = m_state.TrayPick - TrayPickPlaced;
        if (code >= 0 && code < TrayIconCount)
            m_view.trayVisible[code] = true;
        m_state.TrayPick = -1;
    }
    if (m_state.TrayPick >= 0 && m_state.TrayPick < TrayIconCount)
        m_view.trayVisible[m_state.TrayPick] = m_state.BlinkPhase == 1;

    const bool phaseOne = m_state.BlinkPhase == 1;
    for (int x = 0; x < LatticeColumns; ++x) {
        for (int y = 0; y < LatticeRows; ++y) {
            qint16 &mark = m_program.CellMark(x, y);
            if (mark == MarkNormal)
                continue;
            const int value = m_program.CellContent(x, y);
            const bool holdsIcon = ContentHoldsIcon(value);
            const int slot = holdsIcon ? ContentSlot(value) : -1;
            if (phaseOne) {
                if (holdsIcon) {
                    if (slot < IconSlotLimit)
                        m_view.pictures[slot].visible = false;
                } else {
                    RedrawCell(x, y, ColourWhite);
                    if (mark == MarkSettle)
                        mark = MarkNormal;
                }
            } else if (!holdsIcon) {
                RedrawCell(x, y, ColourBlink);
            } else {
                if (slot < IconSlotLimit)
                    m_view.pictures[slot].visible = true;
                if (mark == MarkSettle)
                    mark = MarkNormal;
            }
        }
    }
}

void EditorSession::ResetMessage()
{
    ChangeScope scope(*this);
    m_view.messageBackground = ColourWhite;
    ShowHint();
}

void EditorSession::ShowHint()
{
    ChangeScope scope(*this);
    m_view.messageText = HintText;
}

void EditorSession::ShowWarning(const QString &text)
{
    ChangeScope scope(*this);
    m_view.messageText = text;
    beepTwice();
    m_view.messageBackground = ColourWarning;
}

void EditorSession::ShowIconHelp(int code)
{
    if (isValidIconCode(code))
        m_view.messageText = IconHelpText(code);
}

void EditorSession::ShowVolumeReminder()
{
    ChangeScope scope(*this);
    m_view.messageText = QStringLiteral(u"ボリュームは最大になっていますか。\r\n");
}

void EditorSession::beepTwice()
{
    m_prompts.beep();
    m_prompts.beep();
}

void EditorSession::ShowExecutingSlot(int slot)
{
    const bool holdsIcon = slot >= 0 && slot < IconSlotLimit && slot < m_program.SlotCount
        && m_program.SlotCell[slot] >= 0;
    const int lit = holdsIcon ? slot : -1;
    if (lit == m_view.executingSlot)
        return; // the simulator reports every frame: no repaint when nothing moved on
    ChangeScope scope(*this);
    m_view.executingSlot = lit;
}

} // namespace zuvo
