#pragma once
// The message area below the grid: two lines on a coloured background. The hint, refusals with
// their two beeps, an icon's description, and every other room's words go through it.

#include "model/colours.h"

#include <QString>

namespace zuvo {

class EditorPrompts;

struct MessageView
{
    QString messageText;
    quint32 messageBackground = ColourWhite;
};

class MessageArea
{
public:
    MessageArea(MessageView &own, EditorPrompts &prompts);

    void ResetMessage(); // the hint on white
    void ShowHint();
    void ShowWarning(const QString &text); // on the warning green, after two beeps
    void ShowIconHelp(int code); // the description of IconCode code
    void ShowVolumeReminder();
    void ShowMeasuredVolume(); // the output's volume as the sound server has it now
    void beep(); // one system beep: a refusal without words
    void beepTwice();

    void setText(const QString &text) { m_own.messageText = text; }
    void setBackground(quint32 colour) { m_own.messageBackground = colour; }
    bool showsHint() const; // the hint on white
    bool showsWarning() const { return m_own.messageBackground == ColourWarning; }

private:
    MessageView &m_own;
    EditorPrompts &m_prompts;
};

} // namespace zuvo
