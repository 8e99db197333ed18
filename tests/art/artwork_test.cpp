#include "art/artwork.h"
#include "art/svgartwork.h"
#include "artworkcatalogue.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

QGuiApplication &app()
{
    static int argc = 1;
    static char name[] = "art_tests";
    static char *argv[] = {name, nullptr};
    static QGuiApplication instance(argc, argv);
    return instance;
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255;
    return count;
}

} // namespace

TEST(ArtworkCatalogue, EveryPictureIsLinkedInAndDeclaresItsLayoutSize)
{
    app();
    ASSERT_FALSE(artworkCatalogue().isEmpty());
    for (const ArtworkEntry &entry : artworkCatalogue()) {
        SCOPED_TRACE(entry.path.toStdString());
        QSvgRenderer renderer(entry.path);
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.defaultSize(), entry.size);
        // The drawing must cover the picture: a viewBox of another shape would be distorted.
        const QRectF box = renderer.viewBoxF();
        EXPECT_NEAR(box.width() / box.height(), qreal(entry.size.width()) / entry.size.height(),
                    0.01);
    }
}

TEST(ArtworkCatalogue, ResourceTreeHoldsExactlyTheCataloguedPictures)
{
    app();
    QSet<QString> catalogued;
    for (const ArtworkEntry &entry : artworkCatalogue()) {
        EXPECT_FALSE(catalogued.contains(entry.path)) << entry.path.toStdString();
        catalogued.insert(entry.path);
    }
    QSet<QString> linked;
    for (const char *folder : {"icons", "buttons", "panels", "start", "help", "samples", "app"}) {
        QDirIterator it(QStringLiteral(":/%1").arg(QLatin1String(folder)), {"*.svg"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            linked.insert(it.next());
    }
    EXPECT_EQ(linked, catalogued);
    // 28 icons, 9 buttons, 2 panels, 9 start screen, 5 help, 15 samples, 1 program icon.
    EXPECT_EQ(catalogued.size(), 69);
}

TEST(RenderArtwork, HasTheAskedSizeAndScale)
{
    app();
    const QString tray = QStringLiteral(":/panels/tray.svg");

    const QPixmap normal = renderArtwork(tray, QSize(437, 84), 1.0);
    EXPECT_EQ(normal.size(), QSize(437, 84));
    EXPECT_EQ(normal.devicePixelRatio(), 1.0);
    EXPECT_GT(opaquePixels(normal.toImage()), 437 * 84 / 2);

    const QPixmap doubled = renderArtwork(tray, QSize(437, 84), 2.0);
    EXPECT_EQ(doubled.size(), QSize(874, 168));
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
    EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(437, 84));

    const QPixmap fractional = renderArtwork(tray, QSize(437, 84), 1.5);
    EXPECT_EQ(fractional.size(), QSize(656, 126));

    // Frames are stretched to whatever their place is.
    const QPixmap stretched
        = renderArtwork(QStringLiteral(":/panels/property.svg"), QSize(177, 84), 1.0);
    EXPECT_EQ(stretched.size(), QSize(177, 84));
    const QImage image = stretched.toImage();
    EXPECT_EQ(qAlpha(image.pixel(88, 42)), 255); // white inside, not left transparent
}

TEST(RenderArtwork, RefusesQuietlyWhatItCannotDraw)
{
    app();
    const QPixmap missing
        = renderArtwork(QStringLiteral(":/icons/no_such_picture.svg"), QSize(48, 48), 2.0);
    EXPECT_EQ(missing.size(), QSize(96, 96));
    EXPECT_EQ(missing.devicePixelRatio(), 2.0);
    EXPECT_EQ(opaquePixels(missing.toImage()), 0);
    EXPECT_EQ(missing.toImage().pixel(10, 10), 0u);

    EXPECT_TRUE(renderArtwork(QStringLiteral(":/panels/tray.svg"), QSize(0, 84), 1.0).isNull());
    EXPECT_TRUE(renderArtwork(QStringLiteral(":/panels/tray.svg"), QSize(437, 84), 0.0).isNull());
}

TEST(RenderArtwork, CachesEachSizeAndScaleSeparately)
{
    app();
    clearArtworkCache();
    const QString path = QStringLiteral(":/buttons/copy.svg");
    const QPixmap first = renderArtwork(path, QSize(52, 38), 1.0);
    EXPECT_EQ(renderArtwork(path, QSize(52, 38), 1.0).cacheKey(), first.cacheKey());
    EXPECT_NE(renderArtwork(path, QSize(52, 38), 2.0).cacheKey(), first.cacheKey());
    EXPECT_NE(renderArtwork(path, QSize(104, 76), 1.0).cacheKey(), first.cacheKey());
    EXPECT_EQ(renderArtwork(path, QSize(52, 38), 2.0).size(), QSize(104, 76));
    clearArtworkCache();
    EXPECT_NE(renderArtwork(path, QSize(52, 38), 1.0).cacheKey(), first.cacheKey());
}

TEST(DrawnArtwork, EveryDrawingIsItsSvgPixelForPixelAndIsShown)
{
    // The drawings made at build time hold the very pixels the SVG renders, at the size and
    // ratio their names give; renderArtwork shows them (the SVG renderer is not called for them).
    app();
    const QRegularExpression name(QStringLiteral("^:/drawn/(.+)_(\\d+)x(\\d+)@([\\d.]+)\\.argb$"));
    int drawings = 0;
    QDirIterator it(QStringLiteral(":/drawn"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = name.match(it.next());
        if (!match.hasMatch())
            continue;
        SCOPED_TRACE(it.filePath().toStdString());
        const QString svg = QStringLiteral(":/%1.svg").arg(match.captured(1));
        const QSize size(match.captured(2).toInt(), match.captured(3).toInt());
        const qreal ratio = match.captured(4).toDouble();
        const QSize pixels(qRound(size.width() * ratio), qRound(size.height() * ratio));
        const QImage drawn = loadDrawnPicture(it.filePath(), pixels);
        ASSERT_EQ(drawn, DrawSvgArtwork(svg, pixels));
        EXPECT_EQ(renderArtwork(svg, size, ratio).toImage(), drawn);
        ++drawings;
    }
    // 9 start screen pictures, 28 icons at two sizes, 9 buttons, 2 panels, at 4 ratios.
    EXPECT_EQ(drawings, (9 + 56 + 9 + 2) * 4);

    // The program's icon offers the sizes a window takes from a scalable icon, each as the SVG
    // icon engine draws it, at every scale.
    const QIcon icon = programIcon();
    const QIcon svgIcon(QStringLiteral(":/app/zuvomatic.svg"));
    ASSERT_EQ(icon.availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {64, 64}, {128, 128}}));
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 1.75}) {
        for (const QSize &size : icon.availableSizes()) {
            EXPECT_EQ(icon.pixmap(size, ratio).toImage(), svgIcon.pixmap(size, ratio).toImage())
                << size.width() << " at " << ratio;
        }
    }
}
