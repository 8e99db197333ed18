#include "offscreenapp.h"

#include <QGuiApplication>

#include "model/lattice.h"
#include "model/pngprogram.h"
#include "model/programtext.h"
#include "model/samples.h"
#include "picture/picturefiles.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

WorkingProgram sample(int set, int slot)
{
    return LoadSlotText(BuiltInSampleSet(set).programs[slot - 1]);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pixels that are not (nearly) white.
int inkedPixels(const QImage &image)
{
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 235)
                ++inked;
    return inked;
}

QString runTool(const QString &tool, const QStringList &args)
{
    QProcess process;
    process.start(tool, args);
    EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST(ProgramPicture, CoversExactlyTheProgramWithAMargin)
{
    zuvo::test::offscreenApp<QGuiApplication>();
    // The first sample: BEGIN at (2, 4), a row of icons and lines to END at (12, 4).
    const WorkingProgram program = sample(1, 1);
    const ProgramPicture picture(program, QStringLiteral("s11.qvk"));
    const QRect expected(iconPicturePosition(2, 4),
                         iconPicturePosition(12, 4)
                             + QPoint(IconPictureSize - 1, IconPictureSize - 1));
    EXPECT_EQ(picture.programArea(), expected);
    EXPECT_GE(picture.size().width(), expected.width() + 2 * ProgramPicture::Margin);
    // Under the title, with the memo under the program.
    EXPECT_GT(picture.programOrigin().y(), ProgramPicture::Margin);
    EXPECT_GT(picture.size().height(),
              picture.programOrigin().y() + expected.height() + ProgramPicture::Margin);
    EXPECT_TRUE(picture.memo().startsWith(QStringLiteral(u"サンプルプログラム")));
    EXPECT_FALSE(picture.memo().contains(u'\r'));

    // A line far from the icons widens the area to take it in.
    WorkingProgram wider = program;
    wider.CellContent(41, 4) = LineCell;
    EXPECT_EQ(ProgramPicture(wider, QString()).programArea().right(), lineBar(41, 4).right());
}

TEST(ProgramPicture, TheLargestSampleAsSvgPdfAndPng)
{
    zuvo::test::offscreenApp<QGuiApplication>();
    QTemporaryDir dir;
    const WorkingProgram program = sample(4, 1);
    const ProgramPicture picture(program, QStringLiteral("s41.qvk"));

    // SVG: valid, the picture's size, vector throughout (no embedded bitmaps).
    const QString svg = dir.filePath(QStringLiteral("s41.svg"));
    ASSERT_TRUE(SaveProgramPicture(program, QStringLiteral("s41.qvk"), {}, svg).ok);
    const QByteArray svgBytes = readAll(svg);
    QSvgRenderer renderer(svgBytes);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(QPoint(0, 0), picture.size()));
    EXPECT_FALSE(svgBytes.contains("<image"));
    EXPECT_TRUE(svgBytes.contains("<title>s41.qvk</title>"));
    QImage drawn(picture.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter painter(&drawn);
        renderer.render(&painter);
    }
    EXPECT_GT(inkedPixels(drawn), drawn.width() * drawn.height() / 10);

    // PDF: one page, vector (no image objects), and its raster shows the program.
    const QString pdf = dir.filePath(QStringLiteral("s41.pdf"));
    ASSERT_TRUE(SaveProgramPicture(program, QStringLiteral("s41.qvk"), {}, pdf).ok);
    EXPECT_TRUE(readAll(pdf).startsWith("%PDF"));
    EXPECT_FALSE(readAll(pdf).contains("/Subtype /Image"));
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << info.toStdString();
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("48"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("raster"))});
    const QImage raster(dir.filePath(QStringLiteral("raster.png")));
    ASSERT_FALSE(raster.isNull());
    EXPECT_GT(inkedPixels(raster), raster.width() * raster.height() / 10);
    // The page is the picture: 96 picture pixels to the inch, rasterised at 48 dpi.
    EXPECT_NEAR(raster.width(), picture.size().width() / 2, 2);

    // PNG: twice the picture's pixels, the robot file inside.
    const QString png = dir.filePath(QStringLiteral("s41.png"));
    ASSERT_TRUE(SaveProgramPicture(program, QStringLiteral("s41.qvk"), {}, png).ok);
    const QImage image(png);
    EXPECT_EQ(image.size(), picture.size() * 2);
    EXPECT_EQ(ExtractProgramFromPng(readAll(png)).robotFile, EncodeRobotFile(program).bytes);
    EXPECT_EQ(image.text(QStringLiteral("Title")), QStringLiteral("s41.qvk"));
}

TEST(ProgramPicture, TheFaintGridDrawsTheEmptyCellsOnly)
{
    zuvo::test::offscreenApp<QGuiApplication>();
    const WorkingProgram program = sample(4, 1);
    const auto render = [&](bool grid) {
        const ProgramPicture picture(program, QString(), {grid});
        QImage image(picture.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        picture.paint(painter);
        return image;
    };
    const QImage plain = render(false);
    const QImage grid = render(true);
    ASSERT_EQ(plain.size(), grid.size());
    // An empty icon cell inside the program's area: white without the grid, a faint outline
    // with it.
    const ProgramPicture picture(program, QString());
    const QRect area = picture.programArea();
    QPoint emptyCell(-1, -1);
    for (int y = 0; y < LatticeRows && emptyCell.x() < 0; y += 2)
        for (int x = 0; x < LatticeColumns && emptyCell.x() < 0; x += 2)
            if (program.CellContent(x, y) == EmptyCell
                && area.contains(QRect(CellPitch * (x / 2), CellPitch * (y / 2), 50, 50)))
                emptyCell = QPoint(CellPitch * (x / 2), CellPitch * (y / 2));
    ASSERT_GE(emptyCell.x(), 0);
    const QPoint onOutline = emptyCell - area.topLeft() + picture.programOrigin() + QPoint(20, 0);
    EXPECT_EQ(plain.pixel(onOutline), qRgb(255, 255, 255));
    const QRgb faint = grid.pixel(onOutline);
    EXPECT_LT(qGray(faint), 255);
    EXPECT_GT(qGray(faint), 200);
}

TEST(ProgramPicture, ANameThatIsNoPictureFormatWritesNothing)
{
    zuvo::test::offscreenApp<QGuiApplication>();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.jpg"));
    const RobotFileWriteResult result = SaveProgramPicture(sample(1, 1), QString(), {}, path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, PictureSuffixError);
    EXPECT_FALSE(QFile::exists(path));
    // A folder in the way is reported, not written into.
    EXPECT_FALSE(SaveProgramPicture(sample(1, 1), QString(), {}, dir.path() + "/x.png/").ok);
    EXPECT_EQ(PictureFormatOf(QStringLiteral("A.PNG")), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOf(QStringLiteral("a.Svg")), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf(QStringLiteral("a.pdf")), PictureFormat::Pdf);
}

// The memo is drawn to MemoLinesDrawn lines and the scale keeps PngPixelLimit, so every picture
// opens again: sample (4)-1 with a memo of 32,000 characters was a 17.9 MB PNG the reader
// refused, and 10,900 memo lines made a picture of 5974 x 308,924 pixels.
TEST(ProgramPicture, ALongMemoIsCutAndThePngOpensAgainAsTheProgram)
{
    zuvo::test::offscreenApp<QGuiApplication>();
    WorkingProgram program = sample(4, 1);
    program.Memo = QString(32000, QChar(u'ロ'));
    const ProgramPicture picture(program, QStringLiteral("long.qvk"));
    ASSERT_EQ(picture.memoLines().size(), ProgramPicture::MemoLinesDrawn);
    EXPECT_TRUE(picture.memoLines().last().endsWith(u'…'));
    program.Memo = QStringList(10900, QStringLiteral("x")).join(QStringLiteral("\r\n"));
    EXPECT_EQ(ProgramPicture(program, QString()).memoLines().size(),
              ProgramPicture::MemoLinesDrawn);
    EXPECT_LT(PngScale(QSize(3100, 3000)), DefaultPngScale);

    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("long.png"));
    ASSERT_TRUE(SaveProgramPicture(program, QStringLiteral("long.qvk"), {}, png).ok);
    EXPECT_LE(QFileInfo(png).size(), PngByteLimit);
    const RobotFileReadResult read = ReadRobotFile(png);
    ASSERT_EQ(read.status, RobotFileReadResult::Status::Ok);
    EXPECT_EQ(StoreSlotText(read.program), StoreSlotText(program));
}
