#include "session/programslots.h"

#include "model/samples.h"
#include "session/editorprompts.h"
#include "session/editorstate.h"

namespace zuvo {

namespace {

const QString DiscardEditsQuestion
    = QStringLiteral(u"現在のプログラムエリアに編集中が有れば消えます。　　\rよろしいですか？");

bool validSlot(int slot)
{
    return slot >= 0 && slot < ProgramSlotCount;
}

} // namespace

ProgramSlots::ProgramSlots(SlotState &own, SlotView &shown, WorkingProgram &program,
                           EditorPrompts &prompts, GridPicture &grid, MessageArea &message,
                           IconTray &tray, Selection &selection, IconCarry &carry,
                           UndoCheckpoint &undo, IconForm &form, ScrollArea &scroll,
                           CheckDriver &check, DebugAids &debug)
    : m_own(own)
    , m_shown(shown)
    , m_program(program)
    , m_prompts(prompts)
    , m_grid(grid)
    , m_message(message)
    , m_tray(tray)
    , m_selection(selection)
    , m_carry(carry)
    , m_undo(undo)
    , m_form(form)
    , m_scroll(scroll)
    , m_check(check)
    , m_debug(debug)
{
    m_shown.tabCaptions = {QStringLiteral(u"プログラム１"), QStringLiteral(u"プログラム2"),
                           QStringLiteral(u"プログラム3"), QStringLiteral(u"プログラム4")};
    for (ProgramText &text : m_own.SlotText)
        text = ProgramTemplate();
}

void ProgramSlots::markModified()
{
    m_own.SlotModified[m_own.CurrentSlot] = 1;
}

void ProgramSlots::markProgramEdited()
{
    markModified();
    m_check.ResetGrammarCheck();
}

void ProgramSlots::setSlotFile(int slot, const QString &path, const QString &caption)
{
    m_own.SlotFilePath[slot] = path;
    m_shown.tabCaptions[slot] = caption;
}

void ProgramSlots::restoreProgram(int slot, const WorkingProgram &program, const QString &path,
                                  const QString &caption)
{
    if (!validSlot(slot))
        return;
    if (slot == m_own.CurrentSlot) {
        installProgram(program);
        m_check.ResetGrammarCheck();
    } else {
        m_own.SlotText[slot] = zuvo::StoreSlotText(program);
    }
    setSlotFile(slot, path, caption);
    m_own.SlotModified[slot] = 1;
}

void ProgramSlots::setMemo(const QString &text)
{
    m_program.Memo = text;
    m_shown.memo = text;
}

void ProgramSlots::StoreSlotText()
{
    m_own.SlotText[m_own.CurrentSlot] = zuvo::StoreSlotText(m_program);
}

void ProgramSlots::LoadSlotText()
{
    installProgram(zuvo::LoadSlotText(m_own.SlotText[m_own.CurrentSlot]));
}

void ProgramSlots::installProgram(const WorkingProgram &staged)
{
    m_carry.ResetPointerState();
    m_tray.CancelTrayPick();
    m_program = staged;
    m_selection.forgetSelection();
    setMemo(staged.Memo);
    m_grid.redrawWholeGrid();
    m_undo.setUndoSpent(1);
    m_scroll.SetScroll(staged.HScroll, staged.VScroll);
    m_form.hideIconParameters();
}

void ProgramSlots::ApplyStartRequest(int editorStartMode)
{
    if (editorStartMode > 10)
        LoadSampleSet(editorStartMode - 10);
}

void ProgramSlots::SwitchSlot(int slot)
{
    if (!validSlot(slot))
        return;
    if (slot != m_own.CurrentSlot) {
        StoreSlotText();
        m_own.CurrentSlot = slot;
        LoadSlotText();
    }
    m_check.ResetGrammarCheck();
}

void ProgramSlots::CopySlotTo(int slot)
{
    if (!validSlot(slot))
        return;
    if (!m_prompts.askYesNo(QStringLiteral(u"プログラム間の複写"),
                            QStringLiteral(u"複写先が書き換えられます。　　\rよろしいですか？"),
                            MessageIcon::Warning))
        return;
    if (slot == m_own.CurrentSlot)
        return;
    StoreSlotText();
    m_own.SlotText[slot] = m_own.SlotText[m_own.CurrentSlot];
    m_own.CurrentSlot = slot;
    m_own.SlotModified[slot] = 1;
}

void ProgramSlots::NewProgramCommand()
{
    const bool discard = m_own.SlotModified[m_own.CurrentSlot] == 0
        || m_prompts.askYesNo(QStringLiteral(u"新規読み込み"), DiscardEditsQuestion,
                              MessageIcon::Warning);
    if (discard)
        NewProgram();
    m_check.ResetGrammarCheck();
}

void ProgramSlots::NewProgram()
{
    m_carry.ResetPointerState();
    // No box may survive into the new program, or the next corner would be refused.
    m_selection.forgetSelection();
    m_tray.CancelTrayPick();
    m_program.clearLattice();
    m_debug.clearList();
    const int slot = m_own.CurrentSlot;
    setSlotFile(slot, QString(), QStringLiteral(u"プログラム") + QString::number(slot + 1));
    m_program.PlaceStartAndEnd();
    setMemo(NewProgramMemo);
    m_grid.redrawWholeGrid();
    m_message.ResetMessage();
    m_check.ResetGrammarCheck();
    m_own.SlotModified[slot] = 0;
    m_form.hideIconParameters();
}

void ProgramSlots::LoadSampleSet(int n)
{
    // Only the five sets exist; anything else would reload slot 0 over unsaved edits.
    if (n < 1 || n > SampleSetCount)
        return;
    const SampleSet &set = BuiltInSampleSet(n);
    for (int slot = 0; slot < ProgramSlotCount; ++slot) {
        m_shown.tabCaptions[slot] = set.captions[slot];
        m_own.SlotText[slot] = set.programs[slot];
    }
    m_own.CurrentSlot = 0;
    LoadSlotText();
    m_check.ResetGrammarCheck();
}

void ProgramSlots::SetMemoText(const QString &text)
{
    // The memo box holds at most MemoCharacterLimit characters; pasted text is cut there.
    QString memo = text.size() > MemoCharacterLimit ? text.left(MemoCharacterLimit) : text;
    if (memo.size() < text.size() && memo.back().isHighSurrogate())
        memo.chop(1);
    if (memo == m_program.Memo)
        return;
    setMemo(memo);
    // The memo is saved with the program: an edited memo is an unsaved change.
    markModified();
    m_debug.applyMemoWord(memo);
}

bool ProgramSlots::ConfirmEditorClose()
{
    QString lines;
    for (int slot = 0; slot < ProgramSlotCount; ++slot) {
        if (m_own.SlotModified[slot] != 0)
            lines += QStringLiteral(u"プログラム") + QString::number(slot + 1)
                + QStringLiteral(u"は未更新です。よろしいですか？\r");
    }
    if (lines.isEmpty())
        return true;
    return m_prompts.askYesNo(QStringLiteral(u"編集プログラムの終了"), lines, MessageIcon::None);
}

} // namespace zuvo
