// Programs the program text fuzzer found faults with.

#include "programtextcheck.h"

#include "model/robotfile.h"

#include <gtest/gtest.h>

using namespace zuvo;
using Status = RobotFileReadResult::Status;

TEST(ProgramTextFindings, MemoLinesStartingWithAQuoteSaveIntoFilesThatOpen)
{
    // A memo that is a lone double quote: the quote was never closed, so reading the saved file
    // ran on to its end and refused it as broken.
    EXPECT_EQ(CheckProgramTextInput(QByteArrayView("\0\0\"", 3)), QString());

    WorkingProgram program = WorkingProgram::newProgram();
    program.Memo = QStringLiteral("\"quoted at the start\r\nnext line");
    RobotFileReadResult r = ParseRobotFile(EncodeRobotFile(program).bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, QStringLiteral("quoted at the start\r\nnext line"));
    EXPECT_EQ(r.program.SlotCount, 2);

    // A quote closed on a later line still joins the lines between, as a quoted field does.
    program.Memo = QStringLiteral("\"one\r\ntwo\" dropped\r\nthree");
    r = ParseRobotFile(EncodeRobotFile(program).bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, QStringLiteral("one\r\ntwo\r\nthree"));

    // The unclosed quote on the last memo line leaves the memo's end and the scroll positions.
    program.Memo = QStringLiteral("first\r\n  \"last, with a comma");
    program.HScroll = 120;
    program.VScroll = 30;
    r = ParseRobotFile(EncodeRobotFile(program).bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, QStringLiteral("first\r\nlast, with a comma"));
    EXPECT_EQ(r.program.HScroll, 120);
    EXPECT_EQ(r.program.VScroll, 30);
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
    EXPECT_TRUE(saved.replacedCharacters.isEmpty());
    const RobotFileReadResult r = ParseRobotFile(saved.bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.SlotParams[slot], QStringLiteral(u"09 1=5～ &H00FFFFFF"));
}
