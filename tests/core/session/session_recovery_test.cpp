#include "offscreenapp.h"
#include "sessiontestsupport.h"

#include "model/iconcatalogue.h"
#include "model/recoverystore.h"
#include "model/robotfile.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

// A program that ran once and is gone: no process has this id.
const ProcessIdentity Gone {999999999, 1, CurrentProcessIdentity().bootId};

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    for (const QFileInfo &info :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        files << (info.isDir() ? filesUnder(info.filePath()) : QStringList {info.fileName()});
    return files;
}

ProgramText slotText(const SessionFixture &f, int slot)
{
    return slot == f.state().CurrentSlot ? StoreSlotText(f.program()) : f.state().SlotText[slot];
}

} // namespace

// A look that writes nothing, three slots edited and the third saved, a fault, then two editors
// whose question is answered いいえ: the second いいえ removes the copies.
TEST(SessionRecovery, OnlyTheUnsavedSlotsAreCopiedAndKeptUntilRefusedTwice)
{
    offscreenApp<QCoreApplication>(); // the delay's timer
    QTemporaryDir state;
    QTemporaryDir saved;
    std::array<ProgramText, 2> before;
    QString copies;
    {
        SessionFixture f;
        f.session.EnableRecovery(state.path(), Gone);
        copies = f.session.recoveryFolder();
        f.session.SwitchSlot(1);
        f.session.SetScroll(100, 40);
        f.session.SwitchSlot(0);
        f.session.RunGrammarCheck();
        f.session.KeepRecoveryCopies(false);
        EXPECT_FALSE(f.session.recoveryWriteDue());
        EXPECT_EQ(filesUnder(state.path()), QStringList()) << "a look writes nothing";

        f.place(IconForward, 6, 8);
        f.line(7, 8);
        f.session.SetMemoText(QStringLiteral(u"前進する\r\n二行目"));
        EXPECT_TRUE(f.session.recoveryWriteDue());
        // The delay waits for a pause in the changes; the blink (cell marks) is no change.
        f.session.KeepRecoveryCopies(false);
        f.session.IconPress(f.slotAt(6, 8), true);
        f.session.KeepRecoveryCopies(false);
        f.session.ClearSelection(); // only cell marks change, and the blink settles them
        f.session.BlinkTick();
        EXPECT_FALSE(f.session.recoveryWriteDue());
        f.line(9, 8);
        EXPECT_TRUE(f.session.recoveryWriteDue());
        f.session.SwitchSlot(1);
        f.session.SetMemoText(QStringLiteral(u"二つ目"));
        f.session.SetScroll(120, 60);
        f.session.SwitchSlot(2);
        f.place(IconWait, 10, 8);
        f.session.KeepRecoveryCopies(false);
        struct stat info;
        ASSERT_EQ(::stat(QFile::encodeName(copies).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        f.prompts.files.push_back(saved.filePath(QStringLiteral("three.qvk")));
        f.session.SaveRobotFileAs();
        f.session.KeepRecoveryCopies(false);
        before = {slotText(f, 0), slotText(f, 1)};
        EXPECT_EQ(filesUnder(state.path()),
                  QStringList({QStringLiteral("programs.json"), QStringLiteral(u"プログラム1.qvk"),
                               QStringLiteral(u"プログラム2.qvk")}));
        const RobotFileReadResult copy = ReadRobotFile(RecoveryCopyPath(copies, 1));
        EXPECT_EQ(StoreSlotText(copy.program), before[1]) << "an ordinary robot file";
    } // the fault: the program is gone without its normal end

    for (int round = 0; round < 2; ++round) {
        SessionFixture f; // answers いいえ
        f.session.EnableRecovery(state.path(), CurrentProcessIdentity());
        f.session.OfferRecovery();
        ASSERT_EQ(f.prompts.questions.size(), 1);
        const QString question = f.prompts.questions[0].text;
        EXPECT_TRUE(question.contains(QStringLiteral(u"\r　プログラム1（")));
        EXPECT_TRUE(question.contains(QStringLiteral(u"\r　プログラム2（")));
        EXPECT_FALSE(question.contains(QStringLiteral(u"プログラム3")));
        EXPECT_EQ(question.contains(QStringLiteral(u"「いいえ」を選ぶと、この控えは消えます。")),
                  round == 1);
        EXPECT_EQ(f.state().SlotModified, (std::array<int, 5> {}));
        EXPECT_EQ(filesUnder(state.path()).size(), round == 0 ? 3 : 0);
    }
}

TEST(SessionRecovery, YesPutsTheCopiesBackIntoTheirSlotsWithTheirFiles)
{
    offscreenApp<QCoreApplication>();
    QTemporaryDir state;
    QTemporaryDir saved;
    const QString file = saved.filePath(QStringLiteral("robot.qvk"));
    std::array<ProgramText, 2> before;
    {
        SessionFixture f;
        f.session.EnableRecovery(state.path(), Gone);
        f.session.SwitchSlot(1);
        f.place(IconForward, 6, 8);
        f.prompts.files.push_back(file);
        f.session.SaveRobotFileAs();
        f.session.SetMemoText(QStringLiteral(u"保存のあとで\r\n書いた"));
        f.session.SwitchSlot(0);
        f.session.SetMemoText(QStringLiteral(u"一つ目"));
        before = {slotText(f, 0), slotText(f, 1)};
        f.session.KeepRecoveryCopies(true);
        f.session.SetMemoText(QStringLiteral(u"ending: never written"));
    }
    SessionFixture f;
    f.prompts.answers.push_back(true);
    f.session.EnableRecovery(state.path(), CurrentProcessIdentity());
    f.session.OfferRecovery();
    ASSERT_EQ(f.prompts.questions.size(), 1);
    EXPECT_TRUE(f.prompts.questions[0].text.contains(QStringLiteral(u"プログラム2「robot.qvk」")));
    EXPECT_EQ(slotText(f, 0), before[0]);
    EXPECT_EQ(slotText(f, 1), before[1]);
    EXPECT_EQ(f.state().SlotModified, (std::array<int, 5> {1, 1, 0, 0, 0}));
    EXPECT_EQ(f.state().SlotFilePath[1], file);
    EXPECT_EQ(f.view().tabCaptions[1], QStringLiteral("robot.qvk"));
    // The old folder is gone once this editor's own copies are written.
    EXPECT_EQ(filesUnder(state.path()),
              QStringList({QStringLiteral("programs.json"), QStringLiteral(u"プログラム1.qvk"),
                           QStringLiteral(u"プログラム2.qvk")}));
    EXPECT_EQ(QDir(state.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({CurrentProcessIdentity().folderName()}));
    f.session.SwitchSlot(1);
    f.session.SaveRobotFile(); // 上書き保存 writes where the child saved before
    EXPECT_EQ(StoreSlotText(ReadRobotFile(file).program), before[1]);
    f.session.NewProgramCommand(); // slot 0 emptied
    f.session.SwitchSlot(0);
    f.prompts.answers.push_back(true);
    f.session.NewProgramCommand();
    f.session.KeepRecoveryCopies(false);
    EXPECT_EQ(filesUnder(state.path()), QStringList()) << "saved and emptied slots drop theirs";
}

TEST(SessionRecovery, OnlyProgramsThatNoLongerRunAreOfferedIntoFreeSlots)
{
    offscreenApp<QCoreApplication>();
    // Where copies of slots 0..3 go when the editor opened with some slots taken.
    struct Case
    {
        QList<int> own;
        std::array<bool, 4> free;
        QList<int> places;
    };
    for (const Case &c : {Case {{0, 1}, {true, true, true, true}, {0, 1}},
                          Case {{0, 1}, {false, true, true, true}, {2, 1}},
                          Case {{0, 1, 2}, {false, false, false, true}, {3, -1, -1}},
                          Case {{3}, {true, false, true, false}, {0}}})
        EXPECT_EQ(PlaceRecoveredPrograms(c.own, c.free), c.places);

    QTemporaryDir state;
    for (const ProcessIdentity &owner : {IdentityOf(::getppid()), CurrentProcessIdentity()}) {
        SessionFixture f;
        f.session.EnableRecovery(state.path(), owner);
        f.session.SetMemoText(QStringLiteral("kept"));
        f.session.KeepRecoveryCopies(true);
    }
    QDir(state.path()).mkdir(QStringLiteral("session-notours"));
    EXPECT_TRUE(ProcessRuns(IdentityOf(::getppid())));
    EXPECT_FALSE(ProcessRuns(Gone));
    EXPECT_EQ(ProcessIdentity::fromFolderName(Gone.folderName()), Gone);
    EXPECT_FALSE(FindAbandonedCopies(state.path(), CurrentProcessIdentity()));

    // A state folder that cannot be made is said once, not at every write.
    SessionFixture f;
    f.session.EnableRecovery(state.filePath(QStringLiteral("session-notours/x")), Gone);
    QFile(state.filePath(QStringLiteral("session-notours/x"))).open(QIODevice::WriteOnly);
    for (const char *memo : {"a", "b"}) {
        f.session.SetMemoText(QString::fromLatin1(memo));
        f.session.KeepRecoveryCopies(false);
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(f.prompts.messages.size(), 1);
    EXPECT_TRUE(f.prompts.messages[0].text.startsWith(
        QStringLiteral(u"保存していないプログラムの控えを書けません。")));
}
