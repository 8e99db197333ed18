#include "cli/clicommands.h"
#include "cli/commandparser.h"
#include "commandrun.h"

#include "model/programtext.h"
#include "model/robotfile.h"
#include "model/samples.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::cli;
using zuvo::cli::test::CommandRun;
using zuvo::cli::test::run;

namespace {

struct NamedCommand
{
    const CommandSyntax &syntax;
    CommandFunction function;
};

const NamedCommand Every[] = {
    {SampleSyntax, commandSample},     {ReadSyntax, commandRead},
    {CheckSyntax, commandCheck},       {CompileSyntax, commandCompile},
    {SymbolsSyntax, commandSymbols},   {WavSyntax, commandWav},
    {PlaySyntax, commandPlay},         {DecodeSyntax, commandDecode},
    {SimulateSyntax, commandSimulate},
};

} // namespace

TEST(CommandParser, EveryCommandHasHelpAndVersionWithoutDoingAnything)
{
    for (const NamedCommand &command : Every) {
        const QString name = QString::fromUtf8(command.syntax.name);
        for (const QString &help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            // Help wins over missing or surplus arguments and does not touch the file named.
            const CommandRun r = run(command.function, {help, QStringLiteral("missing.qvk")});
            EXPECT_EQ(r.code, ExitOk) << name.toStdString();
            EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
            EXPECT_TRUE(r.out.startsWith(QStringLiteral("usage: zuvomatic-cli %1 %2\n%3\n")
                                             .arg(name, QString::fromUtf8(command.syntax.arguments),
                                                  QString::fromUtf8(command.syntax.summary))))
                << r.out.toStdString();
            EXPECT_TRUE(r.out.contains(QStringLiteral("  -h, --help ")));
            EXPECT_TRUE(r.out.contains(QStringLiteral("  -v, --version ")));
        }
        for (const QString &version : {QStringLiteral("--version"), QStringLiteral("-v")}) {
            const CommandRun r = run(command.function, {version});
            EXPECT_EQ(r.code, ExitOk) << name.toStdString();
            EXPECT_EQ(r.out, VersionLine() + u'\n');
            EXPECT_TRUE(r.err.isEmpty());
        }
    }
    EXPECT_EQ(VersionLine(), QStringLiteral("zuvomatic-cli " ZUVOMATIC_VERSION));
}

TEST(CommandParser, OptionsOfACommandAreListedWithTheirValues)
{
    const CommandRun wav = run(commandWav, {QStringLiteral("--help")});
    EXPECT_TRUE(wav.out.contains(QStringLiteral("  -o OUT.wav ")));
    const CommandRun decode = run(commandDecode, {QStringLiteral("--help")});
    EXPECT_TRUE(decode.out.contains(QStringLiteral("  --raw ")));
    const CommandRun simulate = run(commandSimulate, {QStringLiteral("--help")});
    for (const char *option : {"--course N", "--start N", "--seconds S", "--at T EVENT"})
        EXPECT_TRUE(simulate.out.contains(QLatin1String(option))) << option;
}

TEST(CommandParser, RefusalsAreOneLineNamingTheCommand)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("s.qvk"));
    const struct
    {
        CommandFunction function;
        QStringList args;
        const char *line;
    } cases[] = {
        {commandRead, {"-o", file}, "zuvomatic-cli read: unknown option -o\n"},
        {commandCompile, {"--fast", file}, "zuvomatic-cli compile: unknown option --fast\n"},
        {commandSample, {"1", "1", "-o"}, "zuvomatic-cli sample: option -o needs FILE\n"},
        {commandSample, {"1", "1", "-o", ""}, "zuvomatic-cli sample: option -o needs FILE\n"},
        {commandSample,
         {"1", "1", "-o", file, "-o", file},
         "zuvomatic-cli sample: option -o given twice\n"},
        {commandWav, {file, "-o"}, "zuvomatic-cli wav: option -o needs OUT.wav\n"},
        {commandSymbols, {}, "zuvomatic-cli symbols: expected FILE\n"},
        {commandPlay, {file, file}, "zuvomatic-cli play: expected FILE\n"},
        {commandDecode, {}, "zuvomatic-cli decode: expected IN.wav\n"},
        {commandSimulate,
         {file, "--seconds"},
         "zuvomatic-cli simulate: option --seconds needs S\n"},
        {commandSimulate,
         {file, "--at=1"},
         "zuvomatic-cli simulate: --at needs a time and an event\n"},
    };
    for (const auto &c : cases) {
        const CommandRun r = run(c.function, c.args);
        EXPECT_EQ(r.code, ExitUsage) << c.line;
        EXPECT_EQ(r.err, QString::fromUtf8(c.line));
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(file));
}

TEST(CommandParser, OptionsStandAnywhereAndDashDashEndsThem)
{
    QTemporaryDir dir;
    // "-o" before the positional arguments, and "-oFILE" in one word.
    const QString first = dir.filePath(QStringLiteral("first.qvk"));
    EXPECT_EQ(run(commandSample, {"-o", first, "2", "1"}).code, ExitOk);
    const QString joined = dir.filePath(QStringLiteral("joined.qvk"));
    EXPECT_EQ(run(commandSample, {"2", "1", "-o" + joined}).code, ExitOk);
    const CommandRun a = run(commandRead, {first});
    const CommandRun b = run(commandRead, {joined});
    EXPECT_EQ(a.code, ExitOk);
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(a.out.count(u'\n'), 3);

    // A file whose name begins with a dash is reached after "--".
    const QString dashed = QStringLiteral("-dashed.qvk");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(run(commandSample, {"2", "1", "-o", dashed}).code, ExitOk);
    EXPECT_EQ(run(commandRead, {dashed}).code, ExitUsage);
    const CommandRun c = run(commandRead, {"--", dashed});
    EXPECT_EQ(c.code, ExitOk) << c.err.toStdString();
    EXPECT_EQ(c.out, a.out);
    QDir::setCurrent(before);
}
