#include "model/pngprogram.h"
#include "model/programtext.h"
#include "model/robotfile.h"
#include "model/samples.h"

#include "testprinters.h"
#include "tinypng.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace Qt::StringLiterals;
using zuvo::test::TinyPng;

namespace {

QByteArray sampleFile(int set, int slot)
{
    return EncodeRobotFile(LoadSlotText(BuiltInSampleSet(set).programs[slot - 1])).bytes;
}

} // namespace

TEST(PngProgram, TheRobotFileComesBackByteForByteAndOpensAsTheProgram)
{
    const QByteArray robot = sampleFile(4, 1);
    const QByteArray png = EmbedProgramInPng(TinyPng(), robot);
    ASSERT_TRUE(LooksLikePng(png));
    // The picture itself is kept: every chunk of the original follows.
    EXPECT_TRUE(png.endsWith(TinyPng().mid(33)));
    const PngProgramResult found = ExtractProgramFromPng(png);
    ASSERT_EQ(found.status, PngProgramResult::Status::Found);
    EXPECT_EQ(found.robotFile, robot);

    const RobotFileReadResult read = ParseRobotFileOrPicture(png);
    ASSERT_EQ(read.status, RobotFileReadResult::Status::Ok);
    EXPECT_EQ(StoreSlotText(read.program),
              StoreSlotText(LoadSlotText(BuiltInSampleSet(4).programs[0])));

    // Embedding again replaces the program rather than adding a second one.
    const QByteArray other = sampleFile(1, 1);
    const QByteArray again = EmbedProgramInPng(png, other);
    EXPECT_EQ(again.count(PngProgramKeyword), 1);
    EXPECT_EQ(ExtractProgramFromPng(again).robotFile, other);
}

TEST(PngProgram, APictureWithoutTheChunkIsNoProgram)
{
    EXPECT_EQ(ExtractProgramFromPng(TinyPng()).status, PngProgramResult::Status::NoProgram);
    const RobotFileReadResult read = ParseRobotFileOrPicture(TinyPng());
    EXPECT_EQ(read.status, RobotFileReadResult::Status::PictureWithoutProgram);
    EXPECT_EQ(RobotFileRefusalText(read, false),
              QStringLiteral(u"この画像にはプログラムが入っていません。　　\r"
                             u"「画像として保存」で作ったPNGファイルを選んでください。"));
}

TEST(PngProgram, TruncatedOrAlteredPicturesAreDamaged)
{
    const QByteArray png = EmbedProgramInPng(TinyPng(), sampleFile(2, 1));
    const qsizetype chunk = png.indexOf(PngProgramKeyword);
    ASSERT_GT(chunk, 0);

    // Cut inside the program's chunk, right after it, and one byte short of the end.
    for (const qsizetype length : {chunk + 40, chunk + 4, png.size() - 1, qsizetype(20)}) {
        SCOPED_TRACE(length);
        const PngProgramResult cut = ExtractProgramFromPng(png.left(length));
        EXPECT_EQ(cut.status, PngProgramResult::Status::Damaged);
        EXPECT_EQ(cut.reason, QStringLiteral(u"画像ファイルが途中で切れています"));
        const RobotFileReadResult read = ParseRobotFileOrPicture(png.left(length));
        EXPECT_EQ(read.status, RobotFileReadResult::Status::PictureDamaged);
        EXPECT_TRUE(RobotFileRefusalText(read, false).endsWith(cut.reason));
    }

    // One byte of the program changed: the chunk's checksum no longer matches.
    QByteArray altered = png;
    altered[chunk + 30] = altered[chunk + 30] == 'A' ? 'B' : 'A';
    EXPECT_EQ(ExtractProgramFromPng(altered).status, PngProgramResult::Status::Damaged);
    EXPECT_EQ(ExtractProgramFromPng(altered).reason,
              QStringLiteral(u"画像ファイルのデータが壊れています"));

    // A length that runs past the end of the file.
    QByteArray longer = png;
    longer[chunk - 5] = char(0x7f);
    EXPECT_EQ(ExtractProgramFromPng(longer).status, PngProgramResult::Status::Damaged);

    // An empty program inside a sound picture is read, and refused as a robot file.
    const QByteArray bad = EmbedProgramInPng(TinyPng(), QByteArray());
    EXPECT_EQ(ExtractProgramFromPng(bad).status, PngProgramResult::Status::Found);
    EXPECT_TRUE(ExtractProgramFromPng(bad).robotFile.isEmpty());
    EXPECT_EQ(ParseRobotFileOrPicture(bad).status, RobotFileReadResult::Status::Broken);
}

TEST(PngProgram, OnlyAPngTakesAProgram)
{
    EXPECT_TRUE(EmbedProgramInPng(QByteArrayLiteral("Quorvel50 J\r\n"), "x").isEmpty());
    EXPECT_TRUE(EmbedProgramInPng(TinyPng().left(20), "x").isEmpty());
    EXPECT_FALSE(LooksLikePng(sampleFile(1, 1)));
    // A robot file is still read as one.
    EXPECT_EQ(ParseRobotFileOrPicture(sampleFile(1, 1)).status, RobotFileReadResult::Status::Ok);
}

TEST(PngProgram, AShortPictureTwoProgramsOrNoRobotFileInTheChunkSayWhy)
{
    const QString damaged
        = QStringLiteral(u"画像ファイルが壊れているため、プログラムを読み出せません。　　\r");
    const QByteArray png = EmbedProgramInPng(TinyPng(), sampleFile(2, 1));
    const qsizetype start = png.indexOf(PngProgramKeyword) - 8;
    const qsizetype end = png.indexOf("IDAT") - 4; // the chunk after ours
    const QByteArray twice = png.left(end) + png.mid(start, end - start) + png.mid(end);
    const struct
    {
        QByteArray bytes;
        QString reason;
    } cases[] = {
        {QByteArrayLiteral("\x89PNG"), u"画像ファイルが途中で切れています"_s},
        {EmbedProgramInPng(TinyPng(), "GIF89a not a program"),
         u"画像の中のデータはロボットファイルではありません"_s},
        {twice, u"画像の中にプログラムが二つ以上あります"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RobotFileRefusalText(ParseRobotFileOrPicture(c.bytes), false),
                  damaged + c.reason);
    // Another edition's robot file in the chunk is still that edition's.
    EXPECT_EQ(ParseRobotFileOrPicture(EmbedProgramInPng(TinyPng(), "Quorvel50 E\r\n")).status,
              RobotFileReadResult::Status::ForeignHeader);
}
