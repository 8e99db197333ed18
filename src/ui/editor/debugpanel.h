#pragma once
// The debug display: the boxes Text(0..10), the list List1 and the buttons デバッグ ("Debag")
// and 前詰め ("前詰"). Hidden at start; shown in a small tool window beside the editor, so that
// it never covers the program area.

#include <QWidget>
#include <array>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace zuvo {

class EditorSession;

class DebugPanel : public QWidget
{
    Q_OBJECT
public:
    DebugPanel(EditorSession &session, QWidget *editorWindow);

    void render();

private:
    EditorSession &m_session;
    std::array<QLineEdit *, 11> m_texts {};
    QListWidget *m_list = nullptr;
    QPushButton *m_debugButton = nullptr;
    QPushButton *m_compactButton = nullptr;
};

} // namespace zuvo
