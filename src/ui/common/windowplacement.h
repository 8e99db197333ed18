#pragma once
// Placing the program's windows: centring on the screen and the twip measures of the layouts.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>

class QMainWindow;
class QWidget;

namespace zuvo {

constexpr int TwipsPerPixel = 15;

constexpr QRect RectFromTwips(int left, int top, int width, int height)
{
    return QRect(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
                 height / TwipsPerPixel);
}

// Top-left corner that centres a window: each half taken with integer division.
QPoint CentredTopLeft(const QSize &screen, const QSize &window);

// Where a window of the given outer size goes inside a screen's available area: centred, but
// never above or left of the area, so that its title and menu bar stay on screen however
// large it is.
inline QPoint PlacedInside(const QRect &available, const QSize &window)
{
    const QPoint centred(available.left() + available.width() / 2 - window.width() / 2,
                         available.top() + available.height() / 2 - window.height() / 2);
    return QPoint(std::max(centred.x(), available.left()), std::max(centred.y(), available.top()));
}

// The geometry of a resizable window (without its frame decoration) that wants `wanted`: no
// larger than the available area leaves room for, placed inside it as above.
inline QRect FittedInside(const QRect &available, const QSize &wanted, const QSize &decoration)
{
    const QSize size = wanted.boundedTo(available.size() - decoration).expandedTo(QSize(1, 1));
    return QRect(PlacedInside(available, size + decoration), size);
}

// A main window whose fixed client (as MakeWhiteClient makes it) does not fit the available
// area: the client goes into a scroll area and the window becomes no larger than the area. A
// window that fits is left as it is; one that was given a scroll area is sized again.
void FitFixedClientInside(QMainWindow *window, const QRect &available);

// Centres the window (its frame, once it has one) inside the available area of the screen it
// is on, as PlacedInside says; a main window too large for it scrolls (FitFixedClientInside).
void CentreOnScreen(QWidget *window);

// The white client area of the help and sample windows, of a fixed size, as central widget.
QWidget *MakeWhiteClient(QMainWindow *window, const QSize &size);

} // namespace zuvo
