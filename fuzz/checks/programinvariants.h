#pragma once
// What every program a reader hands to the editor must satisfy, whatever its text was: the
// lattice and the icon slots agree, and nothing lies where the editor cannot draw it.

#include "model/workingprogram.h"

#include <QString>

namespace zuvo {

// Empty when the program is consistent, otherwise the first inconsistency found.
QString ProgramInconsistency(const WorkingProgram &program);

// True when the two programs hold the same lines and icons in the same slots with the same
// ParameterStrings (memo and scroll positions aside).
bool SameLinesAndIcons(const WorkingProgram &a, const WorkingProgram &b);

} // namespace zuvo
