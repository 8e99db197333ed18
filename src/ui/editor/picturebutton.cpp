#include "editor/picturebutton.h"

#include "art/artwork.h"
#include "art/iconpicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace zuvo {

PictureButton::PictureButton(const QString &objectName, const QSize &size, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    resize(size);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
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

} // namespace zuvo
