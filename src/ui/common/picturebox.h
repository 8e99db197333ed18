#pragma once
// A picture from the artwork, stretched to its box, that can act as a button and reports pointer
// movement over it (the start screen's balloons and the sample steps react to hovering).

#include <QString>
#include <QWidget>

namespace zuvo {

class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(const QString &resourcePath, QWidget *parent = nullptr);
    // A picture with its control name, placed in its parent.
    static PictureBox *place(QWidget *parent, const char *name, const QString &resourcePath,
                             const QRect &geometry);

    QString resourcePath() const { return m_resourcePath; }
    void setResourcePath(const QString &resourcePath);

    // A clickable picture shows the pointing hand, as a button would.
    void setClickable(bool clickable);
    bool isClickable() const { return m_clickable; }

    QSize sizeHint() const override;

signals:
    void clicked();
    void pointerMoved(const QPoint &position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_resourcePath;
    bool m_clickable = false;
    bool m_pressed = false;
};

} // namespace zuvo
