#include "editor/traypanel.h"

#include "art/artwork.h"
#include "common/accessibility.h"
#include "common/keycursorframe.h"
#include "editor/picturebutton.h"
#include "model/iconcatalogue.h"
#include "model/spokennames.h"
#include "session/editorsession.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>

namespace zuvo {

namespace {

constexpr QPoint TrayOnPanel(186, 20);

QAccessibleInterface *trayAccessible(QObject *object)
{
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::List);
}

} // namespace

QString TrayPanel::toolTipFor(int code)
{
    const IconInfo &info = iconInfo(code);
    const QString description = IconHelpText(code);
    const qsizetype lineEnd = description.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return QString::fromUtf16(info.japaneseName) + QStringLiteral(u"（")
        + QString::fromUtf16(info.name) + QStringLiteral(u"）\n")
        + (lineEnd < 0 ? description : description.left(lineEnd));
}

TrayPanel::TrayPanel(EditorSession &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("アイコン枠"));
    resize(PanelSize);
    // A list of the icons to screen readers, each picture an item of it.
    static const bool registered = (RegisterAccessible(staticMetaObject, trayAccessible), true);
    Q_UNUSED(registered);
    setAccessibleName(QStringLiteral(u"アイコントレイ"));
    LoadIconCatalogue();
    for (int code = 0; code < TrayIconCount; ++code) {
        auto *picture
            = new PictureButton(QStringLiteral("bmp"), QSize(PictureSize, PictureSize), this);
        picture->setProperty("index", code + 32);
        picture->setIconCode(code);
        picture->move(picturePlaceOnPanel(code) - TrayOnPanel);
        picture->setMouseTracking(true);
        picture->setToolTip(toolTipFor(code));
        picture->installEventFilter(this);
        // Screen readers hear the Japanese name and what the icon does.
        picture->setActingRole(QAccessible::ListItem);
        picture->setAccessibleName(SpokenIconName(code));
        picture->setAccessibleDescription(IconHelpText(code).simplified());
        connect(picture, &PictureButton::pressed, this, [this, code](bool left) {
            emit pressed();
            m_session.TrayPress(code, left);
        });
        m_pictures[code] = picture;
    }
    m_keyCursor = new KeyCursorFrame(this);
}

QPoint TrayPanel::picturePlaceOnPanel(int code)
{
    const IconInfo &info = iconInfo(code);
    const int top = info.trayRow == 1 ? 30 : 63;
    return QPoint(196 + 32 * (info.trayColumn - 1), top);
}

void TrayPanel::render()
{
    const auto &visible = m_session.view().trayVisible;
    for (int code = 0; code < TrayIconCount; ++code) {
        if (m_pictures[code]->isVisibleTo(this) != visible[code])
            m_pictures[code]->setVisible(visible[code]);
    }
    const int pick = m_session.state().TrayPick;
    for (int code = 0; code < TrayIconCount; ++code)
        m_pictures[code]->setPicked(code == pick);
    const int cursor = m_session.view().trayCursorCode;
    const bool cursorOn = cursor >= 0 && cursor < TrayIconCount;
    const QRect framed = cursorOn ? m_pictures[cursor]->geometry() : QRect();
    // A screen reader follows the tray cursor as it would the focus.
    if (cursorOn && framed != m_keyCursor->framedBox() && QAccessible::isActive()) {
        QAccessibleEvent event(m_pictures[cursor], QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
    m_keyCursor->frame(framed);
}

void TrayPanel::keyPressEvent(QKeyEvent *event)
{
    if (m_session.state().KeyboardMode == 0
        || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        m_session.MoveTrayCursor(-1, 0);
        break;
    case Qt::Key_Right:
        m_session.MoveTrayCursor(1, 0);
        break;
    case Qt::Key_Up:
        m_session.MoveTrayCursor(0, -1);
        break;
    case Qt::Key_Down:
        m_session.MoveTrayCursor(0, 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit pressed();
        m_session.TrayCursorPress(!shift);
        emit keyboardDone();
        break;
    case Qt::Key_Menu:
        emit pressed();
        m_session.TrayCursorPress(false);
        emit keyboardDone();
        break;
    case Qt::Key_Escape:
        emit keyboardDone();
        break;
    default:
        QWidget::keyPressEvent(event);
        break;
    }
}

void TrayPanel::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_session.ShowTrayCursor(true);
}

void TrayPanel::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (m_session.view().trayCursorCode >= 0)
        m_session.ShowTrayCursor(false);
}

void TrayPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(
        0, 0, renderArtwork(QStringLiteral(":/panels/tray.svg"), size(), devicePixelRatioF()));
}

bool TrayPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        const QVariant index = watched->property("index");
        if (index.isValid())
            m_session.ShowPictureUnderMouse(index.toInt());
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zuvo
