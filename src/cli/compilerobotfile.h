#pragma once
// The road of a robot file to the signal, shared by the commands that send a program: read,
// the three check stages, the code generator, the transmit encoding.

#include "cli/commandparser.h"

#include "codegen/generateprogram.h"

#include <QString>
#include <QTextStream>

namespace zuvo::cli {

// How far a command takes the program: to the TransmitImage, or on to the SymbolText that is
// played (encoding it would be wasted on a command that only prints or runs the image).
enum class CompileTarget { TransmitImage, SymbolText };

struct CompiledRobotFile
{
    int exitCode = 0; // ExitOk when the program can be sent
    GenerateResult generated;
    QString symbolText; // only when it can be sent, and asked for
};

// A file that cannot be read is reported on err with exit code ExitUsage; a program that the
// check or the generator refuses has its message lines reported on err and ExitRefused.
CompiledRobotFile CompileRobotFile(const QString &path, CompileTarget target, QTextStream &err);

// What a command of the form "NAME FILE" that sends a program goes on with: the compiled file,
// or the exit code when it must stop (help or version printed, arguments refused, the file not
// read, the program refused).
struct CompiledFileArgument
{
    CompiledRobotFile compiled;
    std::optional<int> done;
};

// ReadFileArgument, then CompileRobotFile on the file it names.
CompiledFileArgument CompileFileArgument(const CommandSyntax &syntax, const QStringList &args,
                                         CompileTarget target, QTextStream &out, QTextStream &err);

} // namespace zuvo::cli
