#include "session/editorsession.h"

#include "model/numbers.h"
#include "session/propertyform.h"

// The property panel in the session: the form of the selected icon, its controls, 設定, and the
// navigator that scrolls the program area while no form is shown.

namespace zuvo {

namespace {

// Navigator geometry in twips of the panel picture: the drag range of each axis.
constexpr int NavigatorLow = 135;
constexpr int NavigatorRight = 2520;
constexpr int NavigatorBottom = 1125;
constexpr int NavigatorOrigin = 134;
constexpr int NavigatorWidth = 2386;
constexpr int NavigatorHeight = 991;

int navigatorPosition(int twips, int high, int span, int maximum)
{
    if (twips < NavigatorLow)
        return 0;
    if (twips > high)
        return maximum;
    return static_cast<int>(
        RoundHalfEven(static_cast<double>(twips - NavigatorOrigin) * maximum / span));
}

} // namespace

void EditorSession::InitEditorControls()
{
    PropertyForm(m_view.form).InitEditorControls();
}

void EditorSession::showIconParameters(int x, int y)
{
    const int content = m_program.CellContent(x, y);
    if (!ContentHoldsIcon(content) || ContentSlot(content) >= IconSlotLimit) {
        hideIconParameters();
        return;
    }
    PropertyForm(m_view.form)
        .ShowIconParameters(ContentIconCode(content), m_program.SlotParams[ContentSlot(content)]);
}

void EditorSession::hideIconParameters()
{
    PropertyForm(m_view.form).HideIconParameters();
}

void EditorSession::FormCheckOption(int index)
{
    ChangeScope scope(*this);
    PropertyForm(m_view.form).CheckOption(index);
}

void EditorSession::FormSetNumberText(const QString &text)
{
    ChangeScope scope(*this);
    PropertyForm(m_view.form).SetNumberText(text);
}

void EditorSession::FormSelectListItem(int list, int index)
{
    ChangeScope scope(*this);
    PropertyForm(m_view.form).SelectListItem(list, index);
}

void EditorSession::ApplyButtonClicked()
{
    ChangeScope scope(*this);
    const int cell = m_state.CurrentCell;
    if (!m_view.form.applyButton.visible || cell < 0 || cell > LastCellIndex)
        return;
    const int x = CellX(cell);
    const int y = CellY(cell);
    const int content = m_program.CellContent(x, y);
    if (ContentHoldsIcon(content) && ContentSlot(content) < IconSlotLimit) {
        const int slot = ContentSlot(content);
        const QString before = m_program.SlotParams[slot];
        const QString after
            = PropertyForm(m_view.form).ApplyIconParameters(ContentIconCode(content), before);
        m_program.SlotParams[slot] = after;
        ShowSlotValues(slot);
        // The selecting click has marked the slot modified already, but a save in between would
        // have cleared that: a changed value must never be lost unasked.
        if (after != before)
            m_state.SlotModified[m_state.CurrentSlot] = 1;
    }
    m_program.CellMark(x, y) = MarkSettle;
    ClearSelection();
}

void EditorSession::NavigatorDrag(Qt::MouseButtons buttons, int xTwips, int yTwips)
{
    ChangeScope scope(*this);
    // Exactly the left button: left and right held together scroll nothing.
    if (buttons != Qt::LeftButton || m_view.form.applyButton.visible)
        return;
    const ScrollView &scroll = m_view.scroll;
    SetScroll(navigatorPosition(xTwips, NavigatorRight, NavigatorWidth, scroll.hMax),
              navigatorPosition(yTwips, NavigatorBottom, NavigatorHeight, scroll.vMax));
}

} // namespace zuvo
