#pragma once
// The arguments of one zuvomatic-cli command, read by QCommandLineParser. Every command gets
// --help and --version; its own options and its one-line description live in its own file.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace zuvo::cli {

// How a command is called and what it does, for its --help and for the tool's list.
struct CommandSyntax
{
    const char *name; // "wav"
    const char *arguments; // "FILE -o OUT.wav"
    const char *summary; // one line, lower case, no full stop
};

// "zuvomatic-cli 1.0.0": what --version prints, the tool's and every command's.
QString VersionLine();

class CommandParser
{
public:
    explicit CommandParser(const CommandSyntax &syntax);

    // An option of this command, listed by --help in the order added. A value option may be
    // given once unless repeatable (then the last one counts), and never with an empty value.
    void addOption(const QCommandLineOption &option, bool repeatable = false);

    // Reads the arguments that follow the command's name. Empty when the command goes on;
    // otherwise the exit code: ExitOk after printing the help or the version on out,
    // ExitUsage after one line on err.
    std::optional<int> parse(const QStringList &args, QTextStream &out, QTextStream &err);

    QStringList positionalArguments() const { return parser.positionalArguments(); }
    bool isSet(const QString &name) const { return parser.isSet(name); }
    QString value(const QString &name) const { return parser.value(name); }

    // "zuvomatic-cli NAME: message" on err; returns ExitUsage.
    int refuse(QTextStream &err, const QString &message) const;

    QString helpText() const;

private:
    std::optional<QString> problem(const QStringList &args) const;

    CommandSyntax syntax;
    QCommandLineParser parser;
    QList<QCommandLineOption> options; // the command's own, for the help text
    QStringList singleValued; // names of value options that may be given once
    QCommandLineOption helpOption;
    QCommandLineOption versionOption;
};

// What a command that takes one FILE and nothing else was given: the file, or the exit code
// when it must not go on (its help or version printed, or the arguments refused).
struct FileArgument
{
    QString path;
    std::optional<int> done;
};

// The one argument reader of every command of the form "NAME FILE".
FileArgument ReadFileArgument(const CommandSyntax &syntax, const QStringList &args,
                              QTextStream &out, QTextStream &err);

} // namespace zuvo::cli
