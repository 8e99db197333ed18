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
