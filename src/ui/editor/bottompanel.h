#pragma once
// The bottom panel Frame5: the program tabs, the property area, the icon tray, the edit
// buttons, the message area text2 and the memo Text1. Positions inside it are its own.

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace zuvo {

class EditButtons;
class EditorSession;
class PropertyPanel;
class SlotTabs;
class TrayPanel;

class BottomPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize PanelSize {785, 161};

    BottomPanel(EditorSession &session, QWidget *client);

    void render();

    SlotTabs *tabs() const { return m_tabs; }
    PropertyPanel *propertyPanel() const { return m_property; }
    TrayPanel *tray() const { return m_tray; }
    EditButtons *editButtons() const { return m_buttons; }
    QLabel *messageArea() const { return m_message; }
    QPlainTextEdit *memo() const { return m_memo; }

    // The memo box holds LF line ends; the program's texts use CR LF.
    static QString memoFromProgram(const QString &text);
    static QString memoToProgram(const QString &text);

private:
    void memoEdited();
    void syncMemo();

    EditorSession &m_session;
    SlotTabs *m_tabs = nullptr;
    PropertyPanel *m_property = nullptr;
    TrayPanel *m_tray = nullptr;
    EditButtons *m_buttons = nullptr;
    QLabel *m_message = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    quint32 m_messageBackground = 0xffffffff;
    bool m_rendering = false;
    bool m_inMemoEdit = false;
};

} // namespace zuvo
