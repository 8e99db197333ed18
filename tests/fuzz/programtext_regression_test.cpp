// Programs the program text fuzzer found faults with.

#include "programtextcheck.h"

#include "model/programtext.h"
#include "model/robotfile.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace zuvo;
using Status = RobotFileReadResult::Status;

TEST(ProgramTextFindings, MemoLinesStartingWithAQuoteSaveIntoFilesThatOpen)
{
    // A memo that is a lone double quote: the quote was never closed, so reading the saved file
    // ran on to its end and refused it as broken.
    EXPECT_EQ(CheckProgramTextInput(QByteArrayView("\0\0\"", 3)), QString());

    // A memo line's leading quote is saved as "＂" (and reported), so that it is not read as a
    // quoted field, which would lose the quotes and whatever follows the closing one.
    WorkingProgram program = WorkingProgram::newProgram();
    program.Memo = QStringLiteral("\"quoted at the start\r\nnext line");
    RobotFileEncoding saved = EncodeRobotFile(program);
    EXPECT_TRUE(saved.memoChanges.quotes);
    RobotFileReadResult r = ParseRobotFile(saved.bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, QStringLiteral(u"＂quoted at the start\r\nnext line"));
    EXPECT_EQ(r.program.SlotCount, 2);

    // A quote closed on a later line neither joins the lines nor drops the text after it.
    program.Memo = QStringLiteral("\"one\r\ntwo\" kept\r\nthree");
    r = ParseRobotFile(EncodeRobotFile(program).bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, QStringLiteral(u"＂one\r\ntwo\" kept\r\nthree"));

    // A quote on the last memo line leaves the memo's end and the scroll positions; the comma
    // splits the line as in any other.
    program.Memo = QStringLiteral("first\r\n  \"last, with a comma");
    program.HScroll = 120;
    program.VScroll = 30;
    r = ParseRobotFile(EncodeRobotFile(program).bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, QStringLiteral(u"first\r\n＂last\r\nwith a comma"));
    EXPECT_EQ(r.program.HScroll, 120);
    EXPECT_EQ(r.program.VScroll, 30);
    // A quote in a file is still read as a quoted field.
    r = ParseRobotFile("Quorvel50 J\r\n\r\nEND\r\nEND\r\n\"a, b\" c\r\nEND\r\n 0 \r\n 0 \r\n");
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, QStringLiteral("a, b"));
}

// Memo lines that read back as the end of the memo list, each followed by a line holding a number
// outside the scroll range: saved, such a file was refused as broken and the program was lost.
// Now each "END" is saved as "ＥＮＤ", the save says so, and the program opens again whole.
TEST(ProgramTextFindings, MemoLinesThatReadAsTheListEndSaveIntoFilesThatOpen)
{
    const QStringList lines
        = {QStringLiteral("END"), QStringLiteral("   END"), QStringLiteral("\"END\""),
           QStringLiteral("END,99999"), QStringLiteral("x,END")};
    for (const QString &line : lines) {
        SCOPED_TRACE(line.toStdString());
        const QByteArray input = QByteArray("\0\0") + line.toUtf8() + ",99999,END,7,9";
        EXPECT_EQ(CheckProgramTextInput(input), QString());

        WorkingProgram program = WorkingProgram::newProgram();
        program.Memo = QStringLiteral("before\r\n") + line + QStringLiteral("\r\n99999");
        program.HScroll = 7;
        program.VScroll = 9;
        const RobotFileEncoding saved = EncodeRobotFile(program);
        EXPECT_TRUE(saved.memoChanges.endWords || saved.memoChanges.quotes);
        const RobotFileReadResult r = ParseRobotFile(saved.bytes);
        ASSERT_EQ(r.status, Status::Ok) << RobotFileRefusalText(r, false).toStdString();
        EXPECT_TRUE(r.program.Memo.startsWith(QStringLiteral("before\r\n")));
        EXPECT_TRUE(r.program.Memo.endsWith(QStringLiteral("\r\n99999")));
        // "END" itself, or the quote that would make a quoted field of it, is written otherwise.
        EXPECT_TRUE(r.program.Memo.contains(QStringLiteral(u"ＥＮＤ"))
                    || r.program.Memo.contains(QStringLiteral(u"＂END\"")))
            << r.program.Memo.toStdString();
        EXPECT_EQ(r.program.HScroll, 7);
        EXPECT_EQ(r.program.VScroll, 9);
        EXPECT_EQ(r.program.SlotCount, 2);
        EXPECT_FALSE(MemoChangesText(saved.memoChanges).isEmpty());
    }
}

// A memo whose file would pass the reader's limit: its end is cut off, the save says so, and the
// file opens again within the limits.
TEST(ProgramTextFindings, AMemoTooLongIsCutAndTheFileOpens)
{
    WorkingProgram program = WorkingProgram::newProgram();
    program.Memo = QString(17 * 1024 * 1024, u'あ');
    RobotFileEncoding saved = EncodeRobotFile(program);
    EXPECT_TRUE(saved.memoChanges.shortened);
    EXPECT_LE(saved.bytes.size(), RobotFileSizeLimit);
    RobotFileReadResult r = ParseRobotFile(saved.bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, QString(MemoCharacterLimit, u'あ'));

    // Commas come back as line breaks of two characters: the cut counts them twice.
    program.Memo = QString(MemoCharacterLimit, u',');
    saved = EncodeRobotFile(program);
    EXPECT_TRUE(saved.memoChanges.shortened);
    r = ParseRobotFile(saved.bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_LE(r.program.Memo.size(), MemoCharacterLimit);
    EXPECT_EQ(CheckProgramTextInput(QByteArray("\0\0") + QByteArray(40000, ',')), QString());

    // The longest memo that fits is kept whole.
    program.Memo = QString(MemoCharacterLimit, u'm');
    saved = EncodeRobotFile(program);
    EXPECT_FALSE(saved.memoChanges.any());
    EXPECT_EQ(ParseRobotFile(saved.bytes).program.Memo, program.Memo);
}

TEST(ProgramTextFindings, LookAlikesInAParameterStringAreSavedUnderTheCodePageNames)
{
    // A Brake time typed as "5〜" keeps its text; the file holds the code page's "～" at the same
    // bytes, which is what opening it gives back.
    const QByteArray input = QByteArrayLiteral("\0 398,29 0=, 416,30 0=, 400,09 1=5")
        + QStringLiteral(u"〜").toUtf8() + QByteArrayLiteral(" &H00FFFFFF,END\0memo");
    EXPECT_EQ(CheckProgramTextInput(input), QString());

    WorkingProgram program = WorkingProgram::newProgram();
    const int slot = program.placeNewIcon(4, 4, 9);
    program.SlotParams[slot] = QStringLiteral(u"09 1=5〜 &H00FFFFFF");
    const RobotFileEncoding saved = EncodeRobotFile(program);
    EXPECT_TRUE(saved.memoChanges.replacedCharacters.isEmpty());
    const RobotFileReadResult r = ParseRobotFile(saved.bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.SlotParams[slot], QStringLiteral(u"09 1=5～ &H00FFFFFF"));
}
