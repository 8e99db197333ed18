#pragma once
// The robot's path and state as text, one line per moment: what `zuvomatic-cli simulate`
// prints every tenth of a second.

#include "sim/simulation.h"

#include <QString>
#include <QStringList>

namespace zuvo::sim {

// Comment lines ("# ...") naming the course, the start place and the code.
QStringList TraceHeader(const Simulation &simulation);

// "1.5 x=55.0 y=120.0 dir=0.0 addr=1 drive=forward:slow touch=00 light=11 led=off beep=-
//  A=0 B=0 C=0 D=0 E=0 F=0 G=0 H=0 state=waiting", with " ball=X,Y" before the state on a
// course with a ball.
QString TraceLine(const Simulation &simulation);

// "forward:slow", "free" or "brake".
QString DriveText(const DriveCommand &drive);
// "running", "waiting", "ended" or "fault".
QString StatusText(MachineStatus status);

} // namespace zuvo::sim
