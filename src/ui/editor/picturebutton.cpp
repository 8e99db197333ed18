#include "editor/picturebutton.h"

#include "art/artwork.h"
#include "art/iconpicture.h"
#include "common/keycursorframe.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zuvo {

PictureButton::PictureButton(const QString &objectName, const QSize &size, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    resize(size);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    static const bool registered
        = (RegisterAccessible(staticMetaObject, ActingPictureAccessible::make), true);
    Q_UNUSED(registered);
}

void PictureButton::setActingRole(QAccessible::Role role)
{
    m_role = role;
    setFocusPolicy(role == QAccessible::Button ? Qt::TabFocus : Qt::NoFocus);
}

void PictureButton::press()
{
    emit pressed(true);
    emit clicked();
}

void PictureButton::setPicked(bool picked)
{
    if (picked == m_picked)
        return;
    m_picked = picked;
    QAccessibleEvent event(this, QAccessible::Selection);
    QAccessible::updateAccessibility(&event);
}

void PictureButton::setPicturePath(const QString &path)
{
    if (path == m_path && m_code < 0)
        return;
    m_path = path;
    m_code = -1;
    update();
}

void PictureButton::setIconCode(int code)
{
    if (code == m_code)
        return;
    m_code = code;
    m_path.clear();
    update();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    if (m_code >= 0)
        painter.drawPixmap(0, 0, iconPicture(m_code, width(), dpr));
    else if (!m_path.isEmpty())
        painter.drawPixmap(0, 0, renderArtwork(m_path, size(), dpr));
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    const bool left = event->button() == Qt::LeftButton;
    m_leftDown = left;
    emit pressed(left);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_leftDown && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_leftDown = false;
    if (click)
        emit clicked();
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (m_role == QAccessible::Button && IsPressKey(event->key()) && !event->isAutoRepeat()) {
        press();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    RingKeyboardFocus(this, event);
}

void PictureButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    RingKeyboardFocus(this, event);
}

} // namespace zuvo
