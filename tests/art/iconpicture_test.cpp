#include "art/iconpicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <algorithm>

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

void ensureApp()
{
    static int argc = 1;
    static char name[] = "art_tests";
    static char *argv[] = {name, nullptr};
    static QGuiApplication instance(argc, argv);
}

const QList<int> &pictureCodes()
{
    static const QList<int> codes = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                     14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 29, 30};
    return codes;
}

int channelDistance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b))
        + qAbs(qAlpha(a) - qAlpha(b));
}

// Share of pixels that differ clearly between two renderings of the same size.
double differingShare(const QImage &a, const QImage &b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += channelDistance(a.pixel(x, y), b.pixel(x, y)) > 120;
    return double(differing) / (a.width() * a.height());
}

// Pixels of `area` that stand out from the area's typical colour: pictogram strokes, not the
// gentle shading of the icon's face.
int inkPixels(const QImage &image, const QRect &area)
{
    QList<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.append(image.pixel(x, y));
    QList<QRgb> byLuminance = colours;
    std::sort(byLuminance.begin(), byLuminance.end(),
              [](QRgb a, QRgb b) { return qGray(a) < qGray(b); });
    const QRgb typical = byLuminance.at(byLuminance.size() / 2);
    return int(std::count_if(colours.begin(), colours.end(),
                             [typical](QRgb c) { return channelDistance(c, typical) > 90; }));
}

} // namespace

TEST(IconPicture, GridAndTrayPicturesHaveTheirSizesAtEveryScale)
{
    ensureApp();
    for (int code : pictureCodes()) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(hasIconPicture(code));
        EXPECT_EQ(iconPicturePath(code),
                  QStringLiteral(":/icons/icon_%1.svg").arg(code, 2, 10, QLatin1Char('0')));
        const QPixmap grid = iconPicture(code, GridPictureSize, 1.0);
        EXPECT_EQ(grid.size(), QSize(48, 48));
        const QPixmap tray = iconPicture(code, TrayPictureSize, 1.0);
        EXPECT_EQ(tray.size(), QSize(33, 33));
        const QPixmap sharp = iconPicture(code, GridPictureSize, 2.0);
        EXPECT_EQ(sharp.size(), QSize(96, 96));
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
        // The face of the icon is solid in the middle.
        EXPECT_EQ(qAlpha(grid.toImage().pixel(24, 24)), 255);
    }
}

TEST(IconPicture, ReservedAndUnknownCodesGiveAnEmptyPicture)
{
    ensureApp();
    for (int code : {26, 27, 28, -1, 31, 999}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(hasIconPicture(code));
        EXPECT_TRUE(iconPicturePath(code).isEmpty());
        const QPixmap blank = iconPicture(code, GridPictureSize, 2.0);
        ASSERT_EQ(blank.size(), QSize(96, 96));
        EXPECT_EQ(blank.devicePixelRatio(), 2.0);
        const QImage image = blank.toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(qAlpha(image.pixel(x, y)), 0) << x << "," << y;
    }
}

TEST(IconPicture, EveryIconIsClearlyDifferentEvenInTheTray)
{
    ensureApp();
    for (int size : {GridPictureSize, TrayPictureSize}) {
        QList<QImage> images;
        for (int code : pictureCodes())
            images.append(
                iconPicture(code, size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32));
        for (int i = 0; i < images.size(); ++i)
            for (int j = i + 1; j < images.size(); ++j) {
                // Several percent of the picture must change, not a stray pixel: the child
                // tells the icons apart at a glance.
                EXPECT_GT(differingShare(images[i], images[j]), 0.04)
                    << "icons " << pictureCodes()[i] << " and " << pictureCodes()[j] << " at "
                    << size;
            }
    }
}

TEST(IconPicture, ValueLabelCornersStayQuiet)
{
    ensureApp();
    const QRect topRight(27, 9, 18, 12);
    const QRect bottomRight(27, 28, 18, 12);
    const QRect bottomLeft(4, 28, 18, 12);
    struct Labels
    {
        int code;
        QList<QRect> areas;
    };
    QList<Labels> shown;
    for (int code : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 17, 19, 23, 24})
        shown.append({code, {bottomRight}});
    shown.append({12, {bottomLeft, bottomRight}});
    shown.append({18, {bottomLeft, bottomRight}});
    shown.append({22, {bottomLeft, bottomRight, topRight}});

    for (const Labels &labels : shown) {
        const QImage image = iconPicture(labels.code, GridPictureSize, 1.0)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        for (const QRect &area : labels.areas) {
            // A label covers this corner: a pictogram drawn there would be cut off.
            EXPECT_LE(inkPixels(image, area), area.width() * area.height() / 20)
                << "icon " << labels.code << " corner " << area.x() << "," << area.y();
        }
    }
}
