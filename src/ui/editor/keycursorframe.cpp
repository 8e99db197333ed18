#include "editor/keycursorframe.h"

#include <QPainter>

namespace zuvo {

namespace {
const QColor RingColour(0, 60, 230);
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

} // namespace zuvo
