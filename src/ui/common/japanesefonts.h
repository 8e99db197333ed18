#pragma once
// The fonts of the help and sample windows: a fixed-pitch Japanese font, so that the indents
// and the line widths of the texts hold, and a proportional one for the sample lists.

#include <QFont>

namespace zuvo {

QFont JapaneseFixedFont(qreal pointSize);
QFont JapaneseProportionalFont(qreal pointSize);

} // namespace zuvo
