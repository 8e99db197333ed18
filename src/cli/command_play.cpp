#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

#include "signal/playbackmodule.h"
#include "signal/symbolrender.h"

#include <QCoreApplication>

namespace zuvo::cli {

const CommandSyntax PlaySyntax
    = {"play", "FILE", "play the signal of a robot file through the audio output"};

namespace {

// Where the playback module may be: installed beside the program's libraries, next to the
// program, or where the build left it.
QStringList playbackModulePaths()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QStringLiteral("/../" ZUVO_MODULE_INSTALL_DIR "/zuvo_playback"),
            dir + QStringLiteral("/zuvo_playback"), QStringLiteral(ZUVO_PLAYBACK_MODULE)};
}

} // namespace

// Plays the signal of a robot file once through the default audio output, as the
// transmission window does.
int commandPlay(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CompiledFileArgument file = CompileFileArgument(PlaySyntax, args, out, err);
    if (file.done)
        return *file.done;
    const CompiledRobotFile &compiled = file.compiled;

    const PlaybackResult result
        = PlayThroughModule(RenderSymbols(compiled.symbolText), playbackModulePaths());
    if (result.Response != PlaybackResult::Played) {
        err << result.errorText << Qt::endl;
        return ExitRefused;
    }
    out << SentText(compiled.generated.ProgramByteCount)
               .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        << Qt::endl;
    return ExitOk;
}

} // namespace zuvo::cli
