#pragma once
// What the editor needs from the person in front of it: questions, message boxes, beeps, file
// dialogs and the transmission window. The window passes the Qt implementation; tests pass a
// scripted fake.

#include <QString>

namespace zuvo {

enum class MessageIcon { None, Warning, Exclamation, Critical, Information };

struct TransmissionOutcome
{
    int Response = 0; // 1 played to its end, 3 the audio device failed
    QString errorText; // the device's error text when Response is 3
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
};

} // namespace zuvo
