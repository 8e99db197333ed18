#pragma once
// Owns the program's main windows and keeps exactly one of start screen, editor, help window
// and sample chooser on screen. The editor is made on demand, behind the wait window, and
// deleted when the user leaves it, so the next GO! gives a fresh one.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

namespace zuvo {

class HelpBrowser;
class SampleChooser;
class StartScreen;
class WaitWindow;

class AppController : public QObject
{
    Q_OBJECT
public:
    // Makes the editor window for a start request (10 new programs, 11..15 a sample set) and
    // the command-line words. The window must have the signal left(), emitted once the user
    // has confirmed leaving it.
    using EditorFactory
        = std::function<QWidget *(int editorStartMode, const QStringList &commandLineWords)>;

    AppController(EditorFactory editorFactory, const QStringList &commandLineWords,
                  QObject *parent = nullptr);
    ~AppController() override;

    StartScreen *startScreen() const { return m_startScreen.get(); }
    WaitWindow *waitWindow() const { return m_waitWindow.get(); }
    HelpBrowser *helpBrowser(); // made on first use
    SampleChooser *sampleChooser();
    QWidget *editor() const { return m_editor; }

    // The main windows now on screen (the wait window is not one of them).
    QList<QWidget *> visibleMainWindows() const;

    // Program start: the start screen, centred, with every balloon hidden.
    void Start();

    void ShowStartScreen();
    void ShowWaitWindow();
    void StartEditor(int editorStartMode);
    void ShowHelp();
    void ShowSamples();
    void End();

signals:
    // The user ended the program (END, おわり, or the start screen's close box).
    void ended();

private slots:
    void editorLeft();

private:
    void openEditorWhenWaitWindowShows(int editorStartMode, int attemptsLeft);
    void editorGone();
    void takeChoiceFrom(QWidget *window, int choice);

    EditorFactory m_editorFactory;
    QStringList m_commandLineWords;
    std::unique_ptr<StartScreen> m_startScreen;
    std::unique_ptr<WaitWindow> m_waitWindow;
    std::unique_ptr<HelpBrowser> m_helpBrowser;
    std::unique_ptr<SampleChooser> m_sampleChooser;
    QPointer<QWidget> m_editor;
    bool m_ending = false;
};

} // namespace zuvo
