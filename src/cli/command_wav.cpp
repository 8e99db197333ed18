#include "cli/cliarguments.h"
#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

#include "transmit/symbolrender.h"
#include "transmit/wavfile.h"

namespace zuvo::cli {

// Writes the signal of a robot file as a WAV file.
int commandWav(const QStringList &args, QTextStream &, QTextStream &err)
{
    const QString name = QStringLiteral("wav");
    const ParsedArguments parsed = ParseArguments(args, true);
    if (!parsed.error.isEmpty()) {
        ReportUsageError(err, name, parsed.error);
        return ExitUsage;
    }
    if (parsed.positional.size() != 1 || parsed.outputPath.isEmpty()) {
        ReportUsageError(err, name, QStringLiteral("expected FILE -o OUT.wav"));
        return ExitUsage;
    }
    const CompiledRobotFile compiled = CompileRobotFile(parsed.positional[0], err);
    if (compiled.exitCode != ExitOk)
        return compiled.exitCode;
    const WavWriteResult written
        = WriteWavFile(parsed.outputPath, RenderSymbols(compiled.symbolText));
    if (!written.ok) {
        ReportFileError(err, parsed.outputPath, written.error);
        return ExitUsage;
    }
    return ExitOk;
}

} // namespace zuvo::cli
