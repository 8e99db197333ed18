#pragma once
// The property panel's logic: which controls an icon's form shows and where, how the form reads
// an icon's ParameterString and how it writes the edited values back. It works on a
// PropertyFormView, the panel's whole state, so the session owns the data and the panel widget
// only renders it.

#include <QString>
#include <QStringList>
#include <array>

namespace zuvo {

// Controls of the property form, placed in twips relative to the bottom panel.
struct FormControlView
{
    bool visible = false;
    bool enabled = true;
    QString caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PropertyFormView
{
    FormControlView title; // 表題
    std::array<FormControlView, 4> options; // Option1(0..3)
    int checkedOption = 0; // -1 none
    FormControlView numberBox; // 数値入力
    QString numberText;
    int numberMaxLength = 4;
    std::array<FormControlView, 3> lists; // 選択(0..2)
    std::array<QStringList, 3> listItems;
    std::array<int, 3> listIndex {0, 0, 0};
    std::array<FormControlView, 6> memos; // メモ(0..5)
    FormControlView applyButton; // 設定
    bool mapVisible = true; // 位置, the navigator frame
};

class PropertyForm
{
public:
    explicit PropertyForm(PropertyFormView &view)
        : m_view(view)
    {
    }

    // The one-time set-up when the editor opens: list contents, first items selected, designed
    // places of the heading and 設定, number box limit 4, Option1(0) marked.
    void InitEditorControls();

    // Opens the form of IconCode code for the given ParameterString. Codes without a form leave
    // the panel in navigator mode. Values no layout offers (hand-edited files) open the form
    // with nothing marked or the first list item selected.
    void ShowIconParameters(int code, const QString &params);
    void HideIconParameters();

    // The ParameterString rebuilt from the controls: prefix and colour token kept, values
    // corrected silently into their ranges. Codes without a form return params unchanged.
    QString ApplyIconParameters(int code, const QString &params);

    // User input on the controls. Indexes outside the controls are ignored.
    void CheckOption(int index);
    // The number box's text as typed; longer text is cut to the box's character limit.
    void SetNumberText(const QString &text);
    void SelectListItem(int list, int index);
    void OperandKindChanged();

    // True while an icon's form is shown (設定 visible), false in navigator mode.
    bool formShown() const { return m_view.applyButton.visible; }

    static bool hasParameterForm(int code);

private:
    void layoutSpeed();
    void layoutTime(int code);
    void layoutSensor(int code);
    void layoutVariable(int code);
    void layoutLed();
    void layoutBeep();
    void readOperands(const QStringList &values, bool withOperator);
    QString numberValue();
    QString clampedBoxText(double low, double high);
    QString listText(int list) const;
    void selectListText(int list, const QString &text);

    PropertyFormView &m_view;
};

} // namespace zuvo
