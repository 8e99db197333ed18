// The keyboard mode in the real editor window, offscreen: a whole program built, set, checked
// and sent with keys alone, the cursor's frame, and the names screen readers read.

#include "common/keycursorframe.h"
#include "editor/bottompanel.h"
#include "editor/editormenus.h"
#include "editor/iconpicturewidget.h"
#include "editor/picturebutton.h"
#include "editor/traypanel.h"
#include "model/iconcatalogue.h"
#include "sessiontestsupport.h"
#include "widgettestsupport.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace zuvo::test {
namespace {

class EditorKeyboardTest : public EditorWindowTest
{
protected:
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        // The blink timer's ticks come from tick(): a pick ends at a tick, and a key pressed
        // before it counts the just-placed icon as the pick, as a click then does.
        window->blinkTimer().stop();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QCoreApplication::processEvents();
    }

    // A key as the user presses it: to whatever has the keyboard (an open menu first).
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            QWidget *target = QApplication::activePopupWidget();
            if (!target)
                target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr) << "nothing has the keyboard";
            QTest::keyClick(target, k, mods);
            QCoreApplication::processEvents();
        }
    }
    void tick()
    {
        session().BlinkTick();
        session().BlinkTick();
    }
    // Alt+T opens ツール with its first usable item marked; Enter chooses the marked item.
    void openTools()
    {
        key(Qt::Key_T, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
            << "the menu did not open";
    }
    QString markedItem() const
    {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        return menu && menu->activeAction() ? menu->activeAction()->objectName() : QString();
    }
};

TEST_F(EditorKeyboardTest, KeysAloneBuildCheckAndSendTheProgramTheMouseBuilds)
{
    key(Qt::Key_F7);
    ASSERT_EQ(session().state().KeyboardMode, 1);
    EXPECT_EQ(QApplication::focusWidget(), surface());

    key(Qt::Key_Tab); // the tray, on Forward
    EXPECT_EQ(QApplication::focusWidget(), window->bottomPanel()->tray());
    key(Qt::Key_Return);
    EXPECT_EQ(session().state().TrayPick, IconForward);
    EXPECT_EQ(QApplication::focusWidget(), surface()) << "back on the grid";
    key(Qt::Key_Right, {}, 2);
    key(Qt::Key_Down, {}, 6); // (2, 6)
    key(Qt::Key_Return);
    tick();

    key(Qt::Key_Tab);
    key(Qt::Key_Right, {}, 10); // Wait
    key(Qt::Key_Return);
    EXPECT_EQ(session().state().TrayPick, IconWait);
    key(Qt::Key_Down, {}, 2); // (2, 8)
    key(Qt::Key_Return);
    tick();

    key(Qt::Key_Up, {}, 3); // the lines at (2, 5), (2, 7), (2, 9)
    key(Qt::Key_Return);
    key(Qt::Key_Down, {}, 2);
    key(Qt::Key_Return);
    key(Qt::Key_Down, {}, 2);
    key(Qt::Key_Return);

    key(Qt::Key_Right, {}, 9); // along a connector row the corners are stepped over
    key(Qt::Key_Up, {}, 5); // END at (20, 4)
    key(Qt::Key_Space);
    ASSERT_EQ(session().state().MoveSlot, 1);
    key(Qt::Key_Left, {}, 18);
    key(Qt::Key_Down, {}, 6); // (2, 10)
    key(Qt::Key_Return);
    tick();
    EXPECT_EQ(session().program().iconCodeAt(2, 10), IconEnd);

    key(Qt::Key_Up, {}, 2);
    key(Qt::Key_Return); // Wait selected: its form opens
    key(Qt::Key_Tab); // the tray
    key(Qt::Key_Tab); // the form's number box
    auto *number = control<QLineEdit>("数値入力");
    ASSERT_EQ(QApplication::focusWidget(), number);
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_2);
    key(Qt::Key_Return); // 設定
    EXPECT_EQ(session().program().SlotParams[3], QStringLiteral("19 1=2 &H00FFFFFF"));
    EXPECT_EQ(QApplication::focusWidget(), surface());

    // 文法チェック: its caption, "文法チェック" or "文法チェック 次へ", has no letter of its own.
    for (int i = 0; i < 3; ++i) {
        openTools();
        ASSERT_EQ(markedItem(), QStringLiteral("文法チェック"));
        key(Qt::Key_Return);
    }
    ASSERT_TRUE(window->menus()->item(QStringLiteral("送信"))->isEnabled())
        << session().view().messageText.toStdString();
    openTools(); // 文法チェック is disabled now: 送る(&S) is marked, and S chooses it
    EXPECT_EQ(markedItem(), QStringLiteral("送信"));
    key(Qt::Key_S);
    if (QApplication::activePopupWidget()) // where the letter only marks the item
        key(Qt::Key_Return);
    ASSERT_EQ(prompts.transmissions.size(), 1);

    // The same program built with the mouse's operations sends the same signal.
    SessionFixture mouse;
    mouse.place(IconForward, 2, 6);
    mouse.place(IconWait, 2, 8);
    for (int y : {5, 7, 9})
        mouse.line(2, y);
    mouse.session.IconPress(1, true);
    mouse.session.IconRelease(1);
    mouse.session.IconDoubleClick(1);
    mouse.session.IconRelease(1);
    mouse.session.SurfaceRelease(2, 10, true);
    mouse.session.BlinkTick();
    mouse.session.BlinkTick();
    mouse.session.IconPress(3, true);
    mouse.session.FormSetNumberText(QStringLiteral("2"));
    mouse.session.ApplyButtonClicked();
    for (int i = 0; i < 4; ++i)
        mouse.session.RunGrammarCheck();
    ASSERT_EQ(mouse.prompts.transmissions.size(), 1);
    EXPECT_EQ(session().view().txData, mouse.view().txData);
    EXPECT_EQ(prompts.transmissions[0], mouse.prompts.transmissions[0]);
}

TEST_F(EditorKeyboardTest, TheFrameFollowsTheCursorAboveThePicturesAndTheMenuItemShowsTheMode)
{
    QAction *item = window->menus()->item(QStringLiteral("キーボード操作"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("キーボードで操作(&K)"));
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F7));
    EXPECT_FALSE(item->isChecked());
    KeyCursorFrame *frame = surface()->keyCursorFrame();
    EXPECT_FALSE(frame->isVisible());

    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->framedBox(), cellBox(0, 0));
    key(Qt::Key_Right, {}, 2);
    key(Qt::Key_Down, {}, 4); // BEGIN
    EXPECT_EQ(frame->framedBox(), cellBox(2, 4));
    EXPECT_TRUE(frame->geometry().contains(surface()->picture(0)->geometry()));
    // Stacked over the icon's picture, so the frame is drawn over it.
    const QObjectList &children = surface()->children();
    EXPECT_GT(children.indexOf(frame), children.indexOf(surface()->picture(0)));
    // The column and row boxes follow the cursor as they follow the pointer.
    EXPECT_EQ(control<QLabel>("横座標")->text(), QStringLiteral("2"));
    EXPECT_EQ(control<QLabel>("縦座標")->text(), QStringLiteral("3"));

    // The tray's frame shows while the tray has the keyboard.
    TrayPanel *tray = window->bottomPanel()->tray();
    key(Qt::Key_Tab);
    EXPECT_TRUE(tray->keyCursorFrame()->isVisible());
    EXPECT_EQ(tray->keyCursorFrame()->framedBox(), tray->picture(IconForward)->geometry());
    key(Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), surface());
    EXPECT_FALSE(tray->keyCursorFrame()->isVisible());

    // F7 again: the frame goes, and the arrows scroll the page as before.
    key(Qt::Key_F7);
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(frame->isVisible());
    key(Qt::Key_Right);
    EXPECT_EQ(session().view().scroll.hValue, 761);
}

TEST_F(EditorKeyboardTest, EveryControlOfTheFormWorksFromTheKeyboard)
{
    key(Qt::Key_F7);
    key(Qt::Key_Tab);
    key(Qt::Key_Right, {}, 2); // the tray: Set Variable is in the second row
    key(Qt::Key_Down);
    while (session().state().TrayCursor != IconSetVariable && session().state().TrayCursor != 0)
        key(Qt::Key_Right);
    ASSERT_EQ(session().state().TrayCursor, IconSetVariable);
    key(Qt::Key_Return);
    key(Qt::Key_Down, {}, 2); // (0, 2)
    key(Qt::Key_Return);
    tick();
    key(Qt::Key_Return); // selected: its form opens
    ASSERT_TRUE(session().view().form.applyButton.visible);

    key(Qt::Key_Tab);
    key(Qt::Key_Tab); // the form's first control, the variable list
    auto *variable = control<QComboBox>("選択", 0);
    ASSERT_EQ(QApplication::focusWidget(), variable);
    key(Qt::Key_Down); // Ｂ
    EXPECT_EQ(session().view().form.listIndex[0], 1);
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>("数値入力"));
    key(Qt::Key_Tab);
    auto *operand = control<QComboBox>("選択", 1);
    ASSERT_EQ(QApplication::focusWidget(), operand);
    key(Qt::Key_Down, {}, 3); // Ｃ: the number box is disabled
    EXPECT_FALSE(session().view().form.numberBox.enabled);
    key(Qt::Key_Tab); // 設定, and round again to the grid
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>("設定"));
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), surface());
    key(Qt::Key_Tab, Qt::ShiftModifier); // back to 設定
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>("設定"));
    key(Qt::Key_Return);
    EXPECT_EQ(session().program().SlotParams[2], QStringLiteral(u"18 2=Ｂ Ｃ &H00FFFFFF"));
    EXPECT_EQ(QApplication::focusWidget(), surface());

    // The speed options of a Forward: the arrows mark them, Esc leaves the form unapplied.
    key(Qt::Key_Tab);
    key(Qt::Key_Left, {}, 26); // once round the tray, to Forward
    while (session().state().TrayCursor != IconForward)
        key(Qt::Key_Left);
    key(Qt::Key_Return);
    key(Qt::Key_Right, {}, 2); // (2, 2)
    key(Qt::Key_Return);
    tick();
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    auto *fast = control<QRadioButton>("Option1", 0);
    ASSERT_EQ(QApplication::focusWidget(), fast);
    key(Qt::Key_Space); // 高速
    EXPECT_EQ(session().view().form.checkedOption, 0);
    key(Qt::Key_Right); // 中速
    EXPECT_EQ(session().view().form.checkedOption, 1);
    key(Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), surface());
}

// What a screen reader reads and does through Qt's accessibility: the tray a list of Japanese
// names, the grid a table of every lattice cell named by place and content, the edit buttons
// push buttons; Press acts as the click.
TEST_F(EditorKeyboardTest, ScreenReadersReadAndPressTheTrayTheGridAndTheButtons)
{
    const auto press = [](QAccessibleInterface *item) {
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    TrayPanel *tray = window->bottomPanel()->tray();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(tray)->role(), QAccessible::List);
    QAccessibleInterface *forward = QAccessible::queryAccessibleInterface(tray->picture(0));
    EXPECT_EQ(forward->role(), QAccessible::ListItem);
    EXPECT_EQ(forward->text(QAccessible::Name), QStringLiteral(u"前進"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(tray->picture(IconNo))->text(QAccessible::Name),
              QStringLiteral(u"ノー"));
    press(forward);
    EXPECT_TRUE(forward->state().selected) << "picked";

    QAccessibleTableInterface *grid
        = QAccessible::queryAccessibleInterface(surface())->tableInterface();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 59);
    EXPECT_EQ(grid->columnCount(), 99);
    press(grid->cellAt(4, 6)); // row 4, column 6: icon column 4, icon row 3
    press(grid->cellAt(4, 5));
    const std::pair<QPoint, const char16_t *> cells[] = {
        {{6, 4}, u"4列3行 前進 速さ中"}, {{5, 4}, u"3列3行の右 線あり"},
        {{2, 4}, u"2列3行 開始"},        {{2, 5}, u"2列3行の下 線なし"},
        {{0, 0}, u"1列1行 空き"},        {{1, 1}, u"1列1行の右下 角"},
    };
    for (const auto &[at, name] : cells)
        EXPECT_EQ(grid->cellAt(at.y(), at.x())->text(QAccessible::Name), QString::fromUtf16(name));
    EXPECT_EQ(surface()->picture(2)->accessibleName(), QStringLiteral(u"前進"));

    for (const char *name : {"複写", "移動", "戻す", "解除", "削除", "文法"}) {
        QAccessibleInterface *button
            = QAccessible::queryAccessibleInterface(control(QString::fromUtf8(name)));
        EXPECT_EQ(button->role(), QAccessible::Button) << name;
        EXPECT_TRUE(button->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        EXPECT_EQ(control(QString::fromUtf8(name))->focusPolicy(), Qt::TabFocus);
    }
    press(QAccessible::queryAccessibleInterface(control("文法")));
    EXPECT_EQ(session().view().checkPicture, 1) << "the check ran its first stage";
}

} // namespace
} // namespace zuvo::test
