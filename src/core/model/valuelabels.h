#pragma once
// The three value labels of an icon picture, D1 top right, D2 bottom right, D3 bottom left:
// which of them an icon shows, with which value on which background. The grid and the pictures
// of a program both read them from here.

#include "model/colours.h"

#include <QString>
#include <array>

namespace zuvo {

struct ValueLabel
{
    QString text;
    quint32 background = ColourWhite; // 0xRRGGBB
    bool visible = false;
};

using ValueLabels = std::array<ValueLabel, 3>; // D1, D2, D3

// The labels of an icon slot whose ParameterString is `params` (not a free slot "***").
ValueLabels SlotValueLabels(const QString &params);

} // namespace zuvo
