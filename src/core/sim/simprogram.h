#pragma once
// A program made ready for the simulator: checked and compiled exactly as for sending, without
// playing the signal.

#include "model/workingprogram.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace zuvo::sim {

struct SimProgram
{
    bool ready = false;
    QString refusal; // the check's or the generator's message lines when not ready
    QByteArray code; // the code bytes of the TransmitImage
    QList<int> slotOfAddress; // see SlotOfAddress
    QList<int> slotCells; // CellIndex of each icon slot (after the check's compaction)
};

// Runs the three check stages and the code generator on a copy of `program`.
SimProgram CompileForSimulator(const WorkingProgram &program);

} // namespace zuvo::sim
