#include "robotfilecheck.h"

#include "memoroundtrip.h"
#include "programinvariants.h"

#include "model/codepage932twins.h"
#include "model/programtext.h"
#include "model/robotfile.h"

#include <QStringList>

namespace zuvo {

namespace {

using Status = RobotFileReadResult::Status;

bool knownReason(const QString &reason)
{
    return reason == LinesBrokenReason || reason == IconCellBrokenReason
        || reason == IconCodeBrokenReason || reason == DataBrokenReason;
}

QString codePoints(const QString &text)
{
    QStringList points;
    for (const QChar c : text)
        points << QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    return points.join(u' ');
}

QString checkRefusal(const RobotFileReadResult &result)
{
    if (result.status == Status::CannotOpen)
        return QStringLiteral("bytes in memory refused as unreadable: ") + result.systemError;
    if (result.status == Status::Broken && !knownReason(result.reason))
        return QStringLiteral("broken file with unknown reason: ") + result.reason;
    if (RobotFileRefusalText(result, false).isEmpty()
        || RobotFileRefusalText(result, true).isEmpty())
        return QStringLiteral("refusal without a message");
    return QString();
}

} // namespace

QString CheckRobotFileInput(QByteArrayView input)
{
    const RobotFileReadResult opened = ParseRobotFile(input.toByteArray());
    if (opened.status != Status::Ok)
        return checkRefusal(opened);

    const WorkingProgram &program = opened.program;
    if (const QString fault = ProgramInconsistency(program); !fault.isEmpty())
        return QStringLiteral("opened program: ") + fault;

    // Switching to another slot and back goes through the program text.
    const WorkingProgram switched = LoadSlotText(StoreSlotText(program));
    if (!SameLinesAndIcons(program, switched))
        return QStringLiteral("lines or icons changed by a switch of program slots");

    const RobotFileEncoding saved = EncodeRobotFile(program);
    if (!saved.memoChanges.replacedCharacters.isEmpty())
        return QStringLiteral("text read from the file cannot be written back: ")
            + codePoints(saved.memoChanges.replacedCharacters);
    const RobotFileReadResult reopened = ParseRobotFile(saved.bytes);
    if (reopened.status != Status::Ok)
        return QStringLiteral("saved file does not open again: ")
            + RobotFileRefusalText(reopened, false);
    if (!SameLinesAndIcons(program, reopened.program))
        return QStringLiteral("lines or icons changed by saving and opening again");
    if (program.HScroll != reopened.program.HScroll || program.VScroll != reopened.program.VScroll)
        return QStringLiteral("scroll position changed by saving and opening again");
    return CheckMemoAfterSave(WithCodePage932Twins(program.Memo), saved.memoChanges,
                              reopened.program.Memo);
}

} // namespace zuvo
