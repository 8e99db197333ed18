#pragma once
// The code generator over programs that pass the check but carry arbitrary ParameterStrings.

#include "model/programtext.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace zuvo {

// The built-in samples that hold a program (13 of the 20 program slots), in set and slot order.
const QList<ProgramText> &SamplePrograms();

// A program of BEGIN, ChainIcons Set Variable icons (Ａ = 0, three code bytes each) and END,
// joined by lines in rows going back and forth: 240 code bytes, just over the limit, so that
// fuzzed operands move it across the 237 bytes a transmission can carry.
constexpr int ChainIcons = 80;
ProgramText LongChainProgram();

// The programs the code generator is fuzzed with: the samples, then the long chain.
const QList<ProgramText> &CodegenPrograms();

// The first byte chooses one of CodegenPrograms (and, by its quotient, the checksum test flag); the
// rest, cut at NUL bytes, replaces the ParameterStrings of the icon slots in order (an empty piece
// keeps the sample's own). The program runs through the three check stages and, when it passes,
// through GenerateProgram. The generator must not fail on it; what it hands on must be a
// complete TransmitImage of at most 237 code bytes whose TXdata text and SymbolText match it
// byte for byte, and the virtual robot, with sensor answers drawn from the input, runs it for a
// simulated minute without meeting a byte it cannot execute. Empty when all of this holds,
// otherwise what broke.
QString CheckCodegenInput(QByteArrayView input);

} // namespace zuvo
