#pragma once
// The five steps of the sample chooser and the names of the samples each one opens.

#include <QString>

namespace zuvo {

inline constexpr int SampleStepCount = 5;

// The sample list of step 0..4: each name after "●" and an ideographic space, the names
// separated by an empty line. Empty for any other step.
QString SampleListText(int step);

} // namespace zuvo
