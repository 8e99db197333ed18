#include "cli/clicommands.h"
#include "model/robotfile.h"
#include "programbuilder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zuvo;
using namespace zuvo::cli;
using zuvo::test::BuildProgram;

namespace {

struct Outcome
{
    int code;
    QString out;
    QString err;
};

Outcome runCheck(const QStringList &args)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = commandCheck(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

class CheckCommand : public ::testing::Test
{
protected:
    QString write(const QString &name, const QStringList &rows)
    {
        const QString path = dir.filePath(name);
        const RobotFileWriteResult written = WriteRobotFile(BuildProgram(rows), path);
        EXPECT_TRUE(written.ok) << written.error.toStdString();
        return path;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(CheckCommand, PrintsEachStageAndExitsByOutcome)
{
    const Outcome passed = runCheck({write(QStringLiteral("ok.qvk"), {"B-F-E"})});
    EXPECT_EQ(passed.code, ExitOk);
    EXPECT_EQ(passed.out,
              QStringLiteral(u"開始１個、終了１個です。\n"
                             u"アイコンの接続は正常\n"
                             u"分岐は無し、合流は無し。\n"
                             u"正常です。再度ボタンを押して繰返検査へ進む\n"
                             u"Ｌｏｏｐは無し、Ｒｅｐは無し\n"
                             u"正常です。プログラムを送信して下さい。\n"));
    EXPECT_TRUE(passed.err.isEmpty());

    const Outcome failed = runCheck({write(QStringLiteral("loose.qvk"), {"B-F-E", "  |"})});
    EXPECT_EQ(failed.code, ExitRefused);
    EXPECT_EQ(failed.out,
              QStringLiteral(u"開始１個、終了１個です。\n点滅アイコンは接続不良です\n"));

    const Outcome unclosed = runCheck({write(QStringLiteral("repeat.qvk"), {"B-R-F-E"})});
    EXPECT_EQ(unclosed.code, ExitRefused);
    EXPECT_TRUE(unclosed.out.endsWith(QStringLiteral(u"非対応繰返し数 1、リピート非対応。\n\n")));
}

TEST_F(CheckCommand, RuntimeFailurePrintsTheUnknownErrorTexts)
{
    const QString path = dir.filePath(QStringLiteral("circle.qvk"));
    ASSERT_TRUE(WriteRobotFile(BuildProgram({"B-L-Y", "  | |", "  N-O"}), path).ok);
    const Outcome r = runCheck({path});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_TRUE(r.out.endsWith(QStringLiteral(u"不明なエラー\n"
                                              u"文法チェックを実行できません。\n"
                                              u"プログラムを再確認してください。\n")))
        << r.out.toStdString();
}

TEST_F(CheckCommand, UnreadableInputIsAUsageError)
{
    const QString missing = dir.filePath(QStringLiteral("missing.qvk"));
    Outcome r = runCheck({missing});
    EXPECT_EQ(r.code, ExitUsage);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.startsWith(missing + QStringLiteral(": "))) << r.err.toStdString();
    EXPECT_EQ(r.err.count(u'\n'), 1);

    const QString foreign = dir.filePath(QStringLiteral("foreign.qvk"));
    QFile file(foreign);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("something else\r\n,END\r\n");
    file.close();
    // Read and refused: exit 1, as every command refuses a file.
    r = runCheck({foreign});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_TRUE(r.err.startsWith(foreign + QStringLiteral(": ")));
    EXPECT_EQ(r.err.count(u'\n'), 1);

    EXPECT_EQ(runCheck({}).code, ExitUsage);
    EXPECT_EQ(runCheck({missing, missing}).code, ExitUsage);
}
