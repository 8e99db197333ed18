#include "cli/cliarguments.h"
#include "cli/clicommands.h"
#include "cli/picturecommands.h"

#include "picture/picturefiles.h"

#include <QFileInfo>

namespace zuvo::cli {

// Writes the picture of a robot file's program, titled with the file's name as its tab shows
// it, in the format the output's suffix names.
int commandRender(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandParser parser(RenderSyntax);
    parser.addOption({QStringLiteral("o"),
                      QStringLiteral("the picture to write: .svg, .pdf or .png"),
                      QStringLiteral("OUT")});
    parser.addOption({QStringLiteral("grid"), QStringLiteral("draw the empty cells faintly")});
    if (const auto done = parser.parse(args, out, err))
        return *done;
    const QStringList positional = parser.positionalArguments();
    const QString outputPath = parser.value(QStringLiteral("o"));
    if (positional.size() != 1 || outputPath.isEmpty())
        return parser.refuse(err, QStringLiteral("expected FILE -o OUT.svg|OUT.pdf|OUT.png"));
    ProgramPictureOptions options;
    options.grid = parser.isSet(QStringLiteral("grid"));
    const QString &path = positional[0];
    if (!PictureFormatOf(outputPath)) {
        ReportFileError(err, outputPath, PictureSuffixError);
        return ExitUsage;
    }
    const RobotFileReadResult read = ReadRobotFile(path);
    if (read.status != RobotFileReadResult::Status::Ok) {
        ReportFileError(err, path, ReadFailureReason(read));
        return ReadFailureExitCode(read);
    }
    const RobotFileWriteResult written
        = SaveProgramPicture(read.program, QFileInfo(path).fileName(), options, outputPath);
    if (!written.ok) {
        ReportFileError(err, outputPath, written.error);
        return ExitUsage;
    }
    out << outputPath << Qt::endl;
    return ExitOk;
}

} // namespace zuvo::cli
