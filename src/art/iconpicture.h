#pragma once
// The pictures of the icon catalogue: the 48 x 48 grid picture and the 33 x 33 tray picture of
// each IconCode come from one drawing.

#include <QPixmap>
#include <QString>

namespace zuvo {

constexpr int GridPictureSize = 48;
constexpr int TrayPictureSize = 33;

// True for the codes that have a picture: 00 to 25, BEGIN (29) and END (30).
bool hasIconPicture(int iconCode);

// Resource path of the drawing of `iconCode` (":/icons/icon_07.svg"); empty for a code without
// a picture.
QString iconPicturePath(int iconCode);

// The picture of `iconCode` at size x size logical pixels (GridPictureSize on the grid,
// TrayPictureSize in the tray). The reserved codes 26 to 28, and any code outside the catalogue,
// give a transparent placeholder of the same size, so a picture control never shows stale art.
QPixmap iconPicture(int iconCode, int size, qreal devicePixelRatio);

} // namespace zuvo
