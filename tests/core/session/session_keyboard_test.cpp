// The keyboard mode through the session: the cursor cell, the tray cursor, and a whole program
// built, set, checked and sent by the operations the keys run, against the same program built
// with the mouse's operations.

#include "sessiontestsupport.h"

#include "model/iconcatalogue.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

// The keys of the keyboard mode as the window maps them to the session's operations.
struct Keys
{
    EditorSession &session;

    void f7() { session.ToggleKeyboardMode(); }
    void arrow(int dx, int dy, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            session.MoveKeyCursor(dx, dy);
    }
    void to(int x, int y) // arrows from wherever the cursor is, columns first
    {
        const int cell = session.state().KeyCursor;
        int cx = CellX(cell);
        int cy = CellY(cell);
        while (cx != x || cy != y) {
            const int dx = cx < x ? 1 : (cx > x ? -1 : 0);
            const int dy = dx != 0 ? 0 : (cy < y ? 1 : -1);
            session.MoveKeyCursor(dx, dy);
            const int now = session.state().KeyCursor;
            ASSERT_NE(now, CellIndex(cx, cy)) << "the cursor is stuck at " << cx << ", " << cy;
            cx = CellX(now);
            cy = CellY(now);
        }
    }
    void enter() { session.KeyCursorClick(true); }
    void shiftEnter() { session.KeyCursorClick(false); }
    void space() { session.KeyCursorDoubleClick(); }
    // Tab to the tray, arrows to the picture of code, Enter; the focus returns to the grid.
    void pick(int code)
    {
        session.ShowTrayCursor(true);
        for (int i = 0; i < TrayIconCount && session.state().TrayCursor != code; ++i)
            session.MoveTrayCursor(1, 0);
        ASSERT_EQ(session.state().TrayCursor, code);
        session.TrayCursorPress(true);
        session.ShowTrayCursor(false);
    }
};

// Time passing: the blink timer's ticks that end a pick and settle the marks.
void ticks(SessionFixture &f)
{
    f.session.BlinkTick();
    f.session.BlinkTick();
}

// BEGIN (2, 4) -> Forward (2, 6) -> Wait (2, 8) -> END moved from (20, 4) to (2, 10).
void buildWithKeys(SessionFixture &f)
{
    Keys keys {f.session};
    keys.f7();
    keys.pick(IconForward);
    keys.to(2, 6);
    keys.enter();
    ticks(f);
    keys.pick(IconWait);
    keys.to(2, 8);
    keys.enter();
    ticks(f);
    for (int y : {5, 7, 9}) {
        keys.to(2, y);
        keys.enter();
    }
    keys.to(20, 4);
    keys.space(); // picks END up
    keys.to(2, 10);
    keys.enter(); // and puts it down
    ticks(f);
    keys.to(2, 8);
    keys.enter(); // selects Wait: its form opens
    ticks(f);
    ASSERT_TRUE(f.view().form.applyButton.visible);
    f.session.FormSetNumberText(QStringLiteral("2")); // typed into 数値入力
    f.session.ApplyButtonClicked(); // Enter on 設定
}

void buildWithMouse(SessionFixture &f)
{
    f.place(IconForward, 2, 6);
    f.place(IconWait, 2, 8);
    for (int y : {5, 7, 9})
        f.line(2, y);
    f.session.IconPress(1, true); // END: a double-click picks it up
    f.session.IconRelease(1);
    f.session.IconDoubleClick(1);
    f.session.IconRelease(1);
    f.session.SurfaceRelease(2, 10, true);
    ticks(f);
    f.session.IconPress(3, true); // Wait
    f.session.IconRelease(3);
    ticks(f);
    f.session.FormSetNumberText(QStringLiteral("2"));
    f.session.ApplyButtonClicked();
}

// Three checks and the press that sends.
void checkAndSend(SessionFixture &f)
{
    for (int i = 0; i < 3; ++i)
        f.session.RunGrammarCheck();
    ASSERT_TRUE(f.view().sendEnabled) << f.view().messageText.toStdString();
    f.session.RunGrammarCheck();
}

} // namespace

TEST(SessionKeyboard, AProgramBuiltWithKeysSendsWhatTheMouseBuildSends)
{
    SessionFixture byKeys;
    buildWithKeys(byKeys);
    EXPECT_EQ(byKeys.codeAt(2, 10), IconEnd);
    EXPECT_EQ(byKeys.content(20, 4), EmptyCell);
    EXPECT_EQ(byKeys.program().SlotParams[3], QStringLiteral("19 1=2 &H00FFFFFF"));
    checkAndSend(byKeys);

    SessionFixture byMouse;
    buildWithMouse(byMouse);
    EXPECT_EQ(byMouse.program().CellContent, byKeys.program().CellContent);
    EXPECT_EQ(byMouse.program().SlotParams, byKeys.program().SlotParams);
    checkAndSend(byMouse);

    ASSERT_EQ(byKeys.prompts.transmissions.size(), 1);
    ASSERT_EQ(byMouse.prompts.transmissions.size(), 1);
    EXPECT_FALSE(byKeys.view().txData.isEmpty());
    EXPECT_EQ(byKeys.view().txData, byMouse.view().txData);
    EXPECT_EQ(byKeys.prompts.transmissions[0], byMouse.prompts.transmissions[0]);
    EXPECT_TRUE(
        byKeys.view().messageText.startsWith(QStringLiteral(u"プログラムの送信は終わりました")))
        << byKeys.view().messageText.toStdString();
}

TEST(SessionKeyboard, TheModeIsOffAtStartAndItsKeysDoNothingThen)
{
    SessionFixture f;
    EXPECT_EQ(f.state().KeyboardMode, 0);
    EXPECT_EQ(f.view().keyCursorCell, -1);
    const WorkingProgram before = f.program();
    f.session.MoveKeyCursor(1, 0);
    f.session.KeyCursorClick(true);
    f.session.KeyCursorClick(false);
    f.session.KeyCursorDoubleClick();
    f.session.MoveTrayCursor(1, 0);
    f.session.TrayCursorPress(true);
    f.session.ShowTrayCursor(true);
    EXPECT_EQ(f.program().CellContent, before.CellContent);
    EXPECT_EQ(f.program().CellMark, before.CellMark);
    EXPECT_EQ(f.state().TrayPick, -1);
    EXPECT_EQ(f.view().keyCursorCell, -1);
    EXPECT_EQ(f.view().trayCursorCode, -1);

    // The arrows keep scrolling the page while the mode is off, and again once it is off.
    f.session.GridKey(39);
    EXPECT_EQ(f.view().scroll.hValue, 761);
    f.session.ToggleKeyboardMode();
    f.session.ToggleKeyboardMode();
    EXPECT_EQ(f.view().keyCursorCell, -1);
    f.session.GridKey(39);
    EXPECT_EQ(f.view().scroll.hValue, 1522);
}

TEST(SessionKeyboard, TheCursorStepsOverCornersStopsAtTheEdgesAndStaysInView)
{
    SessionFixture f;
    f.session.SetScroll(130, 70);
    f.session.SetKeyboardMode(true);
    // It starts on the first icon cell the view shows whole.
    EXPECT_EQ(f.state().KeyCursor, CellIndex(6, 4));
    EXPECT_EQ(f.view().keyCursorCell, CellIndex(6, 4));
    EXPECT_EQ(f.view().columnBoxText, QStringLiteral("4"));
    EXPECT_EQ(f.view().rowBoxText, QStringLiteral("3"));

    f.session.SetKeyCursor(6, 5); // a vertical connector
    f.session.MoveKeyCursor(1, 0); // (7, 5) is a corner
    EXPECT_EQ(f.state().KeyCursor, CellIndex(8, 5));
    f.session.SetKeyCursor(7, 4); // a horizontal connector
    f.session.MoveKeyCursor(0, 1);
    EXPECT_EQ(f.state().KeyCursor, CellIndex(7, 6));
    f.session.SetKeyCursor(7, 7); // a corner is never the cursor's cell
    EXPECT_EQ(cellKind(CellX(f.state().KeyCursor), CellY(f.state().KeyCursor)),
              CellKind::VerticalConnector);

    // Up and left to the top-left icon cell: the view follows; further is the edge.
    f.session.SetKeyCursor(0, 0);
    EXPECT_EQ(f.view().scroll.hValue, 0);
    EXPECT_EQ(f.view().scroll.vValue, 0);
    f.session.MoveKeyCursor(-1, 0);
    f.session.MoveKeyCursor(0, -1);
    EXPECT_EQ(f.state().KeyCursor, CellIndex(0, 0));

    // Down the first column: the view scrolls just enough to keep the frame in the area.
    for (int i = 0; i < 16; ++i)
        f.session.MoveKeyCursor(0, 1);
    EXPECT_EQ(f.state().KeyCursor, CellIndex(0, 16));
    const QRect box = cellBox(0, 16);
    const ScrollView &scroll = f.view().scroll;
    EXPECT_GT(scroll.vValue, 0);
    EXPECT_GE(box.top(), scroll.vValue);
    EXPECT_LT(box.bottom(), scroll.vValue + scroll.areaHeight - 2);
    EXPECT_EQ(f.view().rowBoxText, QStringLiteral("9"));

    f.session.SetKeyCursor(98, 58);
    EXPECT_EQ(f.view().scroll.hValue, scroll.hMax);
    EXPECT_EQ(f.view().scroll.vValue, scroll.vMax);
    f.session.MoveKeyCursor(1, 0);
    f.session.MoveKeyCursor(0, 1);
    EXPECT_EQ(f.state().KeyCursor, CellIndex(98, 58));
}

TEST(SessionKeyboard, EnterAndShiftEnterAreTheMouseButtonsOnTheCursorCell)
{
    SessionFixture f;
    Keys keys {f.session};
    keys.f7();

    // Enter on a connector draws its line and says so; again removes it.
    keys.to(3, 4);
    keys.enter();
    EXPECT_EQ(f.content(3, 4), LineCell);
    EXPECT_EQ(f.view().lineBar(3, 4), 1);
    EXPECT_TRUE(f.view().messageText.startsWith(QStringLiteral(u"接続線を引きました。")));
    keys.enter();
    EXPECT_EQ(f.content(3, 4), EmptyCell);
    EXPECT_TRUE(f.view().messageText.startsWith(QStringLiteral(u"接続線を消しました。")));

    // Enter on an empty icon cell selects it, Enter again unselects it.
    keys.to(4, 6);
    keys.enter();
    EXPECT_EQ(f.mark(4, 6), 1);
    EXPECT_EQ(f.state().CurrentCell, CellIndex(4, 6));
    EXPECT_TRUE(f.view().messageText.startsWith(QStringLiteral(u"選択しました。")));
    keys.enter();
    EXPECT_NE(f.mark(4, 6), 1);

    // Shift+Enter twice: the corners of a box, as with the right button.
    keys.to(4, 6);
    keys.shiftEnter();
    EXPECT_EQ(f.state().BoxState, 1);
    EXPECT_EQ(f.view().cellColour(4, 6), ColourCorner);
    keys.to(8, 6);
    keys.shiftEnter();
    EXPECT_EQ(f.state().BoxWidth, 5);
    EXPECT_EQ(f.state().BoxHeight, 1);
    EXPECT_EQ(f.mark(6, 6), 1);
    EXPECT_TRUE(f.view().messageText.startsWith(QStringLiteral(u"ＢＯＸを選択しました。")));
    // The tray fills the box: two icons joined by lines, as the mouse's fill does.
    keys.pick(IconForward);
    EXPECT_EQ(f.codeAt(4, 6), IconForward);
    EXPECT_EQ(f.codeAt(8, 6), IconForward);
    EXPECT_EQ(f.content(5, 6), LineCell);

    // Enter on an icon selects it through its picture: the description and the form show.
    ticks(f);
    keys.to(4, 6);
    keys.enter();
    EXPECT_EQ(f.mark(4, 6), 1);
    EXPECT_EQ(f.view().messageText, IconHelpText(IconForward));
    EXPECT_TRUE(f.view().form.applyButton.visible);

    // A corner refusal keeps its warning while the cursor moves on.
    f.session.GridKey(27); // Esc
    keys.to(2, 4);
    keys.shiftEnter();
    keys.to(6, 4);
    keys.shiftEnter(); // a box
    keys.to(10, 4);
    keys.shiftEnter();
    keys.shiftEnter(); // a second box is refused
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"ＢＯＸの選択は１つのみです。"));
    keys.arrow(1, 0);
    EXPECT_EQ(f.view().messageText, QStringLiteral(u"ＢＯＸの選択は１つのみです。"));
}

TEST(SessionKeyboard, SpacePicksAnIconUpAndItTravelsWithTheCursor)
{
    SessionFixture f;
    Keys keys {f.session};
    f.place(IconForward, 6, 4);
    keys.f7();
    keys.to(6, 4);
    keys.space();
    EXPECT_EQ(f.state().MoveSlot, 2);
    EXPECT_TRUE(
        f.view().messageText.startsWith(QStringLiteral(u"前進（Forward）を持ち上げました。")))
        << f.view().messageText.toStdString();
    keys.arrow(1, 0); // a connector: shown where a drop there would go
    EXPECT_EQ(f.view().pictures[2].topLeft, iconPicturePosition(6, 4));
    keys.arrow(1, 0);
    keys.arrow(0, 1, 2);
    EXPECT_EQ(f.view().pictures[2].topLeft, iconPicturePosition(8, 6));
    EXPECT_TRUE(f.view().messageText.contains(QStringLiteral(u"Enter：ここに置く")));

    // Esc puts it back where it was.
    f.session.GridKey(27);
    EXPECT_EQ(f.state().MoveSlot, -1);
    EXPECT_EQ(f.view().pictures[2].topLeft, iconPicturePosition(6, 4));
    EXPECT_EQ(f.codeAt(6, 4), IconForward);

    // An icon already selected with Enter is picked up by Space as well; Enter onto BEGIN
    // makes the two change places.
    ticks(f);
    keys.to(6, 4);
    keys.enter();
    ASSERT_EQ(f.mark(6, 4), 1);
    keys.space();
    EXPECT_EQ(f.state().MoveSlot, 2);
    keys.to(2, 4);
    keys.enter();
    EXPECT_EQ(f.codeAt(2, 4), IconForward);
    EXPECT_EQ(f.codeAt(6, 4), IconBegin);
    EXPECT_TRUE(
        f.view().messageText.startsWith(QStringLiteral(u"前進（Forward）を移動しました。")));

    // Space on an empty cell is the double-click on the grid: the selection is cleared.
    ticks(f);
    keys.to(10, 10);
    keys.enter();
    ASSERT_EQ(f.mark(10, 10), 1);
    keys.space();
    EXPECT_NE(f.mark(10, 10), 1);
}

TEST(SessionKeyboard, TheTrayCursorRunsThroughBothRowsAndPicksWithTrayPress)
{
    SessionFixture f;
    f.session.SetKeyboardMode(true);
    f.session.ShowTrayCursor(true);
    EXPECT_EQ(f.view().trayCursorCode, IconForward);
    EXPECT_TRUE(
        f.view().messageText.startsWith(QStringLiteral(u"アイコントレイ：前進（Forward）")));
    // Left from the first picture wraps to the last of the second row; down stays in row 2.
    f.session.MoveTrayCursor(-1, 0);
    const IconInfo &last = iconInfo(f.state().TrayCursor);
    EXPECT_EQ(last.trayRow, 2);
    EXPECT_EQ(last.trayColumn, 13);
    f.session.MoveTrayCursor(0, 1);
    EXPECT_EQ(iconInfo(f.state().TrayCursor).trayRow, 2);
    f.session.MoveTrayCursor(1, 0); // past the end of row 2: row 1 again
    EXPECT_EQ(f.state().TrayCursor, IconForward);
    f.session.MoveTrayCursor(0, 1);
    EXPECT_EQ(iconInfo(f.state().TrayCursor).trayRow, 2);
    EXPECT_EQ(iconInfo(f.state().TrayCursor).trayColumn, 1);
    f.session.MoveTrayCursor(0, -1);
    EXPECT_EQ(f.state().TrayCursor, IconForward);

    f.session.TrayCursorPress(true);
    EXPECT_EQ(f.state().TrayPick, IconForward);
    EXPECT_EQ(f.view().trayCursorCode, -1);
    EXPECT_EQ(f.view().messageText, IconHelpText(IconForward));
    // A second press drops the pick, as on the picture.
    f.session.TrayCursorPress(true);
    EXPECT_EQ(f.state().TrayPick, -1);
    EXPECT_TRUE(f.view().messageText.startsWith(QStringLiteral(u"前進（Forward）をやめました。")));
    // Shift+Enter is the other button: it clears the selection.
    f.session.SetKeyCursor(4, 4);
    f.session.KeyCursorClick(true);
    ASSERT_EQ(f.mark(4, 4), 1);
    f.session.TrayCursorPress(false);
    EXPECT_NE(f.mark(4, 4), 1);
}
