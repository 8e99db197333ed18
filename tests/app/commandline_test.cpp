#include "app/commandline.h"

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

CommandLineSwitches parse(const QString &commandLine)
{
    return ParseCommandLine(SplitCommandLine(commandLine));
}

} // namespace

TEST(CommandLine, GhostAndHexDispAsFirstOrSecondWord)
{
    EXPECT_TRUE(parse(QStringLiteral("Ghost")).Ghost);
    EXPECT_FALSE(parse(QStringLiteral("Ghost")).HexDisp);

    const CommandLineSwitches both = parse(QStringLiteral("Ghost HexDisp"));
    EXPECT_TRUE(both.Ghost);
    EXPECT_TRUE(both.HexDisp);
    const CommandLineSwitches swapped = parse(QStringLiteral("HexDisp Ghost"));
    EXPECT_TRUE(swapped.Ghost);
    EXPECT_TRUE(swapped.HexDisp);

    EXPECT_TRUE(parse(QStringLiteral("abc Ghost")).Ghost);
    EXPECT_TRUE(parse(QStringLiteral("abc HexDisp")).HexDisp);
}

TEST(CommandLine, LaterWordsCaseAndOtherWordsDoNotCount)
{
    const CommandLineSwitches third = parse(QStringLiteral("a b Ghost"));
    EXPECT_FALSE(third.Ghost);
    EXPECT_FALSE(parse(QStringLiteral("a b HexDisp")).HexDisp);

    EXPECT_FALSE(parse(QStringLiteral("ghost")).Ghost);
    EXPECT_FALSE(parse(QStringLiteral("GHOST hexdisp")).Ghost);
    EXPECT_FALSE(parse(QStringLiteral("GHOST hexdisp")).HexDisp);
    EXPECT_FALSE(parse(QStringLiteral("Ghosts")).Ghost);
    EXPECT_FALSE(parse(QString()).Ghost);
    EXPECT_FALSE(parse(QString()).HexDisp);

    // Split at single blanks: a double blank makes an empty word, so "Ghost" is third here.
    EXPECT_EQ(SplitCommandLine(QStringLiteral("x  Ghost")),
              QStringList({QStringLiteral("x"), QString(), QStringLiteral("Ghost")}));
    EXPECT_FALSE(parse(QStringLiteral("x  Ghost")).Ghost);
    EXPECT_TRUE(SplitCommandLine(QString()).isEmpty());
}

TEST(CommandLine, WordsAreTheArgumentsAfterTheProgramName)
{
    EXPECT_EQ(CommandLineWords({QStringLiteral("/usr/bin/zuvomatic"), QStringLiteral("Ghost"),
                                QStringLiteral("HexDisp")}),
              QStringList({QStringLiteral("Ghost"), QStringLiteral("HexDisp")}));
    EXPECT_TRUE(CommandLineWords({QStringLiteral("zuvomatic")}).isEmpty());
    EXPECT_TRUE(CommandLineWords({}).isEmpty());
}
