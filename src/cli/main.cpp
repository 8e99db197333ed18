// zuvomatic-cli: the program's checks, code and files without a window.

#include "cli/clicommands.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

using namespace zuvo::cli;

struct Command
{
    const char *name;
    CommandFunction function;
    const char *usage; // arguments and what the command does, one line
};

// A new command: one file with its function, a declaration in clicommands.h, one entry here.
const Command Commands[] = {
    {"sample", commandSample,
     "SET SLOT -o FILE  write built-in sample SET (1-5), SLOT (1-4) as a robot file"},
    {"read", commandRead, "FILE  print a robot file's program as its three lists"},
    {"check", commandCheck, "FILE  run the three grammar check stages on a robot file"},
    {"compile", commandCompile, "FILE  check a robot file and print its TransmitImage as hex text"},
    {"symbols", commandSymbols, "FILE  print the transmission symbols of a robot file"},
    {"wav", commandWav, "FILE -o OUT.wav  write the signal of a robot file as a WAV file"},
    {"play", commandPlay, "FILE  play the signal of a robot file through the audio output"},
    {"decode", commandDecode,
     "[--raw] IN.wav  decode a recorded signal into its bytes and verify the checksum"},
    {"simulate", commandSimulate,
     "FILE [--course N] [--start N] [--seconds S] [--at T EVENT]...  run the program on a virtual "
     "robot and print its path every 0.1 s (EVENT: touch1=on, light2=off, room=off, ball=X,Y)"},
};

void printUsage(QTextStream &stream)
{
    stream << "usage: zuvomatic-cli COMMAND ARGUMENTS...\n";
    for (const Command &command : Commands)
        stream << "  zuvomatic-cli " << command.name << ' ' << command.usage << '\n';
    stream << "  zuvomatic-cli --help  show this list" << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printUsage(err);
        return ExitUsage;
    }
    const QString &name = args.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")
        || name == QLatin1String("help")) {
        printUsage(out);
        return ExitOk;
    }
    for (const Command &command : Commands) {
        if (name == QLatin1String(command.name)) {
            const int code = command.function(args.mid(1), out, err);
            out.flush();
            err.flush();
            return code;
        }
    }
    err << "zuvomatic-cli: unknown command \"" << name << "\"\n";
    printUsage(err);
    return ExitUsage;
}
