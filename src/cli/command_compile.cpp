#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

namespace zuvo::cli {

// Prints the TransmitImage text exactly as the hidden transmit box holds it.
int commandCompile(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString path = SingleFileArgument(QStringLiteral("compile"), args, err);
    if (path.isEmpty())
        return ExitUsage;
    const CompiledRobotFile compiled = CompileRobotFile(path, err);
    if (compiled.exitCode != ExitOk)
        return compiled.exitCode;
    out << compiled.generated.txData << Qt::endl;
    return ExitOk;
}

} // namespace zuvo::cli
