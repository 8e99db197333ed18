#include "session/editorsession.h"

#include "model/iconcatalogue.h"

// The editor's start-up and the command line. The operations live in the session_*.cpp files,
// one concern each.

namespace zuvo {

EditorSession::EditorSession(EditorPrompts &prompts, QObject *parent)
    : QObject(parent)
    , m_prompts(prompts)
{
    ChangeScope scope(*this);
    LoadIconCatalogue();
    m_view.trayVisible.fill(true);
    m_view.tabCaptions = {QStringLiteral(u"プログラム１"), QStringLiteral(u"プログラム2"),
                          QStringLiteral(u"プログラム3"), QStringLiteral(u"プログラム4")};
    InitEditorControls();
    hideIconParameters();
    ResizeEditor(m_view.scroll.windowWidth, m_view.scroll.windowHeight);

    m_state.BlinkPhase = 0;
    NewProgram();
    for (ProgramText &text : m_state.SlotText)
        text = ProgramTemplate();
    ResetPointerState();
    m_state.HexDisp = 0;
    m_state.ChecksumTestFlag = 0;
    m_state.CurrentSlot = 0;
    m_state.GhostMode = 0;
    m_state.CurrentCell = -1;
    m_state.SlotModified.fill(0);
    setUndoSpent(1);
    ResetGrammarCheck();
}

void EditorSession::ApplyCommandLine(const QStringList &words)
{
    ChangeScope scope(*this);
    for (int i = 0; i < 2 && i < words.size(); ++i) {
        if (words.at(i) == QLatin1String("Ghost"))
            m_state.GhostMode = 1;
        if (words.at(i) == QLatin1String("HexDisp"))
            m_state.HexDisp = 1;
    }
}

void EditorSession::ApplyStartRequest(int editorStartMode)
{
    ChangeScope scope(*this);
    if (editorStartMode > 10)
        LoadSampleSet(editorStartMode - 10);
}

} // namespace zuvo
