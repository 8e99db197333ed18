#include "common/picturebox.h"
#include "model/samples.h"
#include "samples/samplechooser.h"
#include "samples/samplesteps.h"
#include "widgetapp.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

PictureBox *stepPicture(SampleChooser &chooser, const char *name, int step)
{
    for (PictureBox *picture : chooser.findChildren<PictureBox *>(QString::fromUtf8(name))) {
        if (picture->property("index").toInt() == step)
            return picture;
    }
    return nullptr;
}

// The steps that look bright, as the user sees them.
QList<int> brightSteps(SampleChooser &chooser)
{
    QList<int> bright;
    for (int step = 0; step < SampleStepCount; ++step) {
        const bool isBright = stepPicture(chooser, "Image7", step)->isVisible();
        EXPECT_NE(isBright, stepPicture(chooser, "Image5", step)->isVisible()) << step;
        if (isBright)
            bright << step;
    }
    return bright;
}

void pointAt(QWidget *widget)
{
    QTest::mouseMove(widget, widget->rect().center());
}

QString shown(const QString &list)
{
    return QString(list).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

TEST(SampleSteps, ListTextsNameTheSamplesOfEachStep)
{
    EXPECT_EQ(SampleListText(0),
              QStringLiteral("●　５秒間前進\r\n\r\n●　２０秒間前進\r\n\r\n●　向きを変えて戻る"));
    EXPECT_EQ(SampleListText(1),
              QStringLiteral("●　タッチセンサで後退\r\n\r\n"
                             "●　タッチセンサを2つ使う(1)\r\n\r\n"
                             "●　タッチセンサを2つ使う(2)"));
    EXPECT_EQ(SampleListText(2), QStringLiteral("●　暗くなるとブザー\r\n\r\n●　光に反応して動く"));
    EXPECT_EQ(SampleListText(3),
              QStringLiteral("●　カウントダウンブザー(1)\r\n\r\n●　カウントダウンブザー(2)"));
    EXPECT_EQ(SampleListText(4),
              QStringLiteral("●　ライントレース\r\n\r\n●　迷路脱出\r\n\r\n"
                             "●　発光ボールを追いかける"));
    EXPECT_TRUE(SampleListText(5).isEmpty());
    EXPECT_TRUE(SampleListText(-1).isEmpty());
}

TEST(SampleSteps, ListsNameTheSamplesTheEditorLoads)
{
    // Each step lists the tabs its sample set fills; the empty tabs keep their plain names.
    for (int step = 0; step < SampleStepCount; ++step) {
        QStringList loaded;
        for (const QString &caption : BuiltInSampleSet(step + 1).captions) {
            if (!caption.startsWith(QStringLiteral("プログラム")))
                loaded << QStringLiteral("●　") + caption;
        }
        EXPECT_EQ(SampleListText(step), loaded.join(QStringLiteral("\r\n\r\n"))) << step;
    }
}

TEST(SampleChooser, NewWindowHighlightsStepOne)
{
    zuvo::test::widgetApp();
    SampleChooser chooser;
    EXPECT_EQ(chooser.objectName(), QStringLiteral("Form3"));
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Ｚｕｖｏｍａｔｉｃ　サンプル"));
    chooser.show();
    EXPECT_EQ(chooser.SelectedStep(), 0);
    EXPECT_EQ(brightSteps(chooser), QList<int> {0});
    EXPECT_EQ(chooser.shownList(), shown(SampleListText(0)));
    EXPECT_FALSE(chooser.EditorOpenPending());
    // Both looks of a step lie exactly on each other, at their place in twips.
    EXPECT_EQ(stepPicture(chooser, "Image5", 3)->geometry(), QRect(480, 200, 147, 122));
    EXPECT_EQ(stepPicture(chooser, "Image7", 3)->geometry(), QRect(480, 200, 147, 122));
}

TEST(SampleChooser, PointingAtAPaleStepHighlightsIt)
{
    zuvo::test::widgetApp();
    SampleChooser chooser;
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));

    pointAt(stepPicture(chooser, "Image5", 3));
    EXPECT_EQ(chooser.SelectedStep(), 3);
    EXPECT_EQ(brightSteps(chooser), QList<int> {3});
    EXPECT_EQ(chooser.shownList(), shown(SampleListText(3)));
    EXPECT_TRUE(chooser.findChild<QLineEdit *>(QStringLiteral("text2"))->hasFocus());

    // Over the bright step nothing changes.
    pointAt(stepPicture(chooser, "Image7", 3));
    EXPECT_EQ(chooser.SelectedStep(), 3);
    EXPECT_EQ(brightSteps(chooser), QList<int> {3});

    pointAt(stepPicture(chooser, "Image5", 1));
    EXPECT_EQ(brightSteps(chooser), QList<int> {1});
    EXPECT_EQ(chooser.shownList(), shown(SampleListText(1)));
}

TEST(SampleChooser, OkWithoutPointingOpensSampleSetOne)
{
    zuvo::test::widgetApp();
    SampleChooser chooser;
    QSignalSpy wait(&chooser, &SampleChooser::waitWindowRequested);
    QSignalSpy editor(&chooser, &SampleChooser::editorRequested);
    chooser.show();

    auto *ok = chooser.findChild<PictureBox *>(QStringLiteral("Image4"));
    QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    EXPECT_EQ(chooser.EditorStartMode(), 11);
    EXPECT_EQ(wait.count(), 1);
    EXPECT_TRUE(chooser.EditorOpenPending());
    EXPECT_FALSE(chooser.isVisible());
    // The editor comes on the timer tick, after the wait window had its chance to paint.
    EXPECT_EQ(editor.count(), 0);
    ASSERT_TRUE(editor.wait(2000));
    EXPECT_EQ(editor.at(0).at(0).toInt(), 11);
    EXPECT_FALSE(chooser.EditorOpenPending());
}

TEST(SampleChooser, ClickingTheBrightStepFiveOpensSetFiveAndOnlyHides)
{
    zuvo::test::widgetApp();
    SampleChooser chooser;
    QSignalSpy editor(&chooser, &SampleChooser::editorRequested);
    chooser.show();
    chooser.Highlight(4);
    auto *bright = stepPicture(chooser, "Image7", 4);
    QTest::mouseClick(bright, Qt::LeftButton, {}, bright->rect().center());
    EXPECT_EQ(chooser.EditorStartMode(), 15);
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_TRUE(chooser.isLoaded());
    ASSERT_TRUE(editor.wait(2000));
    EXPECT_EQ(editor.at(0).at(0).toInt(), 15);

    // Shown again, the chooser still has Step 5 highlighted.
    chooser.show();
    EXPECT_EQ(brightSteps(chooser), QList<int> {4});
}

TEST(SampleChooser, BackKeepsTheHighlightAndCloseResetsIt)
{
    zuvo::test::widgetApp();
    SampleChooser chooser;
    QSignalSpy toStart(&chooser, &SampleChooser::startScreenRequested);
    chooser.show();
    chooser.Highlight(2);

    auto *back = chooser.findChild<PictureBox *>(QStringLiteral("Image3"));
    QTest::mouseClick(back, Qt::LeftButton, {}, back->rect().center());
    EXPECT_EQ(toStart.count(), 1);
    EXPECT_FALSE(chooser.isVisible());
    chooser.show();
    EXPECT_EQ(brightSteps(chooser), QList<int> {2});
    EXPECT_EQ(chooser.shownList(), shown(SampleListText(2)));

    EXPECT_TRUE(chooser.close());
    EXPECT_EQ(toStart.count(), 2);
    chooser.show();
    EXPECT_EQ(chooser.SelectedStep(), 0);
    EXPECT_EQ(brightSteps(chooser), QList<int> {0});
    EXPECT_EQ(chooser.shownList(), shown(SampleListText(0)));
}

TEST(SampleChooser, MenuItemsChooseLikeThePictures)
{
    zuvo::test::widgetApp();
    SampleChooser chooser;
    QSignalSpy choices(&chooser, &SampleChooser::choiceRequested);
    QSignalSpy editor(&chooser, &SampleChooser::editorRequested);
    chooser.show();
    chooser.Highlight(1);

    chooser.findChild<QAction *>(QStringLiteral("サンプル"))->trigger();
    EXPECT_EQ(chooser.EditorStartMode(), 12);
    ASSERT_TRUE(editor.wait(2000));

    chooser.findChild<QAction *>(QStringLiteral("つくる"))->trigger();
    chooser.findChild<QAction *>(QStringLiteral("おわる"))->trigger();
    ASSERT_EQ(choices.count(), 2);
    EXPECT_EQ(choices.at(0).at(0).toInt(), 0);
    EXPECT_EQ(choices.at(1).at(0).toInt(), 3);
}

// Without a mouse: the first Tab rings the bright step, the arrows light its neighbours, Enter
// starts the step; 戻る and OK are Tab stops; nothing hidden is.
TEST(SampleChooser, TheKeyboardChoosesAStep)
{
    zuvo::test::widgetApp();
    SampleChooser chooser;
    QSignalSpy editor(&chooser, &SampleChooser::editorRequested);
    chooser.show();
    chooser.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser));
    const auto key = [](Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget(), k);
    };
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), stepPicture(chooser, "Image7", 0));
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Left);
    EXPECT_EQ(chooser.SelectedStep(), 1);
    EXPECT_EQ(brightSteps(chooser), QList<int> {1});
    EXPECT_EQ(QApplication::focusWidget(), stepPicture(chooser, "Image7", 1));
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Image4")) << "OK";
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Image3")) << "戻る";
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    ASSERT_TRUE(editor.wait(2000));
    EXPECT_EQ(editor.at(0).at(0).toInt(), 12);
}
