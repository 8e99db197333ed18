#include "offscreenapp.h"

#include <QGuiApplication>

#include "model/iconcatalogue.h"
#include "picture/iconcards.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

QString runTool(const QString &tool, const QStringList &args)
{
    QProcess process;
    process.start(tool, args);
    EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// pdftotext gives the full-width blank as a plain one and the full-width tilde as the wave
// dash of the same glyph; blanks are compared away.
QString withoutBlanks(QString text)
{
    return text.remove(u' ').remove(QChar(0x3000)).replace(QChar(0xff5e), QChar(0x301c));
}

QString firstDescriptionLine(int code)
{
    return IconHelpText(code).split(QRegularExpression(QStringLiteral("[\r\n]+"))).first();
}

} // namespace

TEST(IconCards, EveryTrayIconWithBeginAndEndIsACard)
{
    const QList<int> codes = IconCardCodes();
    EXPECT_EQ(codes.size(), TrayIconCount + 2);
    EXPECT_EQ(codes.first(), IconBegin);
    EXPECT_EQ(codes.last(), IconEnd);
    for (int code = 0; code < TrayIconCount; ++code)
        EXPECT_EQ(codes.count(code), 1) << code;
    EXPECT_EQ(IconCardPageCount(), (codes.size() + CardsPerPage - 1) / CardsPerPage);
}

TEST(IconCards, TheSheetIsAnA4PdfWithOnePagePerTwelveCards)
{
    zuvo::test::offscreenApp<QGuiApplication>();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
    {
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(RenderIconCardsPdf());
    }
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(IconCardPageCount()))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();

    // Each card's name and the first line of its description are on the sheet, as text.
    const QString text
        = withoutBlanks(runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
    for (const int code : IconCardCodes()) {
        EXPECT_TRUE(text.contains(withoutBlanks(QString::fromUtf16(iconInfo(code).japaneseName))))
            << code;
        EXPECT_TRUE(text.contains(withoutBlanks(firstDescriptionLine(code))))
            << code << ' ' << firstDescriptionLine(code).toStdString();
    }
    EXPECT_EQ(text.count(u'\f'), IconCardPageCount());
}

TEST(IconCards, APageIsInColourWithCutMarksOutsideTheCards)
{
    zuvo::test::offscreenApp<QGuiApplication>();
    QImage page(420, 594, QImage::Format_RGB32); // A4 at 2 pixels to the millimetre
    page.fill(Qt::black);
    {
        QPainter painter(&page);
        UseTenthsOfMillimetre(painter, page.rect());
        PaintIconCardPage(painter, 0);
    }
    int coloured = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()})
                > 60)
                ++coloured;
        }
    }
    EXPECT_GT(coloured, page.width() * page.height() / 10);
    // The paper itself is white: the page fills it.
    EXPECT_EQ(page.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(page.width() - 3, page.height() - 3), qRgb(255, 255, 255));
}
