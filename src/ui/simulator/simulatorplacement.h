#pragma once
// Where the simulator window goes so that the editor, whose executing icon it lights, stays in
// view: beside the editor at its roomy size where the screen has room for it, else laid out
// narrow (the course above the controls) in the room beside the editor, moving the editor to
// the screen's edge when that makes the room. Plain geometry, frames included.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zuvo::sim {

struct SimulatorPlace
{
    QPoint editorTopLeft; // the editor's frame; moved only to make room
    QRect simulator; // the simulator's frame
    bool compact = false; // the narrow layout
    bool beside = false; // false: the screen is too small, the simulator covers part of the editor
};

struct SimulatorSizes
{
    QSize roomy; // the roomy layout's client size
    QSize compactMinimum; // the least client size of the narrow layout
    QSize frame; // what the window frame adds to a client size
};

SimulatorPlace PlaceSimulator(const QRect &available, const QRect &editorFrame,
                              const SimulatorSizes &sizes);

} // namespace zuvo::sim
