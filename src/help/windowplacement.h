#pragma once
// Placing the program's windows: centring on the screen and the twip measures of the layouts.

#include <QPoint>
#include <QRect>
#include <QSize>

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

// Centres the window (its frame, once it has one) on the screen it is on.
void CentreOnScreen(QWidget *window);

// The white client area of the help and sample windows, of a fixed size, as central widget.
QWidget *MakeWhiteClient(QMainWindow *window, const QSize &size);

} // namespace zuvo
