#pragma once
// The icon tray アイコン枠: its background picture and the 26 tray pictures bmp(32..57), one
// per placeable IconCode at the tray place of the catalogue. A press picks the icon.

#include <QWidget>
#include <array>

namespace zuvo {

class EditorSession;
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

    PictureButton *picture(int code) const { return m_pictures.at(code); }
    void render();

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    // Pointer movement over a tray picture names it in the debug panel.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EditorSession &m_session;
    std::array<PictureButton *, 26> m_pictures {};
};

} // namespace zuvo
