#pragma once
// The editor window Form1: the program area with its drawing surface, the two scroll strips,
// the bottom panel (tabs, property panel, icon tray, edit buttons, message area, memo) and the
// menus. It renders the session's state on every change and forwards input to the session's
// operations; it decides nothing itself.

#include "editor/editorlayout.h"
#include "editor/qteditorprompts.h"
#include "session/editorsession.h"
#include "sim/simulatorlink.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <optional>

class QFrame;
class QPlainTextEdit;

namespace zuvo::sim {
class SimulatorWindow;
}

namespace zuvo {

class BottomPanel;
class DebugPanel;
class EditorMenus;
class GridSurface;
class ScrollStrips;
class VolumeControlLauncher;

class EditorWindow : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int BlinkIntervalMs = 300;

    EditorWindow(int editorStartMode, const QStringList &commandLineWords,
                 QWidget *parent = nullptr);
    // With other prompts in place of the Qt dialogs (tests script the answers).
    EditorWindow(int editorStartMode, const QStringList &commandLineWords, EditorPrompts &prompts,
                 QWidget *parent = nullptr);
    ~EditorWindow() override;

    EditorSession &session() { return m_session; }
    const EditorSession &session() const { return m_session; }

    // The window's outer size as the editor's layout rules count it: the client area (below
    // the menu bar) plus the frame and caption of 8 x 58 pixels.
    QSize outerSize() const;
    // Sizes the window so that its client area is the given size.
    void resizeClient(const QSize &clientSize);

    const EditorLayout &layout() const { return m_layout; }
    GridSurface *surface() const { return m_surface; }
    BottomPanel *bottomPanel() const { return m_bottom; }
    ScrollStrips *scrollStrips() const { return m_strips; }
    EditorMenus *menus() const { return m_menus; }
    QTimer &blinkTimer() { return m_blink; }
    // The launcher the 音 item runs; the window takes it over (tests give their own mixers).
    void setVolumeControlLauncher(VolumeControlLauncher *launcher);

    // シミュレータ: runs the program that has passed the check in the simulator window. A second
    // choice raises the open window, or replaces it when the program has changed.
    void openSimulator();
    // The open simulator window, nullptr when none.
    sim::SimulatorWindow *simulator() const;

    // The program is ended by force, or the desktop saves its session: the copies of the unsaved
    // programs are written now. When ending, the window then closes without its question.
    void keepWork(bool ending);

signals:
    // The user has confirmed leaving the editor; emitted once, after the event that asked.
    void left();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // In the keyboard mode Tab goes round the grid, the tray and the form's controls.
    bool focusNextPrevChild(bool next) override;

private:
    EditorWindow(int editorStartMode, const QStringList &commandLineWords, EditorPrompts *prompts,
                 QWidget *parent);
    void buildProgramArea(QWidget *client);
    void applyLayout();
    // No larger than the screen's available area, and inside it with the menu bar on screen.
    void fitIntoScreen();
    void leaveEditor();
    void announceLeft();
    void openVolumeControl();
    void volumeControlClosed();
    void focusSurface();
    void render();
    void simulatorSlotChanged(int compiledSlot);
    // Beside the editor, which moves to make room where the screen needs it to.
    void placeSimulator(sim::SimulatorWindow *window);
    void simulatorClosed();
    void closeSimulator();

    QtEditorPrompts m_qtPrompts;
    EditorPrompts &m_prompts;
    EditorSession m_session;
    EditorLayout m_layout;
    QFrame *m_area = nullptr; // 編集窓
    QWidget *m_viewport = nullptr; // inside the border of 編集窓
    GridSurface *m_surface = nullptr;
    ScrollStrips *m_strips = nullptr;
    BottomPanel *m_bottom = nullptr;
    QPlainTextEdit *m_txData = nullptr;
    DebugPanel *m_debug = nullptr;
    EditorMenus *m_menus = nullptr;
    VolumeControlLauncher *m_volume = nullptr;
    QPointer<sim::SimulatorWindow> m_simulator;
    sim::SimulatorLink m_simulatorLink; // the program the simulator window runs
    std::optional<QPoint> m_placeBeforeSimulator; // where the editor stood before making room
    QPoint m_placeForSimulator;
    QTimer m_blink;
    QPoint m_shownScroll {-1, -1};
    int m_editorStartMode;
    bool m_startRequestDone = false;
    bool m_left = false;
};

} // namespace zuvo
