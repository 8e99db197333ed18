#include "cli/cliarguments.h"
#include "cli/clicommands.h"

#include "model/programtext.h"
#include "model/robotfile.h"
#include "model/samples.h"

namespace zuvo::cli {

const CommandSyntax SampleSyntax
    = {"sample", "SET SLOT -o FILE", "write built-in sample SET (1-5), SLOT (1-4) as a robot file"};

// Writes a built-in sample as the editor saves it right after loading the set.
int commandSample(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandParser parser(SampleSyntax);
    parser.addOption(
        {QStringLiteral("o"), QStringLiteral("the robot file to write"), QStringLiteral("FILE")});
    if (const auto done = parser.parse(args, out, err))
        return *done;
    const QStringList positional = parser.positionalArguments();
    const QString outputPath = parser.value(QStringLiteral("o"));
    if (positional.size() != 2 || outputPath.isEmpty())
        return parser.refuse(err, QStringLiteral("expected SET SLOT -o FILE"));
    const std::optional<int> set = ParseBoundedInteger(positional[0], 1, SampleSetCount);
    if (!set) {
        return parser.refuse(err,
                             QStringLiteral("SET must be 1 to %1, not \"%2\"")
                                 .arg(SampleSetCount)
                                 .arg(positional[0]));
    }
    const std::optional<int> slot = ParseBoundedInteger(positional[1], 1, 4);
    if (!slot)
        return parser.refuse(err,
                             QStringLiteral("SLOT must be 1 to 4, not \"%1\"").arg(positional[1]));

    const WorkingProgram program = LoadSlotText(BuiltInSampleSet(*set).programs[*slot - 1]);
    const RobotFileWriteResult written = WriteRobotFile(program, outputPath);
    if (!written.ok) {
        ReportFileError(err, outputPath, written.error);
        return ExitUsage;
    }
    if (written.memoChanges.any())
        ReportFileError(err, outputPath, MemoChangesText(written.memoChanges).replace(u'\r', u' '));
    return ExitOk;
}

} // namespace zuvo::cli
