#include "cli/picturemodule.h"

#include "cli/clicommands.h"
#include "model/loadablemodule.h"

#include <cstdio>
#include <cstring>

namespace zuvo::cli {

namespace {

bool isPictureCommand(const char *name)
{
    return name && (std::strcmp(name, "render") == 0 || std::strcmp(name, "cards") == 0);
}

int runModule(int argc, char **argv)
{
    const ModuleEntry entry = LoadModuleEntry(
        ModulePaths(QStringLiteral("zuvo_cli_pictures"), QStringLiteral(ZUVO_PICTURE_MODULE)),
        PictureMainSymbol);
    if (entry.function)
        return reinterpret_cast<PictureMainFunction>(entry.function)(argc, argv);
    std::fprintf(stderr, "zuvomatic-cli: %s %s\n",
                 QStringLiteral(u"描画モジュールを読み込めません。").toUtf8().constData(),
                 entry.reason.toUtf8().constData());
    return ExitUsage;
}

} // namespace

std::optional<int> RunPictureCommandIfAsked(int argc, char **argv)
{
    if (argc > 1 && isPictureCommand(argv[1]))
        return runModule(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "help") == 0 && isPictureCommand(argv[2])) {
        static char helpWord[] = "--help";
        char *asHelp[] = {argv[0], argv[2], helpWord, nullptr};
        return runModule(3, asHelp);
    }
    return std::nullopt;
}

} // namespace zuvo::cli
