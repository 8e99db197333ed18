#pragma once
// How the grid draws a program: the outlines of the icon cells, the grey line bars, the value
// labels on an icon picture and the icon artwork. The drawing surface and the pictures of a
// program (files, printing) paint through these, so both show the same thing.

#include "model/valuelabels.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <array>

class QPainter;

namespace zuvo {

inline const QColor LineBarColour(128, 128, 128);

// Value label places inside a 48 x 48 icon picture: D1 top right, D2 bottom right, D3 bottom
// left.
inline constexpr std::array<QRect, 3> ValueLabelRects {QRect(27, 9, 18, 12), QRect(27, 28, 18, 12),
                                                       QRect(4, 28, 18, 12)};

// The outline of icon cell (column, row): (59 c, 59 r) to (59 c + 49, 59 r + 49) inclusive.
void paintIconCellOutline(QPainter &painter, int column, int row, const QColor &colour);

// The grey bar of a connector (x, y) that holds a line.
void paintLineBar(QPainter &painter, int x, int y);

// The shown labels of an icon picture whose top left corner is `topLeft`, in `font` at the
// labels' size.
void paintValueLabels(QPainter &painter, QPoint topLeft, const ValueLabels &labels, QFont font);

// The artwork of `iconCode` drawn from its SVG source into `target`, so that vector devices
// keep it vector. A code without a picture draws nothing.
void paintIconArtwork(QPainter &painter, const QRectF &target, int iconCode);

} // namespace zuvo
