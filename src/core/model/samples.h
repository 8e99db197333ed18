#pragma once
// The five built-in sample sets: four tab captions and four programs each.

#include "model/programtext.h"

#include <QString>
#include <array>

namespace zuvo {

constexpr int SampleSetCount = 5;

struct SampleSet
{
    std::array<QString, 4> captions;
    std::array<ProgramText, 4> programs;
};

// Set n = 1..5; throws std::out_of_range otherwise.
const SampleSet &BuiltInSampleSet(int n);

} // namespace zuvo
