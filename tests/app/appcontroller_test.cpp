#include "app/appcontroller.h"
#include "common/picturebox.h"
#include "fakeeditor.h"
#include "help/helpbrowser.h"
#include "samples/samplechooser.h"
#include "start/startscreen.h"
#include "start/waitwindow.h"
#include "widgetapp.h"

#include <QAction>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

struct Harness
{
    Harness()
        : controller(
            [this](int mode, const QStringList &words) {
                auto *editor = new FakeEditor(mode, words);
                made << editor;
                return editor;
            },
            {QStringLiteral("Ghost"), QStringLiteral("HexDisp")})
    {
        controller.Start();
    }

    FakeEditor *editor() const { return qobject_cast<FakeEditor *>(controller.editor()); }

    QList<QPointer<FakeEditor>> made;
    AppController controller;
};

void clickPicture(QWidget *window, const char *name, int index = -1)
{
    for (PictureBox *picture : window->findChildren<PictureBox *>(QString::fromUtf8(name))) {
        if (index < 0 || picture->property("index").toInt() == index) {
            QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
            return;
        }
    }
    FAIL() << "no picture " << name;
}

} // namespace

TEST(AppController, StartsWithTheStartScreenAlone)
{
    zuvo::test::widgetApp();
    Harness h;
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {h.controller.startScreen()});
    EXPECT_EQ(h.controller.startScreen()->shownBalloon(), -1);
    EXPECT_FALSE(h.controller.waitWindow()->isVisible());
    EXPECT_EQ(h.controller.editor(), nullptr);
}

TEST(AppController, GoOpensAFreshEditorEachTime)
{
    zuvo::test::widgetApp();
    Harness h;
    StartScreen *start = h.controller.startScreen();

    clickPicture(start, "サイコロ", 0);
    EXPECT_TRUE(h.controller.waitWindow()->isVisible());
    EXPECT_TRUE(h.controller.visibleMainWindows().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(h.editor() != nullptr, 2000);
    EXPECT_EQ(h.editor()->editorStartMode, 10);
    EXPECT_EQ(h.editor()->words, QStringList({QStringLiteral("Ghost"), QStringLiteral("HexDisp")}));
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {h.editor()});
    EXPECT_FALSE(h.controller.waitWindow()->isVisible());

    start->PointAtBox(0);
    h.editor()->leave();
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {start});
    EXPECT_EQ(start->shownBalloon(), -1);
    QTRY_VERIFY_WITH_TIMEOUT(h.made.at(0).isNull(), 2000);

    start->findChild<QAction *>(QStringLiteral("はじめる"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(h.editor() != nullptr, 2000);
    ASSERT_EQ(h.made.size(), 2);
    EXPECT_EQ(h.editor(), h.made.at(1).data());
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {h.editor()});
}

TEST(AppController, SampleChooserOpensTheEditorWithTheChosenSet)
{
    zuvo::test::widgetApp();
    Harness h;
    clickPicture(h.controller.startScreen(), "サイコロ", 1);
    SampleChooser *chooser = h.controller.sampleChooser();
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {chooser});

    chooser->Highlight(4);
    clickPicture(chooser, "Image7", 4);
    EXPECT_TRUE(h.controller.waitWindow()->isVisible());
    EXPECT_TRUE(h.controller.visibleMainWindows().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(h.editor() != nullptr, 2000);
    EXPECT_EQ(h.editor()->editorStartMode, 15);
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {h.editor()});
    EXPECT_FALSE(h.controller.waitWindow()->isVisible());

    // Back from the editor the start screen returns; the chooser remembers its step.
    h.editor()->leave();
    clickPicture(h.controller.startScreen(), "サイコロ", 1);
    EXPECT_EQ(chooser->SelectedStep(), 4);
    clickPicture(chooser, "Image3");
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {h.controller.startScreen()});
}

TEST(AppController, HelpWindowTakesTurnsWithTheStartScreen)
{
    zuvo::test::widgetApp();
    Harness h;
    clickPicture(h.controller.startScreen(), "サイコロ", 2);
    HelpBrowser *help = h.controller.helpBrowser();
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {help});

    clickPicture(help, "Image3");
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {h.controller.startScreen()});

    h.controller.startScreen()->Choose(2);
    help->close();
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {h.controller.startScreen()});

    // From the help window's menu: straight on to the sample chooser, then to the editor.
    h.controller.startScreen()->Choose(2);
    help->findChild<QAction *>(QStringLiteral("サンプル"))->trigger();
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {h.controller.sampleChooser()});
    h.controller.sampleChooser()->findChild<QAction *>(QStringLiteral("つくる"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(h.editor() != nullptr, 2000);
    EXPECT_EQ(h.editor()->editorStartMode, 10);
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {h.editor()});
}

TEST(AppController, EndAndTheCloseBoxEndTheProgram)
{
    zuvo::test::widgetApp();
    {
        Harness h;
        QSignalSpy ended(&h.controller, &AppController::ended);
        clickPicture(h.controller.startScreen(), "サイコロ", 3);
        EXPECT_EQ(ended.count(), 1);
        EXPECT_TRUE(h.controller.visibleMainWindows().isEmpty());
    }
    {
        Harness h;
        QSignalSpy ended(&h.controller, &AppController::ended);
        h.controller.startScreen()->close();
        EXPECT_EQ(ended.count(), 1);
    }
    {
        Harness h;
        QSignalSpy ended(&h.controller, &AppController::ended);
        h.controller.startScreen()->Choose(2);
        h.controller.helpBrowser()->findChild<QAction *>(QStringLiteral("おわり"))->trigger();
        EXPECT_EQ(ended.count(), 1);
        EXPECT_TRUE(h.controller.visibleMainWindows().isEmpty());
    }
}

TEST(AppController, AnEditorThatVanishesBringsBackTheStartScreen)
{
    zuvo::test::widgetApp();
    Harness h;
    h.controller.startScreen()->Choose(0);
    QTRY_VERIFY_WITH_TIMEOUT(h.editor() != nullptr, 2000);
    delete h.editor();
    EXPECT_EQ(h.controller.visibleMainWindows(), QList<QWidget *> {h.controller.startScreen()});
}
