// zuvomatic-cli simulate: a robot file's path on a course, every tenth of a second.

#include "cli/clicommands.h"
#include "model/programtext.h"
#include "model/robotfile.h"
#include "model/samples.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace zuvo;

namespace {

struct Output
{
    int code = -1;
    QStringList lines;
    QString err;
};

Output simulate(const QStringList &args)
{
    QString out;
    Output result;
    QTextStream outStream(&out);
    QTextStream errStream(&result.err);
    result.code = cli::commandSimulate(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    result.lines = out.split(u'\n', Qt::SkipEmptyParts);
    return result;
}

QString sampleFile(const QTemporaryDir &dir, int set, int slot)
{
    const QString path = dir.filePath(QStringLiteral("sample%1%2.qvk").arg(set).arg(slot));
    EXPECT_TRUE(WriteRobotFile(LoadSlotText(BuiltInSampleSet(set).programs[slot - 1]), path).ok);
    return path;
}

} // namespace

TEST(CommandSimulate, PrintsThePathEveryTenthOfASecond)
{
    QTemporaryDir dir;
    const QString file = sampleFile(dir, 1, 1);
    const Output run = simulate({file, QStringLiteral("--seconds"), QStringLiteral("6")});
    ASSERT_EQ(run.code, cli::ExitOk) << run.err.toStdString();
    ASSERT_EQ(run.lines.size(), 3 + 61);
    EXPECT_EQ(run.lines[1], QStringLiteral("# code 50 C0 32 B0 05 20"));
    EXPECT_TRUE(run.lines[3].startsWith(QStringLiteral("0.0 x=40.0 y=120.0 dir=0.0 addr=- ")));
    EXPECT_TRUE(run.lines[3 + 25].startsWith(
        QStringLiteral("2.5 x=65.0 y=120.0 dir=0.0 addr=1 drive=forward:slow ")));
    EXPECT_TRUE(run.lines.last().startsWith(QStringLiteral("6.0 x=90.0 y=120.0 ")));
    EXPECT_TRUE(run.lines.last().endsWith(QStringLiteral(" state=ended")));

    // Course, start place and events: the maze start of course 5, the room light of course 3.
    const Output maze
        = simulate({sampleFile(dir, 5, 2), QStringLiteral("--course"), QStringLiteral("5"),
                    QStringLiteral("--start"), QStringLiteral("2"), QStringLiteral("--seconds"),
                    QStringLiteral("0")});
    ASSERT_EQ(maze.code, cli::ExitOk);
    EXPECT_EQ(maze.lines[0], QStringLiteral(u"# course 5 競技する, start 迷路"));
    EXPECT_TRUE(maze.lines[3].startsWith(QStringLiteral("0.0 x=400.0 y=250.0 dir=-90.0 ")));

    const Output dark
        = simulate({sampleFile(dir, 3, 1), QStringLiteral("--course"), QStringLiteral("3"),
                    QStringLiteral("--seconds"), QStringLiteral("0.3"), QStringLiteral("--at"),
                    QStringLiteral("0.1"), QStringLiteral("room=off")});
    ASSERT_EQ(dark.code, cli::ExitOk);
    EXPECT_TRUE(dark.lines[4].contains(QStringLiteral(" light=00 "))) << "dark from 0.1 s";
    EXPECT_TRUE(dark.lines[5].contains(QStringLiteral(" beep=1 ")));
}

TEST(CommandSimulate, RefusesBadArgumentsAndProgramsThatFailTheCheck)
{
    QTemporaryDir dir;
    const QString file = sampleFile(dir, 1, 1);
    const QList<QStringList> bad = {
        {},
        {file, file},
        {file, QStringLiteral("--course"), QStringLiteral("6")},
        {file, QStringLiteral("--course")},
        {file, QStringLiteral("--start"), QStringLiteral("2")},
        {file, QStringLiteral("--seconds"), QStringLiteral("-1")},
        {file, QStringLiteral("--seconds"), QStringLiteral("601")},
        {file, QStringLiteral("--at"), QStringLiteral("1")},
        {file, QStringLiteral("--at"), QStringLiteral("x"), QStringLiteral("room=off")},
        {file, QStringLiteral("--at"), QStringLiteral("1"), QStringLiteral("door=open")},
        {file, QStringLiteral("--fast")},
        {dir.filePath(QStringLiteral("missing.qvk"))},
    };
    for (const QStringList &args : bad) {
        const Output run = simulate(args);
        EXPECT_EQ(run.code, cli::ExitUsage) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.lines.isEmpty());
        EXPECT_EQ(run.err.count(u'\n'), 1) << "one line: " << run.err.toStdString();
    }

    // BEGIN and END alone are not connected: the check's message, nothing simulated.
    const QString empty = dir.filePath(QStringLiteral("empty.qvk"));
    ASSERT_TRUE(WriteRobotFile(WorkingProgram::newProgram(), empty).ok);
    const Output refused = simulate({empty});
    EXPECT_EQ(refused.code, cli::ExitRefused);
    EXPECT_TRUE(refused.lines.isEmpty());
    EXPECT_FALSE(refused.err.isEmpty());
}
