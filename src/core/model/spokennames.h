#pragma once
// How a screen reader says an icon and a cell of the lattice, in Japanese: the icon's Japanese
// name ("前進"), its values in words ("速さ中", "0.5秒", "Ａ＝Ａ＋1"), and a cell's place and
// content ("3列2行 前進 速さ中", "3列2行の右 線あり", "1列1行 空き").

#include "model/workingprogram.h"

#include <QString>

namespace zuvo {

// The Japanese name; the Yes and No pieces, which share one in the catalogue, as "イエス" and
// "ノー". Empty for a code outside the catalogue.
QString SpokenIconName(int code);

// The values of a ParameterString in words; empty for an icon without values and a free slot.
QString SpokenValues(const QString &params);

// A lattice cell: its icon column and row counted from 1 (a line cell and a corner by the icon
// cell left of or above them), then the icon with its values, the line, or "空き".
QString SpokenCell(const WorkingProgram &program, int x, int y);

} // namespace zuvo
