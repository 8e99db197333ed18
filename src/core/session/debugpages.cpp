#include "session/debugpages.h"

#include <algorithm>

namespace zuvo {

namespace {

using namespace Qt::StringLiterals;

QString footer(const WorkingProgram &program, int currentCell)
{
    return u"e_click= "_s + QString::number(currentCell) + u" DrowPoint= "_s
        + QString::number(program.SlotCount);
}

} // namespace

QStringList DebugCellsPage(const WorkingProgram &program, int currentCell)
{
    QStringList lines {u"Pic(x,y)"_s};
    for (int y = 0; y <= 12; ++y) {
        QString line;
        for (int x = 0; x <= 15; ++x)
            line += u' ' + QString::number(program.CellContent(x, y)) + u' ';
        lines << line;
    }
    lines << u"C(x,y)"_s;
    for (int y = 0; y <= 12; ++y) {
        QString line;
        int sum = 0;
        for (int x = 0; x <= 20; ++x) {
            line += QString::number(program.CellMark(x, y)) + u' ';
            sum += program.CellMark(x, y);
        }
        lines << line + u" = "_s + QString::number(sum);
    }
    QString slotCells = u"Z("_s + QString::number(program.SlotCount) + u") "_s;
    for (int s = 0; s <= 15; ++s)
        slotCells += QString::number(program.SlotCell[s]) + u' ';
    lines << slotCells;
    lines << u"e_click= "_s + QString::number(currentCell);
    return lines;
}

QStringList DebugMarksPage(const WorkingProgram &program, int currentCell)
{
    QStringList lines {u"C(x,y)"_s};
    for (int y = 0; y <= 29; ++y) {
        QString line;
        for (int x = 0; x <= 49; ++x)
            line += QString::number(program.CellMark(x, y)) + u' ';
        lines << line;
    }
    lines << footer(program, currentCell);
    return lines;
}

QStringList DebugSlotsPage(const WorkingProgram &program, int currentCell)
{
    QStringList lines {u"Z(x) Palam(x) "_s + footer(program, currentCell)};
    // One past the last slot in use, but never past the last slot that exists.
    const int last = std::min(program.SlotCount, IconSlotLimit - 1);
    for (int s = 0; s <= last; ++s)
        lines << QString::number(program.SlotCell[s]) + u'-' + program.SlotParams[s];
    return lines;
}

QStringList DebugFlowPage(const FlowTable &flow, const WorkingProgram &program, int currentCell)
{
    QStringList lines {u"Z(x) Palam(x)"_s};
    for (int row = 0; row <= 10; ++row) {
        QString line;
        for (int column = 0; column < FlowColumns; ++column)
            line += u' ' + QString::number(flow.at(row, column));
        lines << line;
    }
    lines << footer(program, currentCell);
    return lines;
}

QStringList DebugPage(int state, const FlowTable &flow, const WorkingProgram &program,
                      int currentCell)
{
    switch (state) {
    case 0:
        return DebugCellsPage(program, currentCell);
    case 1:
        return DebugMarksPage(program, currentCell);
    case 2:
        return DebugSlotsPage(program, currentCell);
    case 3:
        return DebugFlowPage(flow, program, currentCell);
    default:
        return {};
    }
}

} // namespace zuvo
