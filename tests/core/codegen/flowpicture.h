#pragma once
// Programs for the generator tests, drawn as text: one character per lattice position, row by
// row from (0, 0). On icon cells (even x and y) a letter places an icon; '-' and '|' on
// connector cells draw a line; anything else leaves the position empty. BEGIN takes slot 0,
// the other icons follow in reading order.
//
//   B BEGIN  E END  F Forward 中  K Backward 中  W Wait 0.5  X Brake 0.5  O Nop  Z Motor Off
//   L Light Branch  T Touch Branch  V Variable Branch  M merge  Y Yes  N No
//   P Loop  Q Loop End  R Repeat  S Repeat End
// Further letters can be given their own ParameterString (its first two characters name the
// icon).

#include "model/workingprogram.h"

#include <QHash>
#include <QStringList>

namespace zuvo::test {

WorkingProgram DrawProgram(const QStringList &rows, const QHash<QChar, QString> &custom = {});

// A straight program: BEGIN, the given ParameterStrings in order, END, laid out as a snake
// over the icon rows (left to right, then right to left) so that each icon touches the next.
WorkingProgram ChainProgram(const QStringList &params);

} // namespace zuvo::test
