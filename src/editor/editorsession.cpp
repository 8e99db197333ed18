#include "editor/editorsession.h"

// Operations are filled in as the editor is built; each keeps its name from the header.

namespace zuvo {

EditorSession::EditorSession(EditorPrompts &prompts, QObject *parent)
    : QObject(parent)
    , m_prompts(prompts)
    , m_program(WorkingProgram::newProgram())
{
}

void EditorSession::ApplyCommandLine(const QStringList &) { }

void EditorSession::ApplyStartRequest(int) { }

void EditorSession::TrayPress(int, bool) { }

void EditorSession::IconPress(int, bool) { }

void EditorSession::IconRelease(int) { }

void EditorSession::IconDoubleClick(int) { }

void EditorSession::SurfaceRelease(int, int, bool) { }

void EditorSession::SurfaceMove(QPoint, bool, bool, bool) { }

void EditorSession::SurfaceDoubleClick() { }

void EditorSession::GridKey(int) { }

void EditorSession::CancelTrayPick() { }

void EditorSession::ShowAllTrayPictures() { }

void EditorSession::BeginIconMove() { }

void EditorSession::DropMovedIcon(int, int) { }

void EditorSession::MarkBoxCorner(int, int) { }

void EditorSession::DeleteSelection() { }

void EditorSession::MoveSelection() { }

void EditorSession::CopySelection() { }

void EditorSession::ClearSelection() { }

void EditorSession::Undo() { }

void EditorSession::CompactIconSlots() { }

void EditorSession::BlinkTick() { }

void EditorSession::ResetMessage() { }

void EditorSession::ShowHint() { }

void EditorSession::ShowWarning(const QString &) { }

void EditorSession::ResizeEditor(int, int) { }

void EditorSession::SetScroll(int, int) { }

void EditorSession::JumpLeft() { }

void EditorSession::JumpRight() { }

void EditorSession::JumpTop() { }

void EditorSession::JumpBottom() { }

void EditorSession::JumpTopLeft() { }

void EditorSession::JumpBottomRight() { }

void EditorSession::PageLeft() { }

void EditorSession::PageRight() { }

void EditorSession::PageUp() { }

void EditorSession::PageDown() { }

void EditorSession::NavigatorDrag(bool, int, int) { }

void EditorSession::ShowCellUnderMouse(QPoint) { }

void EditorSession::FormCheckOption(int) { }

void EditorSession::FormSetNumberText(const QString &) { }

void EditorSession::FormSelectListItem(int, int) { }

void EditorSession::ApplyButtonClicked() { }

void EditorSession::SwitchSlot(int) { }

void EditorSession::CopySlotTo(int) { }

void EditorSession::NewProgramCommand() { }

void EditorSession::LoadSampleSet(int) { }

void EditorSession::SetMemoText(const QString &) { }

void EditorSession::OpenRobotFile() { }

void EditorSession::InsertRobotFile() { }

void EditorSession::SaveRobotFile() { }

void EditorSession::SaveRobotFileAs() { }

bool EditorSession::ConfirmEditorClose()
{
    return true;
}

void EditorSession::ResetGrammarCheck() { }

void EditorSession::RunGrammarCheck() { }

void EditorSession::CopyBoxToClip() { }

void EditorSession::CutBoxToClip() { }

void EditorSession::PasteClip() { }

void EditorSession::RemoveCurrentIcon() { }

void EditorSession::DebugViewStep() { }

void EditorSession::changed() { }

void EditorSession::ShowVolumeReminder() { }

} // namespace zuvo
