#pragma once
// The program's command line: the words after the program name, and the two switches they
// may hold. The editor applies the switches; this parse is kept for the start-up and its tests.

#include <QString>
#include <QStringList>

namespace zuvo {

struct CommandLineSwitches
{
    bool Ghost = false;
    bool HexDisp = false;
};

// The words of a command line given as one text, split at single blanks (two blanks in a row
// give an empty word between them). An empty text has no words.
QStringList SplitCommandLine(const QString &commandLine);

// The words after the program name in the process's arguments.
QStringList CommandLineWords(const QStringList &arguments);

// "Ghost" or "HexDisp" as the first or the second word, compared exactly; later words and any
// other words are ignored.
CommandLineSwitches ParseCommandLine(const QStringList &words);

} // namespace zuvo
