#include "help/windowplacement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace zuvo {

QPoint CentredTopLeft(const QSize &screen, const QSize &window)
{
    return QPoint(screen.width() / 2 - window.width() / 2,
                  screen.height() / 2 - window.height() / 2);
}

void CentreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
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
