#pragma once
// The sample chooser Form3: five illustrated steps of the sample course. Pointing at a pale
// step highlights it and lists its samples; choosing it (the bright picture or "OK") hands the
// editor's start request 11..15 to whoever opens the editor, behind the wait window.

#include <QMainWindow>
#include <array>

class QLineEdit;
class QPlainTextEdit;
class QTimer;

namespace zuvo {

class PictureBox;

class SampleChooser : public QMainWindow
{
    Q_OBJECT
public:
    explicit SampleChooser(QWidget *parent = nullptr);

    int SelectedStep() const { return m_selectedStep; }
    int EditorStartMode() const { return m_editorStartMode; }
    bool EditorOpenPending() const { return m_editorOpenPending; }
    bool isLoaded() const { return m_loaded; }
    QString shownList() const;

    void Load();
    void Highlight(int step);
    void Choose(int step);
    void Back();

signals:
    void startScreenRequested();
    // Show the wait window now; the editor follows on the timer tick.
    void waitWindowRequested();
    void editorRequested(int editorStartMode);
    void choiceRequested(int choice);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void timerTick();

    std::array<PictureBox *, 5> m_pale {};
    std::array<PictureBox *, 5> m_bright {};
    QPlainTextEdit *m_text = nullptr;
    QLineEdit *m_focusSink = nullptr;
    QTimer *m_timer = nullptr;
    int m_selectedStep = 0;
    int m_editorStartMode = 0;
    bool m_editorOpenPending = false;
    bool m_loaded = false;
};

} // namespace zuvo
