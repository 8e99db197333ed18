#pragma once
// The property area パラメータ: its background picture, the navigator frame 位置 and the controls
// of an icon's form (表題, Option1(0..3), 数値入力, 選択(0..2), メモ(0..5), 設定), placed in
// twips of the bottom panel as the session's view says. User input goes to the session's form
// operations; dragging with the left button in the picture scrolls the program area.

#include "session/editorstate.h"

#include <QWidget>
#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zuvo {

class EditorSession;

class PropertyPanel : public QWidget
{
    Q_OBJECT
public:
    // The picture's place on the bottom panel, in twips.
    static constexpr QRect PlaceTwips {100, 300, 2655, 1260};

    PropertyPanel(EditorSession &session, QWidget *bottomPanel);

    // A rectangle in twips of the bottom panel as pixels relative to this picture.
    static QRect toLocalPixels(int left, int top, int width, int height);

    void render();
    // The controls the keyboard mode's Tab visits, in reading order: the visible, enabled ones.
    QList<QWidget *> keyboardStops() const;

signals:
    // In the keyboard mode: Enter pressed 設定, or Esc left the form.
    void keyboardDone();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place(QWidget *control, const FormControlView &view, int designHeight);
    void navigate(QMouseEvent *event, Qt::MouseButtons buttons);

    EditorSession &m_session;
    QLabel *m_title = nullptr;
    std::array<QRadioButton *, 4> m_options {};
    QButtonGroup *m_optionGroup = nullptr;
    QLineEdit *m_number = nullptr;
    std::array<QComboBox *, 3> m_lists {};
    std::array<QLabel *, 6> m_memos {};
    QPushButton *m_apply = nullptr;
    QWidget *m_map = nullptr;
};

} // namespace zuvo
