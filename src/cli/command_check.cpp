#include "cli/cliarguments.h"
#include "cli/clicommands.h"

#include "check/runchecks.h"
#include "check/stagefailure.h"
#include "model/robotfile.h"

namespace zuvo::cli {

namespace {

// Why a robot file cannot be checked, on one line.
QString readFailureReason(const RobotFileReadResult &result)
{
    using Status = RobotFileReadResult::Status;
    switch (result.status) {
    case Status::CannotOpen:
        return result.systemError.isEmpty() ? QStringLiteral(u"ファイルが有りません")
                                            : result.systemError;
    case Status::ForeignHeader:
        return QStringLiteral(u"このファイルは異なった言語で作成されています。");
    case Status::Broken:
        return result.reason.isEmpty()
            ? QStringLiteral(u"ファイルが壊れています")
            : QStringLiteral(u"ファイルが壊れています: ") + result.reason;
    case Status::Ok:
        break;
    }
    return QString();
}

// The message area's lines, one output line each.
void printLines(QTextStream &out, const QString &text)
{
    for (const QString &line : text.split(QStringLiteral("\r\n")))
        out << line << '\n';
}

} // namespace

// Runs the three check stages on a robot file as three presses of the check button would.
int commandCheck(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString name = QStringLiteral("check");
    const ParsedArguments parsed = ParseArguments(args, false);
    if (!parsed.error.isEmpty()) {
        ReportUsageError(err, name, parsed.error);
        return ExitUsage;
    }
    if (parsed.positional.size() != 1) {
        ReportUsageError(err, name, QStringLiteral("expected FILE"));
        return ExitUsage;
    }
    const QString &path = parsed.positional[0];
    RobotFileReadResult read = ReadRobotFile(path);
    if (read.status != RobotFileReadResult::Status::Ok) {
        ReportFileError(err, path, readFailureReason(read));
        return ExitUsage;
    }

    const CheckRun run = RunChecks(read.program);
    for (const StageResult &stage : run.stages) {
        if (stage.runtimeFailure) {
            out << StageFailureTitle << '\n';
            printLines(out, StageFailureText);
        } else {
            printLines(out, stage.text);
        }
    }
    out.flush();
    return run.passed ? ExitOk : ExitRefused;
}

} // namespace zuvo::cli
