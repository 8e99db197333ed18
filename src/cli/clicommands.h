#pragma once
// The commands of zuvomatic-cli. Each takes the arguments that follow its name, writes its
// results to out and its complaints to err, and returns the process exit code. Each command's
// file defines its syntax (what --help shows) beside its function.

#include "cli/commandparser.h"

#include <QStringList>
#include <QTextStream>

namespace zuvo::cli {

constexpr int ExitOk = 0;
constexpr int ExitRefused = 1; // the program refused the input (a broken file, a failed check)
constexpr int ExitUsage = 2; // bad arguments or a file that cannot be read or written

using CommandFunction = int (*)(const QStringList &args, QTextStream &out, QTextStream &err);

// sample SET SLOT -o FILE
extern const CommandSyntax SampleSyntax;
int commandSample(const QStringList &args, QTextStream &out, QTextStream &err);
// read FILE
extern const CommandSyntax ReadSyntax;
int commandRead(const QStringList &args, QTextStream &out, QTextStream &err);
// check FILE
extern const CommandSyntax CheckSyntax;
int commandCheck(const QStringList &args, QTextStream &out, QTextStream &err);
// compile FILE
extern const CommandSyntax CompileSyntax;
int commandCompile(const QStringList &args, QTextStream &out, QTextStream &err);
// symbols FILE
extern const CommandSyntax SymbolsSyntax;
int commandSymbols(const QStringList &args, QTextStream &out, QTextStream &err);
// wav FILE -o OUT.wav [--padded]
extern const CommandSyntax WavSyntax;
int commandWav(const QStringList &args, QTextStream &out, QTextStream &err);
// play FILE
extern const CommandSyntax PlaySyntax;
int commandPlay(const QStringList &args, QTextStream &out, QTextStream &err);
// output
extern const CommandSyntax OutputSyntax;
int commandOutput(const QStringList &args, QTextStream &out, QTextStream &err);
// decode [--raw] IN.wav
extern const CommandSyntax DecodeSyntax;
int commandDecode(const QStringList &args, QTextStream &out, QTextStream &err);

// simulate FILE [--course N] [--start N] [--seconds S] [--at T EVENT]...
extern const CommandSyntax SimulateSyntax;
int commandSimulate(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zuvo::cli
