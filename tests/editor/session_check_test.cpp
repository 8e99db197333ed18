#include "sessiontestsupport.h"

#include "check/generateprogram.h"
#include "check/transmitencoding.h"
#include "model/iconcatalogue.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

// BEGIN joined straight to END: END dragged next to BEGIN and one line between them.
void beginJoinedToEnd(SessionFixture &f)
{
    f.session.IconPress(1, true);
    f.session.IconDoubleClick(1);
    f.session.IconRelease(1);
    f.session.SurfaceRelease(4, 4, true);
    f.line(3, 4);
    ASSERT_EQ(f.codeAt(4, 4), IconEnd);
}

} // namespace

TEST(SessionCheck, ThreePressesPassTheStagesAndTheFourthSends)
{
    SessionFixture f;
    beginJoinedToEnd(f);
    const int beeps = f.prompts.beeps;

    f.session.RunGrammarCheck();
    EXPECT_EQ(f.view().messageText,
              QStringLiteral(u"開始１個、終了１個です。\r\nアイコンの接続は正常"));
    EXPECT_EQ(f.view().checkPicture, 1);
    EXPECT_EQ(f.view().checkMenuCaption, QStringLiteral(u"文法チェック 次へ"));
    EXPECT_EQ(f.state().CheckStage, 1);
    EXPECT_EQ(f.prompts.beeps, beeps + 2);

    f.session.RunGrammarCheck();
    EXPECT_TRUE(f.view().messageText.startsWith(QStringLiteral(u"分岐は無し、合流は無し。")));
    EXPECT_EQ(f.state().CheckStage, 2);
    EXPECT_FALSE(f.view().sendEnabled);

    f.session.RunGrammarCheck();
    EXPECT_TRUE(f.view().messageText.startsWith(QStringLiteral(u"Ｌｏｏｐは無し、Ｒｅｐは無し")));
    EXPECT_EQ(f.state().CheckPassed, 1);
    EXPECT_EQ(f.state().CheckStage, 0);
    EXPECT_EQ(f.view().checkPicture, 2);
    EXPECT_EQ(f.view().checkMenuCaption, QStringLiteral(u"文法チェック"));
    EXPECT_FALSE(f.view().checkMenuEnabled);
    EXPECT_TRUE(f.view().sendEnabled);

    // Nothing produces code: nothing is played, and the check starts over.
    f.session.RunGrammarCheck();
    EXPECT_TRUE(f.prompts.transmissions.isEmpty());
    EXPECT_EQ(f.view().messageText,
              QStringLiteral(u"プログラムは送信されません。\r\nデータ数は0個です。"));
    EXPECT_EQ(f.view().messageBackground, ColourWarning);
    EXPECT_FALSE(f.view().sendEnabled);
    EXPECT_TRUE(f.view().checkMenuEnabled);
    EXPECT_EQ(f.view().checkPicture, 0);
    EXPECT_EQ(f.state().CheckPassed, 0);
}

TEST(SessionCheck, ASampleIsEncodedAndTransmitted)
{
    SessionFixture f;
    f.session.LoadSampleSet(1);
    f.session.ResizeEditor(1000, 700); // wide enough for the transmit text
    f.session.ApplyCommandLine({QStringLiteral("HexDisp")});
    for (int press = 0; press < 3; ++press)
        f.session.RunGrammarCheck();
    ASSERT_TRUE(f.view().sendEnabled);
    f.session.RunGrammarCheck();
    ASSERT_EQ(f.prompts.transmissions.size(), 1);
    EXPECT_TRUE(f.view().txData.startsWith(TransmitHeaderText));
    EXPECT_EQ(f.prompts.transmissions[0], EncodeTransmission(f.view().txData.trimmed()));
    EXPECT_EQ(f.view().messageText, SentText(6));
    EXPECT_EQ(f.view().messageText,
              QStringLiteral(u"プログラムの送信は終わりました。\r\nデータ数は6個です。"));
    EXPECT_EQ(f.view().messageBackground, ColourWhite);
    EXPECT_TRUE(f.view().txDataVisible);
    EXPECT_FALSE(f.view().sendEnabled);
    EXPECT_EQ(f.state().CheckStage, 0);

    // At the design width the transmit text stays hidden.
    SessionFixture g;
    g.session.LoadSampleSet(1);
    g.session.ApplyCommandLine({QStringLiteral("HexDisp")});
    for (int press = 0; press < 4; ++press)
        g.session.RunGrammarCheck();
    EXPECT_EQ(g.prompts.transmissions.size(), 1);
    EXPECT_FALSE(g.view().txDataVisible);
}

TEST(SessionCheck, AFailedDeviceIsReportedAsNotSent)
{
    SessionFixture f;
    f.session.LoadSampleSet(1);
    f.prompts.transmitOutcome = {3, QStringLiteral("Audio device could not be opened at all")};
    for (int press = 0; press < 4; ++press)
        f.session.RunGrammarCheck();
    ASSERT_EQ(f.prompts.transmissions.size(), 1);
    const QStringList lines = f.view().messageText.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral(u"プログラムは送信できませんでした。"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral(u"音声出力を確認してください：Audio")));
    EXPECT_LE(lines[1].size(), 28);
    EXPECT_EQ(f.view().messageBackground, ColourWarning);
    EXPECT_FALSE(f.view().sendEnabled);
    EXPECT_EQ(f.state().CheckPassed, 0);
}

TEST(SessionCheck, EveryEditResetsTheProgressAndUndoIsSpent)
{
    SessionFixture f;
    beginJoinedToEnd(f);
    f.session.RunGrammarCheck();
    EXPECT_FALSE(f.view().undoAvailable);
    f.session.Undo(); // spent by the check
    EXPECT_EQ(f.codeAt(4, 4), IconEnd);
    ASSERT_EQ(f.state().CheckStage, 1);

    f.line(9, 8); // any click on the grid
    EXPECT_EQ(f.state().CheckStage, 0);
    EXPECT_EQ(f.view().checkPicture, 0);
    f.line(9, 8);

    for (int press = 0; press < 3; ++press)
        f.session.RunGrammarCheck();
    ASSERT_TRUE(f.view().sendEnabled);
    f.session.IconPress(0, true); // a click on an icon
    EXPECT_FALSE(f.view().sendEnabled);
    EXPECT_EQ(f.state().CheckPassed, 0);

    // A line into an empty cell: the icon blinks and the next press repeats the stage.
    f.line(5, 4);
    f.session.RunGrammarCheck();
    EXPECT_EQ(f.view().messageText.split(QStringLiteral("\r\n")).value(1),
              QStringLiteral(u"点滅アイコンは接続不良です"));
    EXPECT_EQ(f.mark(4, 4), 1);
    EXPECT_EQ(f.state().CheckStage, 0);

    // Removing the dangling line lets the stage pass; leaving the slot and coming back resets.
    f.line(5, 4);
    f.session.RunGrammarCheck();
    ASSERT_EQ(f.state().CheckStage, 1);
    f.session.SwitchSlot(1);
    f.session.SwitchSlot(0);
    EXPECT_EQ(f.state().CheckStage, 0);
}

TEST(SessionCheck, DeletingIconsTheCheckMarkedResetsTheCheck)
{
    SessionFixture f;
    f.place(IconForward, 4, 4);
    f.place(IconYes, 6, 4); // a Yes piece after a Forward icon
    f.session.IconPress(1, true);
    f.session.IconDoubleClick(1);
    f.session.SurfaceRelease(8, 4, true);
    f.line(3, 4);
    f.line(5, 4);
    f.line(7, 4);
    f.session.RunGrammarCheck();
    ASSERT_EQ(f.state().CheckStage, 1);
    f.session.RunGrammarCheck();
    EXPECT_TRUE(f.view().messageText.startsWith(QStringLiteral(u"分岐にYes,No無し、")));
    ASSERT_EQ(f.mark(6, 4), 1);
    ASSERT_EQ(f.state().CheckStage, 1);
    f.session.DeleteSelection();
    EXPECT_EQ(f.content(6, 4), EmptyCell);
    EXPECT_EQ(f.state().CheckStage, 0);
}

TEST(SessionCheck, ARuntimeFailureShowsTheBoxAndMovesOn)
{
    QTemporaryDir dir;
    // A file that lists BEGIN after another icon: BEGIN is not in slot 0.
    QStringEncoder encoder("CP932");
    QByteArray bytes;
    for (const QString &line :
         {QStringLiteral("Quorvel50 J"), QStringLiteral(" 399 , 401 "), QStringLiteral("END"),
          QStringLiteral(u" 400 ,00 1=中 &H00FFFFFF"), QStringLiteral(" 398 ,29 0="),
          QStringLiteral(" 402 ,30 0="), QStringLiteral("END"), QStringLiteral("END"),
          QStringLiteral(" 0 "), QStringLiteral(" 0 ")})
        bytes += encoder.encode(line + QStringLiteral("\r\n"));
    const QString path = dir.filePath(QStringLiteral("order.qvk"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    SessionFixture f;
    f.prompts.files = {path};
    f.session.OpenRobotFile();
    ASSERT_EQ(f.codeAt(4, 4), IconForward);
    ASSERT_EQ(f.slotAt(4, 4), 0);
    f.session.RunGrammarCheck(); // connections pass
    ASSERT_EQ(f.state().CheckStage, 1);
    const QString before = f.view().messageText;
    f.session.RunGrammarCheck();
    ASSERT_EQ(f.prompts.messages.size(), 1);
    EXPECT_EQ(f.prompts.messages[0].title, QStringLiteral(u"不明なエラー"));
    EXPECT_EQ(
        f.prompts.messages[0].text,
        QStringLiteral(u"文法チェックを実行できません。\r\nプログラムを再確認してください。"));
    EXPECT_EQ(f.prompts.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(f.state().CheckStage, 1);
    EXPECT_FALSE(f.view().sendEnabled);
    EXPECT_NE(f.view().messageText, before);
}
