#pragma once
// A picture control of the editor: an edit button, a tray picture or a hidden picture that holds
// a button's state image. It shows a drawing from the artwork (or an icon's picture) stretched to
// its size and reports presses and clicks.

#include <QWidget>

namespace zuvo {

class PictureButton : public QWidget
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

signals:
    void pressed(bool leftButton);
    // A left-button press and release over the picture.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_path;
    int m_code = -1;
    bool m_leftDown = false;
};

} // namespace zuvo
