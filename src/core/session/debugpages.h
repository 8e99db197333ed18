#pragma once
// The four pages of the debug list: raw dumps of the lattice, the marks, the icon slots and the
// first rows of the FlowTable, each closed by the current cell and the slot count.

#include "check/flowtable.h"
#include "model/workingprogram.h"

#include <QStringList>

namespace zuvo {

constexpr int DebugPageCount = 4;

// Page 0: CellContent of columns 0..15 and CellMark of columns 0..20 with row sums, rows 0..12,
// and the cells of slots 0..15.
QStringList DebugCellsPage(const WorkingProgram &program, int currentCell);
// Page 1: CellMark of columns 0..49, rows 0..29.
QStringList DebugMarksPage(const WorkingProgram &program, int currentCell);
// Page 2: cell and ParameterString of every slot up to one past the last in use.
QStringList DebugSlotsPage(const WorkingProgram &program, int currentCell);
// Page 3: the first 11 rows of the FlowTable.
QStringList DebugFlowPage(const FlowTable &flow, const WorkingProgram &program, int currentCell);

// The page for DebugViewState 0..3.
QStringList DebugPage(int state, const FlowTable &flow, const WorkingProgram &program,
                      int currentCell);

} // namespace zuvo
