#include "cli/cliarguments.h"

#include <QRegularExpression>

namespace zuvo::cli {

ParsedArguments ParseArguments(const QStringList &args, bool acceptsOutput)
{
    ParsedArguments parsed;
    bool outputSeen = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("-o")) {
            if (!acceptsOutput) {
                parsed.error = QStringLiteral("option -o is not accepted here");
                return parsed;
            }
            if (outputSeen) {
                parsed.error = QStringLiteral("option -o given twice");
                return parsed;
            }
            if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
                parsed.error = QStringLiteral("option -o needs a file name");
                return parsed;
            }
            outputSeen = true;
            parsed.outputPath = args[++i];
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            parsed.error = QStringLiteral("unknown option %1").arg(arg);
            return parsed;
        } else {
            parsed.positional.append(arg);
        }
    }
    return parsed;
}

std::optional<int> ParseBoundedInteger(const QString &text, int min, int max)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

void ReportUsageError(QTextStream &err, const QString &command, const QString &message)
{
    err << "zuvomatic-cli " << command << ": " << message << Qt::endl;
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
    case Status::ForeignHeader:
        return QStringLiteral(u"このファイルは異なった言語で作成されています。");
    case Status::Broken:
        return result.reason.isEmpty()
            ? QStringLiteral(u"ファイルが壊れています")
            : QStringLiteral(u"ファイルが壊れています: ") + result.reason;
    case Status::Ok:
        break;
    }
    return QString();
}

void PrintMessageLines(QTextStream &stream, const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    for (const QString &line : text.split(lineBreak))
        stream << line << '\n';
}

} // namespace zuvo::cli
