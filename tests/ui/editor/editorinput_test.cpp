#include "editor/editormenus.h"
#include "editor/iconpicturewidget.h"
#include "editor/picturebutton.h"
#include "editor/slottabs.h"
#include "widgettestsupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>

namespace zuvo::test {
namespace {

QColor surfacePixel(GridSurface *surface, QPoint p)
{
    return surface->grab(QRect(p, QSize(1, 1))).toImage().pixelColor(0, 0);
}

TEST_F(EditorWindowTest, TrayPickThenGridClickPlacesAnIcon)
{
    QTest::mouseClick(control("bmp", 32), Qt::LeftButton); // Forward
    EXPECT_EQ(session().state().TrayPick, 0);
    clickCell(6, 4);
    const int content = session().program().CellContent(6, 4);
    ASSERT_TRUE(ContentHoldsIcon(content));
    EXPECT_EQ(ContentIconCode(content), 0);
    IconPictureWidget *picture = surface()->picture(ContentSlot(content));
    EXPECT_TRUE(picture->isVisible());
    EXPECT_EQ(picture->pos(), QPoint(178, 119));
    EXPECT_EQ(picture->iconCode(), 0);
    // The speed shows bottom right.
    EXPECT_TRUE(picture->labels()[1].visible);
    EXPECT_EQ(picture->labels()[1].text, QStringLiteral("中"));

    // A click on a connector between two cells draws the grey line bar on the surface.
    clickCell(5, 4);
    EXPECT_EQ(session().program().CellContent(5, 4), LineCell);
    EXPECT_EQ(surfacePixel(surface(), QPoint(2 * 59 + 54, 2 * 59 + 24)), QColor(128, 128, 128));
}

TEST_F(EditorWindowTest, RightClickCornerPairMakesABox)
{
    clickCell(4, 2, Qt::RightButton);
    EXPECT_EQ(session().state().BoxState, 1);
    // The first corner is painted green at once.
    EXPECT_EQ(surfacePixel(surface(), cellPixel(4, 2)), QColor(0, 255, 0));
    clickCell(2, 6, Qt::RightButton);
    const EditorState &state = session().state();
    EXPECT_EQ(state.BoxX, 2);
    EXPECT_EQ(state.BoxY, 2);
    EXPECT_EQ(state.BoxWidth, 3);
    EXPECT_EQ(state.BoxHeight, 5);
    EXPECT_EQ(session().program().CellMark(3, 4), 1);
}

TEST_F(EditorWindowTest, EscapeOnTheSurfaceClearsTheSelection)
{
    clickCell(8, 8);
    EXPECT_EQ(session().program().CellMark(8, 8), 1);
    EXPECT_EQ(session().state().CurrentCell, CellIndex(8, 8));
    EXPECT_TRUE(surface()->hasFocus());
    QTest::keyClick(surface(), Qt::Key_Escape);
    EXPECT_EQ(session().program().CellMark(8, 8), 2);
    EXPECT_EQ(session().state().CurrentCell, -1);
}

TEST_F(EditorWindowTest, ApplyButtonWritesTheFormValue)
{
    QTest::mouseClick(control("bmp", 32), Qt::LeftButton);
    clickCell(6, 4);
    const int slot = ContentSlot(session().program().CellContent(6, 4));
    session().BlinkTick(); // the pick ends
    session().BlinkTick();

    // Selecting the icon through its picture opens the speed form.
    QTest::mouseClick(surface()->picture(slot), Qt::LeftButton);
    auto *apply = control<QPushButton>("設定");
    ASSERT_TRUE(apply->isVisible());
    EXPECT_FALSE(control("位置")->isVisible());
    auto *fast = control<QRadioButton>("Option1", 0);
    EXPECT_TRUE(fast->isVisible());
    EXPECT_EQ(fast->text(), QStringLiteral("高速"));
    EXPECT_TRUE(control<QRadioButton>("Option1", 1)->isChecked());
    // Placed from twips of the bottom panel: Option1(0) at 350, 750 is (23, 50) there.
    EXPECT_EQ(placeIn(fast, control("Frame5")).topLeft(), QPoint(23, 50));

    QTest::mouseClick(fast, Qt::LeftButton);
    QTest::mouseClick(apply, Qt::LeftButton);
    EXPECT_EQ(session().program().SlotParams[slot], QStringLiteral("00 1=高 &H00FFFFFF"));
    EXPECT_EQ(surface()->picture(slot)->labels()[1].text, QStringLiteral("高"));
    EXPECT_FALSE(apply->isVisible());
    EXPECT_TRUE(control("位置")->isVisible());
}

TEST_F(EditorWindowTest, NumberBoxAndListsReachTheForm)
{
    QTest::mouseClick(control("bmp", 32 + 22), Qt::LeftButton); // Caluculate Variable
    clickCell(6, 4);
    const int slot = ContentSlot(session().program().CellContent(6, 4));
    session().BlinkTick();
    session().BlinkTick();
    QTest::mouseClick(surface()->picture(slot), Qt::LeftButton);

    auto *number = control<QLineEdit>("数値入力");
    auto *operand = control<QComboBox>("選択", 1);
    ASSERT_TRUE(number->isVisible());
    EXPECT_EQ(number->text(), QStringLiteral("1"));
    EXPECT_EQ(operand->currentText(), QStringLiteral("数"));
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("42"));
    QTest::mouseClick(control("設定"), Qt::LeftButton);
    EXPECT_EQ(session().program().SlotParams[slot], QStringLiteral("22 3=Ａ 42 ＋ &H00FFFFFF"));

    // A variable as operand disables the number box.
    session().BlinkTick(); // the applied icon settles
    session().BlinkTick();
    QTest::mouseClick(surface()->picture(slot), Qt::LeftButton);
    ASSERT_TRUE(number->isVisible());
    operand->setCurrentIndex(2);
    emit operand->activated(2);
    EXPECT_FALSE(number->isEnabled());
    QTest::mouseClick(control("設定"), Qt::LeftButton);
    EXPECT_EQ(session().program().SlotParams[slot], QStringLiteral("22 3=Ａ Ｂ ＋ &H00FFFFFF"));
}

TEST_F(EditorWindowTest, TabHighlightFollowsTheCurrentSlot)
{
    const auto highlighted = [this](int k) {
        return control("プログラム", k)->styleSheet().contains(SlotTabs::CurrentTabColour.name());
    };
    EXPECT_TRUE(highlighted(0));
    QTest::mouseClick(control("プログラム", 2), Qt::LeftButton);
    EXPECT_EQ(session().state().CurrentSlot, 2);
    int count = 0;
    for (int k = 0; k < 4; ++k)
        count += highlighted(k) ? 1 : 0;
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(highlighted(2));
    EXPECT_TRUE(surface()->hasFocus());
}

TEST_F(EditorWindowTest, RightDragOverTheTabsCopiesTheProgram)
{
    clickCell(5, 4); // a line, so slot 0 differs from the template
    QWidget *from = control("プログラム", 0);
    QWidget *to = control("プログラム", 2);
    prompts.answers = {true};
    QTest::mousePress(from, Qt::RightButton, {}, QPoint(10, 8));
    const QPoint over = from->mapFrom(to->parentWidget(), to->geometry().center());
    QMouseEvent move(QEvent::MouseMove, QPointF(over), from->mapToGlobal(QPointF(over)),
                     Qt::NoButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(from, &move);
    QTest::mouseRelease(from, Qt::RightButton, {}, over);
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_EQ(prompts.questions[0].title, QStringLiteral("プログラム間の複写"));
    EXPECT_EQ(session().state().CurrentSlot, 2);
    EXPECT_EQ(session().program().CellContent(5, 4), LineCell);
}

TEST_F(EditorWindowTest, BlinkTimerTogglesASelectedCellsPaintedColour)
{
    window->blinkTimer().setInterval(5);
    clickCell(10, 10);
    const QPoint p = cellPixel(10, 10);
    EXPECT_EQ(surfacePixel(surface(), p), QColor(255, 128, 0)); // painted at once
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return surfacePixel(surface(), p) == QColor(Qt::white); }, 5000));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return surfacePixel(surface(), p) == QColor(255, 128, 0); }, 5000));

    // A selected icon's picture is hidden and shown in turn.
    QTest::mouseClick(surface()->picture(0), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !surface()->picture(0)->isVisible(); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return surface()->picture(0)->isVisible(); }, 5000));
}

TEST_F(EditorWindowTest, PressOnAnIconWhosePictureBlinkedAwaySelectsIt)
{
    surface()->picture(0)->hide();
    clickCell(2, 4);
    EXPECT_EQ(session().program().CellMark(2, 4), 1);
    EXPECT_EQ(session().state().CurrentCell, BeginCellIndex);
    // Selected as an icon, not as an empty cell: its description is shown.
    EXPECT_TRUE(
        control<QLabel>("text2")->text().startsWith(QStringLiteral("プログラムの始点です。")));
}

TEST_F(EditorWindowTest, ScrollBarsJumpButtonsAndKeysMoveTheSurface)
{
    auto *h = control<QScrollBar>("HScroll1");
    auto *v = control<QScrollBar>("VScroll1");
    h->setValue(300);
    EXPECT_EQ(session().view().scroll.hValue, 300);
    EXPECT_EQ(surface()->pos(), QPoint(-300, 0));
    EXPECT_TRUE(surface()->hasFocus());

    QTest::mouseClick(control("右TOP"), Qt::LeftButton);
    EXPECT_EQ(surface()->pos().x(), -2189);
    EXPECT_EQ(h->value(), 2189);

    QTest::keyClick(surface(), Qt::Key_End);
    EXPECT_EQ(surface()->pos(), QPoint(-2189, -(1770 - 401)));
    EXPECT_EQ(v->value(), 1369);
    QTest::keyClick(surface(), Qt::Key_Home);
    EXPECT_EQ(surface()->pos(), QPoint(0, 0));
    QTest::keyClick(surface(), Qt::Key_Right);
    EXPECT_EQ(h->value(), 761);
    QTest::mouseClick(control("上TOP"), Qt::LeftButton);
    QTest::mouseClick(control("左上"), Qt::LeftButton);
    EXPECT_EQ(surface()->pos(), QPoint(0, 0));

    // The column and row boxes follow the pointer: icon cell (2, 4) is column 2, row 3.
    const QPoint over = cellPixel(2, 4);
    QMouseEvent move(QEvent::MouseMove, QPointF(over), surface()->mapToGlobal(QPointF(over)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(surface(), &move);
    EXPECT_EQ(control<QLabel>("横座標")->text(), QStringLiteral("2"));
    EXPECT_EQ(control<QLabel>("縦座標")->text(), QStringLiteral("3"));
}

TEST_F(EditorWindowTest, NavigatorDragScrollsWithTheLeftButtonOnly)
{
    QWidget *navigator = control("パラメータ");
    // 2600 twips is beyond the right edge of the reference: fully right.
    const QPoint right(2600 / 15, 40);
    QTest::mousePress(navigator, Qt::RightButton, {}, right);
    QTest::mouseRelease(navigator, Qt::RightButton, {}, right);
    EXPECT_EQ(session().view().scroll.hValue, 0);
    // A move with left and right held together scrolls nothing.
    QMouseEvent both(QEvent::MouseMove, QPointF(right), navigator->mapToGlobal(QPointF(right)),
                     Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(navigator, &both);
    EXPECT_EQ(session().view().scroll.hValue, 0);
    QMouseEvent left(QEvent::MouseMove, QPointF(right), navigator->mapToGlobal(QPointF(right)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(navigator, &left);
    EXPECT_EQ(session().view().scroll.hValue, 2189);
    session().JumpLeft();
    QTest::mousePress(navigator, Qt::LeftButton, {}, right);
    QTest::mouseRelease(navigator, Qt::LeftButton, {}, right);
    EXPECT_EQ(session().view().scroll.hValue, 2189);
    EXPECT_EQ(surface()->pos().x(), -2189);
    // The red frame moved to the right end of the reference rectangle.
    const QRect map = placeIn(control("位置"), control("Frame5"));
    EXPECT_EQ(map.right() + 1, (250 + 2360) / 15 + 0);
}

TEST_F(EditorWindowTest, MemoEditsReachTheSessionAndUndoFollowsTheView)
{
    auto *memo = control<QPlainTextEdit>("Text1");
    memo->clear();
    QTest::keyClicks(memo, QStringLiteral("abc"));
    EXPECT_EQ(session().view().memo, QStringLiteral("abc"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("d"));
    EXPECT_EQ(session().view().memo, QStringLiteral("abc\r\nd"));

    // Placing an icon takes the undo checkpoint: the button and the menu item come alive.
    QTest::mouseClick(control("bmp", 32), Qt::LeftButton);
    clickCell(6, 4);
    EXPECT_EQ(control<PictureButton>("戻す")->picturePath(), QStringLiteral(":/buttons/undo.svg"));
    QAction *undo = window->menus()->item(QStringLiteral("取り消し"));
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_FALSE(ContentHoldsIcon(session().program().CellContent(6, 4)));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(control<PictureButton>("戻す")->picturePath(),
              QStringLiteral(":/buttons/undo_spent.svg"));
}

TEST_F(EditorWindowTest, ControlZUndoesLikeTheMenuItem)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(control("bmp", 32), Qt::LeftButton);
    clickCell(6, 4);
    ASSERT_TRUE(ContentHoldsIcon(session().program().CellContent(6, 4)));
    QTest::keyClick(surface(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(ContentHoldsIcon(session().program().CellContent(6, 4)));
    EXPECT_TRUE(surface()->hasFocus());
    // Z alone is a grid key, not an undo.
    QTest::mouseClick(control("bmp", 33), Qt::LeftButton);
    clickCell(6, 4);
    QTest::keyClick(surface(), Qt::Key_Z);
    EXPECT_TRUE(ContentHoldsIcon(session().program().CellContent(6, 4)));
}

TEST_F(EditorWindowTest, CheckButtonRunsTheStagesAndShowsItsPicture)
{
    clickCell(3, 4); // the connector between BEGIN's cell and the next one
    for (int x = 5; x < 20; x += 2) {
        if (x != 3)
            clickCell(x, 4);
    }
    // BEGIN at (2, 4) and END at (20, 4) joined along row 4 through empty cells: the
    // connection check reports the dangling lines.
    QTest::mouseClick(control("文法"), Qt::LeftButton);
    EXPECT_EQ(control<PictureButton>("文法")->picturePath(),
              QStringLiteral(":/buttons/check1.svg"));
    EXPECT_EQ(window->menus()->item(QStringLiteral("文法チェック"))->text(),
              session().view().checkMenuCaption);
    EXPECT_FALSE(control<QLabel>("text2")->text().isEmpty());
}

TEST_F(EditorWindowTest, ClosingAsksAboutModifiedSlotsAndAnnouncesLeavingOnce)
{
    QSignalSpy left(window.get(), &EditorWindow::left);
    clickCell(5, 4); // modifies slot 0
    prompts.answers = {false};
    window->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(left.count(), 0);
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_EQ(prompts.questions[0].title, QStringLiteral("編集プログラムの終了"));

    prompts.answers = {true};
    window->menus()->item(QStringLiteral("初期画面に戻る"))->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(left.wait(1000) || left.count() == 1);
    EXPECT_EQ(left.count(), 1);
    // Closing afterwards asks nothing more.
    window->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.questions.size(), 2);
    EXPECT_EQ(left.count(), 1);
}

TEST(GridSurfaceKeys, MapsTheGridKeysToWindowsKeyCodes)
{
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_Escape), 27);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_PageUp), 33);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_PageDown), 34);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_End), 35);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_Home), 36);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_Left), 37);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_Up), 38);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_Right), 39);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_Down), 40);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_Insert), 45);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_Delete), 46);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_A), 65);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_I), 73);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_Z), 90);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_0), 0);
    EXPECT_EQ(GridSurface::windowsKeyCode(Qt::Key_Tab), 0);
}

} // namespace
} // namespace zuvo::test
