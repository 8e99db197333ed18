// The signal saved as a WAV file, the simulator's executing icon and the picture under the
// pointer, through the session with scripted prompts.

#include "sessiontestsupport.h"

#include "codegen/transmitencoding.h"
#include "signal/signaldecoder.h"
#include "signal/symbolrender.h"
#include "signal/wavfile.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

const QString WavTitle = QStringLiteral(u"信号をWAVファイルに保存");

// A built-in sample that has passed the three stages: the next press would send it.
void checkedSample(SessionFixture &f, int set)
{
    f.session.LoadSampleSet(set);
    for (int i = 0; i < 3; ++i)
        f.session.RunGrammarCheck();
    ASSERT_TRUE(f.view().sendEnabled);
}

// The check after a transmission: back at its start, nothing sendable.
void expectCheckReset(const SessionFixture &f)
{
    EXPECT_EQ(f.state().CheckStage, 0);
    EXPECT_EQ(f.state().CheckPassed, 0);
    EXPECT_EQ(f.view().checkPicture, 0);
    EXPECT_FALSE(f.view().sendEnabled);
    EXPECT_TRUE(f.view().checkMenuEnabled);
}

} // namespace

TEST(SessionSignalFile, SavedSignalDecodesToTheTransmitImage)
{
    QTemporaryDir dir;
    SessionFixture f;
    checkedSample(f, 2);
    const QString path = dir.filePath(QStringLiteral("signal.wav"));
    f.prompts.files = {path};
    f.session.SaveSignalAsWav();

    ASSERT_EQ(f.prompts.dialogs.size(), 1);
    EXPECT_EQ(f.prompts.dialogs[0].title, WavTitle);
    EXPECT_EQ(f.prompts.dialogs[0].startDir, f.state().FileDir);
    EXPECT_EQ(f.prompts.dialogs[0].filter, QStringLiteral(u"WAVファイル (*.wav)"));
    EXPECT_TRUE(f.prompts.transmissions.isEmpty()) << "saving plays nothing";
    EXPECT_TRUE(f.prompts.messages.isEmpty());

    const WavReadResult read = ReadWavFile(path);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    const DecodedFrame frame = DecodeSignal(read.samples);
    ASSERT_TRUE(frame.complete) << frame.error.toStdString();
    EXPECT_TRUE(frame.checksumHolds);
    ASSERT_TRUE(f.view().txData.startsWith(QStringLiteral("01 3A 5C")));
    EXPECT_EQ(HexBytesText(frame.bytes), f.view().txData);
    // Exactly the samples a transmission plays.
    EXPECT_EQ(read.samples, RenderSymbols(EncodeTransmission(f.view().txData.trimmed())));

    const int codeBytes = int(frame.bytes.size()) - 16 - 3;
    EXPECT_EQ(f.view().messageText,
              QStringLiteral(u"信号をWAVファイルに保存しました。\r\nデータ数は")
                  + QString::number(codeBytes) + QStringLiteral(u"個です。"));
    EXPECT_EQ(f.view().messageBackground, ColourWhite);
    expectCheckReset(f);

    // The reset check holds another save back until the program has passed again.
    f.prompts.files = {dir.filePath(QStringLiteral("again.wav"))};
    f.session.SaveSignalAsWav();
    EXPECT_EQ(f.prompts.dialogs.size(), 1);
    ASSERT_EQ(f.prompts.messages.size(), 1);
    EXPECT_EQ(f.prompts.messages[0].text, QStringLiteral(u"文法チェックが終了していません"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("again.wav"))));
}

TEST(SessionSignalFile, CancelledDialogWritesNothingAndResetsTheCheck)
{
    QTemporaryDir dir;
    SessionFixture f;
    checkedSample(f, 1);
    const QString before = f.view().messageText;
    f.prompts.files = {QString()};
    f.session.SaveSignalAsWav();
    EXPECT_EQ(f.prompts.dialogs.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(f.prompts.messages.isEmpty());
    EXPECT_FALSE(
        f.view().messageText.startsWith(QStringLiteral(u"信号をWAVファイルに保存しました")));
    EXPECT_EQ(f.view().messageText, before) << "the loop re-check's lines stay";
    expectCheckReset(f);
}

TEST(SessionSignalFile, UnwritablePathIsReportedWithItsName)
{
    QTemporaryDir dir;
    SessionFixture f;
    checkedSample(f, 1);
    const QString path = dir.filePath(QStringLiteral("no-such-folder/signal.wav"));
    f.prompts.files = {path};
    f.session.SaveSignalAsWav();

    ASSERT_EQ(f.prompts.messages.size(), 1);
    const RecordedBox &box = f.prompts.messages[0];
    EXPECT_EQ(box.title, WavTitle);
    EXPECT_TRUE(box.text.startsWith(QDir::toNativeSeparators(path) + QStringLiteral("\r\n")))
        << box.text.toStdString();
    const QStringList lines = box.text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines[2].isEmpty()) << "the system's reason";
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(
        f.view().messageText.startsWith(QStringLiteral(u"信号をWAVファイルに保存しました")));
    expectCheckReset(f);
}

TEST(SessionSimulator, ExecutingSlotLightsOnlyAnIconAndChangesNothingElse)
{
    SessionFixture f;
    checkedSample(f, 1);
    const WorkingProgram program = f.program();
    const EditorState state = f.state();
    const int slotCount = f.program().SlotCount;
    ASSERT_GT(slotCount, 2);

    int notifications = 0;
    QObject::connect(&f.session, &EditorSession::changed, [&] { ++notifications; });
    f.session.ShowExecutingSlot(1);
    EXPECT_EQ(f.view().executingSlot, 1);
    EXPECT_EQ(notifications, 1);
    f.session.ShowExecutingSlot(1); // the simulator repeats itself every frame
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(f.program(), program);
    EXPECT_EQ(f.state().CheckPassed, state.CheckPassed);
    EXPECT_EQ(f.state().CheckStage, state.CheckStage);
    EXPECT_EQ(f.state().CurrentCell, state.CurrentCell);
    EXPECT_TRUE(f.view().sendEnabled);

    for (int none : {-1, -7, slotCount, 99, 100, 5000}) {
        f.session.ShowExecutingSlot(2);
        f.session.ShowExecutingSlot(none);
        EXPECT_EQ(f.view().executingSlot, -1) << none;
    }

    // Any edit resets the check and puts the light out.
    f.session.ShowExecutingSlot(2);
    f.line(9, 8);
    EXPECT_FALSE(f.view().sendEnabled);
    EXPECT_EQ(f.view().executingSlot, -1);
    f.session.ShowExecutingSlot(2);
    f.session.ClearSelection();
    EXPECT_EQ(f.view().executingSlot, -1);
}

TEST(SessionDebugBoxes, PictureUnderThePointerNamesItsIndex)
{
    SessionFixture f;
    f.session.ShowCellUnderMouse(QPoint(130, 250));
    const auto others = f.view().debugTexts;
    f.session.ShowPictureUnderMouse(1); // Drow(1)
    EXPECT_EQ(f.view().debugTexts[0], QStringLiteral("icon 1"));
    f.session.ShowPictureUnderMouse(32 + 25); // bmp(57), the last tray picture
    EXPECT_EQ(f.view().debugTexts[0], QStringLiteral("icon 57"));
    for (int i = 1; i < 11; ++i)
        EXPECT_EQ(f.view().debugTexts[i], others[i]) << i;
    // The grid's own boxes leave Text(0) as the last picture set it.
    f.session.ShowCellUnderMouse(QPoint(10, 10));
    EXPECT_EQ(f.view().debugTexts[0], QStringLiteral("icon 57"));
}
