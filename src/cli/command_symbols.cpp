#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

namespace zuvo::cli {

const CommandSyntax SymbolsSyntax
    = {"symbols", "FILE", "print the transmission symbols of a robot file"};

// Prints the SymbolText the transmission window would play.
int commandSymbols(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CompiledFileArgument file
        = CompileFileArgument(SymbolsSyntax, args, CompileTarget::SymbolText, out, err);
    if (file.done)
        return *file.done;
    const CompiledRobotFile &compiled = file.compiled;
    out << compiled.symbolText << Qt::endl;
    return ExitOk;
}

} // namespace zuvo::cli
