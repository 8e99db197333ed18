#include "cli/clicommands.h"

#include "signal/outputcheck.h"
#include "signal/soundmodule.h"

namespace zuvo::cli {

const CommandSyntax OutputSyntax
    = {"output", "", "show the default audio output as the check before sending sees it"};

// Prints the default output (name, description, format, volume, mute, kind, monitor) and what
// the check before sending finds: problems that block sending on err with exit 1, the others
// as warnings.
int commandOutput(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandParser parser(OutputSyntax);
    if (const auto done = parser.parse(args, out, err))
        return *done;
    if (!parser.positionalArguments().isEmpty())
        return parser.refuse(err, QStringLiteral("expected no arguments"));

    const OutputInfo output = OpenSoundServer()->readOutput();
    if (output.present) {
        for (const QString &line : DescribeOutput(output))
            out << line << '\n';
        out.flush();
    }
    const OutputCheck check = CheckOutput(output);
    for (const QString &text : check.texts)
        err << (check.blocks() ? QString() : QStringLiteral(u"警告: ")) << text << Qt::endl;
    return check.blocks() ? ExitRefused : ExitOk;
}

} // namespace zuvo::cli
