#include "common/picturebox.h"
#include "start/startscreen.h"
#include "widgetapp.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

PictureBox *indexed(QWidget &window, const char *name, int index)
{
    for (PictureBox *picture : window.findChildren<PictureBox *>(QString::fromUtf8(name))) {
        if (picture->property("index").toInt() == index)
            return picture;
    }
    return nullptr;
}

QList<int> visibleBalloons(StartScreen &start)
{
    QList<int> shown;
    for (int n = 0; n < 4; ++n) {
        if (indexed(start, "噴出し", n)->isVisible())
            shown << n;
    }
    return shown;
}

void moveOver(QWidget *widget, QPoint position)
{
    QTest::mouseMove(widget, position);
}

} // namespace

TEST(StartScreen, LayoutMenusAndNames)
{
    zuvo::test::widgetApp();
    StartScreen start;
    EXPECT_EQ(start.objectName(), QStringLiteral("Form0"));
    EXPECT_EQ(start.windowTitle(), QStringLiteral("Ｚｕｖｏｍａｔｉｃ　メニュー"));
    EXPECT_EQ(start.centralWidget()->size(), QSize(792, 568));
    EXPECT_EQ(start.centralWidget()->palette().color(QPalette::Window), QColor(Qt::white));
    const int boxLefts[4] = {56, 232, 408, 584};
    const int balloonLefts[4] = {40, 216, 392, 568};
    for (int n = 0; n < 4; ++n) {
        ASSERT_NE(indexed(start, "サイコロ", n), nullptr);
        EXPECT_EQ(indexed(start, "サイコロ", n)->geometry(), QRect(boxLefts[n], 192, 147, 185));
        EXPECT_EQ(indexed(start, "噴出し", n)->geometry(), QRect(balloonLefts[n], 56, 180, 116));
    }
    EXPECT_EQ(start.findChild<PictureBox *>(QStringLiteral("Icon"))->geometry(),
              QRect(224, 432, 359, 92));

    const QList<QPair<const char *, const char *>> items = {{"はじめる", "つくる"},
                                                            {"サンプル", "サンプル"},
                                                            {"せつめい", "せつめい"},
                                                            {"おしまい", "おわり"},
                                                            {"バージョン", "バージョン情報(&V)"},
                                                            {"Zuvomatic", "Zuvomaticについて"}};
    for (const auto &[name, caption] : items) {
        auto *action = start.findChild<QAction *>(QString::fromUtf8(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), QString::fromUtf8(caption));
    }
    EXPECT_NE(start.findChild<QMenu *>(QStringLiteral("ファイル")), nullptr);
    EXPECT_NE(start.findChild<QMenu *>(QStringLiteral("ヘルプ")), nullptr);
}

TEST(StartScreen, HoveringShowsExactlyTheBalloonOfTheBox)
{
    zuvo::test::widgetApp();
    StartScreen start;
    start.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));
    EXPECT_TRUE(visibleBalloons(start).isEmpty());

    for (int n : {2, 0, 3, 1, 1}) {
        PictureBox *box = indexed(start, "サイコロ", n);
        moveOver(box, box->rect().center());
        EXPECT_EQ(visibleBalloons(start), QList<int> {n});
        EXPECT_EQ(start.shownBalloon(), n);
    }

    // The background hides them all, but only inside it (X > 0 and Y > 0).
    QWidget *client = start.centralWidget();
    moveOver(client, QPoint(0, 300));
    EXPECT_EQ(visibleBalloons(start), QList<int> {1});
    moveOver(client, QPoint(300, 0));
    EXPECT_EQ(visibleBalloons(start), QList<int> {1});
    moveOver(client, QPoint(20, 450));
    EXPECT_TRUE(visibleBalloons(start).isEmpty());

    // Moving over a box does not count as moving over the background behind it.
    PictureBox *box = indexed(start, "サイコロ", 3);
    moveOver(box, box->rect().center());
    moveOver(box, QPoint(5, 5));
    EXPECT_EQ(visibleBalloons(start), QList<int> {3});
}

TEST(StartScreen, GoShowsTheWaitWindowFirstAndAsksForTheEditorOnTheTick)
{
    zuvo::test::widgetApp();
    StartScreen start;
    QSignalSpy wait(&start, &StartScreen::waitWindowRequested);
    QSignalSpy editor(&start, &StartScreen::editorRequested);
    start.show();
    PictureBox *go = indexed(start, "サイコロ", 0);
    QTest::mouseClick(go, Qt::LeftButton, {}, go->rect().center());
    EXPECT_EQ(wait.count(), 1);
    EXPECT_EQ(start.StartPending(), 1);
    EXPECT_FALSE(start.isVisible());
    EXPECT_EQ(editor.count(), 0);
    ASSERT_TRUE(editor.wait(2000));
    EXPECT_EQ(editor.at(0).at(0).toInt(), 10);
    // One request per GO!, however long the program runs afterwards.
    QTest::qWait(20);
    EXPECT_EQ(editor.count(), 1);
}

TEST(StartScreen, OtherChoicesAndTheCloseBox)
{
    zuvo::test::widgetApp();
    StartScreen start;
    QSignalSpy samples(&start, &StartScreen::samplesRequested);
    QSignalSpy help(&start, &StartScreen::helpRequested);
    QSignalSpy end(&start, &StartScreen::endRequested);

    start.show();
    start.findChild<QAction *>(QStringLiteral("サンプル"))->trigger();
    EXPECT_EQ(samples.count(), 1);
    EXPECT_FALSE(start.isVisible());

    start.show();
    PictureBox *helpBox = indexed(start, "サイコロ", 2);
    QTest::mouseClick(helpBox, Qt::LeftButton, {}, helpBox->rect().center());
    EXPECT_EQ(help.count(), 1);
    EXPECT_FALSE(start.isVisible());

    start.show();
    start.findChild<QAction *>(QStringLiteral("おしまい"))->trigger();
    EXPECT_EQ(end.count(), 1);
    start.close();
    EXPECT_EQ(end.count(), 2);

    // A press that is released outside the box is no click.
    start.show();
    PictureBox *tryBox = indexed(start, "サイコロ", 1);
    QTest::mousePress(tryBox, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(tryBox, Qt::LeftButton, {}, QPoint(400, 10));
    EXPECT_EQ(samples.count(), 1);
    EXPECT_TRUE(start.isVisible());
}

// Without a mouse: nothing shows at start; Tab brings the keyboard to the boxes in order, each
// with its balloon, and Space or Enter chooses; screen readers hear push buttons.
TEST(StartScreen, TheKeyboardChoosesABox)
{
    zuvo::test::widgetApp();
    StartScreen start;
    QSignalSpy help(&start, &StartScreen::helpRequested);
    start.show();
    start.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&start));
    EXPECT_EQ(start.shownBalloon(), -1);
    for (int n = 0; n < 3; ++n)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), indexed(start, "サイコロ", 2));
    EXPECT_EQ(visibleBalloons(start), QList<int> {2});
    QAccessibleInterface *box
        = QAccessible::queryAccessibleInterface(indexed(start, "サイコロ", 2));
    EXPECT_EQ(box->role(), QAccessible::Button);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral(u"説明を見る（HELP）"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(help.count(), 1);
}
