#include "picture/picturefiles.h"

#include "model/filewriter.h"
#include "model/pngprogram.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace zuvo {

namespace {

constexpr int PdfResolution = 96; // one picture pixel is 0.75 pt
const QString Creator = QStringLiteral("Zuvomatic");

} // namespace

std::optional<PictureFormat> PictureFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"svg")
        return PictureFormat::Svg;
    if (suffix == u"pdf")
        return PictureFormat::Pdf;
    if (suffix == u"png")
        return PictureFormat::Png;
    return std::nullopt;
}

QByteArray RenderPictureSvg(const ProgramPicture &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(picture.size());
    generator.setViewBox(QRect(QPoint(0, 0), picture.size()));
    generator.setResolution(PdfResolution);
    generator.setTitle(picture.title());
    generator.setDescription(picture.memo());
    QPainter painter;
    if (!painter.begin(&generator))
        return QByteArray();
    picture.paint(painter);
    painter.end();
    return bytes;
}

QByteArray RenderPicturePdf(const ProgramPicture &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        const QSizeF points = QSizeF(picture.size()) * 72.0 / PdfResolution;
        writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(picture.title());
        writer.setCreator(Creator);
        QPainter painter;
        if (!painter.begin(&writer))
            return QByteArray();
        // The page may be a fraction of a pixel larger than the picture after rounding.
        const QRect page = painter.viewport();
        painter.fillRect(page, Qt::white);
        picture.paint(painter);
        painter.end();
    }
    return bytes;
}

qreal PngScale(QSize size, qreal wanted)
{
    const qreal pixels = qreal(size.width()) * size.height() * wanted * wanted;
    if (pixels <= PngPixelLimit)
        return wanted;
    // Rounded down to a hundredth, so that the rounded-up pixel sizes stay within the limit.
    return std::floor(wanted * std::sqrt(PngPixelLimit / pixels) * 100) / 100;
}

QString PictureTooLargeError()
{
    return QStringLiteral(u"画像が大きすぎます（%1MBまで）。").arg(PngByteLimit / (1024 * 1024));
}

QByteArray RenderPicturePng(const ProgramPicture &picture, const QByteArray &robotFile, qreal scale)
{
    scale = std::min(scale, PngScale(picture.size(), scale));
    const QSize pixels = (QSizeF(picture.size()) * scale).toSize();
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return QByteArray();
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        picture.paint(painter);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setText(QStringLiteral("Title"), picture.title());
    writer.setText(QStringLiteral("Software"), Creator);
    if (!writer.write(image))
        return QByteArray();
    return EmbedProgramInPng(png, robotFile);
}

RobotFileWriteResult SaveProgramPicture(const WorkingProgram &program, const QString &title,
                                        ProgramPictureOptions options, const QString &path)
{
    RobotFileWriteResult result;
    const std::optional<PictureFormat> format = PictureFormatOf(path);
    if (!format) {
        result.error = PictureSuffixError;
        return result;
    }
    const ProgramPicture picture(program, title, options);
    QByteArray bytes;
    switch (*format) {
    case PictureFormat::Svg:
        bytes = RenderPictureSvg(picture);
        break;
    case PictureFormat::Pdf:
        bytes = RenderPicturePdf(picture);
        break;
    case PictureFormat::Png: {
        const RobotFileEncoding encoding = EncodeRobotFile(program);
        result.memoChanges = encoding.memoChanges;
        bytes = RenderPicturePng(picture, encoding.bytes);
        if (bytes.size() > PngByteLimit) {
            result.error = PictureTooLargeError();
            return result;
        }
        // Read back before anything is written: the picture must open again as the program.
        const RobotFileReadResult readBack = ParseRobotFileOrPicture(bytes);
        if (!bytes.isEmpty() && readBack.status != RobotFileReadResult::Status::Ok) {
            result.error = QStringLiteral(u"このプログラムは画像に入れられません（")
                + RobotFileRefusalText(readBack, false).section(u'\r', -1) + u'）';
            return result;
        }
        break;
    }
    }
    if (bytes.isEmpty()) {
        result.error = QStringLiteral(u"画像を作れませんでした。");
        return result;
    }
    const FileWriteResult written = WriteWholeFile(path, bytes);
    result.ok = written.ok;
    result.error = written.reason;
    return result;
}

} // namespace zuvo
