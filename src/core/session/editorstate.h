#pragma once
// The editor's state as plain data: EditorState, the variables the editing operations share, and
// EditorView, what is visible on screen. Both are made of the parts the session's rooms own,
// each declared beside the room that writes it. Widgets paint from these; tests assert on them.

#include "session/checkdriver.h"
#include "session/debugaids.h"
#include "session/gridpicture.h"
#include "session/iconcarry.h"
#include "session/iconform.h"
#include "session/icontray.h"
#include "session/keyboardcursor.h"
#include "session/messagearea.h"
#include "session/programslots.h"
#include "session/robotfiles.h"
#include "session/scrollarea.h"
#include "session/selection.h"
#include "session/undocheckpoint.h"

namespace zuvo {

// Variables shared by the editing operations, named as the system names them.
struct EditorState : SelectionState,
                     TrayState,
                     BlinkState,
                     CarryState,
                     UndoState,
                     SlotState,
                     FileState,
                     CheckState,
                     KeyboardState,
                     DebugState
{
};

// What is visible, as data.
struct EditorView : GridView,
                    TrayView,
                    MessageView,
                    UndoView,
                    SlotView,
                    CheckView,
                    ScrollingView,
                    FormView,
                    KeyboardView,
                    DebugView
{
};

} // namespace zuvo
