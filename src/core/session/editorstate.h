#pragma once
// The editor's state as plain data: the variables the editing operations share, and what is
// visible on screen (painted cell colours, icon pictures, value labels, tray, message area,
// tabs, buttons, menus, debug boxes). Widgets paint from this; tests assert on it.

#include "model/colours.h"
#include "model/programtext.h"
#include "model/valuelabels.h"
#include "model/workingprogram.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace zuvo {

constexpr int ProgramSlotCount = 4;

// The undo checkpoint, also the staging copy of a program being read.
struct UndoSnapshot
{
    WorkingProgram program; // CellContent, CellMark, SlotCell, SlotParams, SlotCount
    int CurrentCell = -1;
    int TrayPick = -1;
    int BoxState = -1;
    int BoxWidth = 0;
    int BoxHeight = 0;
};

// TrayPick after a placement: IconCode + TrayPickPlaced, until the next blink tick shows the tray
// picture again and ends the pick. Below it, TrayPick is the IconCode of an active pick.
constexpr int TrayPickPlaced = 31;

// Variables shared by the editing operations, named as the system names them.
struct EditorState
{
    int CurrentCell = -1;
    int TrayPick = -1;
    int BlinkPhase = 0;
    int BoxState = -1;
    int BoxX = 0;
    int BoxY = 0;
    int BoxWidth = 0;
    int BoxHeight = 0;
    int MoveSlot = -1;
    int MoveFromX = 0;
    int MoveFromY = 0;
    int CurrentSlot = 0;
    std::array<int, 5> SlotModified {};
    std::array<QString, 5> SlotFilePath {};
    std::array<ProgramText, ProgramSlotCount> SlotText {};
    int GhostMode = 0;
    int HexDisp = 0;
    int ChecksumTestFlag = 0;
    int DebugViewState = 0;
    int UndoSpent = 1;
    int CheckStage = 0;
    int CheckPassed = 0;
    QString FileDir;
    QString FileTitle;
    // The hidden clipboard (row 4 of SlotText): lines, icons, parity.
    QString ClipLines;
    QString ClipIcons;
    QString ClipParity;
    // The keyboard mode (off at start): the cursor cell the arrow keys move over the lattice
    // (an icon or connector cell, never a corner) and the tray picture the tray's cursor is on.
    int KeyboardMode = 0;
    int KeyCursor = -1; // CellIndex; -1 until the mode is first turned on
    int TrayCursor = 0; // IconCode 0 .. 25
};

struct IconPictureView
{
    int code = -1; // IconCode whose grid picture it shows
    QPoint topLeft; // on the drawing surface, pixels
    bool visible = false;
};

// A value label belongs to its icon picture: it shows only while the picture is visible.
using ValueLabelView = ValueLabel;

// Controls of the property form, placed in twips relative to the bottom panel.
struct FormControlView
{
    bool visible = false;
    bool enabled = true;
    QString caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PropertyFormView
{
    FormControlView title; // 表題
    std::array<FormControlView, 4> options; // Option1(0..3)
    int checkedOption = 0; // -1 none
    FormControlView numberBox; // 数値入力
    QString numberText;
    int numberMaxLength = 4;
    std::array<FormControlView, 3> lists; // 選択(0..2)
    std::array<QStringList, 3> listItems;
    std::array<int, 3> listIndex {0, 0, 0};
    std::array<FormControlView, 6> memos; // メモ(0..5)
    FormControlView applyButton; // 設定
    bool mapVisible = true; // 位置, the navigator frame
};

// The scroll bars HScroll1 / VScroll1 and the program area they scroll.
struct ScrollView
{
    int hValue = 0;
    int vValue = 0;
    int hMax = 0;
    int vMax = 0;
    int hLargeChange = 1;
    int vLargeChange = 1;
    int smallChange = 30;
    int areaWidth = 761; // 編集窓
    int areaHeight = 401;
    int windowWidth = 800; // outer size in pixels
    int windowHeight = 626;
    int mapLeft = 250; // 位置, twips in the bottom panel
    int mapTop = 430;
    int mapWidth = 525;
    int mapHeight = 495;
};

// What is visible, as data.
struct EditorView
{
    CellGrid<quint32> cellColour {ColourWhite}; // last painted colour of each cell's box
    CellGrid<quint8> lineBar {0}; // 1 where the grey line bar was last painted
    std::array<IconPictureView, IconSlotLimit> pictures {};
    std::array<std::array<ValueLabelView, 3>, IconSlotLimit> labels {}; // D1, D2, D3
    std::optional<QPoint> dragPicturePos; // the dragged picture's top-left, while dragging
    std::array<bool, 26> trayVisible {};
    QString messageText;
    quint32 messageBackground = ColourWhite;
    std::array<QString, ProgramSlotCount> tabCaptions {};
    bool undoAvailable = false; // 戻す0 shown and 一つ前に戻る enabled
    int checkPicture = 0; // 文法0, 文法1, 文法2
    QString checkMenuCaption;
    bool checkMenuEnabled = true;
    bool sendEnabled = false;
    QString txData;
    bool txDataVisible = false;
    QString memo; // Text1
    ScrollView scroll;
    QString columnBoxText; // 横座標: icon column under the pointer, from 1
    QString rowBoxText; // 縦座標: icon row under the pointer, from 1
    PropertyFormView form;
    bool debugPanelVisible = false;
    std::array<QString, 11> debugTexts {}; // Text(0..10)
    QStringList debugList;
    bool debugListVisible = false;
    bool sendingSignal = false; // the transmission window is up
    int executingSlot = -1; // the icon the simulator executes now, lit on the grid; -1 none
    // The keyboard mode's cursors as they are drawn: -1 while the mode is off.
    int keyCursorCell = -1; // the framed lattice cell
    int trayCursorCode = -1; // the framed tray picture while the tray has the keyboard
};

} // namespace zuvo
