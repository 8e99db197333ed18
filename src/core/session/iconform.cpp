#include "session/iconform.h"

#include "session/editorstate.h"

namespace zuvo {

IconForm::IconForm(FormView &own, WorkingProgram &program, const EditorState &state,
                   GridPicture &grid, Selection &selection, ProgramSlots &programSlots)
    : m_own(own)
    , m_program(program)
    , m_state(state)
    , m_grid(grid)
    , m_selection(selection)
    , m_slots(programSlots)
{
}

void IconForm::InitEditorControls()
{
    form().InitEditorControls();
}

void IconForm::showIconParameters(int x, int y)
{
    const int content = m_program.CellContent(x, y);
    if (!ContentHoldsIcon(content) || ContentSlot(content) >= IconSlotLimit) {
        hideIconParameters();
        return;
    }
    form().ShowIconParameters(ContentIconCode(content), m_program.SlotParams[ContentSlot(content)]);
}

void IconForm::hideIconParameters()
{
    form().HideIconParameters();
}

void IconForm::FormCheckOption(int index)
{
    form().CheckOption(index);
}

void IconForm::FormSetNumberText(const QString &text)
{
    form().SetNumberText(text);
}

void IconForm::FormSelectListItem(int list, int index)
{
    form().SelectListItem(list, index);
}

void IconForm::ApplyButtonClicked()
{
    const int cell = m_state.CurrentCell;
    if (!formShown() || cell < 0 || cell > LastCellIndex)
        return;
    const int x = CellX(cell);
    const int y = CellY(cell);
    const int content = m_program.CellContent(x, y);
    if (ContentHoldsIcon(content) && ContentSlot(content) < IconSlotLimit) {
        const int slot = ContentSlot(content);
        const QString before = m_program.SlotParams[slot];
        const QString after = form().ApplyIconParameters(ContentIconCode(content), before);
        m_program.SlotParams[slot] = after;
        m_grid.ShowSlotValues(slot);
        // The selecting click has marked the slot modified already, but a save in between would
        // have cleared that: a changed value must never be lost unasked.
        if (after != before)
            m_slots.markModified();
    }
    m_program.CellMark(x, y) = MarkSettle;
    m_selection.ClearSelection();
}

} // namespace zuvo
