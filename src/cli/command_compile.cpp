#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

namespace zuvo::cli {

const CommandSyntax CompileSyntax
    = {"compile", "FILE", "check a robot file and print its TransmitImage as hex text"};

// Prints the TransmitImage text exactly as the hidden transmit box holds it.
int commandCompile(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CompiledFileArgument file
        = CompileFileArgument(CompileSyntax, args, CompileTarget::TransmitImage, out, err);
    if (file.done)
        return *file.done;
    const CompiledRobotFile &compiled = file.compiled;
    out << compiled.generated.txData << Qt::endl;
    return ExitOk;
}

} // namespace zuvo::cli
