#pragma once
// The four program tabs プログラム(0..3) on the bottom panel. A click switches to the slot; the
// pointer moving over a tab with the right button held copies the current program onto it.

#include <QObject>
#include <array>

class QPushButton;
class QWidget;

namespace zuvo {

class EditorSession;

class SlotTabs : public QObject
{
    Q_OBJECT
public:
    static const QColor TabColour;
    static const QColor CurrentTabColour;

    // Creates the tabs on the bottom panel.
    SlotTabs(EditorSession &session, QWidget *bottomPanel);

    QPushButton *tab(int slot) const { return m_tabs.at(slot); }
    void render();

signals:
    // A tab was clicked: the drawing surface takes the focus.
    void tabClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int tabUnder(QPoint panelPosition) const;

    EditorSession &m_session;
    QWidget *m_panel;
    std::array<QPushButton *, 4> m_tabs {};
    std::array<int, 4> m_shownCurrent {-1, -1, -1, -1};
};

} // namespace zuvo
