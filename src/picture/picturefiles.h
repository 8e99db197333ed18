#pragma once
// The picture of a program as an SVG, PDF or PNG file. Each is rendered into memory first and
// written by the one file writer, so a file is replaced completely or not at all. The PNG also
// carries the robot file, so that the picture opens again as the program.

#include "model/robotfile.h"
#include "picture/programpicture.h"

#include <QByteArray>
#include <optional>

namespace zuvo {

enum class PictureFormat { Svg, Pdf, Png };

// The format a file name asks for by its suffix (any case); nothing for another suffix.
std::optional<PictureFormat> PictureFormatOf(const QString &path);

// A PNG's pixels per picture pixel unless asked otherwise: crisp on paper and on 200 % screens.
constexpr qreal DefaultPngScale = 2.0;
// The most pixels a PNG has: a larger picture is drawn at a smaller scale. The picture of the
// largest program (the whole lattice, the longest title and memo) stays crisp at about 1.4.
constexpr qint64 PngPixelLimit = 16'000'000;
// The most bytes a PNG may have: what the reader takes (RobotPictureSizeLimit).
constexpr qint64 PngByteLimit = RobotPictureSizeLimit;

// The scale at which a picture of `size` picture pixels is drawn when `wanted` is asked for:
// `wanted`, or less to keep within PngPixelLimit.
qreal PngScale(QSize size, qreal wanted = DefaultPngScale);

// Vector: the artwork comes from its SVG sources, the text stays text.
QByteArray RenderPictureSvg(const ProgramPicture &picture);
// One page the size of the picture (96 picture pixels to the inch).
QByteArray RenderPicturePdf(const ProgramPicture &picture);
// `scale` pixels per picture pixel (at most PngScale), with the robot file's bytes in a chunk of
// its own.
QByteArray RenderPicturePng(const ProgramPicture &picture, const QByteArray &robotFile,
                            qreal scale = DefaultPngScale);

// Renders the picture of `program` in the format `path` asks for and writes it with
// WriteWholeFile. Fails without touching the file when the suffix names no picture format or
// the rendering fails, and for a PNG when it would not open again as the program (above
// PngByteLimit, or its robot file refused); memoChanges names what the PNG's robot file could
// not hold.
RobotFileWriteResult SaveProgramPicture(const WorkingProgram &program, const QString &title,
                                        ProgramPictureOptions options, const QString &path);

// The refusal of a name whose suffix is no picture format.
inline const QString PictureSuffixError
    = QStringLiteral(u"名前の終わりを .png、.svg、.pdf のどれかにしてください。");
// The refusal of a PNG too large for the reader.
QString PictureTooLargeError();

} // namespace zuvo
