#pragma once
// The robot's instruction bytes and the TransmitImage that carries them (docs/ROBOT.md): the code
// generator writes them and the virtual robot executes them, both by these names.

#include <QtGlobal>

namespace zuvo {

// The TransmitImage: a header of TransmitHeaderLength bytes, the code bytes, then the trailer:
// OpEnd, OpEndMark and the checksum.
constexpr int TransmitHeaderLength = 16;
constexpr int TransmitTrailerLength = 3;

// Opcodes, with their operand bytes: a a jump address, t tenths of a second, c a count, r a
// register byte, v a value byte.
constexpr quint8 OpEnd = 0x00; // followed by OpEndMark: the end of the program
constexpr quint8 OpEndMark = 0xFF;
constexpr quint8 OpJump = 0x10; // a: a merge jumps over the No path
constexpr quint8 OpMotorOff = 0x20;
constexpr quint8 OpLoopEnd = 0x40; // a: back to the loop's start
constexpr quint8 OpRepeatEnd = 0x48; // a: back while the innermost count lasts
constexpr quint8 OpMotion = 0x50; // + MotionStep x Motion + speed (0 slow, 1 middle, 2 fast)
constexpr int MotionStep = 8;
constexpr int MotionCount = 8; // forward, backward, four turns, two spins
constexpr int SpeedCount = 3;
constexpr quint8 OpLightBranch = 0x90; // + sensor (0 or 1), a: jump unless light is seen
constexpr quint8 OpTouchBranch = 0x98; // + sensor, a: jump unless pressed
constexpr quint8 OpLedOff = 0xA0;
constexpr quint8 OpLedOn = 0xA1;
constexpr quint8 OpBeep = 0xA8; // + tone 0 (silence) to 4
constexpr int BeepToneCount = 5;
constexpr quint8 OpBrake = 0xB0; // t
constexpr quint8 OpRepeat = 0xB8; // c
constexpr quint8 OpWait = 0xC0; // t
constexpr quint8 OpVariableBranch = 0xD0; // r [v] a: jump while the variable is less
constexpr quint8 OpSetVariable = 0xD8; // r [v]
constexpr quint8 OpCalculate = 0xE0; // + operator (+, -, x, / as 0 to 3), r [v]
constexpr int CalculateOperatorCount = 4;

// The register byte r: RegisterTargetStep x the target variable, plus either the source variable
// or RegisterValueFollows, which says that a value byte v follows.
constexpr int RegisterTargetStep = 16;
constexpr int RegisterValueFollows = 0x08;
constexpr int RegisterSourceMask = 0x07;

} // namespace zuvo
