#include "editor/editormenus.h"
#include "editor/iconpicturewidget.h"
#include "session/memowords.h"
#include "transmit/volumecontrollauncher.h"
#include "widgettestsupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>

namespace zuvo::test {
namespace {

const QString Hint = QStringLiteral("アイコンｸﾞﾘｯﾄﾞを選択してアイコンをクリックするか");

TEST_F(EditorWindowTest, DebugPanelAppearsOnTheMemoWordAndPagesThroughTheList)
{
    auto *memo = control<QPlainTextEdit>("Text1");
    auto *debugButton = control<QPushButton>("デバッグ");
    EXPECT_FALSE(debugButton->isVisible());

    memo->setPlainText(MemoNameWord(0));
    QCoreApplication::processEvents(); // the memo box is emptied after its own notification
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_TRUE(debugButton->isVisible());
    EXPECT_TRUE(control("Text", 10)->isVisible());
    EXPECT_EQ(control<QPushButton>("前詰め")->text(), QStringLiteral("前詰"));
    EXPECT_EQ(debugButton->text(), QStringLiteral("Debag"));
    // A separate tool window: the program area stays uncovered.
    EXPECT_NE(debugButton->window(), window.get());

    // The pointer over the grid fills the boxes.
    const QPoint over = cellPixel(2, 4);
    QMouseEvent move(QEvent::MouseMove, QPointF(over), surface()->mapToGlobal(QPointF(over)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(surface(), &move);
    EXPECT_EQ(control<QLineEdit>("Text", 6)->text(), QStringLiteral("Point=2"));

    auto *list = control<QListWidget>("List1");
    EXPECT_FALSE(list->isVisible());
    QTest::mouseClick(debugButton, Qt::LeftButton);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Pic(x,y)"));
    for (int page = 1; page < 5; ++page)
        QTest::mouseClick(debugButton, Qt::LeftButton);
    EXPECT_FALSE(list->isVisible());

    memo->setPlainText(MemoNameWord(1));
    QCoreApplication::processEvents();
    EXPECT_FALSE(debugButton->isVisible());
}

TEST_F(EditorWindowTest, VolumeItemWithoutAnyMixerSaysWhatToInstall)
{
    window->setVolumeControlLauncher(new VolumeControlLauncher(
        {{QStringLiteral("zuvo-no-such-mixer"), {}, {}}}, {QStringLiteral("/nonexistent")}));
    window->menus()->item(QStringLiteral("音"))->trigger();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, VolumeControlLauncher::unavailableText());
    // The reminder stood in the message area while the box was up.
    EXPECT_TRUE(prompts.messages[0].messageArea.startsWith(
        QStringLiteral("ボリュームは最大になっていますか。")));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(control<QLabel>("text2")->text(),
              QStringLiteral(u"音量は100％です。\nこのまま送信できます。"));
}

TEST_F(EditorWindowTest, VolumeItemDisablesTheEditorUntilTheMixerIsClosed)
{
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sh"));
    ASSERT_FALSE(shell.isEmpty());
    window->setVolumeControlLauncher(new VolumeControlLauncher(
        {{QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("sleep 0.2")}, {}}}, {}));
    window->menus()->item(QStringLiteral("音"))->trigger();
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(control<QLabel>("text2")->text().startsWith(
        QStringLiteral("ボリュームは最大になっていますか。")));
    // The output is muted meanwhile: once the mixer has closed the message area says so.
    prompts.output.muted = true;
    prompts.output.volumePercent = 40;
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->isEnabled(); }, 10000));
    EXPECT_TRUE(control<QLabel>("text2")->text().startsWith(
        QStringLiteral(u"音量は40％ですが、ミュートになっています。")));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(EditorWindowTest, DoubleClickOnTheGridLeavesNothingSelected)
{
    clickCell(12, 12);
    clickCell(14, 12);
    EXPECT_EQ(session().program().CellMark(12, 12), 1);
    doubleClick(surface(), cellPixel(16, 12));
    for (int x : {12, 14, 16})
        EXPECT_NE(session().program().CellMark(x, 12), 1) << x;
    EXPECT_EQ(session().state().CurrentCell, -1);
}

TEST_F(EditorWindowTest, DoubleClickOnAnIconThenAClickMovesIt)
{
    doubleClick(surface()->picture(1)); // END
    EXPECT_EQ(session().state().MoveSlot, 1);
    clickCell(8, 6);
    EXPECT_EQ(session().program().iconCodeAt(8, 6), 30);
    EXPECT_FALSE(ContentHoldsIcon(session().program().CellContent(20, 4)));
    EXPECT_EQ(surface()->picture(1)->pos(), QPoint(4 * 59 + 1, 3 * 59 + 1));
}

TEST_F(EditorWindowTest, DoubleClickOnAnIconThenAClickOnAnotherIconsPictureSwapsThem)
{
    doubleClick(surface()->picture(1)); // END at (20, 4)
    ASSERT_EQ(session().state().MoveSlot, 1);
    // The click lands on BEGIN's picture, not on the surface.
    QTest::mouseClick(surface()->picture(0), Qt::LeftButton);
    EXPECT_EQ(session().program().iconCodeAt(2, 4), 30);
    EXPECT_EQ(session().program().iconCodeAt(20, 4), 29);
    EXPECT_EQ(session().state().MoveSlot, -1);
    EXPECT_NE(session().program().CellMark(2, 4), 1);
    EXPECT_EQ(surface()->picture(1)->pos(), QPoint(1 * 59 + 1, 2 * 59 + 1));
    EXPECT_EQ(surface()->picture(0)->pos(), QPoint(10 * 59 + 1, 2 * 59 + 1));
}

} // namespace
} // namespace zuvo::test

namespace zuvo::test {
namespace {

TEST_F(EditorWindowTest, TransmitTextShowsBesideAWideEditorWithTheHexSwitch)
{
    window->resizeClient(QSize(1092, 642)); // outer 1100 x 700
    QCoreApplication::processEvents();
    control<QPlainTextEdit>("Text1")->setPlainText(QStringLiteral("raw_bits"));
    QCoreApplication::processEvents();
    ASSERT_EQ(session().state().HexDisp, 1);

    // BEGIN, Forward, END in a row, joined by lines.
    QTest::mouseClick(control("bmp", 32), Qt::LeftButton);
    clickCell(4, 4);
    session().BlinkTick();
    session().BlinkTick();
    doubleClick(surface()->picture(1));
    clickCell(6, 4);
    clickCell(3, 4);
    clickCell(5, 4);
    for (int press = 0; press < 4; ++press)
        QTest::mouseClick(control("文法"), Qt::LeftButton);
    ASSERT_EQ(prompts.transmissions.size(), 1) << session().view().messageText.toStdString();

    auto *tx = control<QPlainTextEdit>("TXdata");
    EXPECT_TRUE(tx->isVisible());
    EXPECT_EQ(placeIn(tx, client()), QRect(790, 494, 293, 145));
    EXPECT_TRUE(tx->toPlainText().startsWith(QStringLiteral("01 3A 5C C4 B4 E1 F1 F9")));
    EXPECT_TRUE(tx->isReadOnly());
}

} // namespace
} // namespace zuvo::test
