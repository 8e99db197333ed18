#pragma once
// The start screen Form0, the hub of the program: four boxes (GO!, TRY, HELP, END) with a
// speech balloon over the one under the pointer, the logo, and the same four choices in its
// ファイル menu.

#include <QMainWindow>
#include <array>

class QTimer;

namespace zuvo {

class PictureBox;

class StartScreen : public QMainWindow
{
    Q_OBJECT
public:
    explicit StartScreen(QWidget *parent = nullptr);

    int StartPending() const { return m_startPending; }
    // The balloon now shown, or -1 when all four are hidden.
    int shownBalloon() const;

    // 0 GO!, 1 TRY, 2 HELP, 3 END.
    void Choose(int choice);
    void PointAtBox(int box);
    void PointAtBackground(const QPoint &position);

signals:
    void waitWindowRequested();
    void editorRequested(int editorStartMode);
    void samplesRequested();
    void helpRequested();
    void endRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void timerTick();

    QWidget *m_client = nullptr;
    std::array<PictureBox *, 4> m_boxes {};
    std::array<PictureBox *, 4> m_balloons {};
    QTimer *m_timer = nullptr;
    int m_startPending = 0;
};

} // namespace zuvo
