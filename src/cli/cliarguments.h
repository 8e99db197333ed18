#pragma once
// Argument handling shared by the commands of zuvomatic-cli.

#include "model/robotfile.h"

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace zuvo::cli {

struct ParsedArguments
{
    QStringList positional;
    QString outputPath; // the value of "-o", empty when not given
    QString error; // why the arguments were not understood, empty when they were
};

// Splits arguments into positional ones and the "-o FILE" option (allowed once, anywhere).
ParsedArguments ParseArguments(const QStringList &args, bool acceptsOutput);

// The whole text as a decimal integer within min..max, nothing otherwise.
std::optional<int> ParseBoundedInteger(const QString &text, int min, int max);

// One line on err: "zuvomatic-cli COMMAND: message" (or "SUBJECT: message" when a file is
// concerned, so that the file is named).
void ReportUsageError(QTextStream &err, const QString &command, const QString &message);
void ReportFileError(QTextStream &err, const QString &path, const QString &reason);

// Why a robot file could not be read, on one line (empty for a file that was read).
QString ReadFailureReason(const RobotFileReadResult &result);

// The message area's lines, one output line each (CR LF, CR or LF between them).
void PrintMessageLines(QTextStream &stream, const QString &text);

} // namespace zuvo::cli
