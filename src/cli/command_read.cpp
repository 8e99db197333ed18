#include "cli/cliarguments.h"
#include "cli/clicommands.h"

#include "model/programtext.h"
#include "model/robotfile.h"

namespace zuvo::cli {

const CommandSyntax ReadSyntax
    = {"read", "FILE", "print a robot file's program as its three lists"};

namespace {

// Line breaks inside the memo are shown as the two characters "\r" and "\n" so that each list
// stays on one output line.
QString escapeLineBreaks(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 4);
    for (const QChar c : text) {
        if (c == u'\r')
            out += QLatin1StringView("\\r");
        else if (c == u'\n')
            out += QLatin1StringView("\\n");
        else
            out += c;
    }
    return out;
}

} // namespace

// Prints a robot file's program as the program slots hold it: ConnectionList, IconList and
// MemoList, one per line.
int commandRead(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const FileArgument file = ReadFileArgument(ReadSyntax, args, out, err);
    if (file.done)
        return *file.done;
    const QString &path = file.path;
    const RobotFileReadResult result = ReadRobotFile(path);
    switch (result.status) {
    case RobotFileReadResult::Status::CannotOpen:
        ReportFileError(err, path, result.systemError);
        return ExitUsage;
    case RobotFileReadResult::Status::TooLarge:
    case RobotFileReadResult::Status::ForeignHeader:
    case RobotFileReadResult::Status::Broken:
    case RobotFileReadResult::Status::PictureWithoutProgram:
    case RobotFileReadResult::Status::PictureDamaged:
        err << RobotFileRefusalText(result, false).replace(u'\r', u'\n') << Qt::endl;
        return ExitRefused;
    case RobotFileReadResult::Status::Ok:
        break;
    }
    const ProgramText text = StoreSlotText(result.program);
    out << escapeLineBreaks(text.ConnectionList) << '\n'
        << escapeLineBreaks(text.IconList) << '\n'
        << escapeLineBreaks(text.MemoList) << Qt::endl;
    return ExitOk;
}

} // namespace zuvo::cli
