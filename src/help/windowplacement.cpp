#include "help/windowplacement.h"

#include <QGuiApplication>
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
    const QRect area = screen->geometry();
    window->move(area.topLeft() + CentredTopLeft(area.size(), outer));
}

} // namespace zuvo
