#include "offscreenapp.h"

#include <QGuiApplication>

#include "commandrun.h"
#include "cli/clicommands.h"
#include "cli/picturecommands.h"
#include "model/pngprogram.h"
#include "model/samples.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::cli;
using zuvo::cli::test::CommandRun;
using zuvo::cli::test::run;

namespace {

// The real tool in its own process: the drawing commands load their module there.
CommandRun runTool(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the command sets it itself
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZUVOMATIC_CLI_PATH), args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(RenderCommand, EverySamplesPngReadsAsItsRobotFile)
{
    zuvo::test::offscreenApp<QGuiApplication>();
    QTemporaryDir dir;
    int samples = 0;
    for (int n = 1; n <= SampleSetCount; ++n) {
        for (int k = 1; k <= 4; ++k) {
            if (BuiltInSampleSet(n).programs[k - 1].ConnectionList == QStringLiteral(",END"))
                continue; // an empty slot of the set
            SCOPED_TRACE(QStringLiteral("sample %1-%2").arg(n).arg(k).toStdString());
            ++samples;
            const QString robot = dir.filePath(QStringLiteral("s%1%2.qvk").arg(n).arg(k));
            const QString png = dir.filePath(QStringLiteral("s%1%2.png").arg(n).arg(k));
            ASSERT_EQ(
                run(commandSample, {QString::number(n), QString::number(k), "-o", robot}).code,
                ExitOk);
            const CommandRun rendered = run(commandRender, {robot, "-o", png});
            ASSERT_EQ(rendered.code, ExitOk) << rendered.err.toStdString();
            const CommandRun fromRobot = run(commandRead, {robot});
            const CommandRun fromPicture = run(commandRead, {png});
            ASSERT_EQ(fromPicture.code, ExitOk) << fromPicture.err.toStdString();
            EXPECT_EQ(fromPicture.out, fromRobot.out);
            EXPECT_EQ(ExtractProgramFromPng(readAll(png)).robotFile, readAll(robot));
        }
    }
    EXPECT_EQ(samples, 13);
}

TEST(RenderCommand, TheToolDrawsWithoutADisplayAndRefusesPicturesWithoutTheirProgram)
{
    QTemporaryDir dir;
    const QString robot = dir.filePath(QStringLiteral("s41.qvk"));
    ASSERT_EQ(runTool({"sample", "4", "1", "-o", robot}).code, 0);
    for (const char *suffix : {"png", "svg", "pdf"}) {
        const QString out = dir.filePath(QStringLiteral("s41.") + QLatin1String(suffix));
        const CommandRun r = runTool({"render", robot, "-o", out, "--grid"});
        EXPECT_EQ(r.code, 0) << suffix << r.err.toStdString();
        EXPECT_EQ(r.out, out + u'\n');
        EXPECT_GT(QFile(out).size(), 1000) << suffix;
    }
    const CommandRun fromRobot = runTool({"read", robot});
    const CommandRun fromPicture = runTool({"read", dir.filePath(QStringLiteral("s41.png"))});
    EXPECT_EQ(fromPicture.code, 0);
    EXPECT_EQ(fromPicture.out, fromRobot.out);

    // A PNG without the chunk, and one cut inside it: refused with exit 1, nothing printed.
    const QString plain = dir.filePath(QStringLiteral("plain.png"));
    QImage(8, 8, QImage::Format_RGB32).save(plain);
    CommandRun r = runTool({"read", plain});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.startsWith(QStringLiteral(u"この画像にはプログラムが入っていません。")))
        << r.err.toStdString();
    const QByteArray whole = readAll(dir.filePath(QStringLiteral("s41.png")));
    const QString truncated = dir.filePath(QStringLiteral("truncated.png"));
    writeAll(truncated, whole.left(whole.indexOf(PngProgramKeyword) + 100));
    r = runTool({"read", truncated});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral(u"画像ファイルが途中で切れています")))
        << r.err.toStdString();
    // compile refuses it as it refuses any file read and refused.
    EXPECT_EQ(runTool({"compile", truncated}).code, 1);

    // Usage: a name without a picture format, no output, a missing robot file.
    EXPECT_EQ(runTool({"render", robot, "-o", dir.filePath(QStringLiteral("x.gif"))}).code, 2);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.gif"))));
    EXPECT_EQ(runTool({"render", robot}).code, 2);
    EXPECT_EQ(runTool({"render", dir.filePath(QStringLiteral("none.qvk")), "-o",
                       dir.filePath(QStringLiteral("none.png"))})
                  .code,
              2);
    EXPECT_TRUE(runTool({"--help"}).out.contains(QStringLiteral("zuvomatic-cli render FILE -o")));
    EXPECT_TRUE(runTool({"help", "render"}).out.contains(QStringLiteral("--grid")));
}

TEST(CardsCommand, WritesTheSheetAndRefusesAnotherFormat)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
    const CommandRun r = runTool({"cards", "-o", pdf});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, pdf + QStringLiteral(": 28 cards on 3 pages\n"));
    EXPECT_TRUE(readAll(pdf).startsWith("%PDF"));

    EXPECT_EQ(runTool({"cards", "-o", dir.filePath(QStringLiteral("cards.png"))}).code, 2);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("cards.png"))));
    EXPECT_EQ(runTool({"cards"}).code, 2);
    EXPECT_EQ(runTool({"cards", "extra", "-o", pdf}).code, 2);
    EXPECT_TRUE(runTool({"--help"}).out.contains(QStringLiteral("zuvomatic-cli cards -o OUT.pdf")));
}
