#include "sim/slotaddressmap.h"

#include "model/iconcatalogue.h"

namespace zuvo::sim {

QList<int> SlotOfAddress(const FlowTable &flow, int slotCount, const QByteArray &code)
{
    QList<int> bySlot(code.size(), -1);
    const int rows = qBound(0, slotCount, int(IconSlotLimit));
    for (int slot = 0; slot < rows; ++slot) {
        const int opcode = flow.at(slot, FlowOpcode);
        if (opcode < 0)
            continue;
        int length = 1;
        for (int column : {FlowOperand1, FlowOperand2, FlowOperand3}) {
            if (flow.at(slot, column) >= 0)
                ++length;
        }
        int start = flow.at(slot, FlowAddress);
        if (flow.at(slot, FlowKind) == IconVariableBranch)
            start -= length;
        if (start < 0 || start >= code.size() || quint8(code.at(start)) != quint8(opcode))
            continue;
        bySlot[start] = slot;
    }
    return bySlot;
}

} // namespace zuvo::sim
