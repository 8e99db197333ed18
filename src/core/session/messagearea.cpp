#include "session/messagearea.h"

#include "model/iconcatalogue.h"
#include "session/editorprompts.h"
#include "signal/outputcheck.h"

namespace zuvo {

namespace {

const QString HintText = QStringLiteral(u"アイコンｸﾞﾘｯﾄﾞを選択してアイコンをクリックするか\r\n"
                                        u"アイコンを選択してアイコンｸﾞﾘｯﾄﾞをクリックする。");

} // namespace

MessageArea::MessageArea(MessageView &own, EditorPrompts &prompts)
    : m_own(own)
    , m_prompts(prompts)
{
}

void MessageArea::ResetMessage()
{
    m_own.messageBackground = ColourWhite;
    ShowHint();
}

void MessageArea::ShowHint()
{
    m_own.messageText = HintText;
}

void MessageArea::ShowWarning(const QString &text)
{
    m_own.messageText = text;
    beepTwice();
    m_own.messageBackground = ColourWarning;
}

void MessageArea::ShowIconHelp(int code)
{
    if (isValidIconCode(code))
        m_own.messageText = IconHelpText(code);
}

void MessageArea::ShowVolumeReminder()
{
    m_own.messageText = QStringLiteral(u"ボリュームは最大になっていますか。\r\n");
}

void MessageArea::ShowMeasuredVolume()
{
    m_own.messageText = MeasuredVolumeText(m_prompts.readOutput());
}

void MessageArea::beep()
{
    m_prompts.beep();
}

void MessageArea::beepTwice()
{
    beep();
    beep();
}

bool MessageArea::showsHint() const
{
    return m_own.messageText == HintText && m_own.messageBackground == ColourWhite;
}

} // namespace zuvo
