#pragma once
// What the editor needs from the person in front of it and from the machine: questions, message
// boxes, beeps, file dialogs, the sound output and the transmission window. The window passes
// the Qt implementation; tests pass a scripted fake.

#include "signal/soundserver.h"

#include <QString>

namespace zuvo {

enum class MessageIcon { None, Warning, Exclamation, Critical, Information };

// What to do about an output that may not carry the signal to the robot.
enum class OutputChoice { MakeAudible, SendAnyway, Stop };

struct TransmissionOutcome
{
    int Response = 0; // 1 played to its end, 3 the audio device failed
    QString errorText; // the device's error text when Response is 3
    Hearing hearing = Hearing::NotChecked; // whether the output's monitor heard the frame
};

class EditorPrompts
{
public:
    virtual ~EditorPrompts() = default;

    // A Yes/No question with No the default. True on Yes.
    virtual bool askYesNo(const QString &title, const QString &text, MessageIcon icon) = 0;
    // A message box with an OK button.
    virtual void showMessage(const QString &title, const QString &text, MessageIcon icon) = 0;
    // One system beep.
    virtual void beep() = 0;
    // File dialogs: the chosen full path, or an empty string when cancelled.
    virtual QString chooseOpenFile(const QString &title, const QString &startDir,
                                   const QString &filter)
        = 0;
    virtual QString chooseSaveFile(const QString &title, const QString &startDir,
                                   const QString &filter)
        = 0;
    // Plays the SymbolText through the transmission window and returns when it has closed.
    virtual TransmissionOutcome transmit(const QString &symbolText) = 0;
    // The default sound output as it is now (the sound server is asked each time).
    virtual OutputInfo readOutput() = 0;
    // Sets the default output to 100 % and unmutes it: empty when done, else why not.
    virtual QString makeOutputAudible() = 0;
    // Asks what to do before sending about an output that may not reach the robot (text says
    // why). MakeAudible is offered only when canMakeAudible.
    virtual OutputChoice askAboutOutput(const QString &text, bool canMakeAudible) = 0;
};

} // namespace zuvo
