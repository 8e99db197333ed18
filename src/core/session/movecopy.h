#pragma once
// Moving and copying the selection onto the pending corner, cell by cell, with the question
// before an icon is written over.

#include "model/workingprogram.h"

#include <QString>
#include <functional>

namespace zuvo {

class EditorPrompts;
struct EditorState;
class GridPicture;
class IconForm;
class MessageArea;
class ProgramSlots;
class Selection;
class UndoCheckpoint;

class MoveCopy
{
public:
    MoveCopy(WorkingProgram &program, EditorPrompts &prompts, const EditorState &state,
             Selection &selection, GridPicture &grid, MessageArea &message, IconForm &form,
             UndoCheckpoint &undo, ProgramSlots &programSlots);

    void MoveSelection();
    void CopySelection();

private:
    // The destination-and-anchor rule of move and copy; false when refused.
    bool findMoveOffset(bool forCopy, int &dc, int &dr);
    // Takes one selected cell from (sx, sy) to (tx, ty); false ends the move or copy.
    using CellCarrier = std::function<bool(int sx, int sy, int tx, int ty)>;
    // The move or copy of the selection onto the pending corner, cell by cell in an order that
    // takes every source before it is overwritten; false when refused (nothing changed).
    bool carrySelection(bool forCopy, const CellCarrier &carry);
    // The question before an icon is written over; a no leaves the source cell as it is.
    bool mayOverwrite(const QString &title, int sx, int sy);
    void moveOneCell(int sx, int sy, int tx, int ty);
    bool copyOneCell(int sx, int sy, int tx, int ty); // false ends the copy

    WorkingProgram &m_program;
    EditorPrompts &m_prompts;
    const EditorState &m_state;
    Selection &m_selection;
    GridPicture &m_grid;
    MessageArea &m_message;
    IconForm &m_form;
    UndoCheckpoint &m_undo;
    ProgramSlots &m_slots;
};

} // namespace zuvo
