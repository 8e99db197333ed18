#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

namespace zuvo::cli {

const CommandSyntax CompileSyntax
    = {"compile", "FILE", "check a robot file and print its TransmitImage as hex text"};

// Prints the TransmitImage text exactly as the hidden transmit box holds it.
int commandCompile(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const FileArgument file = ReadFileArgument(CompileSyntax, args, out, err);
    if (file.done)
        return *file.done;
    const QString &path = file.path;
    const CompiledRobotFile compiled = CompileRobotFile(path, err);
    if (compiled.exitCode != ExitOk)
        return compiled.exitCode;
    out << compiled.generated.txData << Qt::endl;
    return ExitOk;
}

} // namespace zuvo::cli
