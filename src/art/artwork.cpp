#include "artwork.h"

#include "art/svgartwork.h"
#include "model/loadablemodule.h"

#include <QCache>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <cstring>

namespace zuvo {

namespace {

// Enough for every picture of every window at 200 % at once (the banners are the largest).
constexpr int CacheLimitKiB = 48 * 1024;

const QString ProgramIconSvg = QStringLiteral(":/app/zuvomatic.svg");

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

QString drawnArtworkPath(const QString &path, QSize logicalSize, qreal devicePixelRatio)
{
    QString stem = path;
    if (stem.startsWith(QLatin1String(":/")))
        stem.remove(0, 2);
    if (stem.endsWith(QLatin1String(".svg")))
        stem.chop(4);
    return QStringLiteral(":/drawn/%1_%2x%3@%4.argb")
        .arg(stem)
        .arg(logicalSize.width())
        .arg(logicalSize.height())
        .arg(devicePixelRatio);
}

QString drawnProgramIconPath(int pixels)
{
    return QStringLiteral(":/drawn/app/zuvomatic_icon_%1.argb").arg(pixels);
}

QImage loadDrawnPicture(const QString &drawnPath, QSize pixels)
{
    // Only the program holds the drawings; anywhere else the SVG gives the same pixels.
    const QResource drawn(drawnPath);
    if (!drawn.isValid() || pixels.isEmpty())
        return QImage();
    const QByteArray bytes = drawn.uncompressedData();
    if (bytes.size() != qsizetype(pixels.width()) * pixels.height() * 4)
        return QImage();
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < pixels.height(); ++y)
        std::memcpy(image.scanLine(y), bytes.constData() + qsizetype(y) * pixels.width() * 4,
                    size_t(pixels.width()) * 4);
    return image;
}

QImage drawArtwork(const QString &path, QSize pixels)
{
    // Loaded once, when a picture is first rendered from its SVG; it stays loaded.
    static const ModuleEntry module = LoadModuleEntry(
        ModulePaths(QStringLiteral("zuvo_svgart"), QStringLiteral(ZUVO_SVGART_MODULE)),
        DrawArtworkSymbol);
    QImage image;
    if (module.function)
        reinterpret_cast<DrawArtworkFunction>(module.function)(path, pixels, image);
    else
        qWarning("zuvomatic: cannot load the SVG drawing module: %s", qPrintable(module.reason));
    return image;
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

    const QSize pixels = deviceSize(logicalSize, devicePixelRatio);
    QImage image = loadDrawnPicture(drawnArtworkPath(path, logicalSize, devicePixelRatio), pixels);
    if (image.isNull())
        image = drawArtwork(path, pixels);
    if (image.isNull())
        return blankPicture(logicalSize, devicePixelRatio);
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);

    const qsizetype costKiB = qMax<qsizetype>(1, qsizetype(pixels.width()) * pixels.height() / 256);
    cache().insert(key, new QPixmap(pixmap), costKiB);
    return pixmap;
}

namespace {

// The icon as the SVG icon engine gives it, size for size, but from the drawings where there
// are: nothing is rendered, and the icon engine plugin is not even loaded, at the usual scales.
class ProgramIconEngine final : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (mode == QIcon::Normal && state == QIcon::Off && size.width() == size.height()) {
            const auto loaded = m_drawn.constFind(size.width());
            if (loaded != m_drawn.cend())
                return *loaded;
            const QImage drawn = loadDrawnPicture(drawnProgramIconPath(size.width()), size);
            if (!drawn.isNull())
                return m_drawn[size.width()] = QPixmap::fromImage(drawn);
        }
        return svgIcon().pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : ProgramIconSizes)
            sizes << QSize(size, size);
        return sizes;
    }

    // A copy starts without the loaded pixmaps; they are loaded again when asked for.
    QIconEngine *clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("zuvomatic"); }

private:
    QIcon &svgIcon()
    {
        if (m_svg.isNull())
            m_svg = QIcon(ProgramIconSvg);
        return m_svg;
    }

    QIcon m_svg;
    QHash<int, QPixmap> m_drawn; // by side in pixels
};

} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

void clearArtworkCache()
{
    cache().clear();
}

} // namespace zuvo
