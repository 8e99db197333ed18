#pragma once
// Background colours of the message area for the check stages. The program writes colours in
// blue-green-red order (0x00BBGGRR); StageResult carries 0xRRGGBB.

#include <QtGlobal>

namespace zuvo {

constexpr quint32 RgbFromBgr(quint32 bgr)
{
    return ((bgr & 0xffu) << 16) | (bgr & 0xff00u) | ((bgr >> 16) & 0xffu);
}

constexpr quint32 ConnectionResultColour = RgbFromBgr(0xFFC0FF); // pink
constexpr quint32 StructureResultColour = RgbFromBgr(0xFFA0FF); // branch and loop results
constexpr quint32 CheckCompleteColour = RgbFromBgr(0xFF80FF); // all stages passed
constexpr quint32 StepLimitColour = RgbFromBgr(0xFF10); // green: a walk ran out of steps

} // namespace zuvo
