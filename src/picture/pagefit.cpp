#include "picture/pagefit.h"

#include <QPainter>
#include <algorithm>

namespace zuvo {

QPageLayout::Orientation SuitedOrientation(QSize pictureSize)
{
    return pictureSize.width() > pictureSize.height() ? QPageLayout::Landscape
                                                      : QPageLayout::Portrait;
}

QRectF FittedPictureRect(QSize pictureSize, const QRectF &page, qreal maxScale)
{
    if (pictureSize.isEmpty() || page.isEmpty())
        return QRectF();
    const qreal scale = std::min(
        {page.width() / pictureSize.width(), page.height() / pictureSize.height(), maxScale});
    const QSizeF size = QSizeF(pictureSize) * scale;
    return QRectF(QPointF(page.left() + (page.width() - size.width()) / 2, page.top()), size);
}

QRectF PaintPictureFitted(QPainter &painter, const ProgramPicture &picture, const QRectF &page,
                          qreal maxScale)
{
    const QRectF target = FittedPictureRect(picture.size(), page, maxScale);
    if (target.isEmpty())
        return target;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / picture.size().width(),
                  target.height() / picture.size().height());
    picture.paint(painter);
    painter.restore();
    return target;
}

} // namespace zuvo
