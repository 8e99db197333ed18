#include "editor/traypanel.h"

#include "art/artwork.h"
#include "editor/editorsession.h"
#include "editor/picturebutton.h"
#include "model/iconcatalogue.h"

#include <QEvent>
#include <QPainter>

namespace zuvo {

namespace {
constexpr QPoint TrayOnPanel(186, 20);
} // namespace

TrayPanel::TrayPanel(EditorSession &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("アイコン枠"));
    resize(PanelSize);
    LoadIconCatalogue();
    for (int code = 0; code < TrayIconCount; ++code) {
        auto *picture
            = new PictureButton(QStringLiteral("bmp"), QSize(PictureSize, PictureSize), this);
        picture->setProperty("index", code + 32);
        picture->setIconCode(code);
        picture->move(picturePlaceOnPanel(code) - TrayOnPanel);
        picture->setMouseTracking(true);
        picture->installEventFilter(this);
        connect(picture, &PictureButton::pressed, this, [this, code](bool left) {
            emit pressed();
            m_session.TrayPress(code, left);
        });
        m_pictures[code] = picture;
    }
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
