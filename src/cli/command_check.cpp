#include "cli/cliarguments.h"
#include "cli/clicommands.h"

#include "check/runchecks.h"
#include "check/stagefailure.h"
#include "model/robotfile.h"

namespace zuvo::cli {

const CommandSyntax CheckSyntax
    = {"check", "FILE", "run the three grammar check stages on a robot file"};

// Runs the three check stages on a robot file as three presses of the check button would.
int commandCheck(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const FileArgument file = ReadFileArgument(CheckSyntax, args, out, err);
    if (file.done)
        return *file.done;
    const QString &path = file.path;
    RobotFileReadResult read = ReadRobotFile(path);
    if (read.status != RobotFileReadResult::Status::Ok) {
        ReportFileError(err, path, ReadFailureReason(read));
        return ReadFailureExitCode(read);
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
