#pragma once
// Turns the program's SVG pictures into pixmaps for the widgets, sharp on every screen scale.

#include <QPixmap>
#include <QSize>
#include <QString>

namespace zuvo {

// Renders the picture at `path` (a resource path such as ":/panels/tray.svg") stretched to
// `logicalSize`, with logicalSize * devicePixelRatio real pixels, and marks the pixmap with that
// ratio so that a widget paints it at its logical size and a 200 % screen gets every pixel.
// Results are cached by path, size and ratio, so calling this from paintEvent is cheap.
// A path that does not hold a valid picture gives a transparent pixmap of the asked size;
// an empty size gives a null pixmap. Call from the GUI thread only.
QPixmap renderArtwork(const QString &path, QSize logicalSize, qreal devicePixelRatio);

// A transparent pixmap of `logicalSize` at `devicePixelRatio`: the placeholder for a picture
// that is not there.
QPixmap blankPicture(QSize logicalSize, qreal devicePixelRatio);

// Empties the render cache (for instance after the screen's scale changed for good).
void clearArtworkCache();

} // namespace zuvo
