#include "model/lattice.h"

namespace zuvo {

CellKind cellKind(int x, int y)
{
    const bool oddX = (x & 1) != 0;
    const bool oddY = (y & 1) != 0;
    if (!oddX && !oddY)
        return CellKind::Icon;
    if (oddX && !oddY)
        return CellKind::HorizontalConnector;
    if (!oddX && oddY)
        return CellKind::VerticalConnector;
    return CellKind::Corner;
}

int PixelToLattice(int pixel)
{
    if (pixel < 0)
        return -1;
    return (pixel / CellPitch) * 2 + (pixel % CellPitch) / 49;
}

QRect cellBox(int x, int y)
{
    const int p = (x / 2) * CellPitch;
    const int r = (y / 2) * CellPitch;
    switch (cellKind(x, y)) {
    case CellKind::Icon:
        return QRect(QPoint(p + 1, r + 1), QPoint(p + 48, r + 48));
    case CellKind::HorizontalConnector:
        return QRect(QPoint(p + 50, r + 1), QPoint(p + 58, r + 48));
    case CellKind::VerticalConnector:
        return QRect(QPoint(p + 1, r + 50), QPoint(p + 48, r + 58));
    case CellKind::Corner:
        break;
    }
    return QRect(QPoint(p + 50, r + 50), QPoint(p + 58, r + 58));
}

QRect lineBar(int x, int y)
{
    const int p = (x / 2) * CellPitch;
    const int r = (y / 2) * CellPitch;
    switch (cellKind(x, y)) {
    case CellKind::HorizontalConnector:
        return QRect(QPoint(p + 50, r + 22), QPoint(p + 58, r + 27));
    case CellKind::VerticalConnector:
        return QRect(QPoint(p + 22, r + 50), QPoint(p + 27, r + 58));
    default:
        return {};
    }
}

QPoint iconPicturePosition(int x, int y)
{
    return QPoint((x / 2) * CellPitch + 1, (y / 2) * CellPitch + 1);
}

} // namespace zuvo
