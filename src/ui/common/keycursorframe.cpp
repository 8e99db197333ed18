#include "common/keycursorframe.h"

#include <QFocusEvent>
#include <QPainter>

namespace zuvo {

namespace {
const QColor RingColour(0, 60, 230);
const QString FocusRingName = QStringLiteral(u"フォーカス枠");
} // namespace

KeyCursorFrame::KeyCursorFrame(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("キーボードカーソル"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void KeyCursorFrame::frame(const QRect &box)
{
    if (box == m_box)
        return;
    m_box = box;
    if (box.isEmpty()) {
        hide();
        return;
    }
    setGeometry(box.adjusted(-Reach, -Reach, Reach, Reach));
    raise();
    show();
    update();
}

void KeyCursorFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Only the ring is painted: what it frames shows through the middle.
    const QRect outer = rect();
    const auto ring = [&painter](const QRect &r, int width, const QColor &colour) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
        painter.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
        painter.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
    };
    ring(outer, 1, Qt::white);
    ring(outer.adjusted(1, 1, -1, -1), Thickness - 2, RingColour);
    ring(outer.adjusted(Thickness - 1, Thickness - 1, -(Thickness - 1), -(Thickness - 1)), 1,
         Qt::white);
}

bool RingKeyboardFocus(QWidget *picture, const QFocusEvent *event)
{
    QWidget *parent = picture->parentWidget();
    if (!parent)
        return false;
    auto *ring = parent->findChild<KeyCursorFrame *>(FocusRingName, Qt::FindDirectChildrenOnly);
    const Qt::FocusReason reason = event->reason();
    const bool byKey = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    if (event->gotFocus() && byKey) {
        if (!ring) {
            ring = new KeyCursorFrame(parent);
            ring->setObjectName(FocusRingName);
        }
        ring->frame(picture->geometry());
    } else if (ring && ring->framedBox() == picture->geometry()) {
        ring->frame(QRect());
    }
    return event->gotFocus() && byKey;
}

} // namespace zuvo
