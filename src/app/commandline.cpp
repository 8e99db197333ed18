#include "app/commandline.h"

#include <QFileInfo>

namespace zuvo {

QStringList SplitCommandLine(const QString &commandLine)
{
    if (commandLine.isEmpty())
        return {};
    return commandLine.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

QStringList CommandLineWords(const QStringList &arguments)
{
    return arguments.mid(1);
}

CommandLineSwitches ParseCommandLine(const QStringList &words)
{
    CommandLineSwitches switches;
    for (int i = 0; i < qMin<qsizetype>(2, words.size()); ++i) {
        if (words.at(i) == QLatin1String("Ghost"))
            switches.Ghost = true;
        if (words.at(i) == QLatin1String("HexDisp"))
            switches.HexDisp = true;
    }
    return switches;
}

StartRequest ParseStartRequest(const QStringList &words)
{
    StartRequest request;
    request.switches = ParseCommandLine(words);
    for (const QString &word : words) {
        const QFileInfo file(word);
        if (word.endsWith(QLatin1String(".qvk"), Qt::CaseInsensitive) && file.isFile()) {
            request.robotFile = file.absoluteFilePath();
            break;
        }
    }
    return request;
}

} // namespace zuvo
