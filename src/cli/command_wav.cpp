#include "cli/cliarguments.h"
#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

#include "signal/symbolrender.h"
#include "signal/wavfile.h"

namespace zuvo::cli {

const CommandSyntax WavSyntax
    = {"wav", "FILE -o OUT.wav [--padded]", "write the signal of a robot file as a WAV file"};

// Writes the signal of a robot file as a WAV file: the signal alone, or with --padded the
// silence around it that the output plays too, for a phone or a recorder to play.
int commandWav(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandParser parser(WavSyntax);
    parser.addOption(
        {QStringLiteral("o"), QStringLiteral("the WAV file to write"), QStringLiteral("OUT.wav")});
    parser.addOption({QStringLiteral("padded"),
                      QStringLiteral("with the silence played before and after the signal")});
    if (const auto done = parser.parse(args, out, err))
        return *done;
    const QStringList positional = parser.positionalArguments();
    const QString outputPath = parser.value(QStringLiteral("o"));
    if (positional.size() != 1 || outputPath.isEmpty())
        return parser.refuse(err, QStringLiteral("expected FILE -o OUT.wav"));
    const CompiledRobotFile compiled
        = CompileRobotFile(positional[0], CompileTarget::SymbolText, err);
    if (compiled.exitCode != ExitOk)
        return compiled.exitCode;
    const QByteArray samples = RenderSymbols(compiled.symbolText);
    const WavWriteResult written = WriteWavFile(
        outputPath, parser.isSet(QStringLiteral("padded")) ? PadForOutput(samples) : samples);
    if (!written.ok) {
        ReportFileError(err, outputPath, written.error);
        return ExitUsage;
    }
    return ExitOk;
}

} // namespace zuvo::cli
