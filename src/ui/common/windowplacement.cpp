#include "common/windowplacement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>

namespace zuvo {

QPoint CentredTopLeft(const QSize &screen, const QSize &window)
{
    return QPoint(screen.width() / 2 - window.width() / 2,
                  screen.height() / 2 - window.height() / 2);
}

void FitFixedClientInside(QMainWindow *window, const QRect &available)
{
    auto *scroll = qobject_cast<QScrollArea *>(window->centralWidget());
    QWidget *client = scroll ? scroll->widget() : window->centralWidget();
    if (!client)
        return;
    const QSize decoration = window->frameGeometry().size() - window->size();
    const QSize room = available.size() - decoration;
    const int menu = window->menuWidget() ? window->menuWidget()->sizeHint().height() : 0;
    const QSize wanted = client->size() + QSize(0, menu);
    if (!scroll) {
        if (wanted.width() <= room.width() && wanted.height() <= room.height())
            return;
        scroll = new QScrollArea;
        scroll->setObjectName(QStringLiteral("clientScroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(window->takeCentralWidget());
        window->setCentralWidget(scroll);
        window->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    }
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize size = wanted;
    if (size.height() > room.height()) {
        size.setHeight(room.height());
        size.rwidth() += bar;
    }
    if (size.width() > room.width()) {
        size.setWidth(room.width());
        size.setHeight(std::min(size.height() + bar, room.height()));
    }
    window->setFixedSize(size.expandedTo(QSize(1, 1)));
}

void CentreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (auto *main = qobject_cast<QMainWindow *>(window))
        FitFixedClientInside(main, screen->availableGeometry());
    // Before the first showing the frame is not known yet; the client size is the best guess.
    const QSize outer = window->isVisible() ? window->frameGeometry().size() : window->size();
    window->move(PlacedInside(screen->availableGeometry(), outer));
}

QWidget *MakeWhiteClient(QMainWindow *window, const QSize &size)
{
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(size);
    client->setAutoFillBackground(true);
    QPalette white = client->palette();
    white.setColor(QPalette::Window, Qt::white);
    client->setPalette(white);
    window->setCentralWidget(client);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}

} // namespace zuvo
