#include "cli/cliarguments.h"
#include "cli/clicommands.h"
#include "cli/compilerobotfile.h"

#include "sim/course.h"
#include "sim/simevents.h"
#include "sim/simtrace.h"
#include "sim/simulation.h"

namespace zuvo::cli {

namespace {

constexpr double SecondsLimit = 600;
constexpr int TraceStepMs = 100;

} // namespace

// Runs the program the robot would receive on a virtual robot and prints its path and state at
// every tenth of a second.
int commandSimulate(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString command = QStringLiteral("simulate");
    QString path;
    int courseNumber = 1;
    int startNumber = 1;
    qint64 durationMs = 10000;
    QList<sim::SimEvent> events;

    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const auto value = [&](int index) -> QString {
            return index < args.size() ? args[index] : QString();
        };
        if (arg == QLatin1String("--course")) {
            const auto number = ParseBoundedInteger(value(++i), 1, sim::CourseCount);
            if (!number) {
                ReportUsageError(
                    err, command,
                    QStringLiteral("--course needs a number from 1 to %1").arg(sim::CourseCount));
                return ExitUsage;
            }
            courseNumber = *number;
        } else if (arg == QLatin1String("--start")) {
            const auto number = ParseBoundedInteger(value(++i), 1, 99);
            if (!number) {
                ReportUsageError(err, command,
                                 QStringLiteral("--start needs a start place number"));
                return ExitUsage;
            }
            startNumber = *number;
        } else if (arg == QLatin1String("--seconds")) {
            const auto ms = sim::ParseSeconds(value(++i), SecondsLimit);
            if (!ms) {
                ReportUsageError(
                    err, command,
                    QStringLiteral("--seconds needs a time from 0 to %1").arg(SecondsLimit));
                return ExitUsage;
            }
            durationMs = *ms;
        } else if (arg == QLatin1String("--at")) {
            const auto ms = sim::ParseSeconds(value(i + 1), SecondsLimit);
            QString error = QStringLiteral("--at needs a time and an event");
            const auto event = ms && i + 2 < args.size()
                ? sim::ParseSimEvent(*ms, value(i + 2), &error)
                : std::nullopt;
            if (!event) {
                ReportUsageError(err, command, error);
                return ExitUsage;
            }
            events << *event;
            i += 2;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            ReportUsageError(err, command, QStringLiteral("unknown option %1").arg(arg));
            return ExitUsage;
        } else if (path.isEmpty()) {
            path = arg;
        } else {
            ReportUsageError(err, command, QStringLiteral("expected one FILE"));
            return ExitUsage;
        }
    }
    if (path.isEmpty()) {
        ReportUsageError(err, command, QStringLiteral("expected FILE"));
        return ExitUsage;
    }
    const sim::Course &course = sim::ReadyCourse(courseNumber);
    if (startNumber > course.starts.size()) {
        ReportUsageError(
            err, command,
            QStringLiteral("course %1 has no start place %2").arg(courseNumber).arg(startNumber));
        return ExitUsage;
    }

    const CompiledRobotFile compiled = CompileRobotFile(path, err);
    if (compiled.exitCode != ExitOk)
        return compiled.exitCode;

    sim::Simulation simulation(sim::CodeOfTransmitImage(compiled.generated.TransmitImage), course,
                               startNumber - 1);
    for (const sim::SimEvent &event : std::as_const(events))
        simulation.schedule(event);
    for (const QString &line : sim::TraceHeader(simulation))
        out << line << '\n';
    for (qint64 t = 0;; t += TraceStepMs) {
        simulation.runUntil(std::min(t, durationMs));
        out << sim::TraceLine(simulation) << '\n';
        if (t >= durationMs)
            break;
    }
    if (simulation.machine().status() == sim::MachineStatus::Fault)
        out << "# " << simulation.machine().faultText() << '\n';
    out.flush();
    return ExitOk;
}

} // namespace zuvo::cli
