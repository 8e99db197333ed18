#pragma once
// A picture from the artwork, stretched to its box, that can act as a button and reports pointer
// movement over it (the start screen's balloons and the sample steps react to hovering). One
// that acts as a button is one to the keyboard (Tab, then Space or Enter) and to screen
// readers too.

#include "common/accessibility.h"

#include <QString>
#include <QWidget>

namespace zuvo {

class PictureBox : public QWidget, public ActingPicture
{
    Q_OBJECT
public:
    explicit PictureBox(const QString &resourcePath, QWidget *parent = nullptr);
    // A picture with its control name, placed in its parent.
    static PictureBox *place(QWidget *parent, const char *name, const QString &resourcePath,
                             const QRect &geometry);

    QString resourcePath() const { return m_resourcePath; }
    void setResourcePath(const QString &resourcePath);

    // A clickable picture shows the pointing hand and takes the keyboard focus from Tab, as a
    // button would.
    void setClickable(bool clickable);
    bool isClickable() const { return m_clickable; }
    // A picture that reacts to the pointer without a click (a sample step lights up) is still
    // something to press for a screen reader.
    void setPressable(bool pressable) { m_pressable = pressable; }

    QAccessible::Role actingRole() const override;
    // What a click does: clicked(), or pointerMoved() for a picture that only reacts to the
    // pointer.
    void press() override;

    QSize sizeHint() const override;

signals:
    void clicked();
    void pointerMoved(const QPoint &position);
    // The keyboard came to it with Tab or Shift+Tab.
    void keyboardFocused();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_resourcePath;
    bool m_clickable = false;
    bool m_pressable = false;
    bool m_pressed = false;
};

} // namespace zuvo
