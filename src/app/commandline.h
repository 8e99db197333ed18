#pragma once
// The program's command line: the words after the program name, and the two switches they
// may hold. The editor applies the switches; this parse is kept for the start-up and its tests.

#include <QString>
#include <QStringList>
#include <optional>

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

// What the program is started with: the two switches and, when the desktop opened a robot file
// or the picture of a program with the program (a double-click on a .qvk or .png file), that
// file.
struct StartRequest
{
    CommandLineSwitches switches;
    QString robotFile; // absolute path; empty when none was given
};

// The switches from the first two words as ParseCommandLine reads them, and the first word that
// ends in ".qvk" or ".png" (in any case) as the file to open, whether it can be opened or not:
// the editor opens it or says why it cannot.
StartRequest ParseStartRequest(const QStringList &words);

// "--help" or "-h", "--version" or "-v" anywhere among the words: the text to print before
// ending, with no window opened and the single-instance rule not consulted. Empty for any
// other command line; words the program does not know (Qt's own options among them) are left
// alone, as they always were.
std::optional<QString> InformationRequest(const QStringList &words);

// What "zuvomatic --help" prints.
QString ProgramHelpText();

} // namespace zuvo
