#include "commandrun.h"
#include "flowpicture.h"
#include "widgetapp.h"

#include "cli/clicommands.h"
#include "codegen/transmitencoding.h"
#include "model/robotfile.h"
#include "signal/signalplayer.h"
#include "signal/symbolrender.h"
#include "signal/wavfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::cli;
using zuvo::cli::test::CommandRun;
using zuvo::cli::test::run;

namespace {

const QString Example
    = QStringLiteral("01 3A 5C C4 B4 E1 F1 F9 00 00 00 00 00 00 00 00 51 C0 05 00 FF 15");

class CliSignal : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(
            WriteRobotFile(zuvo::test::DrawProgram({QStringLiteral("B-F-W-E")}), example).ok);
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    const QString example = dir.filePath(QStringLiteral("example.qvk"));
};

} // namespace

TEST_F(CliSignal, CompileAndSymbols)
{
    CommandRun r = run(commandCompile, {example});
    EXPECT_EQ(r.code, ExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out, Example + u'\n');
    EXPECT_TRUE(r.err.isEmpty());

    r = run(commandSymbols, {example});
    EXPECT_EQ(r.code, ExitOk);
    EXPECT_EQ(r.out, EncodeTransmission(Example) + u'\n');

    // Refused by the generator, by the check, unreadable, wrong arguments.
    const QString bare = path(QStringLiteral("bare.qvk"));
    ASSERT_TRUE(WriteRobotFile(zuvo::test::DrawProgram({QStringLiteral("B-E")}), bare).ok);
    r = run(commandCompile, {bare});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err, QStringLiteral(u"プログラムは送信されません。\nデータ数は0個です。\n"));

    const QString loose = path(QStringLiteral("loose.qvk"));
    ASSERT_TRUE(WriteRobotFile(zuvo::test::DrawProgram({QStringLiteral("B-F E")}), loose).ok);
    r = run(commandSymbols, {loose});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_TRUE(r.err.contains(QStringLiteral(u"点滅アイコンは接続不良です")));

    r = run(commandCompile, {path(QStringLiteral("missing.qvk"))});
    EXPECT_EQ(r.code, ExitUsage);
    EXPECT_TRUE(r.err.contains(QStringLiteral("missing.qvk")));
    EXPECT_EQ(run(commandCompile, {}).code, ExitUsage);
    EXPECT_EQ(run(commandCompile, {example, example}).code, ExitUsage);
}

TEST_F(CliSignal, WavAndDecode)
{
    const QString wav = path(QStringLiteral("example.wav"));
    CommandRun r = run(commandWav, {example, QStringLiteral("-o"), wav});
    ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
    const WavReadResult read = ReadWavFile(wav);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.samples, RenderSymbols(EncodeTransmission(Example)));
    // The padded form: the silence the output plays around the very same samples.
    const QString padded = path(QStringLiteral("padded.wav"));
    ASSERT_EQ(
        run(commandWav, {example, QStringLiteral("-o"), padded, QStringLiteral("--padded")}).code,
        ExitOk);
    EXPECT_EQ(ReadWavFile(padded).samples, PadForOutput(read.samples));
    EXPECT_EQ(run(commandWav, {example}).code, ExitUsage);
    EXPECT_EQ(
        run(commandWav, {example, QStringLiteral("-o"), path(QStringLiteral("no/dir.wav"))}).code,
        ExitUsage);

    r = run(commandDecode, {wav});
    EXPECT_EQ(r.code, ExitOk);
    EXPECT_EQ(r.out, Example + QStringLiteral("\nchecksum 03 holds\n"));

    // The same samples without a header.
    const QString raw = path(QStringLiteral("example.raw"));
    QFile rawFile(raw);
    ASSERT_TRUE(rawFile.open(QIODevice::WriteOnly));
    rawFile.write(QByteArray(500, char(128)) + read.samples);
    rawFile.close();
    r = run(commandDecode, {QStringLiteral("--raw"), raw});
    EXPECT_EQ(r.code, ExitOk);
    EXPECT_TRUE(r.out.startsWith(Example + u'\n'));

    // A signal whose checksum does not hold, one without a frame, a file that is no WAV.
    const QString tested = path(QStringLiteral("tested.wav"));
    ASSERT_TRUE(
        WriteWavFile(tested, RenderSymbols(EncodeTransmission(Example + QStringLiteral(" 5")))).ok);
    r = run(commandDecode, {tested});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_EQ(r.out, Example + QStringLiteral("\nchecksum 08 does not hold (the bytes give 03)\n"));

    const QString quiet = path(QStringLiteral("quiet.wav"));
    ASSERT_TRUE(WriteWavFile(quiet, QByteArray(2400, char(128))).ok);
    r = run(commandDecode, {quiet});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_FALSE(r.err.isEmpty());

    EXPECT_EQ(run(commandDecode, {example}).code, ExitUsage);
    EXPECT_EQ(run(commandDecode, {path(QStringLiteral("missing.wav"))}).code, ExitUsage);
}

TEST_F(CliSignal, PlayAndOutputWithoutASoundServerRefuse)
{
    zuvo::test::isolateFromSoundServer();
    zuvo::test::widgetApp();
    for (const CommandRun &r : {run(commandPlay, {example}), run(commandOutput, {})}) {
        EXPECT_EQ(r.code, ExitRefused);
        EXPECT_TRUE(r.err.startsWith(SignalPlayer::noDeviceText().chopped(1)))
            << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(run(commandOutput, {example}).code, ExitUsage);
}
