#include "artwork.h"

#include <QCache>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace zuvo {

namespace {

// Enough for every picture of every window at 200 % at once (the banners are the largest).
constexpr int CacheLimitKiB = 48 * 1024;

QCache<QString, QPixmap> &cache()
{
    static QCache<QString, QPixmap> pixmaps(CacheLimitKiB);
    return pixmaps;
}

QSize deviceSize(QSize logicalSize, qreal devicePixelRatio)
{
    return QSize(qMax(1, qRound(logicalSize.width() * devicePixelRatio)),
                 qMax(1, qRound(logicalSize.height() * devicePixelRatio)));
}

} // namespace

QPixmap blankPicture(QSize logicalSize, qreal devicePixelRatio)
{
    if (logicalSize.isEmpty() || devicePixelRatio <= 0)
        return QPixmap();
    QPixmap pixmap(deviceSize(logicalSize, devicePixelRatio));
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QPixmap renderArtwork(const QString &path, QSize logicalSize, qreal devicePixelRatio)
{
    if (logicalSize.isEmpty() || devicePixelRatio <= 0)
        return QPixmap();

    const QString key = QStringLiteral("%1|%2x%3|%4")
                            .arg(path)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(devicePixelRatio);
    if (const QPixmap *cached = cache().object(key))
        return *cached;

    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return blankPicture(logicalSize, devicePixelRatio);

    // Rendered through a QImage so that it works before any window exists and on every
    // platform plugin; the whole viewBox is stretched onto the asked size.
    const QSize pixels = deviceSize(logicalSize, devicePixelRatio);
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
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);

    const qsizetype costKiB = qMax<qsizetype>(1, qsizetype(pixels.width()) * pixels.height() / 256);
    cache().insert(key, new QPixmap(pixmap), costKiB);
    return pixmap;
}

void clearArtworkCache()
{
    cache().clear();
}

} // namespace zuvo
