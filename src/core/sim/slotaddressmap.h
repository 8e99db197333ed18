#pragma once
// Which icon runs at which code address: the bridge from the executing address back to the
// icon on the grid.

#include "check/flowtable.h"

#include <QByteArray>
#include <QList>

namespace zuvo::sim {

// One entry per code address: the icon slot whose instruction starts there, -1 at operand bytes
// and wherever no icon's instruction starts. Built from a FlowTable as the code generator left
// it (opcode and operands in columns 7..10, the address in column 2, which for a Variable Branch
// is the address after its instruction); an icon is mapped only where `code` holds its opcode.
QList<int> SlotOfAddress(const FlowTable &flow, int slotCount, const QByteArray &code);

} // namespace zuvo::sim
