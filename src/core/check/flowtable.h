#pragma once
// The FlowTable: per icon slot, its cell, kind, code address, predecessors, successors, opcode
// and operand bytes. Built by the branch check, completed by the code generator.

#include "model/lattice.h"
#include "model/workingprogram.h"

#include <array>

namespace zuvo {

enum FlowColumn : int {
    FlowCell = 0,
    FlowKind = 1,
    FlowAddress = 2,
    FlowPredecessor = 3,
    FlowSecondPredecessor = 4,
    FlowSuccessor = 5,
    FlowSecondSuccessor = 6,
    FlowOpcode = 7,
    FlowOperand1 = 8,
    FlowOperand2 = 9,
    FlowOperand3 = 10,
};
constexpr int FlowColumns = 11;

class FlowTable
{
public:
    FlowTable();
    // Bounds-checked: a slot outside 0..99 or a column outside 0..10 throws LatticeIndexError,
    // which the stages report as their run-time failure.
    qint16 &at(int slot, int column);
    qint16 at(int slot, int column) const;

private:
    std::array<std::array<qint16, FlowColumns>, IconSlotLimit> m_rows;
};

} // namespace zuvo
