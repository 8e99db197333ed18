#include "cli/cliarguments.h"
#include "cli/clicommands.h"

#include "check/runchecks.h"
#include "check/stagefailure.h"
#include "model/robotfile.h"

namespace zuvo::cli {

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
        ReportFileError(err, path, ReadFailureReason(read));
        return ExitUsage;
    }

    const CheckRun run = RunChecks(read.program);
    for (const StageResult &stage : run.stages) {
        if (stage.runtimeFailure) {
            out << StageFailureTitle << '\n';
            PrintMessageLines(out, StageFailureText);
        } else {
            PrintMessageLines(out, stage.text);
        }
    }
    out.flush();
    return run.passed ? ExitOk : ExitRefused;
}

} // namespace zuvo::cli
