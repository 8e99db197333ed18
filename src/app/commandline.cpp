#include "app/commandline.h"

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

} // namespace zuvo
