#include "editor/gridsurface.h"

#include "common/accessibility.h"
#include "common/keycursorframe.h"
#include "editor/gridaccessible.h"
#include "editor/iconpicturewidget.h"
#include "picture/gridpainter.h"
#include "session/editorsession.h"
#include "session/keycodes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace zuvo {

namespace {

// The executing icon's glow.
const QColor GlowColour(255, 208, 0);

int latticeIndexRange(int pixel)
{
    return std::clamp(PixelToLattice(std::max(0, pixel)), 0, LatticeColumns - 1);
}

} // namespace

GridSurface::GridSurface(EditorSession &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_paintedColour(ColourWhite)
    , m_paintedBar(0)
{
    setObjectName(QStringLiteral("編集エリア"));
    resize(SurfaceWidth, SurfaceHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    static const bool registered
        = (RegisterAccessible(staticMetaObject, GridAccessible::make), true);
    Q_UNUSED(registered);
    setAccessibleName(QStringLiteral(u"プログラムエリア"));
    setAccessibleDescription(QStringLiteral(u"アイコンと線をならべるマス目。F7でキーボード操作"));
    for (int s = 0; s < IconSlotLimit; ++s) {
        m_pictures[s] = new IconPictureWidget(session, s, this);
        connect(m_pictures[s], &IconPictureWidget::wantsFocus, this,
                [this] { setFocus(Qt::MouseFocusReason); });
    }
    m_keyCursor = new KeyCursorFrame(this); // above every picture
}

int GridSurface::windowsKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Escape:
        return KeyEscape;
    case Qt::Key_PageUp:
        return KeyPageUp;
    case Qt::Key_PageDown:
        return KeyPageDown;
    case Qt::Key_End:
        return KeyEnd;
    case Qt::Key_Home:
        return KeyHome;
    case Qt::Key_Left:
        return KeyLeft;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Right:
        return KeyRight;
    case Qt::Key_Down:
        return KeyDown;
    case Qt::Key_Insert:
        return KeyInsert;
    case Qt::Key_Delete:
        return KeyDelete;
    default:
        break;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return KeyA + (qtKey - Qt::Key_A);
    return 0;
}

void GridSurface::render()
{
    const EditorView &view = m_session.view();
    for (int y = 0; y < LatticeRows; ++y) {
        for (int x = 0; x < LatticeColumns; ++x) {
            const quint32 colour = view.cellColour(x, y);
            const quint8 bar = view.lineBar(x, y);
            if (colour == m_paintedColour(x, y) && bar == m_paintedBar(x, y))
                continue;
            m_paintedColour(x, y) = colour;
            m_paintedBar(x, y) = bar;
            update(cellBox(x, y));
        }
    }
    const int dragged = m_session.state().MoveSlot;
    for (int s = 0; s < IconSlotLimit; ++s) {
        const IconPictureView &picture = view.pictures[s];
        QPoint position = picture.topLeft;
        if (s == dragged && view.dragPicturePos)
            position = *view.dragPicturePos;
        m_pictures[s]->render(picture, view.labels[s], position);
    }
    const int cursor = view.keyCursorCell;
    m_keyCursor->frame(
        cursor >= 0 && cursor <= LastCellIndex ? cellBox(CellX(cursor), CellY(cursor)) : QRect());
    // A screen reader follows the keyboard's cursor from cell to cell as it follows the focus.
    if (cursor != m_spokenCursor) {
        m_spokenCursor = cursor;
        QAccessibleInterface *grid = cursor >= 0 && hasFocus() && QAccessible::isActive()
            ? QAccessible::queryAccessibleInterface(this)
            : nullptr;
        if (QAccessibleInterface *cell = grid ? grid->child(cursor) : nullptr) {
            QAccessibleEvent event(cell, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
    }
    const QRect glow = glowRectOf(view.executingSlot);
    if (glow != m_glowRect) {
        update(m_glowRect);
        update(glow);
        m_glowRect = glow;
    }
}

QRect GridSurface::glowRectOf(int slot) const
{
    if (slot < 0 || slot >= IconSlotLimit)
        return QRect();
    // Also while a blinking picture is away: the icon still executes.
    const IconPictureView &picture = m_session.view().pictures[slot];
    return QRect(picture.topLeft, QSize(IconPictureSize, IconPictureSize))
        .adjusted(-GlowWidth, -GlowWidth, GlowWidth, GlowWidth);
}

void GridSurface::paintGlow(QPainter &painter) const
{
    if (m_glowRect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // From the outside in: a soft halo, then solid bright yellow up to the picture, which
    // covers the middle.
    constexpr int Halo = 3;
    for (int i = 0; i < GlowWidth; ++i) {
        QColor colour = GlowColour;
        if (i < Halo)
            colour.setAlpha(50 + 150 * i / Halo);
        painter.setPen(QPen(colour, 1));
        const qreal inset = i + 0.5;
        const qreal radius = GlowWidth - i + 3;
        painter.drawRoundedRect(QRectF(m_glowRect).adjusted(inset, inset, -inset, -inset), radius,
                                radius);
    }
    painter.restore();
}

QColor GridSurface::outlineColour() const
{
    // The button-shadow colour of the style; a mid grey where the style has none that shows.
    const QColor shadow = palette().color(QPalette::Dark);
    if (!shadow.isValid() || shadow.lightness() > 220)
        return QColor(160, 160, 160);
    return shadow;
}

void GridSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, Qt::white);

    const int x0 = latticeIndexRange(exposed.left());
    const int x1 = latticeIndexRange(exposed.right());
    const int y0 = std::clamp(PixelToLattice(std::max(0, exposed.top())), 0, LatticeRows - 1);
    const int y1 = std::clamp(PixelToLattice(std::max(0, exposed.bottom())), 0, LatticeRows - 1);

    // Outlines of the icon cells, (59 c, 59 r) to (59 c + 49, 59 r + 49) inclusive.
    painter.setPen(Qt::NoPen);
    const QColor outline = outlineColour();
    for (int r = y0 / 2; r <= y1 / 2; ++r)
        for (int c = x0 / 2; c <= x1 / 2; ++c)
            paintIconCellOutline(painter, c, r, outline);

    const EditorView &view = m_session.view();
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const quint32 colour = view.cellColour(x, y);
            if (colour != ColourWhite)
                painter.fillRect(cellBox(x, y), QColor::fromRgb(colour));
            if (view.lineBar(x, y))
                paintLineBar(painter, x, y);
        }
    }
    if (exposed.intersects(m_glowRect))
        paintGlow(painter);
}

int GridSurface::slotAtPixel(QPoint pixel) const
{
    const int x = PixelToLattice(pixel.x());
    const int y = PixelToLattice(pixel.y());
    if (!insideLattice(x, y) || cellKind(x, y) != CellKind::Icon)
        return -1;
    const int content = m_session.program().CellContent(x, y);
    if (!ContentHoldsIcon(content) || ContentSlot(content) >= IconSlotLimit)
        return -1;
    return ContentSlot(content);
}

void GridSurface::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    // The pictures cover their cells; a press that reaches the surface on an icon (its picture
    // blinked away) belongs to that icon.
    m_pressSlot = slotAtPixel(event->position().toPoint());
    if (m_pressSlot >= 0)
        m_session.IconPress(m_pressSlot, event->button() == Qt::LeftButton);
}

void GridSurface::mouseReleaseEvent(QMouseEvent *event)
{
    // Every release goes to the session, also the one that ends a double-click: the session
    // knows that one is no click.
    const int slot = std::exchange(m_pressSlot, -1);
    if (slot >= 0) {
        m_session.IconRelease(slot);
        return;
    }
    const QPoint p = event->position().toPoint();
    m_session.SurfaceRelease(PixelToLattice(p.x()), PixelToLattice(p.y()),
                             event->button() == Qt::LeftButton);
}

void GridSurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressSlot = slotAtPixel(event->position().toPoint());
    if (m_pressSlot >= 0)
        m_session.IconDoubleClick(m_pressSlot);
    else
        m_session.SurfaceDoubleClick();
}

void GridSurface::mouseMoveEvent(QMouseEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    m_session.SurfaceMove(event->position().toPoint(), event->buttons() & Qt::LeftButton,
                          mods & Qt::ShiftModifier, mods & Qt::ControlModifier);
}

bool GridSurface::keyboardModeKey(QKeyEvent *event)
{
    if (m_session.state().KeyboardMode == 0
        || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        m_session.MoveKeyCursor(-1, 0);
        return true;
    case Qt::Key_Right:
        m_session.MoveKeyCursor(1, 0);
        return true;
    case Qt::Key_Up:
        m_session.MoveKeyCursor(0, -1);
        return true;
    case Qt::Key_Down:
        m_session.MoveKeyCursor(0, 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_session.KeyCursorClick(!shift);
        return true;
    case Qt::Key_Menu:
        m_session.KeyCursorClick(false);
        return true;
    case Qt::Key_Space:
        m_session.KeyCursorDoubleClick();
        return true;
    default:
        return false;
    }
}

void GridSurface::keyPressEvent(QKeyEvent *event)
{
    if (keyboardModeKey(event))
        return;
    const int code = windowsKeyCode(event->key());
    if (code == 0 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_session.GridKey(code);
}

} // namespace zuvo
