#pragma once
// Turns the program's SVG pictures into pixmaps for the widgets, sharp on every screen scale.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace zuvo {

// The device pixel ratios of the usual screen scales (100 %, 125 %, 150 %, 200 %). The pictures
// the program shows first are drawn from their SVG at build time at these ratios, so that
// showing them is copying their pixels; at any other ratio the SVG is rendered when first shown.
inline constexpr qreal DrawnRatios[] = {1.0, 1.25, 1.5, 2.0};

// The sizes a window's icon is given in (what the window system takes from a scalable icon);
// the program's icon is drawn at build time at each of them times each of the DrawnRatios.
inline constexpr int ProgramIconSizes[] = {16, 32, 64, 128};

// Renders the picture at `path` (a resource path such as ":/panels/tray.svg") stretched to
// `logicalSize`, with logicalSize * devicePixelRatio real pixels, and marks the pixmap with that
// ratio so that a widget paints it at its logical size and a 200 % screen gets every pixel.
// Results are cached by path, size and ratio, so calling this from paintEvent is cheap.
// A path that does not hold a valid picture gives a transparent pixmap of the asked size;
// an empty size gives a null pixmap. Call from the GUI thread only.
QPixmap renderArtwork(const QString &path, QSize logicalSize, qreal devicePixelRatio);

// The resource path (":/drawn/start/box_go_147x185@1.25.argb") of the picture drawn at build time
// from `path` at `logicalSize` and `devicePixelRatio`, whether or not the program holds it. It
// holds the raw pixels (premultiplied ARGB, row after row), compressed by the resource compiler:
// loading them is decompressing, where a PNG would be decoded at several times the cost.
QString drawnArtworkPath(const QString &path, QSize logicalSize, qreal devicePixelRatio);

// The picture at `path` rendered from its SVG onto a transparent image of `pixels` device
// pixels, stretched (premultiplied ARGB); a null image for a path that is no valid picture.
// What renderArtwork shows, and what the build draws ahead. The SVG renderer is a module
// (svgartwork.h), loaded at the first call.
QImage drawArtwork(const QString &path, QSize pixels);

// The program's icon (resources/app/zuvomatic.svg), offered in the ProgramIconSizes as its SVG
// is: each size the drawing made at build time when the program holds it, else rendered from
// the SVG. drawnProgramIconPath names the drawing of `pixels` x `pixels`.
QIcon programIcon();
QString drawnProgramIconPath(int pixels);

// Loads a drawing made at build time of `pixels` device pixels: a null image when the program
// does not hold it.
QImage loadDrawnPicture(const QString &drawnPath, QSize pixels);

// A transparent pixmap of `logicalSize` at `devicePixelRatio`: the placeholder for a picture
// that is not there.
QPixmap blankPicture(QSize logicalSize, qreal devicePixelRatio);

// Empties the render cache (for instance after the screen's scale changed for good).
void clearArtworkCache();

} // namespace zuvo
