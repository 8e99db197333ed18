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

const CommandSyntax SimulateSyntax
    = {"simulate", "FILE [--course N] [--start N] [--seconds S] [--at T EVENT]...",
       "run the program on a virtual robot and print its path every 0.1 s (EVENT: touch1=on, "
       "light2=off, room=off, ball=X,Y)"};

// Runs the program the robot would receive on a virtual robot and prints its path and state at
// every tenth of a second.
int commandSimulate(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandParser parser(SimulateSyntax);
    // A later --course, --start or --seconds replaces an earlier one.
    parser.addOption({QStringLiteral("course"),
                      QStringLiteral("the course, 1 to %1 (default 1)").arg(sim::CourseCount),
                      QStringLiteral("N")},
                     true);
    parser.addOption({QStringLiteral("start"),
                      QStringLiteral("the start place on the course (default 1)"),
                      QStringLiteral("N")},
                     true);
    parser.addOption({QStringLiteral("seconds"),
                      QStringLiteral("how long to run, 0 to %1 (default 10)").arg(SecondsLimit),
                      QStringLiteral("S")},
                     true);
    // "--at T EVENT" takes two values, which QCommandLineParser cannot: the pairs are taken out
    // before the rest is parsed; the option is declared for the help text only.
    parser.addOption({QStringLiteral("at"),
                      QStringLiteral("at T seconds, EVENT happens (may be repeated)"),
                      QStringLiteral("T EVENT")},
                     true);

    QStringList rest;
    QList<sim::SimEvent> events;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] != QLatin1String("--at")) {
            rest << args[i];
            continue;
        }
        const auto ms
            = i + 1 < args.size() ? sim::ParseSeconds(args[i + 1], SecondsLimit) : std::nullopt;
        QString error = QStringLiteral("--at needs a time and an event");
        const auto event = ms && i + 2 < args.size() ? sim::ParseSimEvent(*ms, args[i + 2], &error)
                                                     : std::nullopt;
        if (!event)
            return parser.refuse(err, error);
        events << *event;
        i += 2;
    }
    if (const auto done = parser.parse(rest, out, err))
        return *done;
    if (parser.isSet(QStringLiteral("at")))
        return parser.refuse(err, QStringLiteral("--at needs a time and an event"));

    int courseNumber = 1;
    int startNumber = 1;
    qint64 durationMs = 10000;
    if (parser.isSet(QStringLiteral("course"))) {
        const auto number
            = ParseBoundedInteger(parser.value(QStringLiteral("course")), 1, sim::CourseCount);
        if (!number) {
            return parser.refuse(
                err, QStringLiteral("--course needs a number from 1 to %1").arg(sim::CourseCount));
        }
        courseNumber = *number;
    }
    if (parser.isSet(QStringLiteral("start"))) {
        const auto number = ParseBoundedInteger(parser.value(QStringLiteral("start")), 1, 99);
        if (!number)
            return parser.refuse(err, QStringLiteral("--start needs a start place number"));
        startNumber = *number;
    }
    if (parser.isSet(QStringLiteral("seconds"))) {
        const auto ms = sim::ParseSeconds(parser.value(QStringLiteral("seconds")), SecondsLimit);
        if (!ms) {
            return parser.refuse(
                err, QStringLiteral("--seconds needs a time from 0 to %1").arg(SecondsLimit));
        }
        durationMs = *ms;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return parser.refuse(err, QStringLiteral("expected one FILE"));
    if (positional.isEmpty() || positional[0].isEmpty())
        return parser.refuse(err, QStringLiteral("expected FILE"));
    const QString &path = positional[0];
    const sim::Course &course = sim::ReadyCourse(courseNumber);
    if (startNumber > course.starts.size()) {
        return parser.refuse(
            err,
            QStringLiteral("course %1 has no start place %2").arg(courseNumber).arg(startNumber));
    }

    const CompiledRobotFile compiled = CompileRobotFile(path, CompileTarget::TransmitImage, err);
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
