#pragma once
// The selection: the current cell, the marks of the selected cells, the box with its two
// corners, deleting and clearing the selection, and the refusal at the icon-count limit.

#include "model/workingprogram.h"

#include <QString>

namespace zuvo {

class CheckDriver;
class EditorPrompts;
class GridPicture;
class IconCarry;
class IconForm;
class IconTray;
class MessageArea;
class ProgramSlots;
class UndoCheckpoint;

struct SelectionState
{
    int CurrentCell = -1;
    // The box: BoxState 1 while one corner is pending at (BoxX, BoxY), -1 otherwise; BoxWidth
    // and BoxHeight are not 0 once a box is selected.
    int BoxState = -1;
    int BoxX = 0;
    int BoxY = 0;
    int BoxWidth = 0;
    int BoxHeight = 0;
};

class Selection
{
public:
    Selection(SelectionState &own, WorkingProgram &program, EditorPrompts &prompts,
              GridPicture &grid, MessageArea &message, IconTray &tray, IconForm &form,
              UndoCheckpoint &undo, IconCarry &carry, ProgramSlots &programSlots,
              CheckDriver &check);

    void MarkBoxCorner(int x, int y);
    void DeleteSelection();
    void ClearSelection();
    void clearMarks(); // ClearSelection without resetting the check and the message first
    void selectIconByPicture(int x, int y); // a left press on an icon's picture
    void selectCellOnGrid(int x, int y); // a left click on an icon cell with no pick to place
    // A right press on an icon's picture: a corner, and the icon marked.
    void markCornerIcon(int x, int y);
    // The destination of a move or copy: a corner whose mark came from the press that chose it
    // is no source.
    void unmarkDestination();
    void ClearBoxAnchor();
    void DropBoxAnchor();

    // True (with the warning and the message box, the selection cleared) when no icon slot is
    // left for a new icon.
    bool CheckSlotLimit(const QString &title);

    void setCurrentCell(int cell) { m_own.CurrentCell = cell; }
    // The pointer's cell becomes the pending corner, unpainted.
    void setCorner(int x, int y);
    void forgetCorner(); // no corner pending, nothing repainted
    void forgetSelection(); // no current cell, corner or box: a program is installed
    // Undo's checkpoint back; the pending corner's cell is repainted white.
    void restore(int currentCell, int boxState, int boxWidth, int boxHeight);

private:
    SelectionState &m_own;
    WorkingProgram &m_program;
    EditorPrompts &m_prompts;
    GridPicture &m_grid;
    MessageArea &m_message;
    IconTray &m_tray;
    IconForm &m_form;
    UndoCheckpoint &m_undo;
    IconCarry &m_carry;
    ProgramSlots &m_slots;
    CheckDriver &m_check;
    // The pending corner's cell when the right press that chose it also marked its icon: that
    // mark is no part of the selection a move or copy carries.
    int m_cornerMarkedByPress = -1;
};

} // namespace zuvo
