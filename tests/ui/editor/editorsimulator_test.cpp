// The ツール items that need a checked program (the signal as a WAV file, the simulator), the
// executing icon's glow on the drawing surface, and the picture names of the debug panel.

#include "editor/editormenus.h"
#include "editor/iconpicturewidget.h"
#include "editor/picturebutton.h"
#include "model/iconcatalogue.h"
#include "signal/signaldecoder.h"
#include "signal/wavfile.h"
#include "simulator/simulatorwindow.h"
#include "widgettestsupport.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

namespace zuvo::test {
namespace {

class EditorToolsTest : public EditorWindowTest
{
protected:
    QAction *item(const char *name) { return window->menus()->item(QString::fromUtf8(name)); }

    // A sample set loaded through the session, then the check button pressed three times.
    void checkedSample(int set)
    {
        session().LoadSampleSet(set);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(control("文法"), Qt::LeftButton);
        ASSERT_TRUE(session().view().sendEnabled);
    }

    void step(sim::SimulatorWindow *simulator)
    {
        auto *button = simulator->findChild<QPushButton *>(QStringLiteral(u"ステップ"));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    int litCode()
    {
        const int slot = session().view().executingSlot;
        return slot < 0 ? -1 : session().program().SlotParams.at(slot).left(2).toInt();
    }

    QRect pictureRect(int slot)
    {
        return QRect(session().view().pictures.at(slot).topLeft,
                     QSize(IconPictureSize, IconPictureSize));
    }

    void sendMove(QWidget *target, QPoint at = QPoint(5, 5))
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), target->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
    }
};

TEST_F(EditorToolsTest, SignalItemsFollowTheCheckAndTheWavItemSavesTheSignal)
{
    EXPECT_EQ(item("WAV保存")->text(), QStringLiteral("信号をWAVファイルに保存(&W)..."));
    EXPECT_EQ(item("シミュレータ")->text(), QStringLiteral("シミュレータ(&M)"));
    EXPECT_FALSE(item("WAV保存")->isEnabled());
    EXPECT_FALSE(item("シミュレータ")->isEnabled());
    checkedSample(1);
    EXPECT_TRUE(item("WAV保存")->isEnabled());
    EXPECT_TRUE(item("シミュレータ")->isEnabled());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("five.wav"));
    prompts.files = {path};
    item("WAV保存")->trigger();
    const WavReadResult read = ReadWavFile(path);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(HexBytesText(DecodeSignal(read.samples).bytes), session().view().txData);
    EXPECT_TRUE(prompts.transmissions.isEmpty());
    // Saved like sent: the next signal needs the check again.
    EXPECT_FALSE(item("WAV保存")->isEnabled());
    EXPECT_FALSE(item("シミュレータ")->isEnabled());
    EXPECT_FALSE(item("送信")->isEnabled());
}

TEST_F(EditorToolsTest, SimulatorLightsTheExecutingIconUntilItCloses)
{
    checkedSample(1); // ５秒間前進: Forward, Wait, Brake
    const WorkingProgram program = session().program();
    const EditorState state = session().state();

    item("シミュレータ")->trigger();
    QPointer<sim::SimulatorWindow> simulator = window->simulator();
    ASSERT_NE(simulator, nullptr);
    EXPECT_TRUE(simulator->isVisible());
    EXPECT_EQ(simulator->parentWidget(), window.get());
    EXPECT_TRUE(simulator->isWindow()) << "a window of its own, not modal";
    EXPECT_FALSE(simulator->isModal());
    // Opening it compiled a copy: the editor's program and check are as they were.
    EXPECT_EQ(session().program(), program);
    EXPECT_EQ(session().state().CheckPassed, state.CheckPassed);
    EXPECT_EQ(session().state().CheckStage, state.CheckStage);
    EXPECT_TRUE(session().view().sendEnabled);
    EXPECT_TRUE(prompts.transmissions.isEmpty());
    EXPECT_EQ(session().view().executingSlot, -1);
    EXPECT_TRUE(surface()->executingGlowRect().isEmpty());

    step(simulator);
    EXPECT_EQ(litCode(), IconForward);
    EXPECT_EQ(session().view().executingSlot, simulator->executingSlot())
        << "the checked program's slots are the editor's";
    const int forward = session().view().executingSlot;
    const int g = GridSurface::GlowWidth;
    EXPECT_EQ(surface()->executingGlowRect(), pictureRect(forward).adjusted(-g, -g, g, g));
    EXPECT_TRUE(program.CellMark == session().program().CellMark) << "no selection marks";

    step(simulator);
    EXPECT_EQ(litCode(), IconWait);
    EXPECT_NE(session().view().executingSlot, forward);
    EXPECT_EQ(surface()->executingGlowRect(),
              pictureRect(session().view().executingSlot).adjusted(-g, -g, g, g));

    // A second choice with the same program raises the same window.
    item("シミュレータ")->trigger();
    EXPECT_EQ(window->simulator(), simulator.data());

    simulator->close();
    EXPECT_EQ(session().view().executingSlot, -1);
    EXPECT_TRUE(surface()->executingGlowRect().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(simulator.isNull());
    EXPECT_EQ(window->simulator(), nullptr);
    EXPECT_TRUE(item("シミュレータ")->isEnabled()) << "the check still holds";
}

TEST_F(EditorToolsTest, EditedProgramPutsTheLightOutAndReplacesTheSimulator)
{
    checkedSample(1);
    item("シミュレータ")->trigger();
    QPointer<sim::SimulatorWindow> first = window->simulator();
    ASSERT_NE(first, nullptr);
    step(first);
    ASSERT_EQ(litCode(), IconForward);

    clickCell(9, 8); // a line far from the program: an edit
    EXPECT_EQ(session().view().executingSlot, -1);
    EXPECT_FALSE(item("シミュレータ")->isEnabled());
    step(first); // the window still runs the program it got, and lights nothing now
    EXPECT_NE(first->executingSlot(), -1);
    EXPECT_EQ(session().view().executingSlot, -1);

    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(control("文法"), Qt::LeftButton);
    ASSERT_TRUE(item("シミュレータ")->isEnabled());
    item("シミュレータ")->trigger();
    EXPECT_TRUE(first.isNull()) << "a changed program replaces the window";
    sim::SimulatorWindow *second = window->simulator();
    ASSERT_NE(second, nullptr);
    step(second);
    EXPECT_EQ(litCode(), IconForward);

    // Leaving the editor takes the simulator with it.
    QPointer<sim::SimulatorWindow> guard = second;
    prompts.answers = {true}; // leave the edited program unsaved
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(session().view().executingSlot, -1);
}

TEST_F(EditorToolsTest, PointerOverAPictureNamesItInTheDebugPanel)
{
    session().LoadSampleSet(1);
    auto *tray = control<PictureButton>("bmp", 32 + IconWait);
    ASSERT_NE(tray, nullptr);
    sendMove(tray);
    EXPECT_EQ(session().view().debugTexts[0], QStringLiteral("icon %1").arg(32 + IconWait));

    IconPictureWidget *picture = surface()->picture(1);
    ASSERT_TRUE(picture->isVisible());
    sendMove(picture);
    EXPECT_EQ(session().view().debugTexts[0], QStringLiteral("icon 1"));
    // The surface still follows the pointer across the picture.
    const int cell = session().program().SlotCell.at(1);
    EXPECT_EQ(session().view().columnBoxText, QString::number(CellX(cell) / 2 + 1));
    EXPECT_EQ(session().view().rowBoxText, QString::number(CellY(cell) / 2 + 1));
}

} // namespace
} // namespace zuvo::test
