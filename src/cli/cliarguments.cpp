#include "cli/cliarguments.h"

#include "cli/clicommands.h"

#include <QRegularExpression>

namespace zuvo::cli {

std::optional<int> ParseBoundedInteger(const QString &text, int min, int max)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

void ReportFileError(QTextStream &err, const QString &path, const QString &reason)
{
    err << path << ": " << reason << Qt::endl;
}

QString ReadFailureReason(const RobotFileReadResult &result)
{
    using Status = RobotFileReadResult::Status;
    switch (result.status) {
    case Status::CannotOpen:
        return result.systemError.isEmpty() ? QStringLiteral(u"ファイルが有りません")
                                            : result.systemError;
    case Status::TooLarge:
        return QStringLiteral(u"ファイルが大きすぎます: ") + TooLargeDetail();
    case Status::ForeignHeader:
        return QStringLiteral(u"このファイルは異なった言語で作成されています。");
    case Status::Broken:
        return result.reason.isEmpty()
            ? QStringLiteral(u"ファイルが壊れています")
            : QStringLiteral(u"ファイルが壊れています: ") + result.reason;
    case Status::PictureWithoutProgram:
        return QStringLiteral(u"この画像にはプログラムが入っていません");
    case Status::PictureDamaged:
        return QStringLiteral(u"画像ファイルが壊れています: ") + result.reason;
    case Status::Ok:
        break;
    }
    return QString();
}

int ReadFailureExitCode(const RobotFileReadResult &result)
{
    return result.status == RobotFileReadResult::Status::CannotOpen ? ExitUsage : ExitRefused;
}

void PrintMessageLines(QTextStream &stream, const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    for (const QString &line : text.split(lineBreak))
        stream << line << '\n';
}

} // namespace zuvo::cli
