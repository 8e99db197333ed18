#pragma once
// Programs used by several check tests, drawn for the program builder.

#include <QStringList>

namespace zuvo::test {

// BEGIN, a Light Branch with its Yes path (Forward) and No path (two Waits and a Nop) meeting
// at a merge, END.
inline const QStringList CorrectBranch = {
    "B-L-Y-F-M-E",
    "  |     |  ",
    "  N-W-W-O  ",
};

// n branches, each opened on the first path of the one before: the first paths run right on
// row 0, turn down and come back on row 4 through the merges; each No sits between its branch
// and its merge.
QStringList NestedBranches(int n);

// A Loop whose body holds `blocks` branches one after the other, then its Loop End.
QStringList LoopWithBranches(int blocks);

} // namespace zuvo::test
