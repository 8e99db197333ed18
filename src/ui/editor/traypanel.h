#pragma once
// The icon tray アイコン枠: its background picture and the 26 tray pictures bmp(32..57), one
// per placeable IconCode at the tray place of the catalogue. A press picks the icon.

#include <QWidget>
#include <array>

namespace zuvo {

class EditorSession;
class KeyCursorFrame;
class PictureButton;

class TrayPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize PanelSize {437, 84};
    static constexpr int PictureSize = 33;

    TrayPanel(EditorSession &session, QWidget *parent);

    // Place of the tray picture of IconCode code on the bottom panel (the tray sits at
    // (186, 20) of it).
    static QPoint picturePlaceOnPanel(int code);
    // What hovering over a tray picture shows: the icon's names and the first line of its
    // description, "前進（Forward）" and "ロボットを前進させます。".
    static QString toolTipFor(int code);

    PictureButton *picture(int code) const { return m_pictures.at(code); }
    void render();

    KeyCursorFrame *keyCursorFrame() const { return m_keyCursor; }

signals:
    void pressed();
    // In the keyboard mode: a picture was chosen with Enter, or Esc left the tray.
    void keyboardDone();

protected:
    void paintEvent(QPaintEvent *event) override;
    // Pointer movement over a tray picture names it in the debug panel.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    EditorSession &m_session;
    std::array<PictureButton *, 26> m_pictures {};
    KeyCursorFrame *m_keyCursor = nullptr;
};

} // namespace zuvo
