#include "art/svgartwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace zuvo {

QImage DrawSvgArtwork(const QString &path, QSize pixels)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || pixels.isEmpty())
        return QImage();
    // Rendered through a QImage so that it works before any window exists and on every
    // platform plugin; the whole viewBox is stretched onto the asked size.
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    return image;
}

} // namespace zuvo
