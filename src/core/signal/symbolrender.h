#pragma once
// Turns a SymbolText into the 8-bit unsigned samples the robot hears (mono, 24000 per second).

#include <QByteArray>
#include <QString>

namespace zuvo {

constexpr int SignalSampleRate = 24000;
constexpr int SymbolSamples = 12; // one pulse or one gap: half a millisecond
constexpr quint8 SilenceSample = 128;

// Number of samples the text needs: 12 for "0" and "1", 12 n for a digit n from 2 to 9,
// 120 .. 720 for "A" .. "F", nothing for anything else (lower case included).
qsizetype CountSymbolSamples(const QString &symbolText);

// The 12 samples of one pulse (one period of 2000 Hz with softened edges) or one gap, written
// at position, which then advances by 12. The buffer must hold them.
void WritePulse(QByteArray &buffer, qsizetype &position);
void WriteGap(QByteArray &buffer, qsizetype &position);

// Every symbol's samples in order; the result has CountSymbolSamples bytes.
QByteArray RenderSymbols(const QString &symbolText);

// Silence played before and after the signal on the output: an output that wakes from
// suspension (after a few seconds of silence) or a loudspeaker that switches itself on may
// lose the first part of a sound, and an output may stop before its last buffer is heard.
constexpr int LeadInSamples = SignalSampleRate * 2 / 5; // 0.4 s
constexpr int TailSamples = SignalSampleRate * 3 / 20; // 0.15 s

// The samples with the lead-in before and the tail after: what the output plays.
QByteArray PadForOutput(const QByteArray &samples);

} // namespace zuvo
