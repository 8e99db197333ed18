#pragma once
// The keyboard cursor's frame: a ring around a cell of the grid, a tray picture, or a picture
// that acts as a button while it has the keyboard focus, drawn above its neighbours. White, deep
// blue, white, so that it shows on every background the grid has (white, the orange of a blinking
// selection, the green corner, the grey line bar, an icon). It takes no mouse events: the pointer
// reaches whatever lies under it.

#include <QWidget>

namespace zuvo {

class KeyCursorFrame : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Reach = 5; // how far the ring stands out from the framed box
    static constexpr int Thickness = 6; // the ring's width: 1 white, 4 blue, 1 white

    explicit KeyCursorFrame(QWidget *parent);

    // Frames the box (in the parent's coordinates); an empty box hides the frame.
    void frame(const QRect &box);
    // The box framed now; empty while hidden.
    QRect framedBox() const { return m_box; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect m_box;
};

// From a picture's focus events: while it has the keyboard focus from a key (Tab), a frame in
// its parent rings it, so that a picture acting as a button shows where the keyboard is. True
// when the focus came from a key.
bool RingKeyboardFocus(QWidget *picture, const QFocusEvent *event);

} // namespace zuvo
