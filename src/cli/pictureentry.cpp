// The entry point of the loadable picture module of zuvomatic-cli.

#include "cli/clicommands.h"
#include "cli/picturecommands.h"
#include "cli/picturemodule.h"

#include <QGuiApplication>
#include <cstring>

extern "C" Q_DECL_EXPORT int zuvoPictureMain(int argc, char **argv)
{
    using namespace zuvo::cli;
    // Drawing needs no screen: the command runs the same with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    const QStringList args = app.arguments().mid(2);
    int code = ExitUsage;
    if (argc > 1 && std::strcmp(argv[1], "render") == 0)
        code = commandRender(args, out, err);
    else if (argc > 1 && std::strcmp(argv[1], "cards") == 0)
        code = commandCards(args, out, err);
    out.flush();
    err.flush();
    return code;
}
