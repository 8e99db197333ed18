#pragma once
// The Windows key codes the grid's keys are known by: the drawing surface maps Qt's keys to
// them, GridKey acts on them.

namespace zuvo {

enum WindowsKey : int {
    KeyEscape = 27,
    KeyPageUp = 33,
    KeyPageDown = 34,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyInsert = 45,
    KeyDelete = 46,
    KeyA = 65, // the letters A to Z follow in order
    KeyC = 67,
    KeyD = 68,
    KeyI = 73,
    KeyM = 77,
    KeyR = 82,
    KeyU = 85,
    KeyV = 86,
    KeyX = 88,
};

} // namespace zuvo
