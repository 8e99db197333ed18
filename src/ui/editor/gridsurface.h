#pragma once
// The drawing surface 編集エリア: the whole lattice, 2941 x 1761 pixels, scrolled inside the
// program area. It paints the grid background, every cell box in its painted colour, the line
// bars and (through its child pictures) the icons with their value labels, all from the
// session's view; mouse and keys become the session's grid operations.

#include "model/workingprogram.h"

#include <QWidget>
#include <array>

class QPainter;

namespace zuvo {

class EditorSession;
class IconPictureWidget;
class KeyCursorFrame;

class GridSurface : public QWidget
{
    Q_OBJECT
public:
    GridSurface(EditorSession &session, QWidget *parent);

    // Brings the surface in line with the session's view: repaints the cells whose colour or
    // line bar changed and updates the icon pictures.
    void render();

    IconPictureWidget *picture(int slot) const { return m_pictures.at(slot); }
    EditorSession &session() const { return m_session; }

    // Windows key code for a Qt key, 0 for keys the grid does not use.
    static int windowsKeyCode(int qtKey);

    // Width of the glow around the picture of the icon the simulator executes.
    static constexpr int GlowWidth = 7;
    // Where that glow is painted now; empty when no icon is lit.
    QRect executingGlowRect() const { return m_glowRect; }
    // The keyboard mode's cursor frame over the grid.
    KeyCursorFrame *keyCursorFrame() const { return m_keyCursor; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The icon slot shown at the icon cell under a pixel, -1 when none.
    int slotAtPixel(QPoint pixel) const;
    QColor outlineColour() const;
    QRect glowRectOf(int slot) const;
    void paintGlow(QPainter &painter) const;
    // The keys of the keyboard mode; false for a key that keeps its grid meaning.
    bool keyboardModeKey(QKeyEvent *event);

    EditorSession &m_session;
    std::array<IconPictureWidget *, IconSlotLimit> m_pictures {};
    CellGrid<quint32> m_paintedColour;
    CellGrid<quint8> m_paintedBar;
    QRect m_glowRect;
    KeyCursorFrame *m_keyCursor = nullptr;
    int m_pressSlot = -1; // a press on the surface that went to an icon's picture
    int m_spokenCursor = -1; // the key cursor's cell a screen reader was last told of
};

} // namespace zuvo
