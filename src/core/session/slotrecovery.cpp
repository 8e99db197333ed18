#include "session/slotrecovery.h"

#include "model/iconcatalogue.h"
#include "model/recoverystore.h"
#include "session/editorprompts.h"
#include "session/editorstate.h"

#include <algorithm>

namespace zuvo {

namespace {

const QString RestoreTitle = QStringLiteral(u"プログラムの復元");

QString slotName(int slot)
{
    return QStringLiteral(u"プログラム") + QString::number(slot + 1);
}

// The program a new slot holds: BEGIN and END at their places, no lines, the memo untouched.
bool isEmptyProgram(const WorkingProgram &program)
{
    if (program.iconsInUse() != 2)
        return false;
    for (int slot = 0; slot < program.SlotCount; ++slot) {
        const int cell = program.SlotCell[slot];
        if (cell >= 0 && cell != BeginCellIndex && cell != EndCellIndex)
            return false;
    }
    for (int y = 0; y < LatticeRows; ++y) {
        for (int x = 0; x < LatticeColumns; ++x) {
            if (program.holdsLine(x, y))
                return false;
        }
    }
    QString memo = program.Memo;
    while (memo.endsWith(QStringLiteral("\r\n")))
        memo.chop(2);
    return memo == NewProgramMemo;
}

} // namespace

// What the copies were last made from: the four slots as the editor holds them, and the current
// slot's working program without its cell marks (the blink changes those, not the program).
struct SlotRecovery::Seen
{
    int current = 0;
    std::array<int, ProgramSlotCount> modified {};
    std::array<QString, ProgramSlotCount> paths {};
    std::array<QString, ProgramSlotCount> captions {};
    std::array<ProgramText, ProgramSlotCount> texts {};
    CellGrid<qint16> content {EmptyCell};
    std::array<qint16, IconSlotLimit> cells {};
    std::array<QString, IconSlotLimit> params {};
    int count = 0;
    QString memo;
    int hScroll = 0;
    int vScroll = 0;

    bool anyModified() const
    {
        return std::any_of(modified.begin(), modified.end(), [](int m) { return m != 0; });
    }
};

SlotRecovery::SlotRecovery(const WorkingProgram &program, const EditorState &state,
                           const EditorView &view, EditorPrompts &prompts,
                           ProgramSlots &programSlots)
    : m_program(program)
    , m_state(state)
    , m_view(view)
    , m_prompts(prompts)
    , m_slots(programSlots)
    , m_seen(std::make_unique<Seen>())
{
}

SlotRecovery::~SlotRecovery() = default;

void SlotRecovery::EnableRecovery(const QString &stateFolder, const ProcessIdentity &self,
                                  std::function<void(const QString &reason)> failed)
{
    m_stateFolder = stateFolder;
    m_self = std::make_unique<ProcessIdentity>(self);
    m_writer = std::make_unique<RecoveryWriter>(stateFolder + u'/' + self.folderName(),
                                                std::move(failed));
}

QString SlotRecovery::folder() const
{
    return m_writer ? m_writer->folder() : QString();
}

int SlotRecovery::filesWritten() const
{
    return m_writer ? m_writer->filesWritten() : 0;
}

bool SlotRecovery::sameAsSeen() const
{
    const Seen &seen = *m_seen;
    for (int slot = 0; slot < ProgramSlotCount; ++slot) {
        if (seen.modified[slot] != m_state.SlotModified[slot]
            || seen.paths[slot] != m_state.SlotFilePath[slot]
            || seen.captions[slot] != m_view.tabCaptions[slot]
            || seen.texts[slot] != m_state.SlotText[slot])
            return false;
    }
    return seen.current == m_state.CurrentSlot && seen.count == m_program.SlotCount
        && seen.hScroll == m_program.HScroll && seen.vScroll == m_program.VScroll
        && seen.memo == m_program.Memo && seen.cells == m_program.SlotCell
        && seen.params == m_program.SlotParams && seen.content == m_program.CellContent;
}

bool SlotRecovery::afterOperation()
{
    if (!m_writer || m_stopped)
        return false;
    const bool anyModified
        = std::any_of(m_state.SlotModified.begin(), m_state.SlotModified.begin() + ProgramSlotCount,
                      [](int m) { return m != 0; });
    // Nothing unsaved now or at the last look: there is nothing to copy and no copy to drop.
    if (!anyModified && !m_seen->anyModified())
        return false;
    if (sameAsSeen())
        return false;
    bool dropped = false;
    for (int slot = 0; slot < ProgramSlotCount; ++slot) {
        dropped |= m_seen->modified[slot] != 0
            && (m_state.SlotModified[slot] == 0
                || m_seen->paths[slot] != m_state.SlotFilePath[slot]);
    }
    Seen &seen = *m_seen;
    seen.current = m_state.CurrentSlot;
    std::copy_n(m_state.SlotModified.begin(), ProgramSlotCount, seen.modified.begin());
    std::copy_n(m_state.SlotFilePath.begin(), ProgramSlotCount, seen.paths.begin());
    seen.captions = m_view.tabCaptions;
    seen.texts = m_state.SlotText;
    seen.content = m_program.CellContent;
    seen.cells = m_program.SlotCell;
    seen.params = m_program.SlotParams;
    seen.count = m_program.SlotCount;
    seen.memo = m_program.Memo;
    seen.hScroll = m_program.HScroll;
    seen.vScroll = m_program.VScroll;
    // A saved, emptied or reopened slot must not come back as unsaved after a crash.
    if (dropped)
        writeNow();
    return anyModified;
}

void SlotRecovery::writeNow()
{
    QList<SlotCopy> copies;
    for (int slot = 0; slot < ProgramSlotCount; ++slot) {
        if (m_state.SlotModified[slot] == 0)
            continue;
        SlotCopyInfo info {slot, m_state.SlotFilePath[slot], m_view.tabCaptions[slot]};
        if (slot == m_state.CurrentSlot)
            copies.append({info, m_program});
        else
            copies.append({info, m_state.SlotText[slot]});
    }
    m_writer->keep(std::move(copies));
}

void SlotRecovery::WriteRecoveryCopies()
{
    if (m_writer && !m_stopped)
        writeNow();
}

void SlotRecovery::KeepRecoveryCopies(bool ending)
{
    if (!m_writer || m_stopped)
        return;
    writeNow();
    m_writer->finish();
    m_stopped = ending;
}

void SlotRecovery::DiscardRecoveryCopies()
{
    if (!m_writer || m_stopped)
        return;
    m_writer->discard();
    m_writer->finish();
    m_stopped = true;
}

void SlotRecovery::ReportRecoveryFailure(const QString &reason)
{
    if (m_stopped || m_failureShown)
        return;
    m_failureShown = true;
    m_prompts.showMessage(QStringLiteral(u"プログラムの控え"),
                          QStringLiteral(u"保存していないプログラムの控えを書けません。　　\r")
                              + folder() + u'\r' + reason
                              + QStringLiteral(u"\rこまめに保存してください。"),
                          MessageIcon::Warning);
}

bool SlotRecovery::slotFree(int slot) const
{
    if (m_state.SlotModified[slot] != 0 || !m_state.SlotFilePath[slot].isEmpty())
        return false;
    return isEmptyProgram(slot == m_state.CurrentSlot ? m_program
                                                      : LoadSlotText(m_state.SlotText[slot]));
}

void SlotRecovery::OfferRecovery()
{
    if (!m_writer || m_stopped)
        return;
    const std::optional<AbandonedCopies> found = FindAbandonedCopies(m_stateFolder, *m_self);
    if (!found)
        return;
    QList<int> own;
    for (const RecoveredProgram &copy : found->programs)
        own.append(copy.info.slot);
    std::array<bool, ProgramSlotCount> free {};
    for (int slot = 0; slot < ProgramSlotCount; ++slot)
        free[slot] = slotFree(slot);
    const QList<int> places = PlaceRecoveredPrograms(own, free);
    // With no slot free there is nothing to ask: the copies wait for an editor with room.
    if (std::all_of(places.begin(), places.end(), [](int place) { return place < 0; }))
        return;

    QString text = QStringLiteral(u"前回、Zuvomaticが正しく終わらなかったため、\r"
                                  u"保存していないプログラムの控えが残っています。　　\r\r");
    for (qsizetype i = 0; i < found->programs.size(); ++i) {
        const SlotCopyInfo &info = found->programs[i].info;
        text += u'　' + slotName(info.slot);
        if (!info.caption.isEmpty() && info.caption != slotName(info.slot)
            && info.caption != QStringLiteral(u"プログラム１"))
            text += u'「' + info.caption + u'」';
        text += u'（' + found->programs[i].written.toString(QStringLiteral(u"M月d日 H:mm")) + u'）';
        if (places[i] < 0)
            text += QStringLiteral(u"\r　　空いているプログラムがないため、今回は戻せません");
        else if (places[i] != info.slot)
            text += QStringLiteral(u"\r　　→ ") + slotName(places[i])
                + QStringLiteral(u"に戻します");
        text += u'\r';
    }
    text += QStringLiteral(u"\r元に戻しますか？\r");
    text += found->refusedOnce ? QStringLiteral(u"「いいえ」を選ぶと、この控えは消えます。")
                               : QStringLiteral(u"「いいえ」のときは控えを消さずに残し、\r"
                                                u"次に編集を始めるときにもう一度たずねます。");
    const bool restore = m_prompts.askYesNo(RestoreTitle, text, MessageIcon::Warning);
    // A forced end while the question was up: nobody answered it.
    if (m_stopped)
        return;
    if (!restore) {
        if (found->refusedOnce)
            RemoveAbandonedCopies(*found, {0, 1, 2, 3});
        else
            MarkRefused(*found);
        return;
    }
    QList<int> restored;
    for (qsizetype i = 0; i < found->programs.size(); ++i) {
        if (places[i] < 0)
            continue;
        const RecoveredProgram &copy = found->programs[i];
        // A copy moved to another slot keeps a caption of its own, not its old slot's number.
        const bool ownCaption = copy.info.caption != slotName(copy.info.slot)
            && copy.info.caption != QStringLiteral(u"プログラム１");
        m_slots.restoreProgram(places[i], copy.program, copy.info.filePath,
                               ownCaption ? copy.info.caption : slotName(places[i]));
        restored.append(copy.info.slot);
    }
    // This program's own copies exist before the old ones go.
    writeNow();
    m_writer->finish();
    RemoveAbandonedCopies(*found, restored);
}

} // namespace zuvo
