#include "session/gridpicture.h"

#include "session/icontray.h"

namespace zuvo {

GridPicture::GridPicture(BlinkState &blink, GridView &own, WorkingProgram &program, IconTray &tray)
    : m_blink(blink)
    , m_own(own)
    , m_program(program)
    , m_tray(tray)
{
}

void GridPicture::RedrawCell(int x, int y, quint32 colour)
{
    if (!insideLattice(x, y))
        return;
    m_own.cellColour(x, y) = colour;
    m_own.lineBar(x, y) = isConnector(cellKind(x, y)) && m_program.holdsLine(x, y) ? 1 : 0;
}

void GridPicture::ShowIconAt(int x, int y)
{
    if (!insideLattice(x, y))
        return;
    const int value = m_program.CellContent(x, y);
    if (value < 0 || ContentSlot(value) > IconSlotLimit - 1)
        return;
    IconPictureView &picture = m_own.pictures[ContentSlot(value)];
    picture.code = ContentIconCode(value);
    picture.topLeft = iconPicturePosition(x, y);
    picture.visible = true;
}

void GridPicture::ShowSlotValues(int slot)
{
    if (slot < 0 || slot >= IconSlotLimit)
        return;
    const QString &params = m_program.SlotParams[slot];
    if (params.startsWith(u'*'))
        return;
    m_own.labels[slot] = SlotValueLabels(params);
}

void GridPicture::ShowAllSlotValues()
{
    for (int slot = 0; slot < m_program.SlotCount && slot < IconSlotLimit; ++slot)
        ShowSlotValues(slot);
}

void GridPicture::showPictureAt(int x, int y)
{
    const int value = m_program.CellContent(x, y);
    if (ContentHoldsIcon(value) && ContentSlot(value) < IconSlotLimit)
        m_own.pictures[ContentSlot(value)].visible = true;
}

void GridPicture::hideIconPicture(int slot)
{
    if (slot < 0 || slot >= IconSlotLimit)
        return;
    m_own.pictures[slot].visible = false;
    for (ValueLabelView &label : m_own.labels[slot])
        label.visible = false;
}

void GridPicture::redrawWholeGrid()
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

void GridPicture::carryPicture(int slot, QPoint topLeft)
{
    m_own.dragPicturePos = topLeft;
    m_own.pictures[slot].topLeft = topLeft;
}

void GridPicture::BlinkTick()
{
    m_blink.BlinkPhase = (m_blink.BlinkPhase + 1) % 2;
    const bool phaseOne = m_blink.BlinkPhase == 1;
    m_tray.blink(phaseOne);
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
                        m_own.pictures[slot].visible = false;
                } else {
                    RedrawCell(x, y, ColourWhite);
                    if (mark == MarkSettle)
                        mark = MarkNormal;
                }
            } else if (!holdsIcon) {
                RedrawCell(x, y, ColourBlink);
            } else {
                if (slot < IconSlotLimit)
                    m_own.pictures[slot].visible = true;
                if (mark == MarkSettle)
                    mark = MarkNormal;
            }
        }
    }
}

bool GridPicture::ShowExecutingSlot(int slot)
{
    const bool holdsIcon = slot >= 0 && slot < IconSlotLimit && slot < m_program.SlotCount
        && m_program.SlotCell[slot] >= 0;
    const int lit = holdsIcon ? slot : -1;
    if (lit == m_own.executingSlot)
        return false;
    m_own.executingSlot = lit;
    return true;
}

} // namespace zuvo
