#include "session/robotfiles.h"

#include "model/iconcatalogue.h"
#include "model/parameterstring.h"
#include "model/pngprogram.h"
#include "model/robotfile.h"
#include "session/editorprompts.h"
#include "session/editorstate.h"

#include <QFile>
#include <QFileInfo>

namespace zuvo {

namespace {

const QString RobotFileFilter = QStringLiteral(u"ロボットファイル(*.qvk)|*.qvk");
const QString InsertFileFilter = QStringLiteral(u"ロボットファイル(*.qvj)|*.qvk");
// Open and insert also take the PNG picture of a program, which carries its robot file.
const QString PictureFilter = QStringLiteral(u"|プログラムの画像(*.png)|*.png");
const QString OpenTitle = QStringLiteral(u"読み出しメッセージ");
const QString InsertTitle = QStringLiteral(u"差込読出しメッセージ");
const QString InsertTargetTitle = QStringLiteral(u"差込読出");
const QString SaveTitle = QStringLiteral(u"上書きメッセージ");
const QString SaveAsTitle = QStringLiteral(u"別名保存で重ね書き");

bool IsPictureFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && LooksLikePng(file.read(8));
}

} // namespace

RobotFiles::RobotFiles(FileState &own, WorkingProgram &program, EditorPrompts &prompts,
                       const EditorState &state, GridPicture &grid, IconTray &tray,
                       Selection &selection, UndoCheckpoint &undo, ProgramSlots &programSlots,
                       CheckDriver &check)
    : m_own(own)
    , m_program(program)
    , m_prompts(prompts)
    , m_state(state)
    , m_grid(grid)
    , m_tray(tray)
    , m_selection(selection)
    , m_undo(undo)
    , m_slots(programSlots)
    , m_check(check)
{
}

bool RobotFiles::chooseFile(bool save, const QString &title, const QString &filter)
{
    const QString path = save ? m_prompts.chooseSaveFile(title, m_own.FileDir, filter)
                              : m_prompts.chooseOpenFile(title, m_own.FileDir, filter);
    if (path.isEmpty()) {
        m_own.FileTitle.clear();
        return false;
    }
    rememberFile(path);
    return true;
}

void RobotFiles::rememberFile(const QString &path)
{
    const QFileInfo info(path);
    m_own.FileTitle = info.fileName();
    m_own.FileDir = info.absolutePath();
    if (!m_own.FileDir.endsWith(u'/'))
        m_own.FileDir += u'/';
}

void RobotFiles::OpenRobotFile()
{
    const int slot = m_state.CurrentSlot;
    if (m_state.SlotModified[slot] != 0
        && !m_prompts.askYesNo(
            QStringLiteral(u"ファイルを開く"),
            QStringLiteral(
                u"現在のプログラムエリアに編集中が有れば消えます。　　\rよろしいですか？"),
            MessageIcon::Warning)) {
        m_check.ResetGrammarCheck();
        return;
    }
    m_tray.CancelTrayPick();
    if (!chooseFile(false, QStringLiteral(u"開く"), RobotFileFilter + PictureFilter))
        return;
    openChosenFile();
}

void RobotFiles::OpenRobotFileAt(const QString &path)
{
    m_tray.CancelTrayPick();
    rememberFile(path);
    openChosenFile();
}

void RobotFiles::openChosenFile()
{
    const int slot = m_state.CurrentSlot;
    const QString path = m_own.FileDir + m_own.FileTitle;
    const RobotFileReadResult read = ReadRobotFile(path);
    if (read.status != RobotFileReadResult::Status::Ok) {
        m_prompts.showMessage(OpenTitle, RobotFileRefusalText(read, false), MessageIcon::Warning);
        if (read.status == RobotFileReadResult::Status::CannotOpen)
            m_prompts.beep();
        return;
    }
    // A picture gives the program but is no robot file: 上書き保存 must not write the robot
    // file over it, so the slot stays without a file of its own.
    m_slots.setSlotFile(slot, IsPictureFile(path) ? QString() : path, m_own.FileTitle);
    m_slots.installProgram(read.program);
    m_slots.setModified(slot, 0);
    m_check.ResetGrammarCheck();
}

void RobotFiles::InsertRobotFile()
{
    m_tray.CancelTrayPick();
    const int cell = m_state.CurrentCell;
    if (cell < 0 || cell > LastCellIndex) {
        m_prompts.showMessage(InsertTargetTitle,
                              QStringLiteral(u"差し込み先が選択されていません。"),
                              MessageIcon::None);
        return;
    }
    if (cellKind(CellX(cell), CellY(cell)) != CellKind::Icon) {
        m_prompts.showMessage(InsertTargetTitle, QStringLiteral(u"差し込み先が不適切です。"),
                              MessageIcon::None);
        return;
    }
    if (!chooseFile(false, QStringLiteral(u"差込読出し"), InsertFileFilter + PictureFilter))
        return;
    const RobotFileReadResult read = ReadRobotFile(m_own.FileDir + m_own.FileTitle);
    switch (read.status) {
    case RobotFileReadResult::Status::Ok:
        insertStagedProgram(read.program);
        return;
    case RobotFileReadResult::Status::CannotOpen:
        m_prompts.showMessage(InsertTitle, RobotFileRefusalText(read, true), MessageIcon::Warning);
        m_prompts.beep();
        return;
    case RobotFileReadResult::Status::ForeignHeader:
        m_prompts.showMessage(InsertTargetTitle, RobotFileRefusalText(read, true),
                              MessageIcon::Warning);
        return;
    case RobotFileReadResult::Status::TooLarge:
    case RobotFileReadResult::Status::Broken:
    case RobotFileReadResult::Status::PictureWithoutProgram:
    case RobotFileReadResult::Status::PictureDamaged:
        m_prompts.showMessage(InsertTitle, RobotFileRefusalText(read, true), MessageIcon::Warning);
        return;
    }
}

void RobotFiles::insertStagedProgram(const WorkingProgram &file)
{
    m_undo.SaveUndoSnapshot();
    const int originX = CellX(m_state.CurrentCell);
    const int originY = CellY(m_state.CurrentCell);
    m_program.CellMark(originX, originY) = MarkSettle;

    for (int y = 0; y < LatticeRows; ++y) {
        for (int x = 0; x < LatticeColumns; ++x) {
            if (!file.holdsLine(x, y) || !isConnector(cellKind(x, y)))
                continue;
            const int tx = originX + x;
            const int ty = originY + y;
            if (!insideLattice(tx, ty))
                continue;
            m_program.CellContent(tx, ty) = LineCell;
            m_grid.RedrawCell(tx, ty, ColourWhite);
        }
    }

    for (int i = 0; i < file.SlotCount && i < IconSlotLimit; ++i) {
        const int cell = file.SlotCell[i];
        if (cell < 0 || cell > LastCellIndex)
            continue;
        const QString &params = file.SlotParams[i];
        const int code = ParamsIconCode(params);
        if (code == IconBegin || code == IconEnd)
            continue;
        const int tx = originX + CellX(cell);
        const int ty = originY + CellY(cell);
        if (!insideLattice(tx, ty) || m_program.holdsBeginOrEnd(tx, ty))
            continue;
        if (m_selection.CheckSlotLimit(InsertTargetTitle))
            break;
        if (m_program.CellContent(tx, ty) != EmptyCell)
            continue;
        m_program.placeNewIcon(tx, ty, code, params);
        m_grid.ShowIconAt(tx, ty);
    }
    m_grid.ShowAllSlotValues();
    m_slots.markProgramEdited();
}

bool RobotFiles::writeCurrentSlot(const QString &path, const QString &title)
{
    const int slot = m_state.CurrentSlot;
    const RobotFileWriteResult written = WriteRobotFile(m_program, path);
    if (!written.ok) {
        m_slots.setModified(slot, 1);
        m_prompts.showMessage(title,
                              QStringLiteral(u"ファイルを保存できませんでした。　　\r")
                                  + QFileInfo(path).fileName() + u'\r' + written.error,
                              MessageIcon::Warning);
        return false;
    }
    m_slots.setModified(slot, 0);
    if (written.memoChanges.any())
        m_prompts.showMessage(title, MemoChangesText(written.memoChanges),
                              MessageIcon::Information);
    return true;
}

void RobotFiles::SaveRobotFile()
{
    const QString path = m_state.SlotFilePath[m_state.CurrentSlot];
    if (path.isEmpty()) {
        m_prompts.showMessage(
            SaveTitle, QStringLiteral(u"ファイル名が決まっていません　　\r別名で保存してください"),
            MessageIcon::Warning);
        return;
    }
    writeCurrentSlot(path, SaveTitle);
}

void RobotFiles::SaveRobotFileAs()
{
    if (!chooseFile(true, QStringLiteral(u"別名で保存"), RobotFileFilter))
        return;
    const QString path = m_own.FileDir + m_own.FileTitle;
    if (QFileInfo::exists(path)
        && !m_prompts.askYesNo(SaveAsTitle,
                               QStringLiteral(u"すでに ") + m_own.FileTitle
                                   + QStringLiteral(u" は有ります。\r\n書換えてよろしいですか？"),
                               MessageIcon::Warning)) {
        m_own.FileTitle.clear();
        return;
    }
    // The slot takes the new name only once the file holds the program.
    if (!writeCurrentSlot(path, QStringLiteral(u"別名で保存")))
        return;
    const int slot = m_state.CurrentSlot;
    m_slots.setSlotFile(slot, path, m_own.FileTitle);
}

} // namespace zuvo
