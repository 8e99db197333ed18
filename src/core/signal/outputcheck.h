#pragma once
// The checks around sending: before, whether the default output can carry the signal to the
// robot at all; after, whether what the output played (its monitor) still holds the frame.
// Decisions and texts only: the server is read through SoundServer.

#include "signal/soundserver.h"

#include <QList>
#include <QStringList>

namespace zuvo {

enum class OutputProblem {
    Missing, // no server, or no output on it: nothing would be heard
    Muted, // nothing would be heard
    LowVolume, // below 100 %: the robot may hear too little
    Bluetooth, // delays and drops the start of a sound, may resample badly
    Hdmi, // a screen's speakers, with volume and mute of their own
};

struct OutputCheck
{
    QList<OutputProblem> problems; // in the order above
    QStringList texts; // for each problem: what is wrong and what to do, in the user's words
    // Whether sending cannot reach the robot as the output is: missing or muted.
    bool blocks() const
    {
        return problems.contains(OutputProblem::Missing) || problems.contains(OutputProblem::Muted);
    }
    bool fine() const { return problems.isEmpty(); }
    // Whether setting the volume to 100 % and unmuting would mend it all.
    bool mendable() const;
};

OutputCheck CheckOutput(const OutputInfo &info);

// The output as `zuvomatic-cli output` prints it: one "key: value" line each for name,
// description, format, volume, muted, kind and monitor.
QStringList DescribeOutput(const OutputInfo &info);

// The message area's two lines about the output after the mixer has closed: its volume as
// measured, and what to do.
QString MeasuredVolumeText(const OutputInfo &info);

// The question before sending about an output that may not reach the robot.
QString OutputQuestionText(const OutputCheck &check);

struct HeardVerdict
{
    Hearing hearing = Hearing::NotChecked;
    QString text; // when not heard: what was found and what to do
};

// Said after sending when the monitor heard the very frame that was sent.
QString HeardText();

// Decodes what the monitor heard and compares it with the frame of what was sent.
HeardVerdict JudgeHeard(const QByteArray &sent, const QByteArray &heard);

} // namespace zuvo
