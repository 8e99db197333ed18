#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

namespace zuvo::cli {

const CommandSyntax SymbolsSyntax
    = {"symbols", "FILE", "print the transmission symbols of a robot file"};

// Prints the SymbolText the transmission window would play.
int commandSymbols(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const FileArgument file = ReadFileArgument(SymbolsSyntax, args, out, err);
    if (file.done)
        return *file.done;
    const QString &path = file.path;
    const CompiledRobotFile compiled = CompileRobotFile(path, err);
    if (compiled.exitCode != ExitOk)
        return compiled.exitCode;
    out << compiled.symbolText << Qt::endl;
    return ExitOk;
}

} // namespace zuvo::cli
