#include "editor/iconpicturewidget.h"

#include "art/iconpicture.h"
#include "model/iconcatalogue.h"
#include "model/lattice.h"
#include "model/spokennames.h"
#include "picture/gridpainter.h"
#include "session/editorsession.h"

#include <QMouseEvent>
#include <QPainter>

namespace zuvo {

namespace {

bool sameLabels(const std::array<ValueLabelView, 3> &a, const std::array<ValueLabelView, 3> &b)
{
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].text != b[i].text || a[i].background != b[i].background
            || a[i].visible != b[i].visible)
            return false;
    }
    return true;
}

} // namespace

IconPictureWidget::IconPictureWidget(EditorSession &session, int slot, QWidget *surface)
    : QWidget(surface)
    , m_session(session)
    , m_slot(slot)
{
    setObjectName(QStringLiteral("Drow"));
    setProperty("index", slot);
    resize(IconPictureSize, IconPictureSize);
    // Keys belong to the drawing surface: a picture that blinks away must not take the focus
    // elsewhere with it.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true); // the debug panel names the picture under the pointer
    hide();
}

void IconPictureWidget::render(const IconPictureView &picture,
                               const std::array<ValueLabelView, 3> &labels, QPoint position)
{
    if (pos() != position)
        move(position);
    if (picture.code != m_code || !sameLabels(labels, m_labels)) {
        if (picture.code != m_code && isValidIconCode(picture.code)) {
            // Screen readers name the icon in Japanese (the grid's cells say the same with
            // their place and values).
            setAccessibleName(SpokenIconName(picture.code));
            setAccessibleDescription(IconHelpText(picture.code).simplified());
        }
        m_code = picture.code;
        m_labels = labels;
        update();
    }
    if (isVisibleTo(parentWidget()) != picture.visible)
        setVisible(picture.visible);
}

void IconPictureWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, iconPicture(m_code, IconPictureSize, devicePixelRatioF()));
    paintValueLabels(painter, QPoint(0, 0), m_labels, font());
}

void IconPictureWidget::mousePressEvent(QMouseEvent *event)
{
    emit wantsFocus();
    m_session.IconPress(m_slot, event->button() == Qt::LeftButton);
}

void IconPictureWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_session.IconRelease(m_slot);
}

void IconPictureWidget::mouseDoubleClickEvent(QMouseEvent *)
{
    m_session.IconDoubleClick(m_slot);
}

void IconPictureWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_session.ShowPictureUnderMouse(m_slot);
    // While an icon is being dragged, a drag that started on a picture moves it as one that
    // started on the surface does.
    if (m_session.state().MoveSlot < 0 || !(event->buttons() & Qt::LeftButton)) {
        // The surface goes on following the pointer (column and row boxes) over a picture.
        event->ignore();
        return;
    }
    const QPoint onSurface = mapToParent(event->position().toPoint());
    const Qt::KeyboardModifiers mods = event->modifiers();
    m_session.SurfaceMove(onSurface, true, mods & Qt::ShiftModifier, mods & Qt::ControlModifier);
}

} // namespace zuvo
