// Draws pictures of the artwork ahead, at build time: each picture named on the command line, at
// each of the usual device pixel ratios, and the program's icon at its window sizes, as the
// program would draw them, into files of their raw pixels under OUTDIR and a resource list
// (OUTDIR/drawn.qrc) that compiles them into the program.
// Usage: drawart OUTDIR PICTURE...
//   PICTURE: a resource path (":/start/box_go.svg") at the size the catalogue lays it out at,
//   PATH@WxH at that size, or --icons: every icon picture at the grid's and the tray's size.

#include "art/artwork.h"
#include "art/iconpicture.h"
#include "art/svgartwork.h"
#include "artworkcatalogue.h"
#include "model/filewriter.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QTextStream>

using namespace zuvo;

namespace {

// The artwork's captions ask for these families first; any other font would change the pictures.
bool hasArtworkFont()
{
    const QStringList families = QFontDatabase::families();
    for (const char *family : {"IPAGothic", "IPA Gothic", "Noto Sans CJK JP"}) {
        if (families.contains(QLatin1String(family)))
            return true;
    }
    return false;
}

bool writeDrawing(QImage image, const QDir &out, const QString &drawnPath, QStringList &files)
{
    const QString name = drawnPath.mid(QStringLiteral(":/drawn/").size());
    if (!QDir().mkpath(QFileInfo(out.filePath(name)).path()))
        return false;
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    QByteArray pixels;
    for (int y = 0; y < image.height(); ++y)
        pixels.append(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    files << name;
    return WriteWholeFile(out.filePath(name), pixels).ok;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 2) {
        err << "usage: drawart OUTDIR PICTURE...\n";
        return 2;
    }
    if (!hasArtworkFont()) {
        err << "drawart: the artwork's font (IPAGothic, fonts-ipafont-gothic) is not installed\n";
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QStringList files;
    const auto draw = [&](const QString &path, QSize size) {
        for (qreal ratio : DrawnRatios) {
            const QSize pixels(qRound(size.width() * ratio), qRound(size.height() * ratio));
            const QImage image = DrawSvgArtwork(path, pixels);
            if (image.isNull()
                || !writeDrawing(image, out, drawnArtworkPath(path, size, ratio), files)) {
                err << "drawart: cannot draw " << path << " at " << ratio << "\n";
                return false;
            }
        }
        return true;
    };
    for (int i = 2; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("--icons")) {
            for (int code = 0; code < 100; ++code) {
                if (hasIconPicture(code)
                    && !(draw(iconPicturePath(code), QSize(GridPictureSize, GridPictureSize))
                         && draw(iconPicturePath(code), QSize(TrayPictureSize, TrayPictureSize))))
                    return 1;
            }
            continue;
        }
        const QString path = argument.section(u'@', 0, 0);
        QSize size;
        if (argument.contains(u'@')) {
            const QStringList wh = argument.section(u'@', 1).split(u'x');
            size = QSize(wh.value(0).toInt(), wh.value(1).toInt());
        } else {
            for (const ArtworkEntry &entry : artworkCatalogue()) {
                if (entry.path == path)
                    size = entry.size;
            }
        }
        if (size.isEmpty()) {
            err << "drawart: " << argument << " names no size, nor a picture of the catalogue\n";
            return 1;
        }
        if (!draw(path, size))
            return 1;
    }
    // Drawn by the SVG icon engine, as a window's icon would be drawn at each scale.
    const QIcon icon(QStringLiteral(":/app/zuvomatic.svg"));
    for (int size : ProgramIconSizes) {
        for (qreal ratio : DrawnRatios) {
            const int pixels = qRound(size * ratio);
            if (files.contains(drawnProgramIconPath(pixels).mid(8)))
                continue;
            const QImage image = icon.pixmap(QSize(pixels, pixels), 1.0).toImage();
            if (image.size() != QSize(pixels, pixels)
                || !writeDrawing(image, out, drawnProgramIconPath(pixels), files)) {
                err << "drawart: cannot draw the program's icon at " << pixels << "\n";
                return 1;
            }
        }
    }

    QByteArray qrc = "<RCC>\n<qresource prefix=\"/drawn\">\n";
    for (const QString &file : files)
        qrc += "<file>" + file.toUtf8() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    const FileWriteResult written = WriteWholeFile(out.filePath(QStringLiteral("drawn.qrc")), qrc);
    if (!written.ok)
        err << "drawart: drawn.qrc: " << written.reason << "\n";
    return written.ok ? 0 : 1;
}
