#pragma once
// Test programs drawn as text: one character per lattice position, row by row. On icon cells
// (even x and y) a letter names an icon; on connector cells '-' and '|' draw a line; '.' and
// ' ' leave the position empty.
//
//   B BEGIN   E END      F Forward   K Backward  W Wait      O Nop
//   L Light Branch  T Touch Branch  V Variable Branch  M merge  Y Yes  N No
//   P Loop    Q Loop End  R Repeat    S Repeat End

#include "model/workingprogram.h"

#include <QStringList>

namespace zuvo::test {

struct ProgramPicture
{
    QStringList rows;
    int x0 = 0; // lattice position of the picture's first character; both even
    int y0 = 0;
    // BEGIN takes slot 0 as in every program the editor makes; the other icons follow in
    // reading order. false: every icon in reading order.
    bool beginFirst = true;
};

// Throws std::invalid_argument for a picture that does not fit the lattice's kinds of cell.
WorkingProgram BuildProgram(const ProgramPicture &picture);
WorkingProgram BuildProgram(const QStringList &rows);

// The IconCode a picture letter stands for, -1 for none.
int IconForLetter(QChar letter);

} // namespace zuvo::test
