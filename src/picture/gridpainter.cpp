#include "picture/gridpainter.h"

#include "art/iconpicture.h"
#include "model/lattice.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

namespace zuvo {

void paintIconCellOutline(QPainter &painter, int column, int row, const QColor &colour)
{
    const int left = CellPitch * column;
    const int top = CellPitch * row;
    painter.fillRect(QRect(left, top, 50, 1), colour);
    painter.fillRect(QRect(left, top + 49, 50, 1), colour);
    painter.fillRect(QRect(left, top, 1, 50), colour);
    painter.fillRect(QRect(left + 49, top, 1, 50), colour);
}

void paintLineBar(QPainter &painter, int x, int y)
{
    painter.fillRect(lineBar(x, y), LineBarColour);
}

void paintValueLabels(QPainter &painter, QPoint topLeft, const ValueLabels &labels, QFont font)
{
    font.setPixelSize(10);
    painter.setFont(font);
    for (size_t i = 0; i < labels.size(); ++i) {
        const ValueLabel &label = labels[i];
        if (!label.visible)
            continue;
        const QRect box = ValueLabelRects[i].translated(topLeft);
        painter.fillRect(box, QColor::fromRgb(label.background));
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, label.text);
    }
}

void paintIconArtwork(QPainter &painter, const QRectF &target, int iconCode)
{
    if (!hasIconPicture(iconCode))
        return;
    // One renderer per drawing, parsed once; GUI thread only, like all painting. Kept to the
    // end of the process: they must not be destroyed after the application at exit.
    static auto *renderers = new QHash<int, std::shared_ptr<QSvgRenderer>>;
    std::shared_ptr<QSvgRenderer> &renderer = (*renderers)[iconCode];
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(iconPicturePath(iconCode));
    if (renderer->isValid())
        renderer->render(&painter, target);
}

} // namespace zuvo
