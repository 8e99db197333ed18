#include "cli/cliarguments.h"
#include "cli/clicommands.h"

#include "model/programtext.h"
#include "model/robotfile.h"
#include "model/samples.h"

namespace zuvo::cli {

// Writes a built-in sample as the editor saves it right after loading the set.
int commandSample(const QStringList &args, QTextStream &, QTextStream &err)
{
    const QString name = QStringLiteral("sample");
    const ParsedArguments parsed = ParseArguments(args, true);
    if (!parsed.error.isEmpty()) {
        ReportUsageError(err, name, parsed.error);
        return ExitUsage;
    }
    if (parsed.positional.size() != 2 || parsed.outputPath.isEmpty()) {
        ReportUsageError(err, name, QStringLiteral("expected SET SLOT -o FILE"));
        return ExitUsage;
    }
    const std::optional<int> set = ParseBoundedInteger(parsed.positional[0], 1, SampleSetCount);
    if (!set) {
        ReportUsageError(err, name,
                         QStringLiteral("SET must be 1 to %1, not \"%2\"")
                             .arg(SampleSetCount)
                             .arg(parsed.positional[0]));
        return ExitUsage;
    }
    const std::optional<int> slot = ParseBoundedInteger(parsed.positional[1], 1, 4);
    if (!slot) {
        ReportUsageError(
            err, name, QStringLiteral("SLOT must be 1 to 4, not \"%1\"").arg(parsed.positional[1]));
        return ExitUsage;
    }

    const WorkingProgram program = LoadSlotText(BuiltInSampleSet(*set).programs[*slot - 1]);
    const RobotFileWriteResult written = WriteRobotFile(program, parsed.outputPath);
    if (!written.ok) {
        ReportFileError(err, parsed.outputPath, written.error);
        return ExitUsage;
    }
    if (!written.replacedCharacters.isEmpty())
        ReportFileError(
            err, parsed.outputPath,
            QStringLiteral("written with \"？\" for %1").arg(written.replacedCharacters));
    return ExitOk;
}

} // namespace zuvo::cli
