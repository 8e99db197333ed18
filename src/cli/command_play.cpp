#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

#include "transmit/signalplayer.h"
#include "transmit/symbolrender.h"

#include <QEventLoop>
#include <QTimer>

namespace zuvo::cli {

// Plays the signal of a robot file once through the default audio output, as the
// transmission window does.
int commandPlay(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString path = SingleFileArgument(QStringLiteral("play"), args, err);
    if (path.isEmpty())
        return ExitUsage;
    const CompiledRobotFile compiled = CompileRobotFile(path, err);
    if (compiled.exitCode != ExitOk)
        return compiled.exitCode;

    SignalPlayer player;
    QEventLoop loop;
    PlaybackResult result;
    QObject::connect(&player, &SignalPlayer::finished, &loop, [&](const PlaybackResult &finished) {
        result = finished;
        loop.quit();
    });
    player.play(RenderSymbols(compiled.symbolText));
    loop.exec();
    // Let the sound server finish tearing the stream down before the process exits: the audio
    // back end's teardown at exit crashes now and then when messages are still in flight.
    player.stopNow();
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();

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
