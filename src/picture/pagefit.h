#pragma once
// A program's picture on a printed page: the orientation that suits it and its place on the
// page, as large as fits.

#include "picture/programpicture.h"

#include <QPageLayout>
#include <QRectF>

class QPainter;

namespace zuvo {

// Landscape for a picture wider than high, portrait otherwise.
QPageLayout::Orientation SuitedOrientation(QSize pictureSize);

// Where the picture goes inside `page` (device units): scaled to fit whole, but never to more
// than `maxScale` device units per picture pixel (a small program is not blown up to a poster),
// centred across the page and standing at its top.
QRectF FittedPictureRect(QSize pictureSize, const QRectF &page, qreal maxScale);

// Paints the picture into FittedPictureRect and returns that rectangle.
QRectF PaintPictureFitted(QPainter &painter, const ProgramPicture &picture, const QRectF &page,
                          qreal maxScale);

} // namespace zuvo
