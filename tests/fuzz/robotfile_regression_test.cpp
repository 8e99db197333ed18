// Robot files the robot file fuzzer found faults with.

#include "robotfilecheck.h"

#include "model/robotfile.h"

#include <gtest/gtest.h>

using namespace zuvo;
using Status = RobotFileReadResult::Status;

namespace {

const QByteArray Lines
    = QByteArrayLiteral("Quorvel50 J\r\n\r\nEND\r\n 398 ,29 0=\r\n 416 ,30 0=\r\n");
const QByteArray Tail = QByteArrayLiteral("END\r\nmemo\r\nEND\r\n 0 \r\n 0 \r\n");

QByteArray withIcon(const QByteArray &iconLine)
{
    return Lines + iconLine + "\r\n" + Tail;
}

} // namespace

TEST(RobotFileFindings, UnassignedDoubleByteCodesReadAsSubstitutes)
{
    // 81 AD is a well-formed but unassigned code: it was read as U+FFFD, which the code page
    // cannot write back, so saving turned it into "？".
    const QByteArray file
        = Lines + " 400 ,00 1=\x81\xad &H00FFFFFF\r\nEND\r\nmemo \x81\xad\r\nEND\r\n 0 \r\n 0 \r\n";
    EXPECT_EQ(CheckRobotFileInput(file), QString());

    const RobotFileReadResult r = ParseRobotFile(file);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, QStringLiteral("memo \x1a"));
    EXPECT_EQ(r.program.SlotParams[2], QStringLiteral("00 1=\x1a &H00FFFFFF"));
    const RobotFileEncoding saved = EncodeRobotFile(r.program);
    EXPECT_TRUE(saved.memoChanges.replacedCharacters.isEmpty());
    EXPECT_TRUE(saved.bytes.contains("memo \x1a\r\n"));
}

TEST(RobotFileFindings, QuotedParameterStringsThatWouldNotSurviveAreRefused)
{
    // A quoted ParameterString with a comma or a line break split the program text at the next
    // switch of slots and the file at the next save; one with leading blanks lost them at the
    // next save and came back as another icon.
    for (const QByteArray &line :
         {QByteArrayLiteral(" 400 ,\"00 1=\x92\x86, &H00FFFFFF\""),
          QByteArrayLiteral(" 400 ,\"00 1=\x92\x86\r\n&H00FFFFFF\""),
          QByteArrayLiteral(" 400 ,\"00 1=\x92\x86\n\""), QByteArrayLiteral(" 400 ,\" 09 1=0.5 \""),
          QByteArrayLiteral(" 400 ,\" \"")}) {
        const RobotFileReadResult r = ParseRobotFile(withIcon(line));
        EXPECT_EQ(r.status, Status::Broken) << line.constData();
        EXPECT_EQ(r.reason, DataBrokenReason) << line.constData();
        EXPECT_EQ(CheckRobotFileInput(withIcon(line)), QString());
    }

    // The smallest file the fuzzer found: an icon at CellIndex 0 (an empty field) whose
    // ParameterString is a quoted blank.
    const QByteArray found = QByteArrayLiteral("Quorvel50 J\nEND\r\r\" \"\rEND\rEND\n\n");
    EXPECT_EQ(ParseRobotFile(found).status, Status::Broken);
    EXPECT_EQ(CheckRobotFileInput(found), QString());

    // Quotes around an ordinary ParameterString stay harmless (92 86 is 中).
    const RobotFileReadResult quoted
        = ParseRobotFile(withIcon(QByteArrayLiteral(" 400 ,\"00 1=\x92\x86 &H00FFFFFF\"")));
    ASSERT_EQ(quoted.status, Status::Ok);
    EXPECT_EQ(quoted.program.SlotParams[2], QStringLiteral(u"00 1=中 &H00FFFFFF"));
}
