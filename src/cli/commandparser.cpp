#include "cli/commandparser.h"

#include "cli/clicommands.h"

namespace zuvo::cli {

namespace {

// An option as it is typed: "-o", "--course".
QString typedName(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString optionColumn(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << typedName(name);
    QString column = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        column += u' ' + option.valueName();
    return column;
}

} // namespace

QString VersionLine()
{
    return QStringLiteral("zuvomatic-cli " ZUVOMATIC_VERSION);
}

CommandParser::CommandParser(const CommandSyntax &syntax)
    : syntax(syntax)
    , helpOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show this help"))
    , versionOption({QStringLiteral("v"), QStringLiteral("version")},
                    QStringLiteral("print the version"))
{
    // "-o FILE" and "--course 2" anywhere among the other arguments; "-ofile" is "-o file".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOption(helpOption);
    parser.addOption(versionOption);
}

void CommandParser::addOption(const QCommandLineOption &option, bool repeatable)
{
    parser.addOption(option);
    options << option;
    if (!repeatable && !option.valueName().isEmpty())
        singleValued << option.names().first();
}

std::optional<QString> CommandParser::problem(const QStringList &args) const
{
    if (!parser.unknownOptionNames().isEmpty())
        return QStringLiteral("unknown option %1").arg(typedName(parser.unknownOptionNames()[0]));
    // The only other failure: a value option as the last argument.
    if (!args.isEmpty()) {
        for (const QCommandLineOption &option : options) {
            for (const QString &name : option.names()) {
                if (!option.valueName().isEmpty() && args.last() == typedName(name))
                    return QStringLiteral("option %1 needs %2")
                        .arg(typedName(name), option.valueName());
            }
        }
    }
    return parser.errorText();
}

std::optional<int> CommandParser::parse(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!parser.parse(QStringList {QStringLiteral("zuvomatic-cli")} + args))
        return refuse(err, problem(args).value_or(QString()));
    if (parser.isSet(helpOption)) {
        out << helpText() << Qt::flush;
        return ExitOk;
    }
    if (parser.isSet(versionOption)) {
        out << VersionLine() << Qt::endl;
        return ExitOk;
    }
    for (const QString &name : singleValued) {
        if (parser.values(name).size() > 1)
            return refuse(err, QStringLiteral("option %1 given twice").arg(typedName(name)));
    }
    for (const QCommandLineOption &option : options) {
        if (option.valueName().isEmpty())
            continue;
        const QStringList values = parser.values(option);
        if (values.contains(QString()))
            return refuse(err,
                          QStringLiteral("option %1 needs %2")
                              .arg(typedName(option.names().first()), option.valueName()));
    }
    return std::nullopt;
}

int CommandParser::refuse(QTextStream &err, const QString &message) const
{
    err << "zuvomatic-cli " << syntax.name << ": " << message << Qt::endl;
    return ExitUsage;
}

QString CommandParser::helpText() const
{
    const QList<QCommandLineOption> listed = QList {helpOption, versionOption} + options;
    qsizetype width = 0;
    for (const QCommandLineOption &option : listed)
        width = std::max(width, optionColumn(option).size());

    QString text = QStringLiteral("usage: zuvomatic-cli %1 %2\n%3\n\noptions:\n")
                       .arg(QString::fromUtf8(syntax.name), QString::fromUtf8(syntax.arguments),
                            QString::fromUtf8(syntax.summary));
    for (const QCommandLineOption &option : listed)
        text += QStringLiteral("  ") + optionColumn(option).leftJustified(width + 2)
            + option.description() + u'\n';
    return text;
}

FileArgument ReadFileArgument(const CommandSyntax &syntax, const QStringList &args,
                              QTextStream &out, QTextStream &err)
{
    CommandParser parser(syntax);
    FileArgument file;
    file.done = parser.parse(args, out, err);
    if (file.done)
        return file;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || positional[0].isEmpty()) {
        file.done = parser.refuse(
            err, QStringLiteral("expected %1").arg(QString::fromUtf8(syntax.arguments)));
        return file;
    }
    file.path = positional[0];
    return file;
}

} // namespace zuvo::cli
