#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

namespace zuvo::cli {

// Prints the SymbolText the transmission window would play.
int commandSymbols(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString path = SingleFileArgument(QStringLiteral("symbols"), args, err);
    if (path.isEmpty())
        return ExitUsage;
    const CompiledRobotFile compiled = CompileRobotFile(path, err);
    if (compiled.exitCode != ExitOk)
        return compiled.exitCode;
    out << compiled.symbolText << Qt::endl;
    return ExitOk;
}

} // namespace zuvo::cli
