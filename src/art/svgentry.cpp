// The entry point of the loadable SVG drawing module.

#include "art/svgartwork.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT void zuvoDrawArtwork(const QString &path, QSize pixels, QImage &image)
{
    image = zuvo::DrawSvgArtwork(path, pixels);
}

// Checked at compile time: the entry point has the type the loader expects.
static_assert(std::is_same_v<decltype(&zuvoDrawArtwork), zuvo::DrawArtworkFunction>);
