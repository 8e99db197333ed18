#pragma once
// The property form in the session: the form of the selected icon on the panel below the grid,
// its controls, and 設定, which writes the values into the icon's ParameterString.

#include "model/workingprogram.h"
#include "session/propertyform.h"

namespace zuvo {

struct EditorState;
class GridPicture;
class ProgramSlots;
class Selection;

struct FormView
{
    PropertyFormView form;
};

class IconForm
{
public:
    IconForm(FormView &own, WorkingProgram &program, const EditorState &state, GridPicture &grid,
             Selection &selection, ProgramSlots &programSlots);

    void InitEditorControls();
    // ShowIconParameters for the icon of cell (x, y); HideIconParameters otherwise.
    void showIconParameters(int x, int y);
    void hideIconParameters();
    bool formShown() const { return m_own.form.applyButton.visible; }

    void FormCheckOption(int index);
    void FormSetNumberText(const QString &text);
    void FormSelectListItem(int list, int index);
    void ApplyButtonClicked();

private:
    PropertyForm form() { return PropertyForm(m_own.form); }

    FormView &m_own;
    WorkingProgram &m_program;
    const EditorState &m_state;
    GridPicture &m_grid;
    Selection &m_selection;
    ProgramSlots &m_slots;
};

} // namespace zuvo
