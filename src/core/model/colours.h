#pragma once
// Every colour the editor shows, once, as 0xRRGGBB. The system writes colours in
// blue-green-red order ("&Hff10" is 0x00FF10 there); RgbFromBgr turns that order around.

#include <QtGlobal>

namespace zuvo {

constexpr quint32 RgbFromBgr(quint32 bgr)
{
    return ((bgr & 0xffu) << 16) | (bgr & 0xff00u) | ((bgr >> 16) & 0xffu);
}

// The grid and the message area.
constexpr quint32 ColourWhite = RgbFromBgr(0xFFFFFF); // "&Hffffff"
constexpr quint32 ColourBlink = RgbFromBgr(0x80FF); // "&H80ff", orange: a selected cell
constexpr quint32 ColourCorner = RgbFromBgr(0xFF00); // "&H0000FF00", green: a box corner
// "&Hff10", green: a refusal, a walk of the check that ran out of steps, a program not sent.
constexpr quint32 ColourWarning = RgbFromBgr(0xFF10);

// The message area after a check stage.
constexpr quint32 ConnectionResultColour = RgbFromBgr(0xFFC0FF); // pink
constexpr quint32 StructureResultColour = RgbFromBgr(0xFFA0FF); // branch and loop results
constexpr quint32 CheckCompleteColour = RgbFromBgr(0xFF80FF); // all stages passed

} // namespace zuvo
