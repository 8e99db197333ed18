#include "cli/compilerobotfile.h"

#include "cli/cliarguments.h"
#include "cli/clicommands.h"

#include "check/runchecks.h"
#include "check/stagefailure.h"
#include "check/transmitencoding.h"
#include "model/robotfile.h"

#include <QRegularExpression>

namespace zuvo::cli {

namespace {

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

// Message area texts break lines with CR LF, or with CR alone in a few messages.
void printLines(QTextStream &stream, const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    for (const QString &line : text.split(lineBreak))
        stream << line << '\n';
}

} // namespace

CompiledRobotFile CompileRobotFile(const QString &path, QTextStream &err)
{
    CompiledRobotFile compiled;
    RobotFileReadResult read = ReadRobotFile(path);
    if (read.status != RobotFileReadResult::Status::Ok) {
        ReportFileError(err, path, readFailureReason(read));
        compiled.exitCode = ExitUsage;
        return compiled;
    }

    CheckRun run = RunChecks(read.program);
    if (!run.passed) {
        const StageResult &last = run.stages.last();
        printLines(err, last.runtimeFailure ? StageFailureText : last.text);
        err.flush();
        compiled.exitCode = ExitRefused;
        return compiled;
    }

    compiled.generated = GenerateProgram(read.program, run.flow, true, false);
    if (compiled.generated.outcome != GenerateOutcome::Ready) {
        printLines(err, compiled.generated.text);
        err.flush();
        compiled.exitCode = ExitRefused;
        return compiled;
    }
    compiled.symbolText = EncodeTransmission(compiled.generated.txData.trimmed());
    compiled.exitCode = ExitOk;
    return compiled;
}

QString SingleFileArgument(const QString &command, const QStringList &args, QTextStream &err)
{
    const ParsedArguments parsed = ParseArguments(args, false);
    if (!parsed.error.isEmpty()) {
        ReportUsageError(err, command, parsed.error);
        return QString();
    }
    if (parsed.positional.size() != 1 || parsed.positional[0].isEmpty()) {
        ReportUsageError(err, command, QStringLiteral("expected FILE"));
        return QString();
    }
    return parsed.positional[0];
}

} // namespace zuvo::cli
