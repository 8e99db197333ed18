#pragma once
// The keyboard mode: a cursor cell on the lattice and a cursor in the icon tray, for children
// who cannot use a mouse well. Every key makes the click the mouse would make on the cursor's
// cell, through grid input; nothing here edits the program by itself. Where the mouse user sees
// the pointer, the keyboard user reads the message area.

#include "model/workingprogram.h"

#include <QString>

namespace zuvo {

struct EditorState;
class GridInput;
class IconCarry;
class IconTray;
class MessageArea;
class ScrollArea;

struct KeyboardState
{
    int KeyboardMode = 0; // off at start
    int KeyCursor = -1; // CellIndex, never a corner; -1 until the mode is first turned on
    int TrayCursor = 0; // IconCode 0 .. 25
};

// The cursors as they are drawn: -1 while the mode is off.
struct KeyboardView
{
    int keyCursorCell = -1; // the framed lattice cell
    int trayCursorCode = -1; // the framed tray picture while the tray has the keyboard
};

class KeyboardCursor
{
public:
    KeyboardCursor(KeyboardState &own, KeyboardView &shown, const WorkingProgram &program,
                   const EditorState &state, MessageArea &message, IconTray &tray, IconCarry &carry,
                   ScrollArea &scroll, GridInput &input);

    bool on() const { return m_own.KeyboardMode != 0; }
    void SetKeyboardMode(bool on);
    void MoveKeyCursor(int dx, int dy); // one lattice position per step, corners skipped
    void SetKeyCursor(int x, int y);
    void KeyCursorClick(bool leftButton); // Enter: a left click; Shift+Enter: a right click
    void KeyCursorDoubleClick(); // Space: the double-click (on an icon: pick it up to move)
    void MoveTrayCursor(int dx, int dy); // across the 26 tray pictures, row by row
    void TrayCursorPress(bool leftButton); // TrayPress on the picture under the tray cursor
    void ShowTrayCursor(bool shown); // the tray has (or has lost) the keyboard

private:
    void keepKeyCursorInView();
    void followKeyCursor(); // column and row boxes, a carried icon, the message area
    // The key cursor's cell and what a click may change, taken before the click.
    struct KeyClickStart
    {
        int cell;
        int content;
        int mark;
        int boxState;
        int moveSlot;
    };
    KeyClickStart keyClickStart() const;
    // After a key's click: says what it did where the operation left only the hint.
    void reportKeyClick(const KeyClickStart &start);

    KeyboardState &m_own;
    KeyboardView &m_shown;
    const WorkingProgram &m_program;
    const EditorState &m_state;
    MessageArea &m_message;
    IconTray &m_tray;
    IconCarry &m_carry;
    ScrollArea &m_scroll;
    GridInput &m_input;
};

} // namespace zuvo
