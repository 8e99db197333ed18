#pragma once
// The program's parts that are loaded when first needed, so that neither program links their
// libraries: the playback module (the sound server's client library), the editor (with
// printing, the simulator and sending) and the tool's drawing commands (Qt Gui). One way to find
// and load them all.

#include <QFunctionPointer>
#include <QString>
#include <QStringList>

namespace zuvo {

// Where the module NAME (without the platform's prefix and suffix) may be: installed beside the
// program's libraries (lib/<multiarch>/zuvomatic), next to the program, or `builtPath`, where
// the build left it. Needs no QCoreApplication.
QStringList ModulePaths(const QString &name, const QString &builtPath);

struct ModuleEntry
{
    QFunctionPointer function = nullptr; // the entry point; null when no module had it
    QString reason; // why the last place tried failed, in the loader's words
};

// The entry point `symbol` of the first of `paths` that loads and has it. The module stays
// loaded to the end of the process: what it made (windows, threads, global state) lives on.
ModuleEntry LoadModuleEntry(const QStringList &paths, const char *symbol);

} // namespace zuvo
