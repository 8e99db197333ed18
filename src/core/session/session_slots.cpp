#include "session/editorsession.h"

#include "model/programtext.h"

#include "model/samples.h"

// The four program slots: switching, copying one onto another, the new program, the sample
// sets and the memo.

namespace zuvo {

namespace {

const QString DiscardEditsQuestion
    = QStringLiteral(u"現在のプログラムエリアに編集中が有れば消えます。　　\rよろしいですか？");

bool validSlot(int slot)
{
    return slot >= 0 && slot < ProgramSlotCount;
}

} // namespace

void EditorSession::setMemo(const QString &text)
{
    m_program.Memo = text;
    m_view.memo = text;
}

void EditorSession::StoreSlotText()
{
    m_state.SlotText[m_state.CurrentSlot] = zuvo::StoreSlotText(m_program);
}

void EditorSession::LoadSlotText()
{
    installProgram(zuvo::LoadSlotText(m_state.SlotText[m_state.CurrentSlot]));
}

void EditorSession::installProgram(const WorkingProgram &staged)
{
    ResetPointerState();
    CancelTrayPick();
    m_program = staged;
    m_state.CurrentCell = -1;
    m_state.BoxState = -1;
    m_state.BoxWidth = 0;
    m_state.BoxHeight = 0;
    setMemo(staged.Memo);
    redrawWholeGrid();
    setUndoSpent(1);
    setScrollValues(staged.HScroll, staged.VScroll);
    hideIconParameters();
}

void EditorSession::SwitchSlot(int slot)
{
    ChangeScope scope(*this);
    if (!validSlot(slot))
        return;
    if (slot != m_state.CurrentSlot) {
        StoreSlotText();
        m_state.CurrentSlot = slot;
        LoadSlotText();
    }
    ResetGrammarCheck();
}

void EditorSession::CopySlotTo(int slot)
{
    ChangeScope scope(*this);
    if (!validSlot(slot))
        return;
    if (!m_prompts.askYesNo(QStringLiteral(u"プログラム間の複写"),
                            QStringLiteral(u"複写先が書き換えられます。　　\rよろしいですか？"),
                            MessageIcon::Warning))
        return;
    if (slot == m_state.CurrentSlot)
        return;
    StoreSlotText();
    m_state.SlotText[slot] = m_state.SlotText[m_state.CurrentSlot];
    m_state.CurrentSlot = slot;
    m_state.SlotModified[slot] = 1;
}

void EditorSession::NewProgramCommand()
{
    ChangeScope scope(*this);
    const bool discard = m_state.SlotModified[m_state.CurrentSlot] == 0
        || m_prompts.askYesNo(QStringLiteral(u"新規読み込み"), DiscardEditsQuestion,
                              MessageIcon::Warning);
    if (discard)
        NewProgram();
    ResetGrammarCheck();
}

void EditorSession::NewProgram()
{
    ResetPointerState();
    m_state.CurrentCell = -1;
    // No box may survive into the new program, or the next corner would be refused.
    m_state.BoxWidth = 0;
    m_state.BoxHeight = 0;
    CancelTrayPick();
    m_program.clearLattice();
    m_view.debugList.clear();
    const int slot = m_state.CurrentSlot;
    m_state.SlotFilePath[slot].clear();
    m_view.tabCaptions[slot] = QStringLiteral(u"プログラム") + QString::number(slot + 1);
    m_program.PlaceStartAndEnd();
    setMemo(NewProgramMemo);
    redrawWholeGrid();
    ResetMessage();
    ResetGrammarCheck();
    m_state.SlotModified[slot] = 0;
    hideIconParameters();
}

void EditorSession::LoadSampleSet(int n)
{
    ChangeScope scope(*this);
    // Only the five sets exist; anything else would reload slot 0 over unsaved edits.
    if (n < 1 || n > SampleSetCount)
        return;
    const SampleSet &set = BuiltInSampleSet(n);
    for (int slot = 0; slot < ProgramSlotCount; ++slot) {
        m_view.tabCaptions[slot] = set.captions[slot];
        m_state.SlotText[slot] = set.programs[slot];
    }
    m_state.CurrentSlot = 0;
    LoadSlotText();
    ResetGrammarCheck();
}

void EditorSession::SetMemoText(const QString &text)
{
    ChangeScope scope(*this);
    // The memo box holds at most MemoCharacterLimit characters; pasted text is cut there.
    QString memo = text.size() > MemoCharacterLimit ? text.left(MemoCharacterLimit) : text;
    if (memo.size() < text.size() && memo.back().isHighSurrogate())
        memo.chop(1);
    if (memo == m_program.Memo)
        return;
    setMemo(memo);
    // The memo is saved with the program: an edited memo is an unsaved change.
    m_state.SlotModified[m_state.CurrentSlot] = 1;
    applyMemoWord(memo);
}

} // namespace zuvo
