// zuvomatic-cli: the program's checks, code and files without a window.

#include "cli/clicommands.h"
#include "cli/picturecommands.h"
#include "cli/picturemodule.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

using namespace zuvo::cli;

struct Command
{
    const CommandSyntax &syntax;
    CommandFunction function;
};

// A new command: one file with its syntax and its function, their declarations in
// clicommands.h, one entry here.
const Command Commands[] = {
    {SampleSyntax, commandSample},
    {ReadSyntax, commandRead},
    {CheckSyntax, commandCheck},
    {CompileSyntax, commandCompile},
    {SymbolsSyntax, commandSymbols},
    {WavSyntax, commandWav},
    {OutputSyntax, commandOutput},
    {PlaySyntax, commandPlay},
    {DecodeSyntax, commandDecode},
    {SimulateSyntax, commandSimulate},
    // Drawn by the picture module, which main() runs before anything else (picturemodule.h).
    {RenderSyntax, nullptr},
    {CardsSyntax, nullptr},
};

const Command *findCommand(const QString &name)
{
    for (const Command &command : Commands) {
        if (name == QLatin1String(command.syntax.name))
            return &command;
    }
    return nullptr;
}

void printUsage(QTextStream &stream)
{
    stream << "usage: zuvomatic-cli COMMAND ARGUMENTS...\n";
    for (const Command &command : Commands)
        stream << "  zuvomatic-cli " << command.syntax.name << ' ' << command.syntax.arguments
               << "  " << command.syntax.summary << '\n';
    stream << "  zuvomatic-cli COMMAND --help  show what a command takes\n"
              "  zuvomatic-cli --help  show this list\n"
              "  zuvomatic-cli --version  print the version\n"
              "exit status: 0 done, 1 the file or program was refused, 2 bad arguments or an "
              "unreadable file"
           << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> code = RunPictureCommandIfAsked(argc, argv))
        return *code;
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    // The tool's own options come before the command; everything from the command's name on
    // belongs to the command.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("show this list"));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("print the version"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    if (!parser.parse(app.arguments())) {
        err << "zuvomatic-cli: " << parser.errorText() << '\n';
        printUsage(err);
        return ExitUsage;
    }
    if (parser.isSet(helpOption)) {
        printUsage(out);
        return ExitOk;
    }
    if (parser.isSet(versionOption)) {
        out << VersionLine() << Qt::endl;
        return ExitOk;
    }

    QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        printUsage(err);
        return ExitUsage;
    }
    QString name = args.takeFirst();
    if (name == QLatin1String("help")) {
        // "help" alone is the list, "help COMMAND" that command's help.
        if (args.isEmpty()) {
            printUsage(out);
            return ExitOk;
        }
        name = args.takeFirst();
        args = QStringList {QStringLiteral("--help")};
    }
    const Command *command = findCommand(name);
    if (!command || !command->function) {
        err << "zuvomatic-cli: unknown command \"" << name << "\"\n";
        printUsage(err);
        return ExitUsage;
    }
    const int code = command->function(args, out, err);
    out.flush();
    err.flush();
    return code;
}
