#include "common/picturebox.h"

#include "art/artwork.h"
#include "artworkcatalogue.h"
#include "common/keycursorframe.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zuvo {

PictureBox *PictureBox::place(QWidget *parent, const char *name, const QString &resourcePath,
                              const QRect &geometry)
{
    auto *picture = new PictureBox(resourcePath, parent);
    picture->setObjectName(QString::fromUtf8(name));
    picture->setGeometry(geometry);
    return picture;
}

PictureBox::PictureBox(const QString &resourcePath, QWidget *parent)
    : QWidget(parent)
    , m_resourcePath(resourcePath)
{
    setMouseTracking(true);
    static const bool registered
        = (RegisterAccessible(staticMetaObject, ActingPictureAccessible::make), true);
    Q_UNUSED(registered);
}

void PictureBox::setResourcePath(const QString &resourcePath)
{
    if (resourcePath == m_resourcePath)
        return;
    m_resourcePath = resourcePath;
    update();
}

void PictureBox::setClickable(bool clickable)
{
    m_clickable = clickable;
    setFocusPolicy(clickable ? Qt::TabFocus : Qt::NoFocus);
    if (clickable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

QAccessible::Role PictureBox::actingRole() const
{
    return m_clickable || m_pressable ? QAccessible::Button : QAccessible::Graphic;
}

void PictureBox::press()
{
    if (m_clickable)
        emit clicked();
    else if (m_pressable)
        emit pointerMoved(rect().center());
}

QSize PictureBox::sizeHint() const
{
    for (const ArtworkEntry &entry : artworkCatalogue()) {
        if (entry.path == m_resourcePath)
            return entry.size;
    }
    return QSize(32, 32);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    // A missing picture renders transparent, leaving the box empty rather than failing.
    QPainter painter(this);
    painter.drawPixmap(0, 0, renderArtwork(m_resourcePath, size(), devicePixelRatioF()));
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    // Accepted here, so the window behind does not take the movement as one over its background.
    event->accept();
    emit pointerMoved(event->position().toPoint());
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    // Like a button: the click counts only when released over the picture.
    if (wasPressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (m_clickable && IsPressKey(event->key()) && !event->isAutoRepeat()) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (RingKeyboardFocus(this, event))
        emit keyboardFocused();
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    RingKeyboardFocus(this, event);
}

} // namespace zuvo
