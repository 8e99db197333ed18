#include "cli/clicommands.h"
#include "commandrun.h"
#include "knownfiles.h"

#include "model/programtext.h"
#include "model/robotfile.h"
#include "model/samples.h"

#include "testprinters.h"
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zuvo;
using namespace zuvo::cli;
using zuvo::cli::test::CommandRun;
using zuvo::cli::test::run;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The three printed lists back as ProgramText.
ProgramText parseReadOutput(const QString &out)
{
    QStringList lines = out.split(u'\n');
    EXPECT_EQ(lines.size(), 4); // three lines and the final line end
    lines.resize(3);
    for (QString &line : lines)
        line.replace(QStringLiteral("\\r\\n"), QStringLiteral("\r\n"));
    return ProgramText {lines[0], lines[1], lines[2]};
}

} // namespace

TEST(CliSample, SetOneSlotOneIsTheKnownFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s11.qvk"));
    const CommandRun r = run(commandSample, {"1", "1", "-o", path});
    ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());

    const QByteArray expected = zuvo::test::SampleOneOneFile();
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(readAll(path), expected);
}

TEST(CliSample, BadArgumentsAreRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.qvk"));
    for (const QStringList &args : QList<QStringList> {{"6", "1", "-o", path},
                                                       {"0", "1", "-o", path},
                                                       {"1", "5", "-o", path},
                                                       {"1", "x", "-o", path},
                                                       {"1", "1"},
                                                       {"1", "1", "-o"},
                                                       {"1", "1", "-o", path, "-o", path},
                                                       {"1", "-o", path},
                                                       {"1", "1", "2", "-o", path},
                                                       {"1", "1", "-x", "-o", path}}) {
        const CommandRun r = run(commandSample, args);
        EXPECT_EQ(r.code, ExitUsage) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path));

    const QString nowhere = dir.filePath(QStringLiteral("none/x.qvk"));
    const CommandRun r = run(commandSample, {"2", "3", "-o", nowhere});
    EXPECT_EQ(r.code, ExitUsage);
    EXPECT_TRUE(r.err.startsWith(nowhere + QStringLiteral(": "))) << r.err.toStdString();
}

TEST(CliRead, EverySampleReadsBackToTheSameBytes)
{
    QTemporaryDir dir;
    int checked = 0;
    for (int n = 1; n <= SampleSetCount; ++n) {
        for (int k = 1; k <= 4; ++k) {
            SCOPED_TRACE(QStringLiteral("sample %1-%2").arg(n).arg(k).toStdString());
            const QString path = dir.filePath(QStringLiteral("s%1%2.qvk").arg(n).arg(k));
            ASSERT_EQ(run(commandSample, {QString::number(n), QString::number(k), "-o", path}).code,
                      ExitOk);
            const CommandRun r = run(commandRead, {path});
            ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
            const ProgramText text = parseReadOutput(r.out);
            EXPECT_FALSE(text.MemoList.contains(u'\n') && !text.MemoList.contains(u'\r'));
            const WorkingProgram program = LoadSlotText(text);
            EXPECT_EQ(EncodeRobotFile(program).bytes, readAll(path));
            if (BuiltInSampleSet(n).programs[k - 1].ConnectionList != QStringLiteral(",END"))
                ++checked;
        }
    }
    EXPECT_EQ(checked, 13);

    // The listing is the one the program slots would hold.
    const QString path = dir.filePath(QStringLiteral("s11.qvk"));
    const CommandRun r = run(commandRead, {path});
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("399,401,403,405,407,END\n398,29 0=,408,30 0=,")));
    EXPECT_TRUE(r.out.contains(QStringLiteral(u"「５秒間前進する」\\r\\n5秒間前進")));
    EXPECT_TRUE(r.out.endsWith(QStringLiteral(u"プログラム,END,0,0\n")));
}

TEST(CliRead, RefusalsAndMissingFiles)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.qvk"));
    writeAll(broken, "Quorvel50 J\r\n 400 \r\nEND\r\nEND\r\nm\r\nEND\r\n 0 \r\n 0 \r\n");
    CommandRun r = run(commandRead, {broken});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_EQ(r.err, QStringLiteral(u"ファイルが壊れています　　\n接続線座標が異常です\n"));
    EXPECT_TRUE(r.out.isEmpty());

    const QString foreign = dir.filePath(QStringLiteral("foreign.qvk"));
    writeAll(foreign, "Quorvel50 E\r\n");
    r = run(commandRead, {foreign});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_EQ(r.err.count(u'\n'), 3);

    const QString missing = dir.filePath(QStringLiteral("missing.qvk"));
    r = run(commandRead, {missing});
    EXPECT_EQ(r.code, ExitUsage);
    EXPECT_TRUE(r.err.startsWith(missing + QStringLiteral(": ")));
    EXPECT_EQ(r.err.count(u'\n'), 1);

    EXPECT_EQ(run(commandRead, {}).code, ExitUsage);
    EXPECT_EQ(run(commandRead, {broken, foreign}).code, ExitUsage);
    EXPECT_EQ(run(commandRead, {"-o", missing, broken}).code, ExitUsage);
}

// Every command that reads a robot file ends the same way for the same file: 2 when it cannot be
// read (missing, or a pipe, which is refused at once instead of waiting for a writer), 1 when it
// was read and refused (broken, another edition's header).
TEST(CliExitCodes, TheSameForEveryCommand)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.qvk"));
    writeAll(broken, "Quorvel50 J\r\n 400 \r\nEND\r\nEND\r\nm\r\nEND\r\n 0 \r\n 0 \r\n");
    const QString foreign = dir.filePath(QStringLiteral("foreign.qvk"));
    writeAll(foreign, "Quorvel50 E\r\n");
    const QString missing = dir.filePath(QStringLiteral("missing.qvk"));
    const QString pipe = dir.filePath(QStringLiteral("pipe.qvk"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const QString out = dir.filePath(QStringLiteral("out.wav"));

    const struct
    {
        const char *name;
        CommandFunction command;
        QStringList extra;
    } commands[] = {
        {"read", commandRead, {}},        {"check", commandCheck, {}},
        {"compile", commandCompile, {}},  {"symbols", commandSymbols, {}},
        {"wav", commandWav, {"-o", out}}, {"simulate", commandSimulate, {}},
    };
    for (const auto &c : commands) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run(c.command, QStringList {broken} + c.extra).code, ExitRefused);
        EXPECT_EQ(run(c.command, QStringList {foreign} + c.extra).code, ExitRefused);
        const CommandRun unreadable = run(c.command, QStringList {missing} + c.extra);
        EXPECT_EQ(unreadable.code, ExitUsage);
        EXPECT_TRUE(unreadable.err.startsWith(missing + QStringLiteral(": ")))
            << unreadable.err.toStdString();
        const CommandRun fromPipe = run(c.command, QStringList {pipe} + c.extra);
        EXPECT_EQ(fromPipe.code, ExitUsage);
        EXPECT_TRUE(fromPipe.err.contains(QStringLiteral(u"通常のファイルではありません")))
            << fromPipe.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(run(commandDecode, {pipe}).code, ExitUsage);
    EXPECT_EQ(run(commandDecode, {"--raw", pipe}).code, ExitUsage);
}

#ifdef ZUVOMATIC_CLI_PATH
TEST(CliProgram, CommandTableHelpAndUtf8Output)
{
    static int argc = 1;
    static char name[] = "cli_tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    const auto start = [](const QStringList &args) {
        QProcess process;
        process.start(QStringLiteral(ZUVOMATIC_CLI_PATH), args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return std::tuple {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                           QString::fromUtf8(process.readAllStandardError())};
    };

    auto [code, out, err] = start({"--help"});
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(out.contains(QStringLiteral("zuvomatic-cli sample SET SLOT -o FILE")));
    EXPECT_TRUE(out.contains(QStringLiteral("zuvomatic-cli read FILE")));

    std::tie(code, out, err) = start({"frobnicate"});
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(err.contains(QStringLiteral("frobnicate")));
    EXPECT_TRUE(err.contains(QStringLiteral("zuvomatic-cli read FILE")));

    std::tie(code, out, err) = start({});
    EXPECT_EQ(code, 2);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s31.qvk"));
    std::tie(code, out, err) = start({"sample", "3", "1", "-o", path});
    ASSERT_EQ(code, 0) << err.toStdString();
    std::tie(code, out, err) = start({"read", path});
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(out.contains(QStringLiteral(u"「暗くなるとブザー」"))) << out.toStdString();
    EXPECT_EQ(out.count(u'\n'), 3);
}
#endif
