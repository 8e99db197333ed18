#pragma once
// The icon catalogue: the 31 IconCodes, their default ParameterStrings, their two-line
// descriptions and their places in the icon tray. Fixed data.

#include <QString>

namespace zuvo {

enum IconCode : int {
    IconForward = 0,
    IconBackward = 1,
    IconTurnRight = 2,
    IconTurnLeft = 3,
    IconTurnRightBack = 4,
    IconTurnLeftBack = 5,
    IconSpinRight = 6,
    IconSpinLeft = 7,
    IconMotorOff = 8,
    IconBrake = 9,
    IconLightBranch = 10,
    IconTouchBranch = 11,
    IconVariableBranch = 12,
    IconMerge = 13,
    IconYes = 14,
    IconNo = 15,
    IconLoop = 16,
    IconRepeat = 17,
    IconSetVariable = 18,
    IconWait = 19,
    IconLoopEnd = 20,
    IconRepeatEnd = 21,
    IconCalculateVariable = 22,
    IconSetLed = 23,
    IconSetBeep = 24,
    IconNop = 25,
    IconBegin = 29,
    IconEnd = 30,
};

constexpr int IconCodeCount = 31;
constexpr int TrayIconCount = 26; // codes 00 .. 25
constexpr int TrayRows = 2;
constexpr int TrayColumns = 13;

struct IconInfo
{
    const char16_t *name; // heading in the help ("Forward")
    const char16_t *japaneseName; // "前進"
    int trayRow; // 1 or 2; 0 for no tray place
    int trayColumn; // 1 .. 13
    const char16_t *defaultParams;
    const char16_t *text; // description, lines joined by BEL BS
};

// Builds the catalogue tables (once; later calls return at once).
void LoadIconCatalogue();

const IconInfo &iconInfo(int code); // code 0 .. 30, else throws std::out_of_range
QString DefaultParams(int code);
QString CatalogueText(int code);
// The description as the message area shows it: BEL replaced by CR, then BS by LF.
QString IconHelpText(int code);
// The IconCode at a tray place (row 1..2, column 1..13), -1 when none.
int iconAtTrayPlace(int row, int column);
inline bool isValidIconCode(int code)
{
    return code >= 0 && code < IconCodeCount;
}
inline bool isBranchIcon(int code)
{
    return code == IconLightBranch || code == IconTouchBranch || code == IconVariableBranch;
}
inline bool hasGridPicture(int code)
{
    return (code >= 0 && code <= IconNop) || code == IconBegin || code == IconEnd;
}

} // namespace zuvo
