#include "model/loadablemodule.h"

#include <QFileInfo>
#include <QLibrary>

namespace zuvo {

QStringList ModulePaths(const QString &name, const QString &builtPath)
{
    const QString dir
        = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    return {dir + QStringLiteral("/../" ZUVO_MODULE_INSTALL_DIR "/") + name, dir + u'/' + name,
            builtPath};
}

ModuleEntry LoadModuleEntry(const QStringList &paths, const char *symbol)
{
    ModuleEntry entry;
    for (const QString &path : paths) {
        QLibrary module(path);
        entry.function = module.resolve(symbol);
        if (entry.function)
            return entry;
        entry.reason = module.errorString();
    }
    return entry;
}

} // namespace zuvo
