#include "iconpicture.h"

#include "art/artwork.h"

namespace zuvo {

bool hasIconPicture(int iconCode)
{
    return (iconCode >= 0 && iconCode <= 25) || iconCode == 29 || iconCode == 30;
}

QString iconPicturePath(int iconCode)
{
    if (!hasIconPicture(iconCode))
        return QString();
    return QStringLiteral(":/icons/icon_%1.svg").arg(iconCode, 2, 10, QLatin1Char('0'));
}

QPixmap iconPicture(int iconCode, int size, qreal devicePixelRatio)
{
    const QSize logicalSize(size, size);
    if (!hasIconPicture(iconCode))
        return blankPicture(logicalSize, devicePixelRatio);
    return renderArtwork(iconPicturePath(iconCode), logicalSize, devicePixelRatio);
}

} // namespace zuvo
