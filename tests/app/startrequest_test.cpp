// The robot file a desktop hands over on the command line, beside the two switches.

#include "app/commandline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zuvo;

namespace {

QString makeFile(const QTemporaryDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("Quorvel50 J\r\n");
    return path;
}

} // namespace

TEST(StartRequest, ARobotFileOnTheCommandLineIsOpened)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString robot = makeFile(dir, QStringLiteral("my robot.qvk")); // blanks stay in one word
    const QString upper = makeFile(dir, QStringLiteral("LOUD.QVK"));
    const QString text = makeFile(dir, QStringLiteral("notes.txt"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.qvk")));
    ASSERT_FALSE(robot.isEmpty());

    StartRequest r = ParseStartRequest({robot});
    EXPECT_EQ(r.robotFile, robot);
    EXPECT_FALSE(r.switches.Ghost);
    EXPECT_FALSE(r.switches.HexDisp);

    EXPECT_EQ(ParseStartRequest({upper}).robotFile, upper);
    EXPECT_EQ(ParseStartRequest({upper, robot}).robotFile, upper); // the first one counts

    // Not a robot file: another extension, nothing. A folder, a file that does not exist and
    // a picture go to the editor, which opens them or says why it cannot.
    EXPECT_TRUE(ParseStartRequest({text}).robotFile.isEmpty());
    for (const char *name : {"folder.qvk", "gone.qvk", "program.PNG"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_EQ(ParseStartRequest({path}).robotFile, path);
    }
    EXPECT_TRUE(ParseStartRequest({}).robotFile.isEmpty());
    EXPECT_EQ(ParseStartRequest({text, robot}).robotFile, robot);

    // A relative path is made absolute against the working directory.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    r = ParseStartRequest({QStringLiteral("LOUD.QVK")});
    QDir::setCurrent(before);
    EXPECT_EQ(r.robotFile, upper);
}

TEST(StartRequest, SwitchesStillComeFromTheFirstTwoWords)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString robot = makeFile(dir, QStringLiteral("a.qvk"));

    StartRequest r = ParseStartRequest({QStringLiteral("Ghost"), QStringLiteral("HexDisp"), robot});
    EXPECT_TRUE(r.switches.Ghost);
    EXPECT_TRUE(r.switches.HexDisp);
    EXPECT_EQ(r.robotFile, robot);

    r = ParseStartRequest({robot, QStringLiteral("Ghost")});
    EXPECT_TRUE(r.switches.Ghost);
    EXPECT_FALSE(r.switches.HexDisp);

    // A third word is no switch, as before; a word "Ghost.qvk" is no switch but a file.
    r = ParseStartRequest({robot, QStringLiteral("x"), QStringLiteral("HexDisp")});
    EXPECT_FALSE(r.switches.HexDisp);
    r = ParseStartRequest({QStringLiteral("ghost"), QStringLiteral("Ghost.qvk")});
    EXPECT_FALSE(r.switches.Ghost);
    EXPECT_EQ(r.robotFile, QFileInfo(QStringLiteral("Ghost.qvk")).absoluteFilePath());
}
