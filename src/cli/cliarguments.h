#pragma once
// Number arguments and the reports shared by the commands of zuvomatic-cli.

#include "model/robotfile.h"

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace zuvo::cli {

// The whole text as a decimal integer within min..max, nothing otherwise.
std::optional<int> ParseBoundedInteger(const QString &text, int min, int max);

// One line on err naming the file concerned: "PATH: reason". (A command's usage errors go
// through its CommandParser.)
void ReportFileError(QTextStream &err, const QString &path, const QString &reason);

// Why a robot file could not be read, on one line (empty for a file that was read).
QString ReadFailureReason(const RobotFileReadResult &result);

// The exit code of a robot file that was not read, the same for every command: ExitUsage when it
// could not be read at all, ExitRefused when it was read and refused (broken, foreign).
int ReadFailureExitCode(const RobotFileReadResult &result);

// The message area's lines, one output line each (CR LF, CR or LF between them).
void PrintMessageLines(QTextStream &stream, const QString &text);

} // namespace zuvo::cli
