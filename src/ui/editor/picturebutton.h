#pragma once
// A picture control of the editor: an edit button, a tray picture or a hidden picture that holds
// a button's state image. It shows a drawing from the artwork (or an icon's picture) stretched to
// its size and reports presses and clicks. Screen readers are told the role it is given: an edit
// button is a push button (the keyboard's Tab reaches it, Space or Enter presses it), a tray
// picture a list item.

#include "common/accessibility.h"

#include <QWidget>

namespace zuvo {

class PictureButton : public QWidget, public ActingPicture
{
    Q_OBJECT
public:
    PictureButton(const QString &objectName, const QSize &size, QWidget *parent);

    // Shows the drawing at a resource path such as ":/buttons/copy.svg".
    void setPicturePath(const QString &path);
    // Shows the picture of an IconCode (tray size pictures).
    void setIconCode(int code);
    QString picturePath() const { return m_path; }
    int iconCode() const { return m_code; }

    // Graphic (the default) for a hidden picture; Button takes the keyboard focus from Tab.
    void setActingRole(QAccessible::Role role);
    QAccessible::Role actingRole() const override { return m_role; }
    // A press and release of the left button.
    void press() override;
    // The tray picture of the icon picked now.
    void setPicked(bool picked);
    bool isPicked() const override { return m_picked; }

signals:
    void pressed(bool leftButton);
    // A left-button press and release over the picture.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_path;
    int m_code = -1;
    bool m_leftDown = false;
    QAccessible::Role m_role = QAccessible::Graphic;
    bool m_picked = false;
};

} // namespace zuvo
