#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

#include "signal/outputcheck.h"
#include "signal/signalplayer.h"
#include "signal/symbolrender.h"

#include <QEventLoop>

namespace zuvo::cli {

const CommandSyntax PlaySyntax
    = {"play", "FILE",
       "check the audio output, play the signal of a robot file on it and check what it played"};

namespace {

PlaybackResult playToTheEnd(SignalPlayer &player, const QByteArray &samples)
{
    QEventLoop loop;
    PlaybackResult result;
    QObject::connect(&player, &SignalPlayer::finished, &loop, [&](const PlaybackResult &finished) {
        result = finished;
        loop.quit();
    });
    player.play(samples, true);
    loop.exec();
    return result;
}

} // namespace

// Sends the signal of a robot file as the editor does: the output is checked first (a missing
// or muted one is refused, anything else below full strength is warned about), the signal is
// played once with its silence around it, and what the output's monitor heard must decode to
// the same bytes.
int commandPlay(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CompiledFileArgument file
        = CompileFileArgument(PlaySyntax, args, CompileTarget::SymbolText, out, err);
    if (file.done)
        return *file.done;
    const CompiledRobotFile &compiled = file.compiled;

    SignalPlayer player;
    const OutputCheck check = CheckOutput(player.server().readOutput());
    for (const QString &text : check.texts)
        err << (check.blocks() ? QString() : QStringLiteral(u"警告: ")) << text << Qt::endl;
    if (check.blocks())
        return ExitRefused;

    const PlaybackResult result
        = playToTheEnd(player, PadForOutput(RenderSymbols(compiled.symbolText)));
    if (result.Response != PlaybackResult::Played) {
        err << result.errorText << Qt::endl;
        return ExitRefused;
    }
    if (result.hearing == Hearing::NotHeard) {
        err << result.hearingText << Qt::endl;
        return ExitRefused;
    }
    out << SentText(compiled.generated.ProgramByteCount)
               .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        << Qt::endl;
    if (result.hearing == Hearing::Heard)
        out << HeardText() << Qt::endl;
    return ExitOk;
}

} // namespace zuvo::cli
