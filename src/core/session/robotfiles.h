#pragma once
// Robot files in the editor: open, insert, save and save as. A file is read and validated
// completely before the program changes, so a refused file leaves everything as it was.

#include "model/workingprogram.h"

#include <QString>

namespace zuvo {

class CheckDriver;
class EditorPrompts;
struct EditorState;
class GridPicture;
class IconTray;
class ProgramSlots;
class Selection;
class UndoCheckpoint;

struct FileState
{
    QString FileDir; // the folder of the last file chosen, with a trailing slash
    QString FileTitle; // its name
};

class RobotFiles
{
public:
    RobotFiles(FileState &own, WorkingProgram &program, EditorPrompts &prompts,
               const EditorState &state, GridPicture &grid, IconTray &tray, Selection &selection,
               UndoCheckpoint &undo, ProgramSlots &programSlots, CheckDriver &check);

    void OpenRobotFile();
    void OpenRobotFileAt(const QString &path);
    void InsertRobotFile();
    void SaveRobotFile();
    void SaveRobotFileAs();

private:
    bool chooseFile(bool save, const QString &title, const QString &filter);
    void rememberFile(const QString &path);
    void openChosenFile();
    bool writeCurrentSlot(const QString &path, const QString &title);
    void insertStagedProgram(const WorkingProgram &file);

    FileState &m_own;
    WorkingProgram &m_program;
    EditorPrompts &m_prompts;
    const EditorState &m_state;
    GridPicture &m_grid;
    IconTray &m_tray;
    Selection &m_selection;
    UndoCheckpoint &m_undo;
    ProgramSlots &m_slots;
    CheckDriver &m_check;
};

} // namespace zuvo
