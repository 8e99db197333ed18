#pragma once
// The benchmarks' stand-in for the person in front of the editor: answers No, cancels every
// dialog, plays nothing.

#include "session/editorprompts.h"

namespace zuvo::bench {

class SilentPrompts : public EditorPrompts
{
public:
    bool askYesNo(const QString &, const QString &, MessageIcon) override { return false; }
    void showMessage(const QString &, const QString &, MessageIcon) override { }
    void beep() override { }
    QString chooseOpenFile(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString chooseSaveFile(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    TransmissionOutcome transmit(const QString &) override { return {1, {}}; }
    OutputInfo readOutput() override { return {}; }
    QString makeOutputAudible() override { return {}; }
    OutputChoice askAboutOutput(const QString &, bool) override { return OutputChoice::Stop; }
};

} // namespace zuvo::bench
