#pragma once
// The one rendering of an SVG picture into pixels (Qt Svg). It lives in the module zuvo_svgart,
// which renderArtwork loads when a picture was not drawn ahead, so that the programs link no
// Svg library; the build's drawing tool links it directly.

#include <QImage>
#include <QSize>
#include <QString>

namespace zuvo {

// See drawArtwork (artwork.h).
QImage DrawSvgArtwork(const QString &path, QSize pixels);

// The module's entry point: `image` becomes DrawSvgArtwork(path, pixels).
using DrawArtworkFunction = void (*)(const QString &path, QSize pixels, QImage &image);
inline constexpr char DrawArtworkSymbol[] = "zuvoDrawArtwork";

} // namespace zuvo
