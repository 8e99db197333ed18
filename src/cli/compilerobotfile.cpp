#include "cli/compilerobotfile.h"

#include "cli/cliarguments.h"
#include "cli/clicommands.h"

#include "check/runchecks.h"
#include "check/stagefailure.h"
#include "codegen/transmitencoding.h"
#include "model/robotfile.h"

namespace zuvo::cli {

CompiledRobotFile CompileRobotFile(const QString &path, CompileTarget target, QTextStream &err)
{
    CompiledRobotFile compiled;
    RobotFileReadResult read = ReadRobotFile(path);
    if (read.status != RobotFileReadResult::Status::Ok) {
        ReportFileError(err, path, ReadFailureReason(read));
        compiled.exitCode = ReadFailureExitCode(read);
        return compiled;
    }

    CheckRun run = RunChecks(read.program);
    if (!run.passed) {
        const StageResult &last = run.stages.last();
        PrintMessageLines(err, last.runtimeFailure ? StageFailureText : last.text);
        err.flush();
        compiled.exitCode = ExitRefused;
        return compiled;
    }

    compiled.generated = GenerateProgram(read.program, run.flow, true, false);
    if (compiled.generated.outcome != GenerateOutcome::Ready) {
        PrintMessageLines(err, compiled.generated.text);
        err.flush();
        compiled.exitCode = ExitRefused;
        return compiled;
    }
    if (target == CompileTarget::SymbolText)
        compiled.symbolText = EncodeTransmission(compiled.generated.txData.trimmed());
    compiled.exitCode = ExitOk;
    return compiled;
}

CompiledFileArgument CompileFileArgument(const CommandSyntax &syntax, const QStringList &args,
                                         CompileTarget target, QTextStream &out, QTextStream &err)
{
    CompiledFileArgument argument;
    const FileArgument file = ReadFileArgument(syntax, args, out, err);
    if (file.done) {
        argument.done = file.done;
        return argument;
    }
    argument.compiled = CompileRobotFile(file.path, target, err);
    if (argument.compiled.exitCode != ExitOk)
        argument.done = argument.compiled.exitCode;
    return argument;
}

} // namespace zuvo::cli
