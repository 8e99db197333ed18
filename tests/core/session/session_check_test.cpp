#include "sessiontestsupport.h"

#include "codegen/generateprogram.h"
#include "codegen/transmitencoding.h"
#include "model/iconcatalogue.h"
#include "signal/outputcheck.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

// BEGIN joined straight to END: END dragged next to BEGIN and one line between them.
void beginJoinedToEnd(SessionFixture &f)
{
    f.session.IconPress(1, true);
    f.session.IconDoubleClick(1);
    f.session.SurfaceRelease(4, 4, true);
    f.line(3, 4);
}

void press(SessionFixture &f, int times)
{
    for (int i = 0; i < times; ++i)
        f.session.RunGrammarCheck();
}

} // namespace

TEST(SessionCheck, ThreePressesPassTheStagesAndTheFourthSends)
{
    SessionFixture f;
    beginJoinedToEnd(f);
    const int beeps = f.prompts.beeps;
    press(f, 1);
    EXPECT_EQ(f.view().messageText,
              QStringLiteral(u"開始１個、終了１個です。\r\nアイコンの接続は正常"));
    EXPECT_EQ(f.view().checkPicture, 1);
    EXPECT_EQ(f.view().checkMenuCaption, QStringLiteral(u"文法チェック 次へ"));
    EXPECT_EQ(f.prompts.beeps, beeps + 2);
    press(f, 1);
    EXPECT_EQ(f.state().CheckStage, 2);
    EXPECT_FALSE(f.view().sendEnabled);
    press(f, 1);
    EXPECT_EQ(f.state().CheckPassed, 1);
    EXPECT_EQ(f.view().checkPicture, 2);
    EXPECT_FALSE(f.view().checkMenuEnabled);
    EXPECT_TRUE(f.view().sendEnabled);

    press(f, 1); // nothing produces code: nothing is played
    EXPECT_TRUE(f.prompts.transmissions.isEmpty());
    EXPECT_EQ(f.view().messageText,
              QStringLiteral(u"プログラムは送信されません。\r\nデータ数は0個です。"));
    EXPECT_FALSE(f.view().sendEnabled);
    EXPECT_TRUE(f.view().checkMenuEnabled);
    EXPECT_EQ(f.view().checkPicture, 0);
}

TEST(SessionCheck, ASampleIsEncodedAndTransmitted)
{
    SessionFixture f;
    f.session.LoadSampleSet(1);
    f.session.ResizeEditor(1000, 700); // wide enough to show the transmit text
    f.session.ApplyCommandLine({QStringLiteral("HexDisp")});
    press(f, 4);
    ASSERT_EQ(f.prompts.transmissions.size(), 1);
    EXPECT_TRUE(f.view().txData.startsWith(TransmitHeaderText));
    EXPECT_EQ(f.prompts.transmissions[0], EncodeTransmission(f.view().txData.trimmed()));
    EXPECT_EQ(f.view().messageText,
              QStringLiteral(u"プログラムの送信は終わりました。\r\nデータ数は6個です。"));
    EXPECT_EQ(f.view().messageBackground, ColourWhite);
    EXPECT_TRUE(f.view().txDataVisible);
    EXPECT_FALSE(f.view().sendEnabled);

    SessionFixture g; // at the design width the transmit text stays hidden
    g.session.LoadSampleSet(1);
    g.session.ApplyCommandLine({QStringLiteral("HexDisp")});
    press(g, 4);
    EXPECT_FALSE(g.view().txDataVisible);
}

TEST(SessionCheck, AFailedDeviceIsReportedAsNotSent)
{
    SessionFixture f;
    f.session.LoadSampleSet(1);
    f.prompts.transmitOutcome = {3, QStringLiteral("Audio device could not be opened at all")};
    press(f, 4);
    const QStringList lines = f.view().messageText.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral(u"プログラムは送信できませんでした。"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral(u"音声出力を確認してください：Audio")));
    EXPECT_LE(lines[1].size(), 28);
    EXPECT_EQ(f.view().messageBackground, ColourWarning);
    EXPECT_EQ(f.state().CheckPassed, 0);
}

TEST(SessionCheck, EveryEditResetsTheProgressAndUndoIsSpent)
{
    SessionFixture f;
    beginJoinedToEnd(f);
    press(f, 1);
    EXPECT_FALSE(f.view().undoAvailable);
    f.line(9, 8); // a click on the grid
    EXPECT_EQ(f.state().CheckStage, 0);
    EXPECT_EQ(f.view().checkPicture, 0);
    f.line(9, 8);
    press(f, 3);
    f.session.IconPress(0, true); // a click on an icon
    EXPECT_FALSE(f.view().sendEnabled);

    // A line into an empty cell: END blinks and the next press repeats the stage.
    f.line(5, 4);
    press(f, 1);
    EXPECT_TRUE(f.view().messageText.endsWith(QStringLiteral(u"点滅アイコンは接続不良です")));
    EXPECT_EQ(f.mark(4, 4), 1);
    EXPECT_EQ(f.state().CheckStage, 0);

    // Deleting an icon the check made blink is an edit as well.
    SessionFixture g;
    g.place(IconForward, 4, 4);
    g.place(IconYes, 6, 4); // a Yes piece after a Forward icon
    g.session.IconPress(1, true);
    g.session.IconDoubleClick(1);
    g.session.SurfaceRelease(8, 4, true);
    for (int x : {3, 5, 7})
        g.line(x, 4);
    press(g, 2);
    EXPECT_TRUE(g.view().messageText.startsWith(QStringLiteral(u"分岐にYes,No無し、")));
    ASSERT_EQ(g.mark(6, 4), 1);
    ASSERT_EQ(g.state().CheckStage, 1);
    g.session.DeleteSelection();
    EXPECT_EQ(g.content(6, 4), EmptyCell);
    EXPECT_EQ(g.state().CheckStage, 0);
}

TEST(SessionCheck, ARuntimeFailureShowsTheBoxAndMovesOn)
{
    QTemporaryDir dir;
    // BEGIN listed after another icon: it does not hold slot 0.
    const QString path = writeLines(
        dir, QStringLiteral("order.qvk"),
        {QStringLiteral("Quorvel50 J"), QStringLiteral(" 399 , 401 "), QStringLiteral("END"),
         QStringLiteral(u" 400 ,00 1=中 &H00FFFFFF"), QStringLiteral(" 398 ,29 0="),
         QStringLiteral(" 402 ,30 0="), QStringLiteral("END"), QStringLiteral("END"),
         QStringLiteral(" 0 "), QStringLiteral(" 0 ")});
    SessionFixture f;
    f.prompts.files = {path};
    f.session.OpenRobotFile();
    ASSERT_EQ(f.slotAt(4, 4), 0);
    press(f, 2);
    ASSERT_EQ(f.prompts.messages.size(), 1);
    EXPECT_EQ(f.prompts.messages[0].title, QStringLiteral(u"不明なエラー"));
    EXPECT_EQ(
        f.prompts.messages[0].text,
        QStringLiteral(u"文法チェックを実行できません。\r\nプログラムを再確認してください。"));
    EXPECT_EQ(f.prompts.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(f.state().CheckStage, 1);
    EXPECT_FALSE(f.view().sendEnabled);
}

// Before the fourth press plays, the output as the sound server has it now: what is wrong is
// asked about and the choice is done; after playing, what its monitor heard decides the report.
// A muted or missing output is never reported as sent.
TEST(SessionCheck, TheOutputIsCheckedBeforeSendingAndWhatItPlayedAfter)
{
    const QString sent = QStringLiteral(u"プログラムの送信は終わりました。");
    const QString notHeard = QStringLiteral(u"プログラムを送信しましたが、");
    const QString heldBack = QStringLiteral(u"プログラムは送信しませんでした。");
    const QString failed = QStringLiteral(u"プログラムは送信できませんでした。");
    using O = OutputChoice;
    using H = Hearing;
    struct Case
    {
        const char *name;
        int volume;
        bool muted, present, bluetooth, mendFails;
        O choice;
        H hearing;
        int asked; // 0 not asked, 1 asked, 2 asked with 100 % offered
        bool played;
        QString says;
    };
    const QList<Case> cases = {
        {"fine", 100, false, true, false, false, O::Stop, H::Heard, 0, true, sent},
        {"muted, mended", 100, true, true, false, false, O::MakeAudible, H::Heard, 2, true, sent},
        {"30 %, stopped", 30, false, true, false, false, O::Stop, H::Heard, 2, false, heldBack},
        {"muted, no monitor", 100, true, true, false, false, O::SendAnyway, H::NotChecked, 2, true,
         notHeard},
        {"bluetooth", 100, false, true, true, false, O::SendAnyway, H::Heard, 1, true, sent},
        {"missing", 100, false, false, false, false, O::MakeAudible, H::Heard, 1, false, heldBack},
        {"not heard", 100, false, true, false, false, O::Stop, H::NotHeard, 0, true, notHeard},
        {"mending fails", 100, true, true, false, true, O::MakeAudible, H::Heard, 2, false, failed},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SessionFixture f;
        f.session.LoadSampleSet(1);
        f.prompts.output.volumePercent = c.volume;
        f.prompts.output.muted = c.muted;
        f.prompts.output.present = c.present;
        f.prompts.output.kind = c.bluetooth ? OutputKind::Bluetooth : OutputKind::Ordinary;
        f.prompts.audibleFailure = c.mendFails ? QStringLiteral(u"変えられません") : QString();
        f.prompts.outputChoice = c.choice;
        f.prompts.transmitOutcome.hearing = c.hearing;
        const OutputCheck check = CheckOutput(f.prompts.output);
        press(f, 4);
        ASSERT_EQ(f.prompts.outputQuestions.size(), c.asked > 0 ? 1 : 0);
        if (c.asked > 0) {
            EXPECT_EQ(f.prompts.outputQuestions[0].second, c.asked == 2);
            EXPECT_TRUE(f.prompts.outputQuestions[0].first.contains(check.texts.value(0)));
        }
        EXPECT_EQ(f.prompts.transmissions.size(), c.played ? 1 : 0);
        EXPECT_TRUE(f.view().messageText.startsWith(c.says)) << f.view().messageText.toStdString();
        EXPECT_EQ(f.view().messageBackground == ColourWarning,
                  c.says == notHeard || c.says == failed);
    }
}
