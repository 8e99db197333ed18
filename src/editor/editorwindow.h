#pragma once
// The editor window Form1: the program area with its drawing surface, the two scroll strips,
// the bottom panel (tabs, property panel, icon tray, edit buttons, message area, memo) and the
// menus. It renders the session's state on every change and forwards input to the session's
// operations; it decides nothing itself.

#include "editor/editorsession.h"
#include "editor/qteditorprompts.h"

#include <QMainWindow>
#include <QStringList>

namespace zuvo {

class EditorWindow : public QMainWindow
{
    Q_OBJECT
public:
    EditorWindow(int editorStartMode, const QStringList &commandLineWords,
                 QWidget *parent = nullptr);
    ~EditorWindow() override;

    EditorSession &session() { return m_session; }
    const EditorSession &session() const { return m_session; }

    // The window's outer size as the editor's layout rules count it: the client area (below
    // the menu bar) plus the frame and caption of 8 x 58 pixels.
    QSize outerSize() const;
    // Sizes the window so that its client area is the given size.
    void resizeClient(const QSize &clientSize);

signals:
    // The user has confirmed leaving the editor; emitted once, after the event that asked.
    void left();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void leaveEditor();
    void announceLeft();
    void render();

    QtEditorPrompts m_prompts;
    EditorSession m_session;
    int m_editorStartMode;
    bool m_startRequestDone = false;
    bool m_left = false;
};

} // namespace zuvo
