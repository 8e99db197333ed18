#include "cli/picturemodule.h"

#include "cli/clicommands.h"

#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <cstdio>
#include <cstring>

namespace zuvo::cli {

namespace {

// Where the module may be: installed beside the program's libraries, next to the program, or
// where the build left it. No QCoreApplication exists yet, so the program's own path comes from
// the system.
QStringList pictureModulePaths()
{
    const QString dir
        = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    return {dir + QStringLiteral("/../" ZUVO_MODULE_INSTALL_DIR "/zuvo_cli_pictures"),
            dir + QStringLiteral("/zuvo_cli_pictures"), QStringLiteral(ZUVO_PICTURE_MODULE)};
}

bool isPictureCommand(const char *name)
{
    return name && (std::strcmp(name, "render") == 0 || std::strcmp(name, "cards") == 0);
}

int runModule(int argc, char **argv)
{
    QString reason;
    for (const QString &path : pictureModulePaths()) {
        QLibrary module(path);
        const auto run = reinterpret_cast<PictureMainFunction>(module.resolve(PictureMainSymbol));
        if (run)
            return run(argc, argv);
        reason = module.errorString();
    }
    std::fprintf(stderr, "zuvomatic-cli: %s %s\n",
                 QStringLiteral(u"描画モジュールを読み込めません。").toUtf8().constData(),
                 reason.toUtf8().constData());
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
